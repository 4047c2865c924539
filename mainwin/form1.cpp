#include "mainwin/form1.h"

#include <initializer_list>
#include <string>

#include "mainwin/main_program.h"
#include "mainwin/mascot.h"

namespace vorn::mainwin {
namespace {

void SetRow(ui::Label& caption, ui::Label& unit, const RowText& text)
{
  caption.SetCaption(std::string(text.caption));
  unit.SetCaption(std::string(text.unit));
}

// The look of a result: a white box with the number in its middle.
void StyleResult(ui::Label& label)
{
  label.SetBorderStyle(ui::BorderStyle::FixedSingle);
  label.SetBackColor(ui::colors::White);
  label.SetAlignment(ui::Alignment::Center);
}

}  // namespace

Form1::Form1(MainProgram& program)
    : Form(program.app, "Form1"), program_(program), texts_(MainWinTextsFor(program.edition))
{
  const MainWinTexts& t = texts_;
  const bool japanese = program.edition == Edition::Japanese;

  SetCaption(std::string(t.DesignCaption));
  SetSize(15600, 7560);
  SetFont(ui::FontSpec{std::string(t.FormFont), t.FormFontSize});

  // ---- X-ray tube and filters ----
  Frame1.SetCaption(std::string(t.TubeFrame));
  SetRow(Label1, Label2, t.TargetAngle);
  SetRow(Label3, Label4, t.InherentFilter);
  SetRow(Label5, Label6, t.AddedAl);
  SetRow(Label7, Label8, t.AddedCu);
  Command9.SetCaption(std::string(t.Command9));
  Command9.SetToolTipText(std::string(t.Command9Tip));
  Label10.SetCaption(std::string(t.OptionalFilter.unit));
  Label26.SetAlignment(ui::Alignment::Right);

  // ---- site ----
  Frame2.SetCaption(std::string(t.SiteFrame));
  if (!japanese) {
    for (const std::string_view site : t.Sites) Combo2.AddItem(std::string(site));
  }
  Command7.SetCaption(std::string(t.Command7));
  Command7.SetVisible(japanese);

  // ---- exposure ----
  Frame3.SetCaption(std::string(t.ExposureFrame));
  SetRow(Label11, Label12, t.TubeVoltage);
  SetRow(Label13, Label14, t.TubeCurrent);
  SetRow(Label15, Label16, t.ExposureTime);
  SetRow(Label17, Label18, t.Ffd);
  SetRow(Label19, Label20, t.Thickness);
  SetRow(Label21, Label23, t.Fsd);
  Command4.SetCaption(std::string(t.Command4));

  // ---- field ----
  Frame4.SetCaption(std::string(t.FieldFrame));
  Label24.SetCaption(std::string(t.FieldPresetCaption));
  for (const FieldPresetText& preset : t.FieldPresets) Combo1.AddItem(std::string(preset.item));
  Label22.SetCaption(std::string(t.FieldLongSide));
  Label27.SetCaption(std::string(t.FieldShortSide));
  Label25.SetCaption(std::string(t.FieldUnit));
  Label28.SetCaption(std::string(t.FieldUnit));

  // ---- option groups ----
  Frame5.SetCaption(std::string(t.RectificationFrame));
  Option1.SetCaption(std::string(t.Option1));
  Option2.SetCaption(std::string(t.Option2));
  Option3.SetCaption(std::string(t.Option3));
  Frame6.SetCaption(std::string(t.OutputFrame));
  Option4.SetCaption(std::string(t.Option4));
  Option5.SetCaption(std::string(t.Option5));
  Label30.SetCaption(std::string(t.OutputDataInUse));
  Label79.SetBackColor(ui::colors::LightCyan);
  Label79.SetBorderStyle(ui::BorderStyle::FixedSingle);
  Label79.SetAlignment(ui::Alignment::Center);
  Command12.SetCaption(std::string(t.Command12));
  Command12.SetToolTipText(std::string(t.Command12Tip));
  Command13.SetCaption(std::string(t.Command13));
  Frame7.SetCaption(std::string(t.BsfFrame));
  Option6.SetCaption(std::string(t.Option6));
  Option7.SetCaption(std::string(t.Option7));
  Option8.SetCaption(std::string(t.Option8));
  Option9.SetCaption(std::string(t.Option9));

  // ---- results ----
  Frame9.SetCaption(std::string(t.QualityFrame));
  SetRow(Label31, Label32, t.Hvl);
  SetRow(Label33, Label34, t.EffectiveEnergy);
  Label35.SetCaption(std::string(t.AtrIndex.caption));
  SetRow(Label36, Label37, t.ExposureAt1m);
  Command6.SetCaption(std::string(t.Command6));
  Command6.SetToolTipText(std::string(t.Command6Tip));
  // The English edition has no ATR-index features.
  for (ui::Control* atr : std::initializer_list<ui::Control*>{&Label35, &Label67, &Command6}) atr->SetVisible(japanese);

  Frame10.SetCaption(std::string(t.DoseFrame));
  for (ui::Label* column : {&Label38, &Label39, &Label40}) column->SetAlignment(ui::Alignment::Center);
  Label38.SetCaption(std::string(t.SoftTissue));
  Label39.SetCaption(std::string(t.Skin));
  Label40.SetCaption(std::string(t.Air));
  Label41.SetCaption(std::string(t.BsfRow));
  Label42.SetCaption(std::string(t.ConvFactorRow));
  Label43.SetCaption(std::string(t.SurfaceDoseRow));
  for (ui::Label* result : {&Label65, &Label66, &Label67, &Label78, &Label68, &Label69, &Label70, &Label71,
                            &Label72, &Label73, &Label74, &Label75})
    StyleResult(*result);

  Picture1.SetToolTipText(std::string(t.Picture1Tip));
  Picture1.SetBackColor(ui::Rgb(0xE4, 0xF1, 0xFB));
  DrawMascot(Picture1);

  // ---- commands ----
  Command2.SetCaption(std::string(t.Command2));
  Command2.SetToolTipText(std::string(t.Command2Tip));
  Command2.SetBackColor(ui::colors::LightYellow);
  Command2.SetFontSize(t.FormFontSize + 1.5);
  Command2.SetFontBold(true);
  Command14.SetCaption(std::string(t.Command14));
  Command3.SetCaption(std::string(t.Command3));
  Command10.SetCaption(std::string(t.Command10));
  Frame11.SetCaption(std::string(t.EffectiveDoseFrame));
  Command11.SetCaption(std::string(t.Command11));
  Command5.SetCaption(std::string(t.Command5));
  Command1.SetCaption(std::string(t.Command1));
  Command1.SetToolTipText(std::string(t.Command1Tip));
  Command8.SetCaption(std::string(t.Command8));
  Command8.SetBackColor(ui::colors::LightYellow);
  Command8.SetFontSize(t.FormFontSize + 1.0);
  Command8.SetFontBold(true);

  // ---- events ----
  Load = [this] { Form_Load(); };
  Unload = [this](bool&) { Form_Unload(); };

  Text1.KeyDown = [this](int keyCode, int) { Text1_KeyDown(keyCode); };
  Text2.KeyDown = [this](int keyCode, int) { Text2_KeyDown(keyCode); };
  Text3.KeyDown = [this](int keyCode, int) { Text3_KeyDown(keyCode); };
  Text4.KeyDown = [this](int keyCode, int) { Text4_KeyDown(keyCode); };
  Text5.KeyDown = [this](int keyCode, int) { Text5_KeyDown(keyCode); };
  Text6.KeyDown = [this](int keyCode, int) { Text6_KeyDown(keyCode); };
  Text7.KeyDown = [this](int keyCode, int) { Text7_KeyDown(keyCode); };
  Text8.KeyDown = [this](int keyCode, int) { Text8_KeyDown(keyCode); };
  Text9.KeyDown = [this](int keyCode, int) { Text9_KeyDown(keyCode); };
  Text10.KeyDown = [this](int keyCode, int) { Text10_KeyDown(keyCode); };
  Text11.KeyDown = [this](int keyCode, int) { Text11_KeyDown(keyCode); };
  Text23.KeyDown = [this](int keyCode, int) { Text23_KeyDown(keyCode); };
  Combo1.KeyDown = [this](int keyCode, int) { Combo1_KeyDown(keyCode); };
  Combo2.KeyDown = [this](int keyCode, int) { Combo2_KeyDown(keyCode); };

  Text1.LostFocus = [this] { Text1_LostFocus(); };
  Text2.LostFocus = [this] { Text2_LostFocus(); };
  Text3.LostFocus = [this] { Text3_LostFocus(); };
  Text4.LostFocus = [this] { Text4_LostFocus(); };
  Text5.LostFocus = [this] { Text5_LostFocus(); };
  Text6.LostFocus = [this] { Text6_LostFocus(); };
  Text7.LostFocus = [this] { Text7_LostFocus(); };
  Text8.LostFocus = [this] { Text8_LostFocus(); };
  Text9.LostFocus = [this] { Text9_LostFocus(); };
  Text10.LostFocus = [this] { Text10_LostFocus(); };
  Text11.LostFocus = [this] { Text11_LostFocus(); };
  Text23.LostFocus = [this] { Text23_LostFocus(); };

  Combo1.Click = [this] { Combo1_Click(); };
  Combo2.Click = [this] { Combo2_Click(); };
  Option1.Click = [this] { Option1_Click(); };
  Option2.Click = [this] { Option2_Click(); };
  Option3.Click = [this] { Option3_Click(); };
  Option4.Click = [this] { Option4_Click(); };
  Option5.Click = [this] { Option5_Click(); };
  Option6.Click = [this] { Option6_Click(); };
  Option7.Click = [this] { Option7_Click(); };
  Option8.Click = [this] { Option8_Click(); };
  Option9.Click = [this] { Option9_Click(); };

  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command10.Click = [this] { Command10_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command6.Click = [this] { Command6_Click(); };
  Command14.Click = [this] { Command14_Click(); };
  Command11.Click = [this] { Command11_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Command7.Click = [this] { Command7_Click(); };
  Command8.Click = [this] { Command8_Click(); };
  Command9.Click = [this] { Command9_Click(); };
  Command12.Click = [this] { Command12_Click(); };
  Command13.Click = [this] { Command13_Click(); };
  Picture1.DblClick = [this] { Picture1_DblClick(); };
}

ui::Label& Form1::ResultLabelControl(ResultLabel label)
{
  switch (label) {
    case ResultLabel::Label65: return Label65;
    case ResultLabel::Label66: return Label66;
    case ResultLabel::Label67: return Label67;
    case ResultLabel::Label68: return Label68;
    case ResultLabel::Label69: return Label69;
    case ResultLabel::Label70: return Label70;
    case ResultLabel::Label71: return Label71;
    case ResultLabel::Label72: return Label72;
    case ResultLabel::Label73: return Label73;
    case ResultLabel::Label74: return Label74;
    case ResultLabel::Label75: return Label75;
    case ResultLabel::Label78: return Label78;
  }
  return Label65;  // not reached: every label is listed above
}

ui::TextBox& Form1::MainBoxControl(MainBox box)
{
  switch (box) {
    case MainBox::Text2: return Text2;
    case MainBox::Text5: return Text5;
    case MainBox::Text8: return Text8;
    case MainBox::Text9: return Text9;
    case MainBox::Text10: return Text10;
    case MainBox::Text11: return Text11;
  }
  return Text2;  // not reached: every box is listed above
}

}  // namespace vorn::mainwin
