// Entry of the exposure condition: the Enter chain, the stores on leaving a
// box, the field-size presets, the circular field and the option groups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwin_test_support.h"

namespace vorn::testing {
namespace {

using mainwin::MainWindow;

// ---------------------------------------------------------------- Enter chain

TEST(EnterChain, EnterWalksTheBoxesInTheirFixedOrderToTheCalculateButton)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  const std::vector<ui::Control*> chain{
      &f.targetAngleBox,   &f.inherentFilterBox, &f.addedAlBox,     &f.addedCuBox,   &f.siteCombo, &f.tubeVoltageBox,
      &f.tubeCurrentBox,   &f.exposureTimeBox,   &f.ffdBox,         &f.thicknessBox, &f.fsdBox,    &f.fieldPresetCombo,
      &f.fieldLongSideBox, &f.fieldShortSideBox, &f.calculateButton};
  f.targetAngleBox.UserFocus();
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    ASSERT_TRUE(chain[i]->HasFocus()) << chain[i]->Name();
    f.UserKeyDown(ui::vbKeyReturn);
    EXPECT_TRUE(chain[i + 1]->HasFocus()) << "Enter in " << chain[i]->Name();
  }
}

TEST(EnterChain, OtherKeysLeaveTheFocusInABox)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  for (ui::TextBox* box : {&f.targetAngleBox, &f.tubeVoltageBox, &f.fsdBox, &f.fieldShortSideBox}) {
    box->UserKeyDown(ui::vbKeyDown);
    EXPECT_TRUE(box->HasFocus()) << box->Name();
    box->UserKeyDown(ui::vbKeyA);
    EXPECT_TRUE(box->HasFocus()) << box->Name();
  }
  f.siteCombo.UserKeyDown(ui::vbKeyDown);
  EXPECT_TRUE(f.siteCombo.HasFocus());
}

TEST(EnterChain, AnyKeyInTheFieldSizeListGoesOnToTheLongSide)
{
  for (int key : {ui::vbKeyReturn, ui::vbKeyDown, ui::vbKeyUp, ui::vbKeyRight, ui::vbKeyA, ui::vbKeyEscape}) {
    auto s = StartRegistered(Edition::Japanese);
    MainWindow& f = s->form();
    f.fieldPresetCombo.UserKeyDown(key);
    EXPECT_TRUE(f.fieldLongSideBox.HasFocus()) << "key " << key;
    EXPECT_EQ(f.fieldPresetCombo.Text(), "半切サイズ 縦");  // the key chose nothing
  }
}

TEST(EnterChain, AChoiceFromTheSiteListGoesOnToTheVoltage)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  f.siteCombo.UserChoose(4);
  EXPECT_EQ(f.siteCombo.Text(), "胸部正面");
  EXPECT_TRUE(f.tubeVoltageBox.HasFocus());
}

// ---------------------------------------------------------------- stores

TEST(Stores, FiltrationInMillimetresIsStoredInCentimetres)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  const ExposureCondition& c = s->m().Condition;
  f.inherentFilterBox.UserType("3");
  f.inherentFilterBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_DOUBLE_EQ(c.InherentFilterAl, 0.3);
  EXPECT_TRUE(f.addedAlBox.HasFocus());
  f.addedAlBox.UserType("1.5");
  f.addedCuBox.UserType("0.2");
  f.tubeVoltageBox.UserFocus();
  EXPECT_DOUBLE_EQ(c.AddedFilterAl, 0.15);
  EXPECT_DOUBLE_EQ(c.AddedFilterCu, 0.02);
}

TEST(Stores, EveryBoxStoresItsNumberWhenLeft)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  const ExposureCondition& c = s->m().Condition;
  const std::vector<std::pair<ui::TextBox*, std::string>> entries{
      {&f.targetAngleBox, "16"},   {&f.tubeVoltageBox, "90"}, {&f.tubeCurrentBox, "320"}, {&f.exposureTimeBox, "0.025"},
      {&f.ffdBox, "150"},          {&f.thicknessBox, "25"},   {&f.fsdBox, "120"},         {&f.fieldLongSideBox, "30.5"},
      {&f.fieldShortSideBox, "24"}};
  for (const auto& [box, text] : entries) box->UserType(text);
  f.inherentFilterBox.UserFocus();
  EXPECT_EQ(c.TargetAngle, 16);
  EXPECT_EQ(c.TubeVoltage, 90);
  EXPECT_EQ(c.TubeCurrent, 320);
  EXPECT_EQ(c.ExposureTime, 0.025);
  EXPECT_EQ(c.FFD, 150);
  EXPECT_EQ(c.ObjectThickness, 25);
  EXPECT_EQ(c.FSD, 120);
  EXPECT_EQ(c.FieldLength, FieldSide(30.5));
  EXPECT_EQ(c.FieldWidth, FieldSide(24));
}

