// The exposure at 1 m from the output table.

#include <gtest/gtest.h>

#include "beam/output_data.h"
#include "platform/errors.h"
#include "synthetic_tables.h"

namespace vorn::testing {
namespace {

// 2.58E-7 C/kg per mAs x (kV / 80)^2 for constant potential (synthetic table).
double TableOutput(double kv) { return 2.58e-7 * (kv / 80) * (kv / 80); }

class ExposureTest : public ::testing::Test {
protected:
  void SetUp() override { b.m().Result.KermaRatio = 1.0; }
  Bench b;
  BeamCalculation& m() { return b.m(); }
};

TEST_F(ExposureTest, AVoltageOnAPointGivesThatPointsOutput)
{
  m().Condition.TubeVoltage = 80;
  m().CalcExposureFromOutput();
  // 200 mA x 0.05 s = 10 mAs.
  EXPECT_DOUBLE_EQ(m().Result.OutputAt1m, 10 * TableOutput(80));
  EXPECT_EQ(b.windows.CaptionOf(ResultLabel::ExposureAt1m), "2.58E-6");

  m().Condition.TubeVoltage = 40;  // point 1: the search stops at point 2, fraction 0
  m().CalcExposureFromOutput();
  EXPECT_DOUBLE_EQ(m().Result.OutputAt1m, 10 * TableOutput(40));

  m().Condition.TubeVoltage = 150;  // the last point
  m().CalcExposureFromOutput();
  EXPECT_DOUBLE_EQ(m().Result.OutputAt1m, 10 * TableOutput(150));
}

TEST_F(ExposureTest, InterpolatesLinearlyAndExtrapolatesBelowTheFirstPoint)
{
  m().Condition.TubeVoltage = 75;  // half-way between 70 and 80 kV
  m().CalcExposureFromOutput();
  EXPECT_NEAR(m().Result.OutputAt1m, 10 * 0.5 * (TableOutput(70) + TableOutput(80)), 1e-18);

  m().Condition.TubeVoltage = 35;
  m().CalcExposureFromOutput();
  EXPECT_NEAR(m().Result.OutputAt1m,
              10 * (TableOutput(40) - 0.5 * (TableOutput(50) - TableOutput(40))), 1e-18);
}

TEST_F(ExposureTest, KermaRatioCurrentTimeAndRectificationRow)
{
  m().Condition.TubeVoltage = 80;
  m().Condition.TubeCurrent = 100;
  m().Condition.ExposureTime = 0.2;
  m().Result.KermaRatio = 0.8;
  m().Condition.RectificationType = kSinglePhaseFullWave;  // row 4: 0.7 x constant potential
  m().CalcExposureFromOutput();
  EXPECT_NEAR(m().Result.OutputAt1m, 0.7 * TableOutput(80) * 0.8 * 20, 1e-18);
}

TEST_F(ExposureTest, MeasuredExposureIsLeftAlone)
{
  m().Condition.OutputSource = kMeasuredExposure;
  m().Result.OutputAt1m = 3.3e-5;
  m().CalcExposureFromOutput();
  EXPECT_EQ(m().Result.OutputAt1m, 3.3e-5);
  EXPECT_TRUE(b.windows.captions.empty());
}

TEST_F(ExposureTest, VoltageBeyondTheTableAndRepeatedVoltagesRaise)
{
  m().Condition.TubeVoltage = 80;
  m().CalcExposureFromOutput();
  const double before = m().Result.OutputAt1m;
  b.windows.Clear();

  m().Condition.TubeVoltage = 150.1;
  try {
    m().CalcExposureFromOutput();
    FAIL() << "no error above the last point";
  } catch (const CalcError& e) {
    EXPECT_NE(std::string(e.what()).find("150 kV"), std::string::npos) << e.what();
  }
  EXPECT_EQ(m().Result.OutputAt1m, before);
  EXPECT_TRUE(b.windows.captions.empty());

  m().Output.OutputTable(1, 2) = m().Output.OutputTable(1, 1);
  m().Condition.TubeVoltage = 40;
  EXPECT_THROW(m().CalcExposureFromOutput(), CalcError);
  EXPECT_EQ(m().Result.OutputAt1m, before);

  m().Condition.RectificationType = 0;
  EXPECT_THROW(m().CalcExposureFromOutput(), CalcError);
}

TEST_F(ExposureTest, NoExposureOfZeroOrLessPassesBelowTheFirstPoint)
{
  // The line through 40 and 50 kV, 2.58E-7 x (kV / 80)^2, crosses zero at
  // 40 - 10 x 1600 / 900 = 22.22 kV: above it a small exposure, below it
  // none at all.
  m().Condition.TubeVoltage = 23;
  m().CalcExposureFromOutput();
  EXPECT_GT(m().Result.OutputAt1m, 0.0);
  const double before = m().Result.OutputAt1m;
  b.windows.Clear();
  for (const double kv : {22.2, 20.0, 1.0}) {
    m().Condition.TubeVoltage = kv;
    EXPECT_THROW(m().CalcExposureFromOutput(), VoltageBelowOutputData) << kv;
  }
  EXPECT_EQ(m().Result.OutputAt1m, before);
  EXPECT_TRUE(b.windows.captions.empty());

  // A table with no output at a voltage inside it fails, but not as a voltage below the data.
  m().Output.OutputTable(2, 4) = 0.0;  // 70 kV
  m().Condition.TubeVoltage = 70;
  try {
    m().CalcExposureFromOutput();
    FAIL() << "an exposure of 0 passed";
  } catch (const VoltageBelowOutputData&) {
    FAIL() << "70 kV lies inside the table";
  } catch (const CalcError&) {
  }
}

TEST_F(ExposureTest, FollowsTheKermaRatioOfTheSpectrum)
{
  // With the condition's filtration equal to the table's, the ratio is 1 and
  // the exposure is the table's value times mAs.
  m().Output.OutputFilterAl[1] = m().Condition.InherentFilterAl + m().Condition.AddedFilterAl;
  m().CalcSpectrum();
  m().CalcExposureFromOutput();
  EXPECT_NEAR(m().Result.OutputAt1m, 10 * 0.5 * (TableOutput(70) + TableOutput(80)), 1e-18);
}

}  // namespace
}  // namespace vorn::testing
