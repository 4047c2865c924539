// Fits of the spectrum to a measured first half-value layer.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fit_support.h"
#include "platform/format/format.h"
#include "synthetic_tables.h"

namespace vorn::testing {
namespace {

const std::string kCannotJ = "***  正しく計算できません  ***";
const std::string kCannotE = "***  Can't calculate correctly  ***";

// First half-value layer of the start-up condition with one change.
double HvlWith(void (*change)(BeamCalculation&, double), double value)
{
  Bench probe;
  change(probe.m(), value);
  probe.m().CalcSpectrum();
  return probe.m().Result.Hvl1;
}
void SetInherent(BeamCalculation& m, double f) { m.Condition.InherentFilterAl = f; }
void SetVoltage(BeamCalculation& m, double kv) { m.Condition.TubeVoltage = kv; }

class HvlFitTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    m().CalcSpectrum();
    b.windows.Clear();
  }
  // The measured value the fit dialog would store for a text in mm.
  void Measure(double hvl_cm)
  {
    m().Fit.HvlMeasured = hvl_cm;
    const auto text = BoxTextFor(hvl_cm, 0.1);
    ASSERT_TRUE(text.has_value());
    b.windows.fit_boxes[FitBox::MeasuredHvl] = *text;
  }
  BeamCalculation& m() { return b.m(); }
  Bench b;
};

// --- by filtration

TEST_F(HvlFitTest, FiltrationFitFindsTheFiltrationThatGaveTheMeasuredValue)
{
  for (const double target : {0.4, 0.1}) {  // up and down from 0.25 cm
    Bench fresh;
    fresh.m().CalcSpectrum();
    fresh.m().Fit.HvlMeasured = HvlWith(SetInherent, target);
    fresh.m().FitHvlByFiltration();
    EXPECT_EQ(fresh.m().Fit.FitFailHvlFilt, 0);
    EXPECT_NEAR(fresh.m().Condition.InherentFilterAl, target, 1e-4) << target;
    EXPECT_NEAR(fresh.m().Result.Hvl1, fresh.m().Fit.HvlMeasured, 1e-5);
    EXPECT_EQ(fresh.windows.main_boxes[MainBox::InherentFilter],
              Format(10 * fresh.m().Condition.InherentFilterAl, "0.000"));
  }
}

TEST_F(HvlFitTest, MeasuredEqualToTheCalculatedKeepsTheFiltration)
{
  m().Fit.HvlMeasured = m().Result.Hvl1;
  m().FitHvlByFiltration();
  EXPECT_EQ(m().Fit.FitFailHvlFilt, 0);
  EXPECT_NEAR(m().Condition.InherentFilterAl, 0.25, 1e-15);
  EXPECT_EQ(b.windows.main_boxes[MainBox::InherentFilter], "2.500");
  // inherentFilterBox, one yield, then the spectrum's labels.
  ASSERT_GE(b.windows.events.size(), 3u);
  EXPECT_EQ(b.windows.events[0], "box");
  EXPECT_EQ(b.windows.events[1], "yield");
  EXPECT_EQ(b.windows.events[2], "caption");
  EXPECT_EQ(b.windows.yields, 1);
  EXPECT_TRUE(b.windows.messages.empty());
}

TEST_F(HvlFitTest, NegativeFittedFiltrationIsAcceptedAndShown)
{
  Bench thin;
  thin.m().Condition.InherentFilterAl = 0.02;
  thin.m().CalcSpectrum();
  thin.m().Fit.HvlMeasured = HvlWith(SetInherent, -0.012);
  thin.m().FitHvlByFiltration();
  EXPECT_EQ(thin.m().Fit.FitFailHvlFilt, 0);
  EXPECT_NEAR(thin.m().Condition.InherentFilterAl, -0.012, 1e-4);
  EXPECT_EQ(thin.windows.main_boxes[MainBox::InherentFilter].substr(0, 4), "-0.1");
}

