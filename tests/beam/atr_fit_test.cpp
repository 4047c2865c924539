// Fits of the spectrum to a measured ATR index (Japanese edition).

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "fit_support.h"
#include "platform/format/format.h"
#include "synthetic_tables.h"

namespace vorn::testing {
namespace {

const std::string kOutOfRange = "実測 ATR Index 値が、計算可能範囲外です";
const std::string kCannotFilt = "***  正しく計算できません  ***";
const std::string kCannotVoltage = " 正しく計算できません ";

// Scales the behind-plate weights so that the start-up condition's index is
// `index` (the index is proportional to them), and recomputes.
void SetIndex(Bench& b, double index)
{
  b.m().CalcSpectrum();
  const double scale = index / b.m().Result.AtrIndex;
  for (int i = 1; i <= kLastBin; ++i) b.m().Atr.AtrTable(1, i) *= scale;
  b.m().CalcSpectrum();
  b.windows.Clear();
}

std::string Exact(double index)
{
  const auto text = BoxTextFor(index, 1.0);
  return text ? *text : "no text";
}

void ExpectOneMessage(const Bench& b, const std::string& text)
{
  ASSERT_EQ(b.windows.messages.size(), 1u);
  EXPECT_EQ(b.windows.messages[0].text, text);
  EXPECT_EQ(b.windows.messages[0].icon, MsgIcon::Warning);
  EXPECT_EQ(b.windows.messages[0].title, MsgTitle::ProgramTitle);
  EXPECT_EQ(b.windows.beeps, 0);
}

TEST(AtrFiltrationFit, MeasuredIndexOutsideTheComputableRangeIsRefused)
{
  for (const char* text : {"0.09", "0.75"}) {
    Bench b;
    SetIndex(b, 0.5);
    b.windows.fit_boxes[FitBox::MeasuredAtr] = text;
    b.m().FitAtrByFiltration();
    EXPECT_EQ(b.m().Fit.FitFailAtrFilt, 1) << text;
    EXPECT_EQ(b.m().Fit.AtrMeasured, Val(text));
    EXPECT_EQ(b.m().Condition.InherentFilterAl, 0.25);
    for (int i = 0; i <= kLastBin; ++i) EXPECT_EQ(b.m().Spectrum[i], 0.0);
    EXPECT_TRUE(b.windows.box_writes.empty());
    EXPECT_TRUE(b.windows.captions.empty());
    ExpectOneMessage(b, kOutOfRange);
  }
}

TEST(AtrFiltrationFit, TheLimitsThemselvesAreFittedInBothDirections)
{
  // 0.74 lies a little above the present index (filtration is added), 0.1 a
  // little below it (filtration is removed).
  for (const auto& [text, start] : {std::pair{"0.74", 0.74 / 1.02}, std::pair{"0.1", 0.1 / 0.98}}) {
    Bench b;
    SetIndex(b, start);
    b.windows.fit_boxes[FitBox::MeasuredAtr] = text;
    b.m().FitAtrByFiltration();
    EXPECT_EQ(b.m().Fit.FitFailAtrFilt, 0) << text;
    EXPECT_TRUE(b.windows.messages.empty());
    EXPECT_NEAR(b.m().Result.AtrIndex, Val(text), 1e-6) << text;
    if (Val(text) > start) {
      EXPECT_GT(b.m().Condition.InherentFilterAl, 0.25);
    } else {
      EXPECT_LT(b.m().Condition.InherentFilterAl, 0.25);
    }
    EXPECT_EQ(b.windows.main_boxes[MainBox::InherentFilter],
              Format(10 * b.m().Condition.InherentFilterAl, "0.000"));
    EXPECT_EQ(b.windows.yields, 1);
  }
}

TEST(AtrFiltrationFit, RecoversTheFiltrationThatGaveTheIndexAlsoBelowZero)
{
  for (const double target : {0.2, -0.01}) {
    Bench b;
    b.m().Condition.InherentFilterAl = 0.02;
    SetIndex(b, 0.4);
    b.m().Condition.InherentFilterAl = target;
    b.m().CalcSpectrum();
    const double index = b.m().Result.AtrIndex;
    b.m().Condition.InherentFilterAl = 0.02;
    b.m().CalcSpectrum();
    b.windows.fit_boxes[FitBox::MeasuredAtr] = Exact(index);
    b.m().FitAtrByFiltration();
    EXPECT_EQ(b.m().Fit.FitFailAtrFilt, 0);
    EXPECT_TRUE(b.windows.messages.empty());
    EXPECT_NEAR(b.m().Condition.InherentFilterAl, target, 1e-6) << target;
  }
}

TEST(AtrFiltrationFit, UnreachableIndexEndsTheBoundedSearch)
{
  Bench b;
  SetIndex(b, 0.3);  // the hardest beam stays far below 0.74 now
  b.windows.fit_boxes[FitBox::MeasuredAtr] = "0.74";
  b.m().FitAtrByFiltration();
  EXPECT_EQ(b.m().Fit.FitFailAtrFilt, 1);
  EXPECT_EQ(b.m().Condition.InherentFilterAl, 0.25);
  EXPECT_TRUE(b.windows.box_writes.empty());
  ExpectOneMessage(b, kCannotFilt);
}

TEST(AtrFiltrationFit, ErrorsInTheModelEndWithTheFitMessage)
{
  Bench b;
  SetIndex(b, 0.5);
  b.m().Condition.TargetAngle = 0;
  b.windows.fit_boxes[FitBox::MeasuredAtr] = "0.6";
  b.m().FitAtrByFiltration();
  EXPECT_EQ(b.m().Fit.FitFailAtrFilt, 1);
  ExpectOneMessage(b, kCannotFilt);
}

TEST(AtrFiltrationFit, FailureOfTheClosingCalculationPutsTheUsersFiltrationBack)
{
  Bench b;
  SetIndex(b, 0.5);
  b.windows.main_boxes[MainBox::InherentFilter] = "2.5";
  b.windows.fit_boxes[FitBox::MeasuredAtr] = "0.55";
  std::filesystem::remove(b.folder.path() / "X_SPCTL.dat");
  std::filesystem::create_directory(b.folder.path() / "X_SPCTL.dat");
  b.m().FitAtrByFiltration();
  EXPECT_EQ(b.m().Fit.FitFailAtrFilt, 1);
  EXPECT_EQ(b.m().Condition.InherentFilterAl, 0.25);
  EXPECT_EQ(b.windows.main_boxes[MainBox::InherentFilter], "2.5");
  ExpectOneMessage(b, kCannotFilt);
}

Bench& AtVoltage(Bench& b, double kv, const std::string& target)
{
  b.m().Condition.TubeVoltage = kv;
  SetIndex(b, 0.5);
  b.windows.fit_boxes[FitBox::MeasuredAtr] = target;
  return b;
}

TEST(AtrVoltageFit, LimitsOfTheUpwardAndDownwardSearch)
{
  struct Case {
    double kv;
    const char* target;
    const char* text;
    bool up;
  };
  const Case cases[] = {
      {75, "0.99", " 管電圧が JIS規格の設定値＋10% を超え、正しく計算できません ", true},
      {140, "0.99", " 管電圧が規定の最大値(150kV)を超え、正しく計算できません ", true},
      {75, "0.01", " 管電圧が JIS規格の設定値-10%より小さくなり、正しく計算できません ", false},
      {32, "0.01", " 管電圧が規定の最小値(30kV)より小さくなり、正しく計算できません ", false},
  };
  for (const Case& c : cases) {
    Bench b;
    AtVoltage(b, c.kv, c.target);
    const double start = b.m().Result.AtrIndex;
    b.m().FitAtrByVoltageUp();
    EXPECT_EQ(b.m().Fit.FitFailAtrUp, c.up ? 1 : 0) << c.kv;
    EXPECT_EQ(b.m().Fit.FitFailAtrDown, c.up ? 0 : 1) << c.kv;
    EXPECT_EQ(b.m().Condition.TubeVoltage, c.kv);
    EXPECT_TRUE(b.windows.box_writes.empty());
    EXPECT_TRUE(b.windows.captions.empty());
    ExpectOneMessage(b, c.text);
    // The last index tried stays in AtrMeasured.
    if (c.up) {
      EXPECT_GT(b.m().Fit.AtrMeasured, start);
    } else {
      EXPECT_LT(b.m().Fit.AtrMeasured, start);
    }
  }
}

// The index of the first step from kv, as the fit computes it: a fit that is
// stopped by the next step's limit leaves it in AtrMeasured.
double FirstStepIndex(double kv, const char* beyond)
{
  Bench probe;
  AtVoltage(probe, kv, beyond);
  probe.m().FitAtrByVoltageUp();
  EXPECT_EQ(probe.windows.messages.size(), 1u);
  return probe.m().Fit.AtrMeasured;
}

// Set voltages from `first` in steps of 0.01 kV, with the index there and at
// the first step, until the two allow an exact tie (about half of all pairs
// of doubles do).
struct TieCase {
  double kv, h0, h1, tie;
};
TieCase FindTie(double first, const char* beyond)
{
  for (int k = 0; k < 20; ++k) {
    const double kv = first + 0.01 * k;
    const double h1 = FirstStepIndex(kv, beyond);
    Bench ref;
    AtVoltage(ref, kv, "");
    const double h0 = ref.m().Result.AtrIndex;
    const auto tie = h0 < h1 ? ExactMidpoint(h0, h1) : ExactMidpoint(h1, h0);
    if (tie) return {kv, h0, h1, *tie};
  }
  ADD_FAILURE() << "no set voltage gave an exact tie";
  return {first, 0, 0, 0};
}

TEST(AtrVoltageFit, UpwardEndsAtTheCloserVoltageAndTheLowerOnATie)
{
  // From 149.7 kV on the second step passes 150 kV, so the probe stops after one.
  const TieCase c = FindTie(149.7, "0.99");
  ASSERT_GT(c.h1, c.h0);

  Bench tied;
  AtVoltage(tied, c.kv, Exact(c.tie)).m().FitAtrByVoltageUp();
  EXPECT_EQ(tied.m().Fit.FitFailAtrUp, 0);
  EXPECT_NEAR(tied.m().Condition.TubeVoltage, c.kv, 1e-9);
  EXPECT_EQ(tied.windows.main_boxes[MainBox::TubeVoltage], Format(c.kv, "#00.0"));

  Bench closer;
  AtVoltage(closer, c.kv, Exact(c.h0 + 0.75 * (c.h1 - c.h0))).m().FitAtrByVoltageUp();
  EXPECT_NEAR(closer.m().Condition.TubeVoltage, c.kv + 0.2, 1e-9);
  EXPECT_NEAR(closer.m().Result.AtrIndex, c.h1, 1e-9);  // recomputed at the fitted voltage
}

TEST(AtrVoltageFit, DownwardEndsAtTheCloserVoltageAndTheHigherOnATie)
{
  // From 30.3 kV on the second step falls below 30 kV.
  const TieCase c = FindTie(30.3, "0.01");
  ASSERT_LT(c.h1, c.h0);

  Bench tied;
  AtVoltage(tied, c.kv, Exact(c.tie)).m().FitAtrByVoltageUp();
  EXPECT_EQ(tied.m().Fit.FitFailAtrDown, 0);
  EXPECT_NEAR(tied.m().Condition.TubeVoltage, c.kv, 1e-9);

  Bench closer;
  AtVoltage(closer, c.kv, Exact(c.h1 + 0.25 * (c.h0 - c.h1))).m().FitAtrByVoltageUp();
  EXPECT_NEAR(closer.m().Condition.TubeVoltage, c.kv - 0.2, 1e-9);
  EXPECT_EQ(closer.windows.main_boxes[MainBox::TubeVoltage], "30.1");
}

TEST(AtrVoltageFit, ErrorsEndWithTheVoltageFitsMessage)
{
  for (const char* target : {"0.99", "0.01"}) {
    Bench b;
    AtVoltage(b, 75, target);
    b.m().Condition.TargetAngle = 0;
    b.m().FitAtrByVoltageUp();
    const bool up = std::string(target) == "0.99";
    EXPECT_EQ(b.m().Fit.FitFailAtrUp, up ? 1 : 0);
    EXPECT_EQ(b.m().Fit.FitFailAtrDown, up ? 0 : 1);
    EXPECT_EQ(b.m().Condition.TubeVoltage, 75);
    ExpectOneMessage(b, kCannotVoltage);
  }
}

TEST(AtrFits, TheEnglishEditionHasNone)
{
  Bench b(Edition::English);
  EXPECT_THROW(b.m().FitAtrByFiltration(), std::logic_error);
  EXPECT_THROW(b.m().FitAtrByVoltageUp(), std::logic_error);
  EXPECT_THROW(b.m().FitAtrByVoltageDown(), std::logic_error);
}

}  // namespace
}  // namespace vorn::testing