TEST(Stores, TypingAloneStoresNothing)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  f.tubeVoltageBox.UserType("110");
  EXPECT_EQ(s->m().Condition.TubeVoltage, 75);
  // A box set from code without ever having the focus is not stored either.
  f.tubeCurrentBox.SetText("500");
  f.tubeVoltageBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_EQ(s->m().Condition.TubeVoltage, 110);
  EXPECT_EQ(s->m().Condition.TubeCurrent, 200);
}

TEST(Stores, TextThatIsNotANumberStoresZeroAndNegativesStayNegative)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  const ExposureCondition& c = s->m().Condition;
  f.targetAngleBox.UserType("abc");
  f.inherentFilterBox.UserType("-1.5");
  f.addedAlBox.UserType("2.5mm");
  f.addedCuBox.UserType("");
  f.tubeVoltageBox.UserFocus();
  EXPECT_EQ(c.TargetAngle, 0);
  EXPECT_DOUBLE_EQ(c.InherentFilterAl, -0.15);
  EXPECT_DOUBLE_EQ(c.AddedFilterAl, 0.25);
  EXPECT_EQ(c.AddedFilterCu, 0);
}

// ---------------------------------------------------------------- presets

struct PresetCase {
  int index;
  std::string japanese;
  std::string english;
  std::string length;
  std::string width;
};

const std::vector<PresetCase> kSizes{
    {0, "六切サイズ 縦", "10x8", "25.4", "20.3"},  {1, "六切サイズ 横", "8x10", "20.3", "25.4"},
    {2, "四切サイズ 縦", "12x10", "30.5", "25.4"}, {3, "四切サイズ 横", "10x12", "25.4", "30.5"},
    {4, "大四サイズ 縦", "14x11", "35.6", "28.0"}, {5, "大四サイズ 横", "11x14", "28.0", "35.6"},
    {6, "大角サイズ", "14x14", "35.6", "35.6"},    {7, "半切サイズ 縦", "17x14", "43.2", "35.6"},
    {8, "半切サイズ 横", "14x17", "35.6", "43.2"}};

TEST(FieldPresets, EverySizeFillsBothBoxesAndTheCondition)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    auto s = StartRegistered(edition);
    MainWindow& f = s->form();
    const ExposureCondition& c = s->m().Condition;
    for (const PresetCase& p : kSizes) {
      const std::string& item = edition == Edition::Japanese ? p.japanese : p.english;
      f.tubeVoltageBox.UserFocus();
      f.fieldPresetCombo.UserChoose(p.index);
      EXPECT_EQ(f.fieldPresetCombo.Text(), item);
      EXPECT_EQ(f.fieldLongSideBox.Text(), p.length) << item;
      EXPECT_EQ(f.fieldShortSideBox.Text(), p.width) << item;
      EXPECT_EQ(c.FieldLength, FieldSide(std::stod(p.length))) << item;
      EXPECT_EQ(c.FieldWidth, FieldSide(std::stod(p.width))) << item;
      EXPECT_EQ(c.FieldSizeName, item);
      EXPECT_EQ(c.FieldShape, kRectangularField);
      // The Japanese edition goes on to the long side; the English stays.
      EXPECT_EQ(f.fieldLongSideBox.HasFocus(), edition == Edition::Japanese) << item;
      EXPECT_EQ(f.fieldPresetCombo.HasFocus(), edition == Edition::English) << item;
    }
    EXPECT_TRUE(s->services.msgBoxes.empty());
  }
}

TEST(FieldPresets, ElseEmptiesTheBoxesAndLeavesADashUntilTheyAreLeft)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  const ExposureCondition& c = s->m().Condition;
  f.fieldPresetCombo.UserChoose(9);
  EXPECT_EQ(f.fieldLongSideBox.Text(), "");
  EXPECT_EQ(f.fieldShortSideBox.Text(), "");
  EXPECT_EQ(c.FieldLength, FieldSide::Dash());
  EXPECT_EQ(c.FieldWidth, FieldSide::Dash());
  EXPECT_EQ(c.FieldSizeName, "その他");
  EXPECT_TRUE(f.fieldLongSideBox.HasFocus());
  f.fieldLongSideBox.UserType("22");
  f.fieldLongSideBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_EQ(c.FieldLength, FieldSide(22));
  EXPECT_EQ(c.FieldWidth, FieldSide::Dash());
}

