// Entry of the exposure condition on the main window: the Enter chain through
// the boxes, the stores made when a box is left (filtration typed in mm, kept
// in cm), the field-size presets and the option groups.
#include <string>

#include "mainwin/main_window.h"
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

void MainWindow::TargetAngleBox_KeyDown(int keyCode) { OnEnter(keyCode, inherentFilterBox); }
void MainWindow::InherentFilterBox_KeyDown(int keyCode) { OnEnter(keyCode, addedAlBox); }
void MainWindow::AddedAlBox_KeyDown(int keyCode) { OnEnter(keyCode, addedCuBox); }
void MainWindow::AddedCuBox_KeyDown(int keyCode) { OnEnter(keyCode, siteCombo); }
void MainWindow::SiteCombo_KeyDown(int keyCode) { OnEnter(keyCode, tubeVoltageBox); }
void MainWindow::SiteCombo_Click() { tubeVoltageBox.SetFocus(); }
void MainWindow::TubeVoltageBox_KeyDown(int keyCode) { OnEnter(keyCode, tubeCurrentBox); }
void MainWindow::TubeCurrentBox_KeyDown(int keyCode) { OnEnter(keyCode, exposureTimeBox); }
void MainWindow::ExposureTimeBox_KeyDown(int keyCode) { OnEnter(keyCode, ffdBox); }
void MainWindow::FfdBox_KeyDown(int keyCode) { OnEnter(keyCode, thicknessBox); }
void MainWindow::ThicknessBox_KeyDown(int keyCode) { OnEnter(keyCode, fsdBox); }
void MainWindow::FsdBox_KeyDown(int keyCode) { OnEnter(keyCode, fieldPresetCombo); }
// Any key at all in the field-size list goes on to the long side.
void MainWindow::FieldPresetCombo_KeyDown(int) { fieldLongSideBox.SetFocus(); }
void MainWindow::FieldLongSideBox_KeyDown(int keyCode) { OnEnter(keyCode, fieldShortSideBox); }
void MainWindow::FieldShortSideBox_KeyDown(int keyCode) { OnEnter(keyCode, calculateButton); }

// ---------------------------------------------------------------- stores on leaving a box

void MainWindow::BoxGotFocus(const ui::TextBox& box)
{
  focusedBox_ = &box;
  textOnFocus_ = box.Text();
}

bool MainWindow::BoxEdited(const ui::TextBox& box) const { return focusedBox_ != &box || box.Text() != textOnFocus_; }

namespace {

// Stores the box's number (times `scale`) into `held` unless the box was only passed through.
template <class Held>
void StoreOnLeaving(bool edited, const ui::TextBox& box, Held& held, double scale = 1.0)
{
  if (edited) held = Number(box) * scale;
}

}  // namespace

void MainWindow::TargetAngleBox_LostFocus()
{
  StoreOnLeaving(BoxEdited(targetAngleBox), targetAngleBox, program_.Module().Condition.TargetAngle);
}
void MainWindow::InherentFilterBox_LostFocus()
{
  StoreOnLeaving(BoxEdited(inherentFilterBox), inherentFilterBox, program_.Module().Condition.InherentFilterAl, 0.1);
}
void MainWindow::AddedAlBox_LostFocus()
{
  StoreOnLeaving(BoxEdited(addedAlBox), addedAlBox, program_.Module().Condition.AddedFilterAl, 0.1);
}
void MainWindow::AddedCuBox_LostFocus()
{
  StoreOnLeaving(BoxEdited(addedCuBox), addedCuBox, program_.Module().Condition.AddedFilterCu, 0.1);
}
void MainWindow::TubeVoltageBox_LostFocus()
{
  StoreOnLeaving(BoxEdited(tubeVoltageBox), tubeVoltageBox, program_.Module().Condition.TubeVoltage);
}
void MainWindow::TubeCurrentBox_LostFocus()
{
  StoreOnLeaving(BoxEdited(tubeCurrentBox), tubeCurrentBox, program_.Module().Condition.TubeCurrent);
}
void MainWindow::ExposureTimeBox_LostFocus()
{
  StoreOnLeaving(BoxEdited(exposureTimeBox), exposureTimeBox, program_.Module().Condition.ExposureTime);
}
void MainWindow::FfdBox_LostFocus() { StoreOnLeaving(BoxEdited(ffdBox), ffdBox, program_.Module().Condition.FFD); }
void MainWindow::FsdBox_LostFocus() { StoreOnLeaving(BoxEdited(fsdBox), fsdBox, program_.Module().Condition.FSD); }
void MainWindow::FieldLongSideBox_LostFocus()
{
  StoreOnLeaving(BoxEdited(fieldLongSideBox), fieldLongSideBox, program_.Module().Condition.FieldLength);
}
void MainWindow::FieldShortSideBox_LostFocus()
{
  StoreOnLeaving(BoxEdited(fieldShortSideBox), fieldShortSideBox, program_.Module().Condition.FieldWidth);
}
void MainWindow::ThicknessBox_LostFocus()
{
  StoreOnLeaving(BoxEdited(thicknessBox), thicknessBox, program_.Module().Condition.ObjectThickness);
}

// ---------------------------------------------------------------- field size

