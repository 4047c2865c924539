#include "mainwin/form13.h"

#include <cmath>
#include <limits>
#include <string>

#include "mainwin/entry_check.h"
#include "mainwin/form14.h"
#include "mainwin/main_program.h"
#include "mainwin/surface_model_drawings.h"
#include "platform/format/format.h"

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

Form13::Form13(MainProgram& program)
    : Form(program.app, "Form13"), program_(program), texts_(DialogsBTextsFor(program.edition).Shape)
{
  const ShapeDialogTexts& t = texts_;
  const bool japanese = program.edition == Edition::Japanese;
  SetCaption(std::string(t.Caption));
  SetSize(12075, 8115);
  SetFont(ui::FontSpec{std::string(t.Font), japanese ? 12.0 : 14.25});

  Frame1.SetCaption(std::string(t.SurfaceFrame));
  Frame1.SetForeColor(ui::colors::Blue);
  Option1.SetCaption(std::string(t.Cylinder));
  Option2.SetCaption(std::string(t.Ellipse));
  Option3.SetCaption(std::string(t.Racetrack));
  Label3.SetCaption(std::string(t.CurvatureRadius));
  Label7.SetCaption(std::string(t.HorizontalAxis));
  Label5.SetCaption(std::string(t.VerticalAxis));
  Label10.SetCaption(std::string(t.RacetrackA));
  Label11.SetCaption(std::string(t.RacetrackB));
  Label13.SetCaption(std::string(t.RacetrackLength));
  for (ui::Label* cm : {&Label4, &Label6, &Label8, &Label2, &Label9, &Label12}) cm->SetCaption(std::string(t.Centimetre));
  if (japanese) {
    Label10.SetFontSize(14.25);
    Label11.SetFontSize(14.25);
  } else {
    // The English words are wider: the length box and its unit sit further right.
    Text6.SetLeft(10080);
    Label12.SetLeft(11280);
  }
  for (ui::PictureBox* picture : {&Picture1, &Picture2, &Picture3}) {
    picture->SetBackColor(ui::colors::White);
    picture->SetFontName("Times New Roman");
    picture->SetFontSize(11);
  }
  Command6.SetCaption(std::string(t.ShapeCheck));
  Label1.SetCaption(std::string(t.Histories));
  for (const std::string_view item : t.HistoryItems) Combo1.AddItem(std::string(item));
  Command1.SetCaption(std::string(t.Ok));
  Command2.SetCaption(std::string(t.Cancel));
  for (ui::CommandButton* button : {&Command6, &Command1, &Command2}) button->SetBackColor(ui::colors::LightYellow);

  Load = [this] { Form_Load(); };
  Text1.KeyDown = [this](int keyCode, int) { Text1_KeyDown(keyCode); };
  Text2.KeyDown = [this](int keyCode, int) { Text2_KeyDown(keyCode); };
  Text3.KeyDown = [this](int keyCode, int) { Text3_KeyDown(keyCode); };
  Text4.KeyDown = [this](int keyCode, int) { Text4_KeyDown(keyCode); };
  Text5.KeyDown = [this](int keyCode, int) { Text5_KeyDown(keyCode); };
  Text6.KeyDown = [this](int keyCode, int) { Text6_KeyDown(keyCode); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command6.Click = [this] { Command6_Click(); };
}

void Form13::Form_Load()
{
  DrawCylinderModel(Picture2, texts_);
  DrawEllipseModel(Picture1, texts_);
  DrawRacetrackModel(Picture3, texts_);
}

void Form13::OpenForCurvedSurface()
{
  const ShapePresets& presets = program_.edition == Edition::Japanese ? kJapanesePresets : kEnglishPresets;
  Option1.SetValue(true);
  ui::TextBox* boxes[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6};
  for (int i = 0; i < 6; ++i) boxes[i]->SetText(presets.text[i]);
  Combo1.SetText(kPresetHistories);
  Show();
}

// Enter walks the boxes of one shape and ends on OK.
void Form13::Text1_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Command1.SetFocus();
}

void Form13::Text2_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Text3.SetFocus();
}

void Form13::Text3_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Command1.SetFocus();
}

void Form13::Text4_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Text5.SetFocus();
}

void Form13::Text5_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Text6.SetFocus();
}

void Form13::Text6_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn) Command1.SetFocus();
}

