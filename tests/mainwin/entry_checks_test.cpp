// The checks of the entry boxes before a calculation: what a box must hold
// (a whole number, inside what the physics allows), the one message that
// names the first bad box, and a voltage below the output data.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "mainwin/entry_check.h"
#include "mainwin_test_support.h"
#include "tests/support/entry_messages.h"

namespace vorn::testing {
namespace {

using mainwin::EntryNumber;
using mainwin::EntryRule;
using mainwin::MainWindow;
using mainwin::KeepsRule;

// ---------------------------------------------------------------- the rule of a box

TEST(EntryNumber, TheWholeTextMustBeOneNumberWithBlanksAroundAllowed)
{
  const std::vector<std::pair<const char*, double>> numbers{
      {"80", 80.0},        {" 2.5 ", 2.5},     {"\t75\t", 75.0},  {"2.58E-04", 2.58e-4}, {"25.8e-5", 25.8e-5},
      {"+5", 5.0},         {".5", 0.5},        {"5.", 5.0},       {"-0.1", -0.1},        {"0", 0.0}};
  for (const auto& [text, value] : numbers) {
    ASSERT_TRUE(EntryNumber(text).has_value()) << text;
    EXPECT_EQ(*EntryNumber(text), value) << text;
  }
  for (const char* text : {"", "   ", "abc", "0,1", "2,5", "3,2e2", "80kV", "80 kV", "1 2", "12E", "0x10", "inf",
                           "nan", "-", ".", "８０", "　80"}) {
    EXPECT_FALSE(EntryNumber(text).has_value()) << text;
  }
  // Beyond the range of numbers: a number, but no finite one.
  EXPECT_TRUE(std::isinf(*EntryNumber("1e999")));
}

TEST(EntryNumber, RangesAreOpenOrClosedAsThePhysicsAllows)
{
  EXPECT_FALSE(KeepsRule(0.0, EntryRule::AboveZero));
  EXPECT_TRUE(KeepsRule(1e-300, EntryRule::AboveZero));
  EXPECT_TRUE(KeepsRule(0.0, EntryRule::ZeroOrMore));
  EXPECT_FALSE(KeepsRule(-1e-300, EntryRule::ZeroOrMore));
  EXPECT_TRUE(KeepsRule(-10.0, EntryRule::FittedFiltration));
  EXPECT_FALSE(KeepsRule(-10.001, EntryRule::FittedFiltration));
  EXPECT_FALSE(KeepsRule(0.0, EntryRule::AboveZeroBelow90));
  EXPECT_TRUE(KeepsRule(0.001, EntryRule::AboveZeroBelow90));
  EXPECT_TRUE(KeepsRule(89.999, EntryRule::AboveZeroBelow90));
  EXPECT_FALSE(KeepsRule(90.0, EntryRule::AboveZeroBelow90));
}

// ---------------------------------------------------------------- the calculate command

enum class Preset { None, Else, Circular };

constexpr const char* kJaAbove = "：0 より大きい数値を入力して下さい　";
constexpr const char* kJaZero = "：0 以上の数値を入力して下さい　";
constexpr const char* kJaAngle = "：0 より大きく 90 より小さい数値を入力して下さい　";
constexpr const char* kEnAbove = ": enter a number above 0  ";
constexpr const char* kEnZero = ": enter a number of 0 or more  ";
constexpr const char* kEnAngle = ": enter a number above 0 and below 90  ";
constexpr const char* kJaFitted = "：-10 以上の数値を入力して下さい　";
constexpr const char* kEnFitted = ": enter a number of -10 or more  ";

struct BadBox {
  ui::TextBox MainWindow::*box;
  const char* text;
  std::string japanese;  // the one message, as each edition shows it
  std::string english;
  Preset preset = Preset::None;
};

std::string Ja(const char* name, const char* rule) { return std::string("　") + name + rule; }
std::string En(const char* name, const char* rule) { return std::string("  ") + name + rule; }

// A text that is no number is told so, quoting it, in each edition.
BadBox NoNumber(ui::TextBox MainWindow::*box, const char* text, const char* japaneseName, const char* englishName,
                Preset preset = Preset::None)
{
  return {box, text, vorn::testing::NotANumberMessage(Edition::Japanese, japaneseName, text),
          vorn::testing::NotANumberMessage(Edition::English, englishName, text), preset};
}

class BadBoxTest : public ::testing::TestWithParam<Edition> {};

TEST_P(BadBoxTest, TheFirstBadBoxIsNamedFocusedAndNothingIsComputed)
{
  const Edition edition = GetParam();
  const std::string longSideJa = Ja("長軸方向サイズ (cm)", kJaAbove);
  const std::string longSideEn = En("Field size (Long axis) (cm)", kEnAbove);
  const std::vector<BadBox> cases{
      // "0,1" s would give doses of 0.00, "2,5" mm Al 2 mm, "3,2e2" mA 3 mA.
      NoNumber(&MainWindow::exposureTimeBox, "0,1", "撮影時間 (sec)", "Exposure time (sec)"),
      NoNumber(&MainWindow::addedAlBox, "2,5", "付加フィルタ Al (mm)", "Added filter Al (mm)"),
      NoNumber(&MainWindow::inherentFilterBox, "2,5", "固有濾過 (mmAl)", "Inherent filtration (mmAl)"),
      NoNumber(&MainWindow::tubeCurrentBox, "3,2e2", "管電流 (mA)", "Tube current (mA)"),
      {&MainWindow::exposureTimeBox, "-0.1", Ja("撮影時間 (sec)", kJaAbove), En("Exposure time (sec)", kEnAbove)},
      {&MainWindow::targetAngleBox, "-12", Ja("ターゲット角度 (度)", kJaAngle), En("Target angle (deg.)", kEnAngle)},
      {&MainWindow::targetAngleBox, "90", Ja("ターゲット角度 (度)", kJaAngle), En("Target angle (deg.)", kEnAngle)},
      {&MainWindow::inherentFilterBox, "", Ja("固有濾過 (mmAl)", kJaFitted),
       En("Inherent filtration (mmAl)", kEnFitted)},
      // A fit may leave the inherent filtration below 0, but not below its own bound.
      {&MainWindow::inherentFilterBox, "-10.5", Ja("固有濾過 (mmAl)", kJaFitted),
       En("Inherent filtration (mmAl)", kEnFitted)},
      {&MainWindow::addedCuBox, "-0.1", Ja("付加フィルタ Cu (mm)", kJaZero), En("Added filter Cu (mm)", kEnZero)},
      NoNumber(&MainWindow::tubeVoltageBox, "abc", "管電圧 (kV)", "Tube voltage (kV)"),
      NoNumber(&MainWindow::tubeVoltageBox, "80kV", "管電圧 (kV)", "Tube voltage (kV)"),
      NoNumber(&MainWindow::tubeVoltageBox, "８０", "管電圧 (kV)", "Tube voltage (kV)"),
      // A whole paste is quoted by its start only.
      {&MainWindow::tubeVoltageBox, "0123456789abcdefghijklmnopqrstuvwxyz",
       vorn::testing::NotANumberMessage(Edition::Japanese, "管電圧 (kV)", "0123456789abcdefghijklmn…"),
       vorn::testing::NotANumberMessage(Edition::English, "Tube voltage (kV)", "0123456789abcdefghijklmn…")},
      {&MainWindow::tubeVoltageBox, "1e999", Ja("管電圧 (kV)", "：数値が大きすぎます　"),
       En("Tube voltage (kV)", ": the number is too large  ")},
      {&MainWindow::ffdBox, "0", Ja("FFD (cm)", kJaAbove), En("FFD (cm)", kEnAbove)},
      {&MainWindow::thicknessBox, "-1", Ja("被写体厚 (cm)", kJaZero), En("Object thickness (cm)", kEnZero)},
      NoNumber(&MainWindow::fsdBox, "80cm", "FSD (cm)", "FSD (cm)"),
      // A field side of 0, -35.6 or "abc" would become a 1 cm field.
      {&MainWindow::fieldLongSideBox, "0", longSideJa, longSideEn},
      {&MainWindow::fieldLongSideBox, "-35.6", longSideJa, longSideEn},
      NoNumber(&MainWindow::fieldLongSideBox, "abc", "長軸方向サイズ (cm)", "Field size (Long axis) (cm)"),
      {&MainWindow::fieldLongSideBox, "", longSideJa, longSideEn, Preset::Else},
      {&MainWindow::fieldShortSideBox, "", Ja("短軸方向サイズ (cm)", kJaAbove),
       En("Field size (Short axis) (cm)", kEnAbove), Preset::Else},
      {&MainWindow::fieldLongSideBox, "0", Ja("照射野サイズ（直径） (cm)", kJaAbove),
       En("Field size (diameter) (cm)", kEnAbove), Preset::Circular},
  };

  for (const BadBox& c : cases) {
    const std::string& expected = edition == Edition::Japanese ? c.japanese : c.english;
    auto s = StartRegistered(edition);
    MainWindow& f = s->form();
    f.calculateButton.UserClick();  // a result on show, ready to add
    const CalculationResult before = s->m().Result;
    const std::string doseShown = f.surfaceDoseSoftLabel.Caption();
    if (c.preset == Preset::Else) {
      f.fieldPresetCombo.UserChoose(9);
      if (c.box == &MainWindow::fieldShortSideBox) f.fieldLongSideBox.UserType("30");
    } else if (c.preset == Preset::Circular) {
      s->services.ExpectMsgBox(ui::vbOK);  // the circular field is flat only
      f.fieldPresetCombo.UserChoose(10);
    }
    (f.*c.box).UserType(c.text);
    const std::size_t shown = s->services.msgBoxes.size();
    s->services.ExpectMsgBox(expected);
    f.calculateButton.UserClick();
    EXPECT_EQ(s->services.PendingMsgBoxes(), 0u) << c.text;
    EXPECT_EQ(s->services.msgBoxes.size(), shown + 1) << "one message: " << c.text;
    EXPECT_EQ(s->services.msgBoxes.back().style, ui::vbExclamation);
    EXPECT_TRUE((f.*c.box).HasFocus()) << expected;
    // Nothing computed and nothing else changed: the result on show stays
    // (the add command compares its condition with the one held now).
    EXPECT_EQ(s->m().Result.EntranceSurfaceDoseSoft, before.EntranceSurfaceDoseSoft) << expected;
    EXPECT_EQ(s->m().Result.Hvl1, before.Hvl1) << expected;
    EXPECT_EQ(f.surfaceDoseSoftLabel.Caption(), doseShown) << expected;
    EXPECT_TRUE(f.addToTableButton.Enabled()) << expected;
  }
}

TEST_P(BadBoxTest, AVoltageAboveWhatCanBeComputedAndAnFsdNotBelowTheFfdAreToldTheirRange)
{
  const Edition edition = GetParam();
  const bool ja = edition == Edition::Japanese;
  const std::string upTo150 = ja ? "　管電圧 (kV)：0 より大きく 150 以下の数値を入力して下さい　"
                                 : "  Tube voltage (kV): enter a number above 0 and up to 150  ";
  const std::string upTo145 =
      ja ? "　管電圧 (kV)：0 より大きく 145 以下の数値を入力して下さい（使用中の出力データの最高管電圧）　"
         : "  Tube voltage (kV): enter a number above 0 and up to 145 (the highest voltage of the output data in use)  ";
  const std::string fsd = ja ? "　FSD (cm)：0 より大きく FFD の 80\u00A0cm より小さい数値を入力して下さい　"
                             : "  FSD (cm): enter a number above 0 and below the FFD, 80\u00A0cm  ";
  struct Case {
    const char* kv;
    const char* ffd;
    const char* fsd;
    const char* thickness;
    const std::string* message;  // null: it computes
    bool measured = false;
    bool lowOutputData = false;
  };
  const std::vector<Case> cases{
      {"150", "100", "80", "20", nullptr},       {"150.5", "100", "80", "20", &upTo150},
      {"200", "100", "80", "20", &upTo150},      {"150.5", "100", "80", "20", &upTo150, true},
      {"146", "100", "80", "20", &upTo145, false, true},
      {"146", "100", "80", "20", nullptr, true, true},  // the measured exposure needs no output data
      // Not the thickness: the FSD is what cannot be.
      {"80", "80", "80", "0", &fsd},             {"80", "80", "90", "20", &fsd},
      {"80", "80", "79.5", "0.5", nullptr},
  };
  for (const Case& c : cases) {
    auto s = StartRegistered(edition);
    MainWindow& f = s->form();
    if (c.lowOutputData) s->m().Output.OutputTable(1, 12) = 145.0;
    if (c.measured) {
      f.measuredExposureOption.UserClick();
      s->program->measuredExposureDialog->measuredValueBox.UserType("2.58E-04");
      s->program->measuredExposureDialog->okButton.UserClick();
    }
    for (auto [box, text] : {std::pair{&f.tubeVoltageBox, c.kv}, std::pair{&f.ffdBox, c.ffd},
                             std::pair{&f.fsdBox, c.fsd}, std::pair{&f.thicknessBox, c.thickness}}) {
      box->UserFocus();
      box->UserType(text);
    }
    if (c.message != nullptr) s->services.ExpectMsgBox(*c.message);
    f.calculateButton.UserClick();
    EXPECT_EQ(s->services.PendingMsgBoxes(), 0u) << c.kv << " " << c.fsd;
    EXPECT_EQ(s->services.msgBoxes.size(), c.message != nullptr ? 1u : 0u) << c.kv << " " << c.fsd;
    EXPECT_EQ(f.addToTableButton.Enabled(), c.message == nullptr) << c.kv << " " << c.fsd;
    if (c.message != nullptr) {
      EXPECT_TRUE((*c.message == fsd ? f.fsdBox : f.tubeVoltageBox).HasFocus()) << *c.message;
      EXPECT_EQ(s->services.beeps, 1);
    }
  }
}

TEST_P(BadBoxTest, OnlyTheFirstOfSeveralBadBoxesInTheEnterOrderIsNamed)
{
  auto s = StartRegistered(GetParam());
  MainWindow& f = s->form();
  f.fsdBox.UserType("abc");
  f.targetAngleBox.UserType("0");
  s->services.ExpectMsgBox(ui::vbOK);
  f.calculateButton.UserClick();
  ASSERT_EQ(s->services.msgBoxes.size(), 1u);
  EXPECT_TRUE(f.targetAngleBox.HasFocus());
}

TEST_P(BadBoxTest, EveryFormOfAWholeNumberIsTakenAsItsValue)
{
  // Blanks around, a sign, an exponent, a bare point: the same condition as
  // the plain texts, so the same dose.
  auto plain = StartRegistered(GetParam());
  plain->form().addedCuBox.UserType("0.1");
  plain->form().thicknessBox.UserType("0");
  plain->form().calculateButton.UserClick();
  auto typed = StartRegistered(GetParam());
  MainWindow& f = typed->form();
  f.targetAngleBox.UserType(" 12 ");
  f.inherentFilterBox.UserType("2.5E0");
  f.addedAlBox.UserType("+1");
  f.addedCuBox.UserType(".1");
  f.tubeVoltageBox.UserType("75.\t");
  f.thicknessBox.UserType("0");
  f.fieldLongSideBox.UserType(" 43.2");
  f.calculateButton.UserClick();
  EXPECT_TRUE(typed->services.msgBoxes.empty());
  EXPECT_EQ(typed->m().Result.EntranceSurfaceDoseSoft, plain->m().Result.EntranceSurfaceDoseSoft);
  EXPECT_EQ(typed->m().Result.Hvl1, plain->m().Result.Hvl1);
  EXPECT_TRUE(f.addToTableButton.Enabled());
}

TEST_P(BadBoxTest, AVoltageBelowTheOutputDataIsAFailureNotANegativeDose)
{
  // The shipped output data start at 40 kV; their line extrapolated to 20 kV
  // falls below zero. 30 kV still lies above zero and computes.
  const Edition edition = GetParam();
  auto s = StartRegistered(edition);
  MainWindow& f = s->form();
  f.tubeVoltageBox.UserType("30");
  f.calculateButton.UserClick();
  ASSERT_TRUE(s->services.msgBoxes.empty());
  EXPECT_GT(s->m().Result.EntranceSurfaceDoseSoft, 0.0);

  f.tubeVoltageBox.UserType("20");
  s->services.ExpectMsgBox(
      edition == Edition::Japanese
          ? "　管電圧が出力データの範囲より低いため、１ｍの照射線量を計算できません　"
          : "  The tube voltage lies below the output data: the exposure at 1 m cannot be calculated  ");
  f.calculateButton.UserClick();
  EXPECT_EQ(s->services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s->services.beeps, 1);
  EXPECT_GT(s->m().Result.OutputAt1m, 0.0);  // never a negative exposure
  EXPECT_EQ(f.exposureAt1mLabel.Caption(), "");
  EXPECT_EQ(f.surfaceDoseSoftLabel.Caption(), "");
  EXPECT_FALSE(f.addToTableButton.Enabled());
}

INSTANTIATE_TEST_SUITE_P(BothEditions, BadBoxTest, ::testing::Values(Edition::Japanese, Edition::English));

}  // namespace
}  // namespace vorn::testing
