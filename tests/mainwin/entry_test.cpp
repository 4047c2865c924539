// Entry of the exposure condition: the Enter chain, the stores on leaving a
// box, the field-size presets, the circular field and the option groups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwin_test_support.h"

namespace vorn::testing {
namespace {

using mainwin::Form1;

// ---------------------------------------------------------------- Enter chain

TEST(EnterChain, EnterWalksTheBoxesInTheirFixedOrderToTheCalculateButton)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  const std::vector<ui::Control*> chain{&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Combo2, &f.Text5,
                                        &f.Text6, &f.Text7, &f.Text8, &f.Text23, &f.Text9, &f.Combo1,
                                        &f.Text10, &f.Text11, &f.Command2};
  f.Text1.UserFocus();
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    ASSERT_TRUE(chain[i]->HasFocus()) << chain[i]->Name();
    f.UserKeyDown(ui::vbKeyReturn);
    EXPECT_TRUE(chain[i + 1]->HasFocus()) << "Enter in " << chain[i]->Name();
  }
}

TEST(EnterChain, OtherKeysLeaveTheFocusInABox)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  for (ui::TextBox* box : {&f.Text1, &f.Text5, &f.Text9, &f.Text11}) {
    box->UserKeyDown(ui::vbKeyDown);
    EXPECT_TRUE(box->HasFocus()) << box->Name();
    box->UserKeyDown(ui::vbKeyA);
    EXPECT_TRUE(box->HasFocus()) << box->Name();
  }
  f.Combo2.UserKeyDown(ui::vbKeyDown);
  EXPECT_TRUE(f.Combo2.HasFocus());
}

TEST(EnterChain, AnyKeyInTheFieldSizeListGoesOnToTheLongSide)
{
  for (int key : {ui::vbKeyReturn, ui::vbKeyDown, ui::vbKeyUp, ui::vbKeyRight, ui::vbKeyA, ui::vbKeyEscape}) {
    auto s = StartRegistered(Edition::Japanese);
    Form1& f = s->form();
    f.Combo1.UserKeyDown(key);
    EXPECT_TRUE(f.Text10.HasFocus()) << "key " << key;
    EXPECT_EQ(f.Combo1.Text(), "半切サイズ 縦");  // the key chose nothing
  }
}

TEST(EnterChain, AChoiceFromTheSiteListGoesOnToTheVoltage)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  f.Combo2.UserChoose(4);
  EXPECT_EQ(f.Combo2.Text(), "胸部正面");
  EXPECT_TRUE(f.Text5.HasFocus());
}

// ---------------------------------------------------------------- stores

TEST(Stores, FiltrationInMillimetresIsStoredInCentimetres)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  const ExposureCondition& c = s->m().Condition;
  f.Text2.UserType("3");
  f.Text2.UserKeyDown(ui::vbKeyReturn);
  EXPECT_DOUBLE_EQ(c.InherentFilterAl, 0.3);
  EXPECT_TRUE(f.Text3.HasFocus());
  f.Text3.UserType("1.5");
  f.Text4.UserType("0.2");
  f.Text5.UserFocus();
  EXPECT_DOUBLE_EQ(c.AddedFilterAl, 0.15);
  EXPECT_DOUBLE_EQ(c.AddedFilterCu, 0.02);
}

TEST(Stores, EveryBoxStoresItsNumberWhenLeft)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  const ExposureCondition& c = s->m().Condition;
  const std::vector<std::pair<ui::TextBox*, std::string>> entries{
      {&f.Text1, "16"}, {&f.Text5, "90"}, {&f.Text6, "320"}, {&f.Text7, "0.025"}, {&f.Text8, "150"},
      {&f.Text23, "25"}, {&f.Text9, "120"}, {&f.Text10, "30.5"}, {&f.Text11, "24"}};
  for (const auto& [box, text] : entries) box->UserType(text);
  f.Text2.UserFocus();
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
  Form1& f = s->form();
  f.Text5.UserType("110");
  EXPECT_EQ(s->m().Condition.TubeVoltage, 75);
  // A box set from code without ever having the focus is not stored either.
  f.Text6.SetText("500");
  f.Text5.UserKeyDown(ui::vbKeyReturn);
  EXPECT_EQ(s->m().Condition.TubeVoltage, 110);
  EXPECT_EQ(s->m().Condition.TubeCurrent, 200);
}