void MainWindow::FieldPresetCombo_Click()
{
  BeamCalculation& m = program_.Module();
  ExposureCondition& c = m.Condition;
  const std::string item = fieldPresetCombo.Text();
  const int preset = FieldPresetIndex(texts_, item);

  if (preset >= 0 && preset < kFieldPresetElse) {
    const FieldPresetText& size = texts_.FieldPresets[preset];
    fieldLongSideBox.SetText(std::string(size.lengthText));
    c.FieldLength = Val(size.lengthText);
    fieldShortSideBox.SetText(std::string(size.widthText));
    c.FieldWidth = Val(size.widthText);
  } else if (preset == kFieldPresetElse) {
    // No size until the user types one and leaves the box.
    fieldLongSideBox.SetText("");
    c.FieldLength = FieldSide::Dash();
    fieldShortSideBox.SetText("");
    c.FieldWidth = FieldSide::Dash();
  }
  fieldLongSideCaption.SetCaption(std::string(texts_.FieldLongSide));
  c.FieldShape = kRectangularField;

  if (preset == kFieldPresetElse) fieldLongSideBox.SetFocus();

  if (preset == kFieldPresetCircular) {
    // Backscatter factors of a circular field exist for the flat surface only.
    App().MsgBox(std::string(texts_.CircularFieldFlat), ui::vbOKOnly);
    flatSurfaceOption.SetValue(true);
    m.Phantom.BsfMethod = kFlatSurface;
    fieldLongSideCaption.SetCaption(std::string(texts_.FieldDiameter));
    const FieldPresetText& circle = texts_.FieldPresets[kFieldPresetCircular];
    fieldLongSideBox.SetText(std::string(circle.lengthText));
    c.FieldLength = Val(circle.lengthText);
    fieldShortSideBox.SetText(std::string(circle.widthText));
    c.FieldWidth = Val(circle.widthText);
    c.FieldShape = kCircularField;
    fieldLongSideBox.SetFocus();
  }

  c.FieldSizeName = item;
  if (program_.edition == Edition::Japanese) fieldLongSideBox.SetFocus();
}

// ---------------------------------------------------------------- option groups

void MainWindow::ConstantPotentialOption_Click() { program_.Module().Condition.RectificationType = kConstantPotential; }
void MainWindow::ThreePhaseOption_Click() { program_.Module().Condition.RectificationType = kThreePhase12Peak; }
void MainWindow::SinglePhaseOption_Click() { program_.Module().Condition.RectificationType = kSinglePhaseFullWave; }

void MainWindow::MeasuredExposureOption_Click()
{
  // Only the measured-exposure dialog changes OutputSource.
  program_.measuredExposureDialog->measuredValueBox.SetText("");
  program_.measuredExposureDialog->Show();
  program_.measuredExposureDialog->measuredValueBox.SetFocus();
}

void MainWindow::OutputDataOption_Click()
{
  program_.Module().Condition.OutputSource = kOutputDataTable;
  exposureAt1mLabel.SetCaption("");
}

void MainWindow::FlatSurfaceOption_Click()
{
  PhantomGeometry& phantom = program_.Module().Phantom;
  phantom.BsfMethod = kFlatSurface;
  phantom.PhantomModel = 0;
  // The shape dialog writes the chosen surface into this caption.
  curvedSurfaceOption.SetCaption(std::string(texts_.CurvedSurfaceOption));
  headOption.SetEnabled(true);
  otherThanHeadOption.SetEnabled(true);
  otherThanHeadOption.SetValue(true);
}

void MainWindow::CurvedSurfaceOption_Click()
{
  BeamCalculation& m = program_.Module();
  const std::string circular{texts_.FieldPresets[kFieldPresetCircular].item};
  if (fieldPresetCombo.Text() != circular) {
    m.Phantom.BsfMethod = kCurvedSurface;
    headOption.SetEnabled(false);
    otherThanHeadOption.SetEnabled(false);
    program_.shapeDialog->OpenForCurvedSurface();
    return;
  }

  // A circular field has backscatter factors for the flat surface only: back
  // to the flat surface and the square film preset.
  App().MsgBox(std::string(texts_.CircularRefusesCurved), ui::vbOKOnly);
  flatSurfaceOption.SetValue(true);
  m.Phantom.BsfMethod = kFlatSurface;
  ExposureCondition& c = m.Condition;
  const FieldPresetText& square = texts_.FieldPresets[kFieldPresetSquare];
  fieldPresetCombo.SetText(std::string(square.item));
  c.FieldSizeName = square.item;
  fieldLongSideBox.SetText(std::string(square.lengthText));
  c.FieldLength = Val(square.lengthText);
  fieldShortSideBox.SetText(std::string(square.widthText));
  c.FieldWidth = Val(square.widthText);
  // The boxes now show a rectangle: the field and the caption say so too, so
  // that the computation and the hand-over do not take 35.6 cm as a diameter.
  c.FieldShape = kRectangularField;
  fieldLongSideCaption.SetCaption(std::string(texts_.FieldLongSide));
}

void MainWindow::HeadOption_Click()
{
  program_.Module().Phantom.HeadFlag = 1;
  program_.Module().Phantom.PhantomModel = 3;
}

void MainWindow::OtherThanHeadOption_Click()
{
  program_.Module().Phantom.HeadFlag = 0;
  program_.Module().Phantom.PhantomModel = 0;
}

}  // namespace vorn::mainwin
