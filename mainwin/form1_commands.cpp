// The calculate command and the result-table view of the main window.
#include <algorithm>
#include <cmath>
#include <exception>
#include <string>

#include "mainwin/form1.h"
#include "mainwin/main_program.h"
#include "platform/format/format.h"

namespace vorn::mainwin {
namespace {

// The "ideographic space" that stands for a site left empty, so that the
// result table and its files always have a site text.
constexpr const char* kEmptySiteName = "　";

// The thickness must fit between the skin and the film. FFD - FSD carries the
// rounding of two decimal entries (100.1 - 80.1 is 19.999999999999986), so a
// thickness equal to the gap as typed passes.
bool ThicknessExceedsGap(double thickness, double ffd, double fsd)
{
  const double slack = 1e-9 * std::max({1.0, std::abs(ffd), std::abs(fsd)});
  return thickness > ffd - fsd + slack;
}

}  // namespace

void Form1::StoreAllBoxes()
{
  Module1& m = program_.Module();
  ExposureCondition& c = m.Condition;
  c.TargetAngle = Val(Text1.Text());
  c.InherentFilterAl = Val(Text2.Text()) * 0.1;
  c.AddedFilterAl = Val(Text3.Text()) * 0.1;
  c.AddedFilterCu = Val(Text4.Text()) * 0.1;
  m.OtherFilter.OtherFilterThickness = Val(Label26.Caption()) * 0.1;
  c.TubeVoltage = Val(Text5.Text());
  c.TubeCurrent = Val(Text6.Text());
  c.ExposureTime = Val(Text7.Text());
  c.FFD = Val(Text8.Text());
  c.FSD = Val(Text9.Text());
  c.ObjectThickness = Val(Text23.Text());
  c.FieldLength = Val(Text10.Text());
  c.FieldWidth = Val(Text11.Text());
}

void Form1::Command2_Click()
{
  Module1& m = program_.Module();
  ExposureCondition& c = m.Condition;
  const bool english = program_.edition == Edition::English;

  if (english) StoreAllBoxes();

  if (ThicknessExceedsGap(c.ObjectThickness, c.FFD, c.FSD)) {
    App().MsgBox(std::string(texts_.ThicknessTooLarge), ui::vbExclamation);
    return;
  }

  try {
    m.CalcSpectrum();
    m.CalcExposureFromOutput();
    m.CalcBsfAndSurfaceDose();
    c.SiteName = Combo2.Text().empty() ? std::string(kEmptySiteName) : Combo2.Text();
    App().DoEvents();
    if (program_.Results.ResultRowCount <= results::kResultRows) {
      Command3.SetEnabled(true);
      Command14.SetEnabled(true);
      if (english) Command10.SetEnabled(true);
      Command3.SetFocus();
    }
    // The measured value stays in use (OutputSource), but the option shows it
    // no longer: the next measured value is entered afresh.
    Option4.SetValue(false);
  } catch (const std::exception&) {
    // What the routines wrote before the failure stays; the buttons keep their state.
    App().Beep();
    App().MsgBox(std::string(texts_.CalculationFailed), ui::vbExclamation);
  }
}

void Form1::Command10_Click()
{
  results::Form10& results = *program_.Form10;
  results.Label1.SetCaption(program_.UserName);
  results.Move(15, 15);
  results.Show();
}

}  // namespace vorn::mainwin