// OK stores the chosen shape's dimensions and, in the Japanese edition, names
// the surface in the main window's curved-surface option. Each box of the
// shape, and the photon histories, must hold a number above 0 first: the
// outside program would otherwise compute for a body or a count nobody meant.
void Form13::Command1_Click()
{
  PhantomGeometry& phantom = program_.Module().Phantom;
  const bool japanese = program_.edition == Edition::Japanese;
  if (const auto refusal = FirstBadEntry()) {
    ReportRefusal(App(), *refusal);
    return;
  }
  ui::OptionButton& curved = program_.Form1->Option7;
  if (Option1.Value()) {
    phantom.PhantomModel = 1;
    phantom.CylinderRadius = Val(Text1.Text());
    if (japanese) {
      curved.SetCaption(std::string(texts_.CylinderCaptionLead) + Text1.Text() + std::string(texts_.CylinderCaptionTail));
    }
  } else if (Option2.Value()) {
    phantom.PhantomModel = 2;
    phantom.EllipseHRadius = Val(Text2.Text());
    phantom.EllipseVRadius = Val(Text3.Text());
    if (japanese) {
      curved.SetCaption(Text2.Text() + std::string(texts_.EllipseCaptionSeparator) + Text3.Text() +
                        std::string(texts_.EllipseCaptionTail));
    }
  } else {
    phantom.PhantomModel = 4;
    phantom.RacetrackA = Val(Text4.Text());
    phantom.RacetrackB = Val(Text5.Text());
    phantom.RacetrackL = Val(Text6.Text());
    if (japanese) curved.SetCaption(std::string(texts_.RacetrackCaption));
  }
  phantom.McHistories = HistoriesFromText(Combo1.Text());
  HidePreview();
  Hide();
}

std::optional<EntryRefusal> Form13::FirstBadEntry()
{
  const ShapeDialogTexts& t = texts_;
  const Edition edition = program_.edition;
  const auto check = [&](ui::Control& box, const std::string& text, std::string_view caption,
                         std::string_view unit) {
    return CheckEntry(box, text, EntryRule::AboveZero, EntryBoxName(caption, unit), edition);
  };
  std::optional<EntryRefusal> refusal;
  if (Option1.Value()) {
    refusal = check(Text1, Text1.Text(), t.CurvatureRadius, t.Centimetre);
  } else if (Option2.Value()) {
    refusal = check(Text2, Text2.Text(), t.HorizontalAxis, t.Centimetre);
    if (!refusal) refusal = check(Text3, Text3.Text(), t.VerticalAxis, t.Centimetre);
  } else {
    refusal = check(Text4, Text4.Text(), t.RacetrackA, t.Centimetre);
    if (!refusal) refusal = check(Text5, Text5.Text(), t.RacetrackB, t.Centimetre);
    if (!refusal) refusal = check(Text6, Text6.Text(), t.RacetrackLength, t.Centimetre);
  }
  if (!refusal) refusal = check(Combo1, Combo1.Text(), t.Histories, "");
  return refusal;
}

// Cancel: back to the flat surface (the main window's flat option does the
// rest); dimensions, histories and boxes stay as they are.
void Form13::Command2_Click()
{
  program_.Form1->Option6.SetValue(true);
  program_.Module().Phantom.BsfMethod = kFlatSurface;
  HidePreview();
  Hide();
}

ShapePreviewInput Form13::PreviewInput()
{
  const ExposureCondition& c = program_.Module().Condition;
  ShapePreviewInput in;
  in.cylinder = Option1.Value();
  in.ellipse = Option2.Value();
  in.racetrack = Option3.Value();
  in.cylinderRadius = Val(Text1.Text());
  in.ellipseHRadius = Val(Text2.Text());
  in.ellipseVRadius = Val(Text3.Text());
  in.racetrackA = Val(Text4.Text());
  in.racetrackB = Val(Text5.Text());
  in.ffd = c.FFD;
  in.fsd = c.FSD;
  if (c.FieldWidth.IsNumber()) in.fieldWidth = c.FieldWidth.Cm("FieldWidth");
  in.thickness = Val(program_.Form1->Text23.Text());
  return in;
}

void Form13::Command6_Click()
{
  Form14& preview = *program_.Form14;
  DrawShapePreview(preview.Picture1, PreviewInput(), DialogsBTextsFor(program_.edition).Preview);
  preview.Show();
}

void Form13::HidePreview()
{
  if (program_.Form14.Exists()) program_.Form14->Hide();
}

}  // namespace vorn::mainwin
