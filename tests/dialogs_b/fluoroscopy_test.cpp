// The fluoroscopy dialog: its presets, the mean tube current of continuous
// and pulsed fluoroscopy, its messages, and what OK puts into the condition.
#include <gtest/gtest.h>

#include <string>

#include "dialogs_b_support.h"
#include "tests/support/entry_messages.h"

namespace vorn::dialogs_b_test {
namespace {

using mainwin::FluoroscopyDialog;

constexpr const char* kCurrentEmpty = "　管電流を入力してください　";
constexpr const char* kDataEmpty = "　データを入力してください　";

struct FluoroscopySession : Session {
  explicit FluoroscopySession(Edition edition) : Session(edition) { main().fluoroscopyButton.UserClick(); }
  FluoroscopyDialog& f() { return *program->fluoroscopyDialog; }
  void Pulsed(const std::string& mA, const std::string& pps, const std::string& ms)
  {
    f().pulsedOption.UserClick();
    f().currentBox.UserType(mA);
    f().pulseRateBox.UserType(pps);
    f().pulseWidthBox.UserType(ms);
  }
};

TEST(FluoroscopyPresets, OpeningSelectsContinuousEmptiesTheBoxesAndGreysRateAndWidth)
{
  FluoroscopySession s(Edition::Japanese);
  s.Pulsed("2", "15", "4");
  s.f().meanCurrentBox.UserType("9");
  s.f().cancelButton.UserClick();  // Cancel
  EXPECT_FALSE(s.f().Visible());

  s.main().fluoroscopyButton.UserClick();
  EXPECT_TRUE(s.f().Visible());
  EXPECT_TRUE(s.f().continuousOption.Value());
  EXPECT_FALSE(s.f().pulsedOption.Value());
  for (ui::TextBox* box : {&s.f().currentBox, &s.f().pulseRateBox, &s.f().pulseWidthBox, &s.f().meanCurrentBox})
    EXPECT_EQ(box->Text(), "");
  EXPECT_FALSE(s.f().pulseRateBox.Enabled());
  EXPECT_FALSE(s.f().pulseWidthBox.Enabled());
  EXPECT_TRUE(s.f().currentBox.Enabled());
  EXPECT_EQ(s.f().Caption(), "  透視モード設定");
}

TEST(FluoroscopyModes, PulsedEnablesRateAndWidthAndContinuousGreysThemKeepingTheirTexts)
{
  FluoroscopySession s(Edition::Japanese);
  s.Pulsed("2", "15", "4");
  EXPECT_TRUE(s.f().pulseRateBox.Enabled());
  EXPECT_TRUE(s.f().pulseWidthBox.Enabled());
  s.f().continuousOption.UserClick();
  EXPECT_FALSE(s.f().pulseRateBox.Enabled());
  EXPECT_FALSE(s.f().pulseWidthBox.Enabled());
  EXPECT_EQ(s.f().pulseRateBox.Text(), "15");
  EXPECT_EQ(s.f().pulseWidthBox.Text(), "4");
  EXPECT_THROW(s.f().pulseRateBox.UserType("30"), std::logic_error);  // the user cannot type into it now
}

TEST(FluoroscopyMeanCurrent, PulsedTwoMilliampereFifteenPulsesFourMillisecondsIsPointOneTwo)
{
  // 2 mA x 15 /s x 4 ms = 0.12 mA on average (by hand).
  FluoroscopySession s(Edition::Japanese);
  s.Pulsed("2", "15", "4");
  s.f().computeButton.UserClick();
  EXPECT_EQ(s.f().meanCurrentBox.Text(), "0.12");
  EXPECT_TRUE(s.services.msgBoxes.empty());
}

TEST(FluoroscopyMeanCurrent, PulsedWithFractionsGivesPlainNumberText)
{
  // 3.5 mA x 7.5 /s x 10 ms = 0.2625 mA.
  FluoroscopySession s(Edition::English);
  s.Pulsed("3.5", "7.5", "10");
  s.f().computeButton.UserClick();
  EXPECT_EQ(s.f().meanCurrentBox.Text(), "0.2625");
}

TEST(FluoroscopyMeanCurrent, PulsedWithAnEmptyOrZeroBoxAsksForData)
{
  FluoroscopySession s(Edition::Japanese);
  s.Pulsed("2", "15", "");
  s.services.ExpectMsgBox(kDataEmpty);
  s.f().computeButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s.services.beeps, 1);
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_EQ(s.f().meanCurrentBox.Text(), "");

  s.f().pulseWidthBox.UserType("4");
  s.f().pulseRateBox.UserType("0");
  s.services.ExpectMsgBox(kDataEmpty);
  s.f().computeButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);

  s.f().pulseRateBox.UserType("pps");  // no number: named, not taken as 0
  s.services.ExpectMsgBox(vorn::testing::NotANumberMessage(Edition::Japanese, "パルスレート (pps)", "pps"));
  s.f().computeButton.UserClick();
  EXPECT_TRUE(s.f().pulseRateBox.HasFocus());
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s.f().meanCurrentBox.Text(), "");
}

