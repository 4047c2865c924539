#include "mainwin/shape_dialog.h"

#include <cmath>
#include <limits>
#include <string>

#include "beam/phantom_geometry.h"
#include "mainwin/entry_check.h"
#include "mainwin/shape_preview_window.h"
#include "mainwin/main_program.h"
#include "mainwin/surface_model_drawings.h"
#include "platform/format/format.h"
#include "text/entry_texts.h"

namespace vorn::mainwin {
namespace {

// The dimensions the curved-surface option puts into the boxes, per edition:
// cylinder radius, ellipse semi-axes, racetrack a, b and length.
struct ShapePresets {
  const char* text[6];
};
constexpr ShapePresets kJapanesePresets{{"20", "30", "20", "20", "20", "80"}};
constexpr ShapePresets kEnglishPresets{{"20", "20", "10", "20", "20", "80"}};
constexpr const char* kPresetHistories = "50000000";

}  // namespace

std::int64_t HistoriesFromText(std::string_view text)
{
  const double v = Val(text);
  // 2^63 is exactly representable; every double below it converts safely.
  constexpr double kLimit = 9223372036854775808.0;
  if (v >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (v < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(std::nearbyint(v));
}

ShapeDialog::ShapeDialog(MainProgram& program)
    : Form(program.app, "Form13"), program_(program), texts_(DialogsBTextsFor(program.edition).Shape)
{
  const ShapeDialogTexts& t = texts_;
  const bool japanese = program.edition == Edition::Japanese;
  SetCaption(std::string(t.Caption));
  SetSize(12075, 8115);
  SetFont(ui::FontSpec{std::string(t.Font), japanese ? 12.0 : 14.25});

  surfaceFrame.SetCaption(std::string(t.SurfaceFrame));
  surfaceFrame.SetForeColor(ui::colors::Blue);
  cylinderOption.SetCaption(std::string(t.Cylinder));
  ellipseOption.SetCaption(std::string(t.Ellipse));
  racetrackOption.SetCaption(std::string(t.Racetrack));
  cylinderRadiusCaption.SetCaption(std::string(t.CurvatureRadius));
  ellipseHorizontalCaption.SetCaption(std::string(t.HorizontalAxis));
  ellipseVerticalCaption.SetCaption(std::string(t.VerticalAxis));
  racetrackACaption.SetCaption(std::string(t.RacetrackA));
  racetrackBCaption.SetCaption(std::string(t.RacetrackB));
  racetrackLengthCaption.SetCaption(std::string(t.RacetrackLength));
  for (ui::Label* cm : {&cylinderRadiusUnit, &ellipseHorizontalUnit, &ellipseVerticalUnit, &racetrackAUnit,
                        &racetrackBUnit, &racetrackLengthUnit})
    cm->SetCaption(std::string(t.Centimetre));
  if (japanese) {
    racetrackACaption.SetFontSize(14.25);
    racetrackBCaption.SetFontSize(14.25);
  } else {
    // The English words are wider: the length box and its unit sit further right.
    racetrackLengthBox.SetLeft(10080);
    racetrackLengthUnit.SetLeft(11280);
  }
  for (ui::PictureBox* picture : {&ellipsePicture, &cylinderPicture, &racetrackPicture}) {
    picture->SetBackColor(ui::colors::White);
    picture->SetFontName("Times New Roman");
    picture->SetFontSize(11);
  }
  shapeCheckButton.SetCaption(std::string(t.ShapeCheck));
  historiesCaption.SetCaption(std::string(t.Histories));
  for (const std::string_view item : t.HistoryItems) historiesCombo.AddItem(std::string(item));
  okButton.SetCaption(std::string(t.Ok));
  cancelButton.SetCaption(std::string(t.Cancel));
  for (ui::CommandButton* button : {&shapeCheckButton, &okButton, &cancelButton})
    button->SetBackColor(ui::colors::LightYellow);

  Load = [this] { Form_Load(); };
  cylinderRadiusBox.KeyDown = [this](int keyCode, int) { CylinderRadiusBox_KeyDown(keyCode); };
  ellipseHorizontalBox.KeyDown = [this](int keyCode, int) { EllipseHorizontalBox_KeyDown(keyCode); };
  ellipseVerticalBox.KeyDown = [this](int keyCode, int) { EllipseVerticalBox_KeyDown(keyCode); };
  racetrackABox.KeyDown = [this](int keyCode, int) { RacetrackABox_KeyDown(keyCode); };
  racetrackBBox.KeyDown = [this](int keyCode, int) { RacetrackBBox_KeyDown(keyCode); };
  racetrackLengthBox.KeyDown = [this](int keyCode, int) { RacetrackLengthBox_KeyDown(keyCode); };
  SetDefaultButton(okButton);
  SetCancelButton(cancelButton);
  okButton.Click = [this] { OkButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
  // Closed through its frame, the dialog chooses no shape: the same as Cancel
  // (it stays loaded with its entries, as Cancel leaves it).
  QueryUnload = [this](bool& cancel, ui::UnloadMode mode) {
    if (mode != ui::UnloadMode::ControlMenu) return;
    cancel = true;
    CancelButton_Click();
  };
  shapeCheckButton.Click = [this] { ShapeCheckButton_Click(); };
}

void ShapeDialog::Form_Load()
{
  DrawCylinderModel(cylinderPicture, texts_);
  DrawEllipseModel(ellipsePicture, texts_);
  DrawRacetrackModel(racetrackPicture, texts_);
}

void ShapeDialog::OpenForCurvedSurface()
{
  const ShapePresets& presets = program_.edition == Edition::Japanese ? kJapanesePresets : kEnglishPresets;
  cylinderOption.SetValue(true);
  ui::TextBox* boxes[] = {&cylinderRadiusBox, &ellipseHorizontalBox, &ellipseVerticalBox,
                          &racetrackABox,     &racetrackBBox,        &racetrackLengthBox};
  for (int i = 0; i < 6; ++i) boxes[i]->SetText(presets.text[i]);
  historiesCombo.SetText(kPresetHistories);
  Show();
}

// Enter walks the boxes of one shape and ends on OK.
void ShapeDialog::CylinderRadiusBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) okButton.SetFocus();
}

void ShapeDialog::EllipseHorizontalBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) ellipseVerticalBox.SetFocus();
}

