#include "mainwin/main_window.h"

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

MainWindow::MainWindow(MainProgram& program)
    : Form(program.app, "Form1"), program_(program), texts_(MainWinTextsFor(program.edition))
{
  const MainWinTexts& t = texts_;
  const bool japanese = program.edition == Edition::Japanese;

  SetCaption(std::string(t.DesignCaption));
  SetSize(15600, 7560);
  SetFont(ui::FontSpec{std::string(t.FormFont), t.FormFontSize});

  // ---- X-ray tube and filters ----
  tubeFrame.SetCaption(std::string(t.TubeFrame));
  SetRow(targetAngleCaption, targetAngleUnit, t.TargetAngle);
  SetRow(inherentFilterCaption, inherentFilterUnit, t.InherentFilter);
  SetRow(addedAlCaption, addedAlUnit, t.AddedAl);
  SetRow(addedCuCaption, addedCuUnit, t.AddedCu);
  optionalFilterButton.SetCaption(std::string(t.OptionalFilterButton));
  optionalFilterButton.SetToolTipText(std::string(t.OptionalFilterButtonTip));
  optionalFilterUnit.SetCaption(std::string(t.OptionalFilter.unit));
  optionalFilterThicknessLabel.SetAlignment(ui::Alignment::Right);

  // ---- site ----
  siteFrame.SetCaption(std::string(t.SiteFrame));
  if (!japanese) {
    for (const std::string_view site : t.Sites) siteCombo.AddItem(std::string(site));
  }
  siteListButton.SetCaption(std::string(t.SiteListButton));
  siteListButton.SetVisible(japanese);

  // ---- exposure ----
  exposureFrame.SetCaption(std::string(t.ExposureFrame));
  SetRow(tubeVoltageCaption, tubeVoltageUnit, t.TubeVoltage);
  SetRow(tubeCurrentCaption, tubeCurrentUnit, t.TubeCurrent);
  SetRow(exposureTimeCaption, exposureTimeUnit, t.ExposureTime);
  SetRow(ffdCaption, ffdUnit, t.Ffd);
  SetRow(thicknessCaption, thicknessUnit, t.Thickness);
  SetRow(fsdCaption, fsdUnit, t.Fsd);
  fluoroscopyButton.SetCaption(std::string(t.FluoroscopyButton));

  // ---- field ----
  fieldFrame.SetCaption(std::string(t.FieldFrame));
  fieldPresetCaption.SetCaption(std::string(t.FieldPresetCaption));
  for (const FieldPresetText& preset : t.FieldPresets) fieldPresetCombo.AddItem(std::string(preset.item));
  fieldLongSideCaption.SetCaption(std::string(t.FieldLongSide));
  fieldShortSideCaption.SetCaption(std::string(t.FieldShortSide));
  fieldLongSideUnit.SetCaption(std::string(t.FieldUnit));
  fieldShortSideUnit.SetCaption(std::string(t.FieldUnit));

  // ---- option groups ----
  rectificationFrame.SetCaption(std::string(t.RectificationFrame));
  constantPotentialOption.SetCaption(std::string(t.ConstantPotentialOption));
  threePhaseOption.SetCaption(std::string(t.ThreePhaseOption));
  singlePhaseOption.SetCaption(std::string(t.SinglePhaseOption));
  outputFrame.SetCaption(std::string(t.OutputFrame));
  measuredExposureOption.SetCaption(std::string(t.MeasuredExposureOption));
  outputDataOption.SetCaption(std::string(t.OutputDataOption));
  outputDataInUseCaption.SetCaption(std::string(t.OutputDataInUse));
  outputDataInUseLabel.SetBackColor(ui::colors::LightCyan);
  outputDataInUseLabel.SetBorderStyle(ui::BorderStyle::FixedSingle);
  outputDataInUseLabel.SetAlignment(ui::Alignment::Center);
  editOutputDataButton.SetCaption(std::string(t.EditOutputDataButton));
  editOutputDataButton.SetToolTipText(std::string(t.EditOutputDataButtonTip));
  chooseOutputDataButton.SetCaption(std::string(t.ChooseOutputDataButton));
  bsfMethodFrame.SetCaption(std::string(t.BsfFrame));
  flatSurfaceOption.SetCaption(std::string(t.FlatSurfaceOption));
  curvedSurfaceOption.SetCaption(std::string(t.CurvedSurfaceOption));
  headOption.SetCaption(std::string(t.HeadOption));
  otherThanHeadOption.SetCaption(std::string(t.OtherThanHeadOption));

  // ---- results ----
  qualityFrame.SetCaption(std::string(t.QualityFrame));
  SetRow(hvlCaption, hvlUnit, t.Hvl);
  SetRow(effectiveEnergyCaption, effectiveEnergyUnit, t.EffectiveEnergy);
  atrIndexCaption.SetCaption(std::string(t.AtrIndex.caption));
  SetRow(exposureAt1mCaption, exposureAt1mUnit, t.ExposureAt1m);
  atrExplanationButton.SetCaption(std::string(t.AtrExplanationButton));
  atrExplanationButton.SetToolTipText(std::string(t.AtrExplanationButtonTip));
  // The English edition has no ATR-index features.
  for (ui::Control* atr : std::initializer_list<ui::Control*>{&atrIndexCaption, &atrIndexLabel, &atrExplanationButton})
    atr->SetVisible(japanese);

  doseFrame.SetCaption(std::string(t.DoseFrame));
  for (ui::Label* column : {&softTissueCaption, &skinCaption, &airCaption}) column->SetAlignment(ui::Alignment::Center);
  softTissueCaption.SetCaption(std::string(t.SoftTissue));
  skinCaption.SetCaption(std::string(t.Skin));
  airCaption.SetCaption(std::string(t.Air));
  bsfCaption.SetCaption(std::string(t.BsfRow));
  convFactorCaption.SetCaption(std::string(t.ConvFactorRow));
  surfaceDoseCaption.SetCaption(std::string(t.SurfaceDoseRow));
  for (ui::Label* result : {&hvlLabel, &effectiveEnergyLabel, &atrIndexLabel, &exposureAt1mLabel, &bsfSoftLabel,
                            &bsfSkinLabel, &bsfAirLabel, &convFactorSoftLabel, &convFactorSkinLabel,
                            &surfaceDoseSoftLabel, &surfaceDoseSkinLabel, &surfaceDoseAirLabel})
    StyleResult(*result);

  mascotPicture.SetToolTipText(std::string(t.MascotPictureTip));
  mascotPicture.SetBackColor(ui::Rgb(0xE4, 0xF1, 0xFB));
  DrawMascot(mascotPicture);

  // ---- commands ----
  calculateButton.SetCaption(std::string(t.CalculateButton));
  calculateButton.SetToolTipText(std::string(t.CalculateButtonTip));
  calculateButton.SetBackColor(ui::colors::LightYellow);
  calculateButton.SetFontSize(t.FormFontSize + 1.5);
  calculateButton.SetFontBold(true);
  fitButton.SetCaption(std::string(t.FitButton));
  addToTableButton.SetCaption(std::string(t.AddToTableButton));
  showTableButton.SetCaption(std::string(t.ShowTableButton));
  effectiveDoseFrame.SetCaption(std::string(t.EffectiveDoseFrame));
  effectiveDoseButton.SetCaption(std::string(t.EffectiveDoseButton));
  addEffectiveDoseButton.SetCaption(std::string(t.AddEffectiveDoseButton));
  exitButton.SetCaption(std::string(t.ExitButton));
  exitButton.SetToolTipText(std::string(t.ExitButtonTip));
  welcomeButton.SetCaption(std::string(t.WelcomeButton));
  welcomeButton.SetBackColor(ui::colors::LightYellow);
  welcomeButton.SetFontSize(t.FormFontSize + 1.0);
  welcomeButton.SetFontBold(true);

  // ---- events ----
  Load = [this] { Form_Load(); };
  Unload = [this](bool&) { Form_Unload(); };

  targetAngleBox.KeyDown = [this](int keyCode, int) { TargetAngleBox_KeyDown(keyCode); };
  inherentFilterBox.KeyDown = [this](int keyCode, int) { InherentFilterBox_KeyDown(keyCode); };
  addedAlBox.KeyDown = [this](int keyCode, int) { AddedAlBox_KeyDown(keyCode); };
  addedCuBox.KeyDown = [this](int keyCode, int) { AddedCuBox_KeyDown(keyCode); };
  tubeVoltageBox.KeyDown = [this](int keyCode, int) { TubeVoltageBox_KeyDown(keyCode); };
  tubeCurrentBox.KeyDown = [this](int keyCode, int) { TubeCurrentBox_KeyDown(keyCode); };
  exposureTimeBox.KeyDown = [this](int keyCode, int) { ExposureTimeBox_KeyDown(keyCode); };
  ffdBox.KeyDown = [this](int keyCode, int) { FfdBox_KeyDown(keyCode); };
  fsdBox.KeyDown = [this](int keyCode, int) { FsdBox_KeyDown(keyCode); };
  fieldLongSideBox.KeyDown = [this](int keyCode, int) { FieldLongSideBox_KeyDown(keyCode); };
  fieldShortSideBox.KeyDown = [this](int keyCode, int) { FieldShortSideBox_KeyDown(keyCode); };
  thicknessBox.KeyDown = [this](int keyCode, int) { ThicknessBox_KeyDown(keyCode); };
  fieldPresetCombo.KeyDown = [this](int keyCode, int) { FieldPresetCombo_KeyDown(keyCode); };
  siteCombo.KeyDown = [this](int keyCode, int) { SiteCombo_KeyDown(keyCode); };

  targetAngleBox.LostFocus = [this] { TargetAngleBox_LostFocus(); };
  inherentFilterBox.LostFocus = [this] { InherentFilterBox_LostFocus(); };
  addedAlBox.LostFocus = [this] { AddedAlBox_LostFocus(); };
  addedCuBox.LostFocus = [this] { AddedCuBox_LostFocus(); };
  tubeVoltageBox.LostFocus = [this] { TubeVoltageBox_LostFocus(); };
  tubeCurrentBox.LostFocus = [this] { TubeCurrentBox_LostFocus(); };
  exposureTimeBox.LostFocus = [this] { ExposureTimeBox_LostFocus(); };
  ffdBox.LostFocus = [this] { FfdBox_LostFocus(); };
  fsdBox.LostFocus = [this] { FsdBox_LostFocus(); };
  fieldLongSideBox.LostFocus = [this] { FieldLongSideBox_LostFocus(); };
  fieldShortSideBox.LostFocus = [this] { FieldShortSideBox_LostFocus(); };
  thicknessBox.LostFocus = [this] { ThicknessBox_LostFocus(); };
  for (ui::TextBox* box : {&targetAngleBox, &inherentFilterBox, &addedAlBox, &addedCuBox, &tubeVoltageBox,
                           &tubeCurrentBox, &exposureTimeBox, &ffdBox, &fsdBox, &fieldLongSideBox,
                           &fieldShortSideBox, &thicknessBox}) {
    box->GotFocus = [this, box] { BoxGotFocus(*box); };
  }

  fieldPresetCombo.Click = [this] { FieldPresetCombo_Click(); };
  siteCombo.Click = [this] { SiteCombo_Click(); };
  constantPotentialOption.Click = [this] { ConstantPotentialOption_Click(); };
  threePhaseOption.Click = [this] { ThreePhaseOption_Click(); };
  singlePhaseOption.Click = [this] { SinglePhaseOption_Click(); };
  measuredExposureOption.Click = [this] { MeasuredExposureOption_Click(); };
  outputDataOption.Click = [this] { OutputDataOption_Click(); };
  flatSurfaceOption.Click = [this] { FlatSurfaceOption_Click(); };
  curvedSurfaceOption.Click = [this] { CurvedSurfaceOption_Click(); };
  headOption.Click = [this] { HeadOption_Click(); };
  otherThanHeadOption.Click = [this] { OtherThanHeadOption_Click(); };

  calculateButton.Click = [this] { CalculateButton_Click(); };
  addToTableButton.Click = [this] { AddToTableButton_Click(); };
  showTableButton.Click = [this] { ShowTableButton_Click(); };
  fluoroscopyButton.Click = [this] { FluoroscopyButton_Click(); };
  atrExplanationButton.Click = [this] { AtrExplanationButton_Click(); };
  fitButton.Click = [this] { FitButton_Click(); };
  effectiveDoseButton.Click = [this] { EffectiveDoseButton_Click(); };
  addEffectiveDoseButton.Click = [this] { AddEffectiveDoseButton_Click(); };
  exitButton.Click = [this] { ExitButton_Click(); };
  siteListButton.Click = [this] { SiteListButton_Click(); };
  welcomeButton.Click = [this] { WelcomeButton_Click(); };
  optionalFilterButton.Click = [this] { OptionalFilterButton_Click(); };
  editOutputDataButton.Click = [this] { EditOutputDataButton_Click(); };
  chooseOutputDataButton.Click = [this] { ChooseOutputDataButton_Click(); };
  mascotPicture.DblClick = [this] { MascotPicture_DblClick(); };
}