TEST(FluoroscopyMeanCurrent, PulsedProductBeyondTheRangeOfNumbersAsksForData)
{
  FluoroscopySession s(Edition::English);
  s.Pulsed("1e300", "1e300", "1");
  s.services.ExpectMsgBox("  Input data  ");
  s.f().computeButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s.f().meanCurrentBox.Text(), "");
}

TEST(FluoroscopyMeanCurrent, ContinuousCopiesTheCurrentAsTypedWhenItIsANumber)
{
  FluoroscopySession s(Edition::Japanese);
  s.f().currentBox.UserType("2.50");
  s.f().computeButton.UserClick();
  EXPECT_EQ(s.f().meanCurrentBox.Text(), "2.50");
  EXPECT_TRUE(s.services.msgBoxes.empty());
  // "1,5" would be taken as 1 mA: refused, and the mean current stays.
  s.f().currentBox.UserType("1,5");
  s.services.ExpectMsgBox(vorn::testing::NotANumberMessage(Edition::Japanese, "透視管電流 (mA)", "1,5"));
  s.f().computeButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s.f().meanCurrentBox.Text(), "2.50");
  EXPECT_TRUE(s.f().currentBox.HasFocus());
}

TEST(FluoroscopyMeanCurrent, ContinuousWithoutACurrentAsksForIt)
{
  FluoroscopySession s(Edition::Japanese);
  s.services.ExpectMsgBox(kCurrentEmpty);
  s.f().computeButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s.services.beeps, 1);

  FluoroscopySession e(Edition::English);
  e.services.ExpectMsgBox("  Input Tube current ");
  e.f().computeButton.UserClick();
  EXPECT_EQ(e.services.PendingMsgBoxes(), 0u);
}

TEST(FluoroscopyOk, TakesTheMeanCurrentIntoTheConditionAndTheMainWindow)
{
  FluoroscopySession s(Edition::Japanese);
  const double time = s.m().Condition.ExposureTime;
  s.Pulsed("2", "15", "4");
  s.f().computeButton.UserClick();
  s.f().okButton.UserClick();
  EXPECT_FALSE(s.f().Visible());
  EXPECT_DOUBLE_EQ(s.m().Condition.TubeCurrent, 0.12);
  EXPECT_EQ(s.main().tubeCurrentBox.Text(), "0.12");
  EXPECT_EQ(s.m().Condition.ExposureTime, time);
  EXPECT_TRUE(s.services.msgBoxes.empty());
}

TEST(FluoroscopyOk, AnEmptyOrWrongMeanCurrentIsRefusedAndNothingIsTaken)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    FluoroscopySession s(edition);
    const double current = s.m().Condition.TubeCurrent;
    const std::string shown = s.main().tubeCurrentBox.Text();
    for (const char* typed : {"", "abc", "0", "0,12"}) {
      s.f().meanCurrentBox.UserType(typed);
      const bool number = std::string(typed).empty() || std::string(typed) == "0";
      const std::string box = edition == Edition::Japanese ? "平均管電流 (mA)" : "Average current (mA)";
      s.services.ExpectMsgBox(!number                        ? vorn::testing::NotANumberMessage(edition, box, typed)
                              : edition == Edition::Japanese ? "　平均管電流 (mA)：0 より大きい数値を入力して下さい　"
                                                             : "  Average current (mA): enter a number above 0  ");
      s.f().okButton.UserClick();
      EXPECT_EQ(s.services.PendingMsgBoxes(), 0u) << typed;
      EXPECT_TRUE(s.f().Visible()) << typed;
      EXPECT_TRUE(s.f().meanCurrentBox.HasFocus()) << typed;
    }
    EXPECT_EQ(s.m().Condition.TubeCurrent, current);
    EXPECT_EQ(s.main().tubeCurrentBox.Text(), shown);
  }
}

TEST(FluoroscopyOk, CancelLeavesTheCurrentAlone)
{
  FluoroscopySession s(Edition::English);
  s.f().currentBox.UserType("3");
  s.f().computeButton.UserClick();
  s.f().cancelButton.UserClick();
  EXPECT_EQ(s.m().Condition.TubeCurrent, 200.0);
  EXPECT_EQ(s.main().tubeCurrentBox.Text(), "200");
  EXPECT_EQ(s.f().Caption(), "Fluoroscopy setting");
}

TEST(FluoroscopyKeys, EnterWalksTheBoxesInUseAndStopsOnCompute)
{
  FluoroscopySession s(Edition::Japanese);
  s.f().currentBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(s.f().computeButton.HasFocus());  // rate and width are greyed
  s.f().pulsedOption.UserClick();
  s.f().currentBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(s.f().pulseRateBox.HasFocus());
  s.f().pulseRateBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(s.f().pulseWidthBox.HasFocus());
  s.f().pulseWidthBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(s.f().computeButton.HasFocus());
  EXPECT_EQ(s.f().meanCurrentBox.Text(), "");  // not pressed
}

}  // namespace
}  // namespace vorn::dialogs_b_test