TEST(FieldPresets, ElseThenCalculateWithAnEmptyShortSideAsksForIt)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  f.fieldPresetCombo.UserChoose(9);
  f.fieldLongSideBox.UserType("25");
  s->services.ExpectMsgBox("　短軸方向サイズ (cm)：0 より大きい数値を入力して下さい　");
  f.calculateButton.UserClick();
  EXPECT_EQ(s->m().Condition.FieldWidth, FieldSide::Dash());
  EXPECT_EQ(s->services.beeps, 1);
  EXPECT_EQ(s->services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_TRUE(f.fieldShortSideBox.HasFocus());
  EXPECT_FALSE(f.addToTableButton.Enabled());
  EXPECT_FALSE(s->program->app.Ended());
}

TEST(FieldPresets, EnglishElseMovesToTheLongSide)
{
  auto s = StartRegistered(Edition::English);
  MainWindow& f = s->form();
  f.fieldPresetCombo.UserChoose(9);
  EXPECT_EQ(s->m().Condition.FieldSizeName, "else");
  EXPECT_TRUE(f.fieldLongSideBox.HasFocus());
}

TEST(CircularField, ChoosingItForcesTheFlatSurfaceAndAskForTheDiameter)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  const BeamCalculation& m = s->m();
  f.headOption.UserClick();  // head phantom before: the flat surface's handler resets it
  s->services.ExpectMsgBox("　円形照射野の場合、平面入射となります　");
  f.fieldPresetCombo.UserChoose(10);
  EXPECT_EQ(s->services.msgBoxes.back().style, ui::vbOKOnly);
  EXPECT_TRUE(f.flatSurfaceOption.Value());
  EXPECT_TRUE(f.otherThanHeadOption.Value());
  EXPECT_EQ(m.Phantom.BsfMethod, kFlatSurface);
  EXPECT_EQ(m.Phantom.HeadFlag, 0);
  EXPECT_EQ(f.fieldLongSideCaption.Caption(), "  照射野サイズ（直径）");
  EXPECT_EQ(f.fieldLongSideBox.Text(), "10.0");
  EXPECT_EQ(f.fieldShortSideBox.Text(), "0");
  EXPECT_EQ(m.Condition.FieldLength, FieldSide(10));
  EXPECT_EQ(m.Condition.FieldWidth, FieldSide(0));
  EXPECT_EQ(m.Condition.FieldShape, kCircularField);
  EXPECT_EQ(m.Condition.FieldSizeName, "円形照射野");
  EXPECT_TRUE(f.fieldLongSideBox.HasFocus());

  // Back to a size: rectangular again, with the long-side caption.
  f.fieldPresetCombo.UserChoose(0);
  EXPECT_EQ(m.Condition.FieldShape, kRectangularField);
  EXPECT_EQ(f.fieldLongSideCaption.Caption(), "　長軸方向サイズ");
}

TEST(CircularField, TheCurvedSurfaceIsRefusedAndTheSquarePresetTakesOver)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    auto s = StartRegistered(edition);
    MainWindow& f = s->form();
    const BeamCalculation& m = s->m();
    const bool japanese = edition == Edition::Japanese;
    s->services.ExpectMsgBox(japanese ? "　円形照射野の場合、平面入射となります　" : " Flat surface only ");
    f.fieldPresetCombo.UserChoose(10);
    s->services.ExpectMsgBox(japanese ? "　円形照射野の場合、平面入射になります　"
                                      : "  In the case of a circular field, the flat plane surface is adopted  ");
    f.curvedSurfaceOption.UserClick();
    EXPECT_EQ(s->services.PendingMsgBoxes(), 0u);
    EXPECT_TRUE(f.flatSurfaceOption.Value());
    EXPECT_FALSE(f.curvedSurfaceOption.Value());
    EXPECT_TRUE(f.headOption.Enabled() && f.otherThanHeadOption.Enabled());
    EXPECT_EQ(m.Phantom.BsfMethod, kFlatSurface);
    const std::string square = japanese ? "大角サイズ" : "14x14";
    EXPECT_EQ(f.fieldPresetCombo.Text(), square);
    EXPECT_EQ(m.Condition.FieldSizeName, square);
    EXPECT_EQ(f.fieldLongSideBox.Text(), "35.6");
    EXPECT_EQ(f.fieldShortSideBox.Text(), "35.6");
    EXPECT_EQ(m.Condition.FieldLength, FieldSide(35.6));
    EXPECT_EQ(m.Condition.FieldWidth, FieldSide(35.6));
    // The boxes show a rectangle, so the field is one: 35.6 cm is not taken
    // as a diameter by the computation or the hand-over.
    EXPECT_EQ(m.Condition.FieldShape, kRectangularField);
    EXPECT_EQ(f.fieldLongSideCaption.Caption(), japanese ? "　長軸方向サイズ" : "Field size (Long axis)");
  }
}