ui::Label& MainWindow::ResultLabelControl(ResultLabel label)
{
  switch (label) {
    case ResultLabel::Hvl: return hvlLabel;
    case ResultLabel::EffectiveEnergy: return effectiveEnergyLabel;
    case ResultLabel::AtrIndex: return atrIndexLabel;
    case ResultLabel::BsfSoft: return bsfSoftLabel;
    case ResultLabel::BsfSkin: return bsfSkinLabel;
    case ResultLabel::BsfAir: return bsfAirLabel;
    case ResultLabel::ConvFactorSoft: return convFactorSoftLabel;
    case ResultLabel::ConvFactorSkin: return convFactorSkinLabel;
    case ResultLabel::SurfaceDoseSoft: return surfaceDoseSoftLabel;
    case ResultLabel::SurfaceDoseSkin: return surfaceDoseSkinLabel;
    case ResultLabel::SurfaceDoseAir: return surfaceDoseAirLabel;
    case ResultLabel::ExposureAt1m: return exposureAt1mLabel;
  }
  return hvlLabel;  // not reached: every label is listed above
}

ui::TextBox& MainWindow::MainBoxControl(MainBox box)
{
  switch (box) {
    case MainBox::InherentFilter: return inherentFilterBox;
    case MainBox::TubeVoltage: return tubeVoltageBox;
    case MainBox::Ffd: return ffdBox;
    case MainBox::Fsd: return fsdBox;
    case MainBox::FieldLongSide: return fieldLongSideBox;
    case MainBox::FieldShortSide: return fieldShortSideBox;
  }
  return inherentFilterBox;  // not reached: every box is listed above
}

}  // namespace vorn::mainwin