TEST_F(HvlFitTest, UnreachableValueStopsTheBoundedSearchWithTheMessage)
{
  // The hardest bin's half-value layer is about ln 2 / (2.699 x 0.15) = 1.7 cm:
  // 2.5 cm cannot be reached by any filtration.
  m().Fit.HvlMeasured = 2.5;
  m().FitHvlByFiltration();
  EXPECT_EQ(m().Fit.FitFailHvlFilt, 1);
  EXPECT_EQ(m().Condition.InherentFilterAl, 0.25);
  EXPECT_TRUE(b.windows.box_writes.empty());
  EXPECT_TRUE(b.windows.captions.empty());
  ASSERT_EQ(b.windows.messages.size(), 1u);
  EXPECT_EQ(b.windows.messages[0].text, kCannotJ);
  EXPECT_EQ(b.windows.messages[0].icon, MsgIcon::Warning);
  EXPECT_EQ(b.windows.messages[0].title, MsgTitle::None);
  EXPECT_EQ(b.windows.beeps, 0);

  // When the closing calculation fails (here: its export cannot be
  // written), the user's filtration stays, in the condition and in its box.
  b.windows.Clear();
  b.windows.main_boxes[MainBox::InherentFilter] = "2.5";
  std::filesystem::remove(b.folder.path() / "X_SPCTL.dat");
  std::filesystem::create_directory(b.folder.path() / "X_SPCTL.dat");
  m().Fit.FitFailHvlFilt = 0;
  m().Fit.HvlMeasured = HvlWith(SetInherent, 0.3);
  m().FitHvlByFiltration();
  EXPECT_EQ(m().Fit.FitFailHvlFilt, 1);
  EXPECT_EQ(m().Condition.InherentFilterAl, 0.25);
  EXPECT_EQ(b.windows.main_boxes[MainBox::InherentFilter], "2.5");
  ASSERT_EQ(b.windows.messages.size(), 1u);
  EXPECT_EQ(b.windows.messages[0].text, kCannotJ);
}

TEST_F(HvlFitTest, MeasuredValueOfZeroFailsInsteadOfFittingANonsenseFiltration)
{
  // A fit box without a number reads as 0; no filtration gives a beam whose
  // half-value layer is 0, so the fit must stop with its message.
  m().Fit.HvlMeasured = 0.0;
  m().FitHvlByFiltration();
  EXPECT_EQ(m().Fit.FitFailHvlFilt, 1);
  EXPECT_EQ(m().Condition.InherentFilterAl, 0.25);
  EXPECT_TRUE(b.windows.box_writes.empty());
  ASSERT_EQ(b.windows.messages.size(), 1u);
  EXPECT_EQ(b.windows.messages[0].text, kCannotJ);
}

TEST(HvlFitEnglish, FailureBeepsBeforeItsMessage)
{
  Bench b(Edition::English);
  b.m().CalcSpectrum();
  b.windows.Clear();
  b.m().Fit.HvlMeasured = 2.5;
  b.m().FitHvlByFiltration();
  EXPECT_EQ(b.m().Fit.FitFailHvlFilt, 1);
  ASSERT_EQ(b.windows.events.size(), 2u);
  EXPECT_EQ(b.windows.events[0], "beep");
  EXPECT_EQ(b.windows.events[1], "message");
  EXPECT_EQ(b.windows.messages[0].text, kCannotE);
}

// --- by tube voltage

TEST_F(HvlFitTest, VoltageFitUpAndDownLandOnTheNearerStep)
{
  // Measured values a quarter of a step beyond 80.0 and 70.0 kV.
  Measure(HvlWith(SetVoltage, 80.05));
  m().FitHvlByVoltageUp();
  EXPECT_EQ(m().Fit.FitFailHvlUp, 0);
  EXPECT_NEAR(m().Condition.TubeVoltage, 80.0, 1e-9);
  EXPECT_EQ(b.windows.main_boxes[MainBox::TubeVoltage], "80.0");
  EXPECT_NEAR(m().Result.Hvl1, HvlWith(SetVoltage, 80.0), 1e-9);
  EXPECT_EQ(b.windows.yields, 0);

  Bench down;
  down.m().CalcSpectrum();
  const auto text = BoxTextFor(HvlWith(SetVoltage, 70.05), 0.1);
  ASSERT_TRUE(text);
  down.windows.fit_boxes[FitBox::MeasuredHvl] = *text;
  down.m().FitHvlByVoltageUp();  // hands over to the downward fit
  EXPECT_EQ(down.m().Fit.FitFailHvlUp, 0);
  EXPECT_EQ(down.m().Fit.FitFailHvlDown, 0);
  EXPECT_NEAR(down.m().Condition.TubeVoltage, 70.0, 1e-9);
  EXPECT_EQ(down.windows.main_boxes[MainBox::TubeVoltage], "70.0");
}