// ---------------------------------------------------------------- option groups

TEST(OptionGroups, RectificationButtonsSetTheType)
{
  auto s = StartRegistered(Edition::English);
  MainWindow& f = s->form();
  f.singlePhaseOption.UserClick();
  EXPECT_EQ(s->m().Condition.RectificationType, kSinglePhaseFullWave);
  EXPECT_FALSE(f.constantPotentialOption.Value());
  f.threePhaseOption.UserClick();
  EXPECT_EQ(s->m().Condition.RectificationType, kThreePhase12Peak);
  f.constantPotentialOption.UserClick();
  EXPECT_EQ(s->m().Condition.RectificationType, kConstantPotential);
  EXPECT_FALSE(f.threePhaseOption.Value() || f.singlePhaseOption.Value());
}

TEST(OptionGroups, MeasuredExposureLeavesTheSourceToItsDialogDefaultDataEmptiesTheLabel)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  ExposureCondition& c = s->m().Condition;
  f.measuredExposureOption.UserClick();
  EXPECT_TRUE(f.measuredExposureOption.Value());
  EXPECT_EQ(c.OutputSource, kOutputDataTable);

  c.OutputSource = kMeasuredExposure;
  f.exposureAt1mLabel.SetCaption("2.58E-4");
  f.outputDataOption.UserClick();
  EXPECT_EQ(c.OutputSource, kOutputDataTable);
  EXPECT_EQ(f.exposureAt1mLabel.Caption(), "");
  EXPECT_FALSE(f.measuredExposureOption.Value());
}

TEST(OptionGroups, CurvedSurfaceDisablesThePhantomButtonsFlatEnablesAndResetsThem)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  const PhantomGeometry& p = s->m().Phantom;
  f.curvedSurfaceOption.UserClick();
  EXPECT_EQ(p.BsfMethod, kCurvedSurface);
  EXPECT_FALSE(f.headOption.Enabled());
  EXPECT_FALSE(f.otherThanHeadOption.Enabled());
  EXPECT_TRUE(s->services.msgBoxes.empty());

  f.curvedSurfaceOption.SetCaption("半径20cm の円柱表面");  // as the shape dialog leaves it
  f.flatSurfaceOption.UserClick();
  EXPECT_EQ(p.BsfMethod, kFlatSurface);
  EXPECT_EQ(p.PhantomModel, 0);
  EXPECT_EQ(p.HeadFlag, 0);
  EXPECT_TRUE(f.headOption.Enabled());
  EXPECT_TRUE(f.otherThanHeadOption.Enabled());
  EXPECT_TRUE(f.otherThanHeadOption.Value());
  EXPECT_EQ(f.curvedSurfaceOption.Caption(), "非平面として計算");
}

TEST(OptionGroups, HeadThenOtherThanHead)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  const PhantomGeometry& p = s->m().Phantom;
  f.headOption.UserClick();
  EXPECT_EQ(p.HeadFlag, 1);
  EXPECT_EQ(p.PhantomModel, 3);
  EXPECT_TRUE(f.flatSurfaceOption.Value());  // a group of its own inside the backscatter frame
  f.otherThanHeadOption.UserClick();
  EXPECT_EQ(p.HeadFlag, 0);
  EXPECT_EQ(p.PhantomModel, 0);
}

TEST(OptionGroups, TheFourGroupsAreIndependent)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  f.singlePhaseOption.UserClick();
  f.outputDataOption.UserClick();
  f.headOption.UserClick();
  EXPECT_TRUE(f.singlePhaseOption.Value());
  EXPECT_TRUE(f.outputDataOption.Value());
  EXPECT_TRUE(f.flatSurfaceOption.Value());
  EXPECT_TRUE(f.headOption.Value());
}

}  // namespace
}  // namespace vorn::testing
