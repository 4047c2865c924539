// Entry of the exposure condition on the main window: the Enter chain through
// the boxes, the stores made when a box is left (filtration typed in mm, kept
// in cm), the field-size presets and the option groups.
#include <string>

#include "mainwin/form1.h"
#include "mainwin/main_program.h"
#include "platform/format/format.h"

namespace vorn::mainwin {
namespace {

void OnEnter(int keyCode, ui::Control& next)
{
  if (keyCode == ui::vbKeyReturn) next.SetFocus();
}

double Number(const ui::TextBox& box) { return Val(box.Text()); }

// Position of the text in the field-size list, or -1.
int FieldPresetIndex(const MainWinTexts& texts, const std::string& text)
{
  for (int i = 0; i < kFieldPresetCount; ++i)
    if (texts.FieldPresets[i].item == text) return i;
  return -1;
}

}  // namespace

// ---------------------------------------------------------------- Enter chain

void Form1::Text1_KeyDown(int keyCode) { OnEnter(keyCode, Text2); }
void Form1::Text2_KeyDown(int keyCode) { OnEnter(keyCode, Text3); }
void Form1::Text3_KeyDown(int keyCode) { OnEnter(keyCode, Text4); }
void Form1::Text4_KeyDown(int keyCode) { OnEnter(keyCode, Combo2); }
void Form1::Combo2_KeyDown(int keyCode) { OnEnter(keyCode, Text5); }
void Form1::Combo2_Click() { Text5.SetFocus(); }
void Form1::Text5_KeyDown(int keyCode) { OnEnter(keyCode, Text6); }
void Form1::Text6_KeyDown(int keyCode) { OnEnter(keyCode, Text7); }
void Form1::Text7_KeyDown(int keyCode) { OnEnter(keyCode, Text8); }
void Form1::Text8_KeyDown(int keyCode) { OnEnter(keyCode, Text23); }
void Form1::Text23_KeyDown(int keyCode) { OnEnter(keyCode, Text9); }
void Form1::Text9_KeyDown(int keyCode) { OnEnter(keyCode, Combo1); }
// Any key at all in the field-size list goes on to the long side.
void Form1::Combo1_KeyDown(int) { Text10.SetFocus(); }
void Form1::Text10_KeyDown(int keyCode) { OnEnter(keyCode, Text11); }
void Form1::Text11_KeyDown(int keyCode) { OnEnter(keyCode, Command2); }

// ---------------------------------------------------------------- stores on leaving a box

void Form1::Text1_LostFocus() { program_.Module().Condition.TargetAngle = Number(Text1); }
void Form1::Text2_LostFocus() { program_.Module().Condition.InherentFilterAl = Number(Text2) * 0.1; }
void Form1::Text3_LostFocus() { program_.Module().Condition.AddedFilterAl = Number(Text3) * 0.1; }
void Form1::Text4_LostFocus() { program_.Module().Condition.AddedFilterCu = Number(Text4) * 0.1; }
void Form1::Text5_LostFocus() { program_.Module().Condition.TubeVoltage = Number(Text5); }
void Form1::Text6_LostFocus() { program_.Module().Condition.TubeCurrent = Number(Text6); }
void Form1::Text7_LostFocus() { program_.Module().Condition.ExposureTime = Number(Text7); }
void Form1::Text8_LostFocus() { program_.Module().Condition.FFD = Number(Text8); }
void Form1::Text9_LostFocus() { program_.Module().Condition.FSD = Number(Text9); }
void Form1::Text10_LostFocus() { program_.Module().Condition.FieldLength = Number(Text10); }
void Form1::Text11_LostFocus() { program_.Module().Condition.FieldWidth = Number(Text11); }
void Form1::Text23_LostFocus() { program_.Module().Condition.ObjectThickness = Number(Text23); }

// ---------------------------------------------------------------- field size

void Form1::Combo1_Click()
{
  Module1& m = program_.Module();
  ExposureCondition& c = m.Condition;
  const std::string item = Combo1.Text();
  const int preset = FieldPresetIndex(texts_, item);

  if (preset >= 0 && preset < kFieldPresetElse) {
    const FieldPresetText& size = texts_.FieldPresets[preset];
    Text10.SetText(std::string(size.lengthText));
    c.FieldLength = Val(size.lengthText);
    Text11.SetText(std::string(size.widthText));
    c.FieldWidth = Val(size.widthText);
  } else if (preset == kFieldPresetElse) {
    // No size until the user types one and leaves the box.
    Text10.SetText("");
    c.FieldLength = FieldSide::Dash();
    Text11.SetText("");
    c.FieldWidth = FieldSide::Dash();
  }
  Label22.SetCaption(std::string(texts_.FieldLongSide));
  c.FieldShape = kRectangularField;

  if (preset == kFieldPresetElse) Text10.SetFocus();

  if (preset == kFieldPresetCircular) {
    // Backscatter factors of a circular field exist for the flat surface only.
    App().MsgBox(std::string(texts_.CircularFieldFlat), ui::vbOKOnly);
    Option6.SetValue(true);
    m.Phantom.BsfMethod = kFlatSurface;
    Label22.SetCaption(std::string(texts_.FieldDiameter));
    const FieldPresetText& circle = texts_.FieldPresets[kFieldPresetCircular];
    Text10.SetText(std::string(circle.lengthText));
    c.FieldLength = Val(circle.lengthText);
    Text11.SetText(std::string(circle.widthText));
    c.FieldWidth = Val(circle.widthText);
    c.FieldShape = kCircularField;
    Text10.SetFocus();
  }

  c.FieldSizeName = item;
  if (program_.edition == Edition::Japanese) Text10.SetFocus();
}

// ---------------------------------------------------------------- option groups

void Form1::Option1_Click() { program_.Module().Condition.RectificationType = kConstantPotential; }
void Form1::Option2_Click() { program_.Module().Condition.RectificationType = kThreePhase12Peak; }
void Form1::Option3_Click() { program_.Module().Condition.RectificationType = kSinglePhaseFullWave; }

void Form1::Option4_Click()
{
  // Only the measured-exposure dialog changes OutputSource.
  program_.Form9->Text1.SetText("");
  program_.Form9->Show();
  program_.Form9->Text1.SetFocus();
}

void Form1::Option5_Click()
{
  program_.Module().Condition.OutputSource = kOutputDataTable;
  Label78.SetCaption("");
}

void Form1::Option6_Click()
{
  PhantomGeometry& phantom = program_.Module().Phantom;
  phantom.BsfMethod = kFlatSurface;
  phantom.PhantomModel = 0;
  // The shape dialog writes the chosen surface into this caption.
  Option7.SetCaption(std::string(texts_.Option7));
  Option8.SetEnabled(true);
  Option9.SetEnabled(true);
  Option9.SetValue(true);
}

void Form1::Option7_Click()
{
  Module1& m = program_.Module();
  const std::string circular{texts_.FieldPresets[kFieldPresetCircular].item};
  if (Combo1.Text() != circular) {
    m.Phantom.BsfMethod = kCurvedSurface;
    Option8.SetEnabled(false);
    Option9.SetEnabled(false);
    program_.Form13->OpenForCurvedSurface();
    return;
  }

  // A circular field has backscatter factors for the flat surface only: back
  // to the flat surface and the square film preset.
  App().MsgBox(std::string(texts_.CircularRefusesCurved), ui::vbOKOnly);
  Option6.SetValue(true);
  m.Phantom.BsfMethod = kFlatSurface;
  ExposureCondition& c = m.Condition;
  const FieldPresetText& square = texts_.FieldPresets[kFieldPresetSquare];
  Combo1.SetText(std::string(square.item));
  c.FieldSizeName = square.item;
  Text10.SetText(std::string(square.lengthText));
  c.FieldLength = Val(square.lengthText);
  Text11.SetText(std::string(square.widthText));
  c.FieldWidth = Val(square.widthText);
  // The boxes now show a rectangle: the field and the caption say so too, so
  // that the computation and the hand-over do not take 35.6 cm as a diameter.
  c.FieldShape = kRectangularField;
  Label22.SetCaption(std::string(texts_.FieldLongSide));
}

void Form1::Option8_Click()
{
  program_.Module().Phantom.HeadFlag = 1;
  program_.Module().Phantom.PhantomModel = 3;
}

void Form1::Option9_Click()
{
  program_.Module().Phantom.HeadFlag = 0;
  program_.Module().Phantom.PhantomModel = 0;
}

}  // namespace vorn::mainwin