TEST_F(HvlFitTest, MeasuredEqualToTheCalculatedKeepsTheVoltage)
{
  Measure(m().Result.Hvl1);
  m().FitHvlByVoltageUp();
  EXPECT_EQ(m().Fit.FitFailHvlUp, 0);
  EXPECT_NEAR(m().Condition.TubeVoltage, 75.0, 1e-12);
  EXPECT_EQ(b.windows.main_boxes[MainBox::TubeVoltage], "75.0");
  EXPECT_EQ(m().Fit.HvlMeasured, m().Result.Hvl1);
}

TEST(HvlVoltageFit, TiesKeepTheVoltageNearerTheSetOne)
{
  // Set voltages 75.00, 75.01, ... until the set voltage's and the first
  // step's half-value layers allow an exact tie (about half of all pairs do).
  for (const double step : {+0.2, -0.2}) {
    bool tested = false;
    for (int k = 0; k < 20 && !tested; ++k) {
      const double kv = 75.0 + 0.01 * k;
      const double h0 = HvlWith(SetVoltage, kv);
      const double h1 = HvlWith(SetVoltage, kv + step);
      const auto tie = step > 0 ? ExactMidpoint(h0, h1) : ExactMidpoint(h1, h0);
      const auto text = tie ? BoxTextFor(*tie, 0.1) : std::nullopt;
      if (!text) continue;
      Bench b;
      b.m().Condition.TubeVoltage = kv;
      b.m().CalcSpectrum();
      b.windows.fit_boxes[FitBox::MeasuredHvl] = *text;
      b.m().FitHvlByVoltageUp();
      EXPECT_EQ(b.m().Fit.FitFailHvlUp + b.m().Fit.FitFailHvlDown, 0);
      EXPECT_NEAR(b.m().Condition.TubeVoltage, kv, 1e-12) << "step " << step;
      tested = true;
    }
    EXPECT_TRUE(tested) << "no set voltage gave an exact tie, step " << step;
  }
}

// Checks a stop at a limit: message, flag, and nothing else changed.
void ExpectLimitStop(Bench& b, const std::string& text, int flagUp, int flagDown, double kv)
{
  EXPECT_EQ(b.m().Fit.FitFailHvlUp, flagUp);
  EXPECT_EQ(b.m().Fit.FitFailHvlDown, flagDown);
  EXPECT_EQ(b.m().Condition.TubeVoltage, kv);
  EXPECT_TRUE(b.windows.box_writes.empty());
  EXPECT_TRUE(b.windows.captions.empty());
  ASSERT_EQ(b.windows.messages.size(), 1u);
  EXPECT_EQ(b.windows.messages[0].text, text);
  EXPECT_EQ(b.windows.messages[0].icon, MsgIcon::Warning);
  EXPECT_EQ(b.windows.messages[0].title, MsgTitle::None);
}

Bench& Prepared(Bench& b, double kv, const char* measured_mm)
{
  b.m().Condition.TubeVoltage = kv;
  b.m().CalcSpectrum();
  b.windows.Clear();
  b.windows.fit_boxes[FitBox::MeasuredHvl] = measured_mm;
  return b;
}