void ShapeDialog::EllipseVerticalBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) okButton.SetFocus();
}

void ShapeDialog::RacetrackABox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) racetrackBBox.SetFocus();
}

void ShapeDialog::RacetrackBBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) racetrackLengthBox.SetFocus();
}

void ShapeDialog::RacetrackLengthBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) okButton.SetFocus();
}

// OK stores the chosen shape's dimensions and, in the Japanese edition, names
// the surface in the main window's curved-surface option. Each box of the
// shape, and the photon histories, must hold a number above 0 first: the
// outside program would otherwise compute for a body or a count nobody meant.
void ShapeDialog::OkButton_Click()
{
  PhantomGeometry& phantom = program_.Module().Phantom;
  const bool japanese = program_.edition == Edition::Japanese;
  if (const auto refusal = FirstBadEntry()) {
    ReportRefusal(App(), *refusal);
    return;
  }
  ui::OptionButton& curved = program_.mainWindow->curvedSurfaceOption;
  if (cylinderOption.Value()) {
    phantom.PhantomModel = 1;
    phantom.CylinderRadius = Val(cylinderRadiusBox.Text());
    if (japanese) {
      curved.SetCaption(std::string(texts_.CylinderCaptionLead) + cylinderRadiusBox.Text() +
                        std::string(texts_.CylinderCaptionTail));
    }
  } else if (ellipseOption.Value()) {
    phantom.PhantomModel = 2;
    phantom.EllipseHRadius = Val(ellipseHorizontalBox.Text());
    phantom.EllipseVRadius = Val(ellipseVerticalBox.Text());
    if (japanese) {
      curved.SetCaption(ellipseHorizontalBox.Text() + std::string(texts_.EllipseCaptionSeparator) +
                        ellipseVerticalBox.Text() + std::string(texts_.EllipseCaptionTail));
    }
  } else {
    phantom.PhantomModel = 4;
    phantom.RacetrackA = Val(racetrackABox.Text());
    phantom.RacetrackB = Val(racetrackBBox.Text());
    phantom.RacetrackL = Val(racetrackLengthBox.Text());
    if (japanese) curved.SetCaption(std::string(texts_.RacetrackCaption));
  }
  phantom.McHistories = HistoriesFromText(historiesCombo.Text());
  HidePreview();
  Hide();
}