TEST(Stores, TextThatIsNotANumberStoresZeroAndNegativesStayNegative)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  const ExposureCondition& c = s->m().Condition;
  f.Text1.UserType("abc");
  f.Text2.UserType("-1.5");
  f.Text3.UserType("2.5mm");
  f.Text4.UserType("");
  f.Text5.UserFocus();
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
    Form1& f = s->form();
    const ExposureCondition& c = s->m().Condition;
    for (const PresetCase& p : kSizes) {
      const std::string& item = edition == Edition::Japanese ? p.japanese : p.english;
      f.Text5.UserFocus();
      f.Combo1.UserChoose(p.index);
      EXPECT_EQ(f.Combo1.Text(), item);
      EXPECT_EQ(f.Text10.Text(), p.length) << item;
      EXPECT_EQ(f.Text11.Text(), p.width) << item;
      EXPECT_EQ(c.FieldLength, FieldSide(std::stod(p.length))) << item;
      EXPECT_EQ(c.FieldWidth, FieldSide(std::stod(p.width))) << item;
      EXPECT_EQ(c.FieldSizeName, item);
      EXPECT_EQ(c.FieldShape, kRectangularField);
      // The Japanese edition goes on to the long side; the English stays.
      EXPECT_EQ(f.Text10.HasFocus(), edition == Edition::Japanese) << item;
      EXPECT_EQ(f.Combo1.HasFocus(), edition == Edition::English) << item;
    }
    EXPECT_TRUE(s->services.msgBoxes.empty());
  }
}

TEST(FieldPresets, ElseEmptiesTheBoxesAndLeavesADashUntilTheyAreLeft)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  const ExposureCondition& c = s->m().Condition;
  f.Combo1.UserChoose(9);
  EXPECT_EQ(f.Text10.Text(), "");
  EXPECT_EQ(f.Text11.Text(), "");
  EXPECT_EQ(c.FieldLength, FieldSide::Dash());
  EXPECT_EQ(c.FieldWidth, FieldSide::Dash());
  EXPECT_EQ(c.FieldSizeName, "その他");
  EXPECT_TRUE(f.Text10.HasFocus());
  f.Text10.UserType("22");
  f.Text10.UserKeyDown(ui::vbKeyReturn);
  EXPECT_EQ(c.FieldLength, FieldSide(22));
  EXPECT_EQ(c.FieldWidth, FieldSide::Dash());
}

TEST(FieldPresets, ElseThenCalculateWithAnEmptyShortSideAsksForIt)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  f.Combo1.UserChoose(9);
  f.Text10.UserType("25");
  s->services.ExpectMsgBox("　短軸方向サイズ (cm)：0 より大きい数値を入力して下さい　");
  f.Command2.UserClick();
  EXPECT_EQ(s->m().Condition.FieldWidth, FieldSide::Dash());
  EXPECT_EQ(s->services.beeps, 1);
  EXPECT_EQ(s->services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_TRUE(f.Text11.HasFocus());
  EXPECT_FALSE(f.Command3.Enabled());
  EXPECT_FALSE(s->program->app.Ended());
}

TEST(FieldPresets, EnglishElseMovesToTheLongSide)
{
  auto s = StartRegistered(Edition::English);
  Form1& f = s->form();
  f.Combo1.UserChoose(9);
  EXPECT_EQ(s->m().Condition.FieldSizeName, "else");
  EXPECT_TRUE(f.Text10.HasFocus());
}

TEST(CircularField, ChoosingItForcesTheFlatSurfaceAndAskForTheDiameter)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  const Module1& m = s->m();
  f.Option8.UserClick();  // head phantom before: the flat surface's handler resets it
  s->services.ExpectMsgBox("　円形照射野の場合、平面入射となります　");
  f.Combo1.UserChoose(10);
  EXPECT_EQ(s->services.msgBoxes.back().style, ui::vbOKOnly);
  EXPECT_TRUE(f.Option6.Value());
  EXPECT_TRUE(f.Option9.Value());
  EXPECT_EQ(m.Phantom.BsfMethod, kFlatSurface);
  EXPECT_EQ(m.Phantom.HeadFlag, 0);
  EXPECT_EQ(f.Label22.Caption(), "  照射野サイズ（直径）");
  EXPECT_EQ(f.Text10.Text(), "10.0");
  EXPECT_EQ(f.Text11.Text(), "0");
  EXPECT_EQ(m.Condition.FieldLength, FieldSide(10));
  EXPECT_EQ(m.Condition.FieldWidth, FieldSide(0));
  EXPECT_EQ(m.Condition.FieldShape, kCircularField);
  EXPECT_EQ(m.Condition.FieldSizeName, "円形照射野");
  EXPECT_TRUE(f.Text10.HasFocus());

  // Back to a size: rectangular again, with the long-side caption.
  f.Combo1.UserChoose(0);
  EXPECT_EQ(m.Condition.FieldShape, kRectangularField);
  EXPECT_EQ(f.Label22.Caption(), "　長軸方向サイズ");
}