TEST(HvlVoltageLimits, UpwardStopsAtOneHundredFiftyAndPlusTenPercent)
{
  {
    Bench b;
    Prepared(b, 150, "30").m().FitHvlByVoltageUp();
    ExpectLimitStop(b, " 管電圧が規定の最大値(150kV)を超え、正しく計算できません ", 1, 0, 150);
    EXPECT_NEAR(b.m().Fit.HvlMeasured, 3.0, 1e-15);
  }
  {
    Bench b;
    Prepared(b, 75, "30").m().FitHvlByVoltageUp();
    ExpectLimitStop(b, " 管電圧が JIS規格の設定値＋10% を超え、正しく計算できません ", 1, 0, 75);
    // The last voltage evaluated is the last step within 82.5 kV; the next
    // is never computed.
    double kv = 75;
    for (int k = 0; k < 37; ++k) kv += 0.2;
    Bench last;
    last.m().Condition.TubeVoltage = kv;
    last.m().CalcSpectrum();
    for (int i = 2; i <= 165; ++i) EXPECT_EQ(b.m().BremsBins[i], last.m().BremsBins[i]) << i;
  }
  {
    Bench b(Edition::English);
    Prepared(b, 149.9, "30").m().FitHvlByVoltageUp();
    ExpectLimitStop(b,
                    " The tube voltage exceeds the specified maximum value (150kV) and cannot be "
                    "calculated correctly ",
                    1, 0, 149.9);
    EXPECT_EQ(b.windows.beeps, 0);
  }
}

TEST(HvlVoltageLimits, DownwardStopsAtThirtyAndMinusTenPercent)
{
  {
    Bench b;
    Prepared(b, 30.1, "0.001").m().FitHvlByVoltageUp();
    ExpectLimitStop(b, " 管電圧が規定の最小値(30kV)より小さくなり、正しく計算できません ", 0, 1,
                    30.1);
  }
  {
    Bench b;
    Prepared(b, 75, "0.001").m().FitHvlByVoltageUp();
    ExpectLimitStop(b, " 管電圧が JIS規格の設定値-10% より小さくなり、正しく計算できません ", 0, 1,
                    75);
  }
  {
    Bench b(Edition::English);
    Prepared(b, 75, "0.001").m().FitHvlByVoltageUp();
    ExpectLimitStop(b,
                    " The tube voltage becomes smaller the standard value (-10%) and cannot be "
                    "calculated correctly ",
                    0, 1, 75);
  }
}

TEST(HvlVoltageErrors, RunTimeErrorsEndWithTheFitMessageAndFlag)
{
  {
    Bench b;
    Prepared(b, 75, "50");
    b.m().Condition.TargetAngle = 0;
    b.m().FitHvlByVoltageUp();
    EXPECT_EQ(b.m().Fit.FitFailHvlUp, 1);
    EXPECT_EQ(b.m().Condition.TubeVoltage, 75);
    ASSERT_EQ(b.windows.messages.size(), 1u);
    EXPECT_EQ(b.windows.messages[0].text, kCannotJ);
  }
  {
    Bench b(Edition::English);
    Prepared(b, 75, "0.001");
    b.m().Condition.TargetAngle = 0;
    b.m().FitHvlByVoltageUp();
    EXPECT_EQ(b.m().Fit.FitFailHvlDown, 1);
    EXPECT_EQ(b.m().Fit.FitFailHvlUp, 0);
    ASSERT_EQ(b.windows.messages.size(), 1u);
    EXPECT_EQ(b.windows.messages[0].text, kCannotE);
    EXPECT_EQ(b.windows.events.front(), "beep");
  }
}

TEST(HvlVoltageErrors, FailureOfTheClosingCalculationPutsTheUsersVoltageBack)
{
  Bench b;
  Prepared(b, 75, "");
  const auto text = BoxTextFor(HvlWith(SetVoltage, 80.05), 0.1);
  ASSERT_TRUE(text);
  b.windows.fit_boxes[FitBox::MeasuredHvl] = *text;
  b.windows.main_boxes[MainBox::TubeVoltage] = "75";
  // The search itself writes no file; the closing spectrum calculation
  // cannot write its export.
  std::filesystem::remove(b.folder.path() / "X_SPCTL.dat");
  std::filesystem::create_directory(b.folder.path() / "X_SPCTL.dat");
  b.m().FitHvlByVoltageUp();
  EXPECT_EQ(b.m().Fit.FitFailHvlUp, 1);
  EXPECT_EQ(b.m().Condition.TubeVoltage, 75);
  EXPECT_EQ(b.windows.main_boxes[MainBox::TubeVoltage], "75");
  ASSERT_EQ(b.windows.messages.size(), 1u);
  EXPECT_EQ(b.windows.messages[0].text, kCannotJ);
}

}  // namespace
}  // namespace vorn::testing