std::optional<EntryRefusal> ShapeDialog::FirstBadEntry()
{
  const ShapeDialogTexts& t = texts_;
  const Edition edition = program_.edition;
  const auto check = [&](ui::Control& box, const std::string& text, std::string_view caption,
                         std::string_view unit) {
    return CheckEntry(box, text, EntryRule::AboveZero, EntryBoxName(caption, unit), edition);
  };
  std::optional<EntryRefusal> refusal;
  if (cylinderOption.Value()) {
    refusal = check(cylinderRadiusBox, cylinderRadiusBox.Text(), t.CurvatureRadius, t.Centimetre);
  } else if (ellipseOption.Value()) {
    refusal = check(ellipseHorizontalBox, ellipseHorizontalBox.Text(), t.HorizontalAxis, t.Centimetre);
    if (!refusal) refusal = check(ellipseVerticalBox, ellipseVerticalBox.Text(), t.VerticalAxis, t.Centimetre);
  } else {
    refusal = check(racetrackABox, racetrackABox.Text(), t.RacetrackA, t.Centimetre);
    if (!refusal) refusal = check(racetrackBBox, racetrackBBox.Text(), t.RacetrackB, t.Centimetre);
    if (!refusal) refusal = check(racetrackLengthBox, racetrackLengthBox.Text(), t.RacetrackLength, t.Centimetre);
  }
  if (!refusal) refusal = check(historiesCombo, historiesCombo.Text(), t.Histories, "");
  if (!refusal && HistoriesFromText(historiesCombo.Text()) > kMaxMcHistories) {
    const EntryTexts& frame = EntryTextsFor(edition);
    refusal = EntryRefusal{&historiesCombo, std::string(frame.Lead) + EntryBoxName(t.Histories, "") +
                                                std::string(frame.Separator) + std::string(t.HistoriesLimitBefore) +
                                                std::to_string(kMaxMcHistories) + std::string(t.HistoriesLimitAfter) +
                                                std::string(frame.Tail)};
  }
  return refusal;
}

// Cancel: back to the flat surface (the main window's flat option does the
// rest); dimensions, histories and boxes stay as they are.
void ShapeDialog::CancelButton_Click()
{
  program_.mainWindow->flatSurfaceOption.SetValue(true);
  program_.Module().Phantom.BsfMethod = kFlatSurface;
  HidePreview();
  Hide();
}

ShapePreviewInput ShapeDialog::PreviewInput()
{
  const ExposureCondition& c = program_.Module().Condition;
  ShapePreviewInput in;
  in.cylinder = cylinderOption.Value();
  in.ellipse = ellipseOption.Value();
  in.racetrack = racetrackOption.Value();
  in.cylinderRadius = Val(cylinderRadiusBox.Text());
  in.ellipseHRadius = Val(ellipseHorizontalBox.Text());
  in.ellipseVRadius = Val(ellipseVerticalBox.Text());
  in.racetrackA = Val(racetrackABox.Text());
  in.racetrackB = Val(racetrackBBox.Text());
  in.ffd = c.FFD;
  in.fsd = c.FSD;
  if (c.FieldWidth.IsNumber()) in.fieldWidth = c.FieldWidth.Cm("FieldWidth");
  in.thickness = Val(program_.mainWindow->thicknessBox.Text());
  return in;
}

void ShapeDialog::ShapeCheckButton_Click()
{
  ShapePreviewWindow& preview = *program_.shapePreviewWindow;
  DrawShapePreview(preview.previewPicture, PreviewInput(), DialogsBTextsFor(program_.edition).Preview);
  preview.Show();
}

void ShapeDialog::HidePreview()
{
  if (program_.shapePreviewWindow.Exists()) program_.shapePreviewWindow->Hide();
}

}  // namespace vorn::mainwin