TEST(CircularField, TheCurvedSurfaceIsRefusedAndTheSquarePresetTakesOver)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    auto s = StartRegistered(edition);
    Form1& f = s->form();
    const Module1& m = s->m();
    const bool japanese = edition == Edition::Japanese;
    s->services.ExpectMsgBox(japanese ? "　円形照射野の場合、平面入射となります　" : " Flat surface only ");
    f.Combo1.UserChoose(10);
    s->services.ExpectMsgBox(japanese ? "　円形照射野の場合、平面入射になります　"
                                      : "  In the case of a circular field, the flat plane surface is adopted  ");
    f.Option7.UserClick();
    EXPECT_EQ(s->services.PendingMsgBoxes(), 0u);
    EXPECT_TRUE(f.Option6.Value());
    EXPECT_FALSE(f.Option7.Value());
    EXPECT_TRUE(f.Option8.Enabled() && f.Option9.Enabled());
    EXPECT_EQ(m.Phantom.BsfMethod, kFlatSurface);
    const std::string square = japanese ? "大角サイズ" : "14x14";
    EXPECT_EQ(f.Combo1.Text(), square);
    EXPECT_EQ(m.Condition.FieldSizeName, square);
    EXPECT_EQ(f.Text10.Text(), "35.6");
    EXPECT_EQ(f.Text11.Text(), "35.6");
    EXPECT_EQ(m.Condition.FieldLength, FieldSide(35.6));
    EXPECT_EQ(m.Condition.FieldWidth, FieldSide(35.6));
    // The boxes show a rectangle, so the field is one: 35.6 cm is not taken
    // as a diameter by the computation or the hand-over.
    EXPECT_EQ(m.Condition.FieldShape, kRectangularField);
    EXPECT_EQ(f.Label22.Caption(), japanese ? "　長軸方向サイズ" : "Field size (Long axis)");
  }
}

// ---------------------------------------------------------------- option groups

TEST(OptionGroups, RectificationButtonsSetTheType)
{
  auto s = StartRegistered(Edition::English);
  Form1& f = s->form();
  f.Option3.UserClick();
  EXPECT_EQ(s->m().Condition.RectificationType, kSinglePhaseFullWave);
  EXPECT_FALSE(f.Option1.Value());
  f.Option2.UserClick();
  EXPECT_EQ(s->m().Condition.RectificationType, kThreePhase12Peak);
  f.Option1.UserClick();
  EXPECT_EQ(s->m().Condition.RectificationType, kConstantPotential);
  EXPECT_FALSE(f.Option2.Value() || f.Option3.Value());
}

TEST(OptionGroups, MeasuredExposureLeavesTheSourceToItsDialogDefaultDataEmptiesTheLabel)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  ExposureCondition& c = s->m().Condition;
  f.Option4.UserClick();
  EXPECT_TRUE(f.Option4.Value());
  EXPECT_EQ(c.OutputSource, kOutputDataTable);

  c.OutputSource = kMeasuredExposure;
  f.Label78.SetCaption("2.58E-4");
  f.Option5.UserClick();
  EXPECT_EQ(c.OutputSource, kOutputDataTable);
  EXPECT_EQ(f.Label78.Caption(), "");
  EXPECT_FALSE(f.Option4.Value());
}

TEST(OptionGroups, CurvedSurfaceDisablesThePhantomButtonsFlatEnablesAndResetsThem)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  const PhantomGeometry& p = s->m().Phantom;
  f.Option7.UserClick();
  EXPECT_EQ(p.BsfMethod, kCurvedSurface);
  EXPECT_FALSE(f.Option8.Enabled());
  EXPECT_FALSE(f.Option9.Enabled());
  EXPECT_TRUE(s->services.msgBoxes.empty());

  f.Option7.SetCaption("半径20cm の円柱表面");  // as the shape dialog leaves it
  f.Option6.UserClick();
  EXPECT_EQ(p.BsfMethod, kFlatSurface);
  EXPECT_EQ(p.PhantomModel, 0);
  EXPECT_EQ(p.HeadFlag, 0);
  EXPECT_TRUE(f.Option8.Enabled());
  EXPECT_TRUE(f.Option9.Enabled());
  EXPECT_TRUE(f.Option9.Value());
  EXPECT_EQ(f.Option7.Caption(), "非平面として計算");
}

TEST(OptionGroups, HeadThenOtherThanHead)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  const PhantomGeometry& p = s->m().Phantom;
  f.Option8.UserClick();
  EXPECT_EQ(p.HeadFlag, 1);
  EXPECT_EQ(p.PhantomModel, 3);
  EXPECT_TRUE(f.Option6.Value());  // a group of its own inside the backscatter frame
  f.Option9.UserClick();
  EXPECT_EQ(p.HeadFlag, 0);
  EXPECT_EQ(p.PhantomModel, 0);
}

TEST(OptionGroups, TheFourGroupsAreIndependent)
{
  auto s = StartRegistered(Edition::Japanese);
  Form1& f = s->form();
  f.Option3.UserClick();
  f.Option5.UserClick();
  f.Option8.UserClick();
  EXPECT_TRUE(f.Option3.Value());
  EXPECT_TRUE(f.Option5.Value());
  EXPECT_TRUE(f.Option6.Value());
  EXPECT_TRUE(f.Option8.Value());
}

}  // namespace
}  // namespace vorn::testing
