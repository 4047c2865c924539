#include "depthdose/graph_window.h"

#include <cmath>
#include <string>

#include "depthdose/depthdose_program.h"
#include "depthdose/effective_dose_window.h"
#include "depthdose/graph_drawing.h"
#include "platform/errors.h"
#include "platform/format/format.h"
#include "text/error_texts.h"

namespace vorn::pdd {

namespace {

const ui::Color kLightCyan = ui::colors::LightCyan;
const ui::Color kLightYellow = ui::colors::LightYellow;

}  // namespace

GraphWindow::GraphWindow(DepthDoseProgram& program) : Form(program.app, "Form1"), program_(program)
{
  const DepthDoseTexts& t = program.texts();
  const bool japanese = program.edition() == Edition::Japanese;

  SetCaption(std::string(t.GraphCaption));
  SetSize(8655, 9720);
  if (japanese) {
    SetFont({"メイリオ", 9.75, false, false});
  } else {
    SetFont({"Times New Roman", 12, false, false});
  }
  SetKeyPreview(true);  // the arrow keys step the cursor whatever has the focus

  graphPicture.SetBackColor(ui::colors::White);
  graphPicture.SetAutoRedraw(true);
  graphPicture.Scale(-150, 90, 1100, 900);
  graphPicture.SetFont({"Times New Roman", 15.75, false, false});

  surfaceDoseLabel.SetCaption(std::string(t.SurfaceDoseBefore));
  surfaceDoseLabel.SetBackColor(kLightCyan);
  depthCaption.SetCaption(std::string(t.DepthLabel));
  depthCaption.SetBackColor(ui::colors::White);
  depthCaption.SetVisible(false);
  depthSeparatorCaption.SetCaption(std::string(t.DepthSeparator));
  depthSeparatorCaption.SetAlignment(ui::Alignment::Center);
  depthSeparatorCaption.SetBackColor(ui::colors::White);
  depthSeparatorCaption.SetVisible(japanese);
  depthUnit.SetCaption(std::string(t.DepthUnit));
  depthUnit.SetBackColor(ui::colors::White);
  doseCaption.SetCaption(std::string(t.DoseLabel));
  doseCaption.SetBackColor(ui::colors::White);
  doseUnit.SetCaption(std::string(t.DoseUnit));
  doseUnit.SetBackColor(ui::colors::White);
  for (ui::TextBox* box : {&nearDepthBox, &farDepthBox, &doseBox}) {
    box->SetBackColor(kLightCyan);
    box->SetAlignment(ui::Alignment::Right);
  }
  for (ui::TextBox* box : {&totalPercentBox, &primaryPercentBox, &scatterPercentBox}) {
    box->SetBackColor(kLightYellow);
    box->SetAlignment(ui::Alignment::Right);
    box->SetVisible(japanese);
  }
  primaryPercentBox.SetForeColor(ui::colors::Red);
  scatterPercentBox.SetForeColor(ui::colors::Blue);

  totalLevelLine.SetBorderColor(ui::colors::Black);
  primaryLevelLine.SetBorderColor(ui::colors::Red);
  scatterLevelLine.SetBorderColor(ui::colors::Blue);
  depthLine.SetBorderColor(ui::colors::Red);
  for (ui::LineControl* line : {&totalLevelLine, &depthLine, &primaryLevelLine, &scatterLevelLine})
    line->SetVisible(false);

  mouseHintCaption.SetCaption(std::string(t.MouseHint));
  mouseHintCaption.SetForeColor(ui::colors::Blue);
  effectiveDoseButton.SetCaption(std::string(t.GoToEffectiveDose));
  effectiveDoseButton.SetBackColor(kLightYellow);

  Load = [this] { Form_Load(); };
  Unload = [this](bool&) { Form_Unload(); };
  KeyDown = [this](int keyCode, int) { Form_KeyDown(keyCode); };
  graphPicture.MouseMove = [this](int, int, double x, double y) { GraphPicture_MouseMove(x, y); };
  effectiveDoseButton.Click = [this] { EffectiveDoseButton_Click(); };
}

void GraphWindow::StopStartup(const std::exception& error)
{
  std::string message(program_.texts().StartupFailed);
  message += "\n";
  message += ErrorText(error, program_.edition(), program_.WorkingFolder());
  App().MsgBox(message, ui::vbCritical);
  App().End();
}

void GraphWindow::Form_Load()
{
  DepthDoseCalculation& m = program_.module();
  const DepthDoseTexts& t = program_.texts();

  // Whatever an earlier run left is no answer for this beam.
  m.DeleteOldEffectiveDose();
  try {
    m.ReadHandoverFile();
  } catch (const Error& e) {
    StopStartup(e);
    return;
  }
  App().DoEvents();

  if (m.ThicknessExceedsCap()) {
    App().MsgBox(std::string(t.ThicknessOver40), ui::vbExclamation | ui::vbOKOnly);
    const bool accepted = App().MsgBox(std::string(t.AssumeThickness40), ui::vbOKCancel) == ui::vbOK;
    effectiveDoseButton.SetEnabled(m.ApplyThicknessAnswer(accepted));
  } else {
    effectiveDoseButton.SetEnabled(true);
  }

  // The Japanese layout starts with these boxes empty already.
  if (program_.edition() == Edition::English) {
    doseBox.SetText("");
    nearDepthBox.SetText("");
    farDepthBox.SetText("");
  }
  surfaceDoseLabel.SetCaption(std::string(t.SurfaceDoseBefore) + NumberText(m.InEntranceSurfaceDose) +
                    std::string(t.SurfaceDoseAfter));

  try {
    m.LoadAttenuationData();
  } catch (const Error& e) {
    StopStartup(e);
    return;
  }
  App().DoEvents();
  // It tells the user itself when it fails; the graph shows what there is,
  // but no effective dose can be estimated from it.
  if (!m.CalcDepthDose()) effectiveDoseButton.SetEnabled(false);
  App().DoEvents();
  DrawDepthDoseGraph(graphPicture, m, t);

  m.KeyStepOn = 0;
  m.MouseReadOn = 1;
  program_.LoadOrganData();
}

void GraphWindow::Form_Unload()
{
  // The scratch table stays: only the effective-dose window's exit deletes it.
  App().End();
}

void GraphWindow::GraphPicture_MouseMove(double x, double y)
{
  DepthDoseCalculation& m = program_.module();
  if (m.MouseReadOn != 1) return;
  if (x > 0.0 && x < kUnitsPerCm * m.InObjectThickness && y > kPlotTop && y < kPlotBottom) {
    for (ui::LineControl* line : {&totalLevelLine, &depthLine, &primaryLevelLine, &scatterLevelLine})
      line->SetVisible(true);
    m.CursorIndex = CursorSlab(x);
    if (m.CursorIndex <= kLastPlottedSlab) {
      ShowSlab(m.CursorIndex);
      for (ui::Control* c : std::initializer_list<ui::Control*>{&farDepthBox, &totalPercentBox, &nearDepthBox, &doseBox,
                                                                &primaryPercentBox, &scatterPercentBox,
                                                                &depthSeparatorCaption, &depthCaption}) {
        c->SetVisible(true);
      }
    }
  } else {
    for (ui::LineControl* line : {&totalLevelLine, &depthLine, &primaryLevelLine, &scatterLevelLine})
      line->SetVisible(false);
  }
  m.KeyStepOn = 1;
}

void GraphWindow::Form_KeyDown(int keyCode)
{
  DepthDoseCalculation& m = program_.module();
  if (m.KeyStepOn != 1) return;
  if (keyCode == ui::vbKeyRight) {
    if (m.CursorIndex + 1 > 2.0 * m.InObjectThickness) return;
    ++m.CursorIndex;
  } else if (keyCode == ui::vbKeyLeft) {
    if (m.CursorIndex - 1 < 1) return;
    --m.CursorIndex;
  } else {
    return;
  }
  if (m.CursorIndex <= kLastPlottedSlab) ShowSlab(m.CursorIndex);
}

void GraphWindow::ShowSlab(int j)
{
  const DepthDoseCalculation& m = program_.module();
  const double x = SlabX(j);
  depthLine.SetEnds({x, kPlotTop, x, kPlotBottom});
  auto level = [](ui::LineControl& line, double percent) {
    const double y = CursorLevelY(percent);
    line.SetEnds({kPlotLeft, y, kPlotRight, y});
  };
  // Slabs beyond the table (and all of them after a failed computation) hold
  // no dose: their levels lie on the bottom edge, as any dose under 0.1 %.
  const bool has_dose = j <= kLastSlab && m.PddTable[3][j] > 0.0;
  const double total = has_dose ? m.PddTable[3][j] : 0.0;
  const double primary = has_dose ? m.PddTable[1][j] : 0.0;
  const double scatter = has_dose ? m.PddTable[2][j] : 0.0;
  level(totalLevelLine, total);
  level(primaryLevelLine, primary);
  level(scatterLevelLine, scatter);

  // The unit stands beside the boxes: after a key as after a mouse move, the
  // boxes hold the bare depths ("5.5" - "6.0" cm, never "5.5cm - 6.0cm cm").
  nearDepthBox.SetText(Format(0.5 * j - 0.5, "##0.0"));
  farDepthBox.SetText(Format(0.5 * j, "##0.0"));
  if (has_dose) {
    doseBox.SetText(Format(m.InEntranceSurfaceDose * total / 100.0, "##0.###"));
    totalPercentBox.SetText(Format(total / 100.0, "##0.00%"));
    primaryPercentBox.SetText(Format(primary / 100.0, "##0.00%"));
    scatterPercentBox.SetText(Format(scatter / 100.0, "##0.00%"));
  } else {
    const std::string none(program_.texts().NoValue);
    for (ui::TextBox* box : {&doseBox, &totalPercentBox, &primaryPercentBox, &scatterPercentBox}) box->SetText(none);
  }
}

void GraphWindow::EffectiveDoseButton_Click()
{
  const DepthDoseCalculation& m = program_.module();
  const DepthDoseTexts& t = program_.texts();
  pdd::EffectiveDoseWindow& window = *program_.effectiveDoseWindow;
  window.siteLabel.SetCaption(m.InSiteName);
  window.thicknessLabel.SetCaption(std::string(t.ThicknessBefore) + NumberText(m.InObjectThickness) +
                           std::string(t.ThicknessAfter));
  const bool japanese = program_.edition() == Edition::Japanese;
  if (japanese) effectiveDoseButton.SetEnabled(false);  // opened once; the graph stays in use
  window.Show();
  if (!japanese) Hide();
}

}  // namespace vorn::pdd
