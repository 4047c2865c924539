// Conversion factors, flat-surface backscatter factors and entrance surface
// doses.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "beam/field_rings.h"
#include "platform/errors.h"
#include "synthetic_tables.h"

namespace vorn::testing {
namespace {

// A beam of 50 keV photons only (bin 100, grid column 11), with tables chosen
// so that the soft-tissue factors are those of the worked example: BSF 1.3,
// conversion factor 36.5 Gy per C/kg; skin BSF 1.2 and factor 35; air BSF 1.
void SetWorkedExample(BeamCalculation& m)
{
  m.Spectrum.fill(0.0);
  m.KermaSpectrum.fill(0.0);
  m.Spectrum[100] = 1.0;
  m.KermaSpectrum[100] = 1.0;
  m.Attenuation.MuenSoft[100] = m.Attenuation.MuenAir[100] * 36.5 / 33.97;
  m.Attenuation.MuenSkin[100] = m.Attenuation.MuenAir[100] * 35.0 / 33.97;
  m.DiffBsf.DbsfSoftDose = DbsfTable{};
  m.DiffBsf.DbsfSkinDose = DbsfTable{};
  m.DiffBsf.DbsfAirDose = DbsfTable{};
  const double g1 = 1e4 / (1e4 + 0.05 * 0.05);  // ring 1 at FSD 100
  m.DiffBsf.DbsfSoftDose(0, 11, 1) = 0.3 / g1;
  m.DiffBsf.DbsfSkinDose(0, 11, 1) = 0.2 / g1;
  m.Condition.FFD = 100;
  m.Condition.FSD = 100;
  m.Condition.FieldLength = 1;
  m.Condition.FieldWidth = 1;
  m.Result.OutputAt1m = 2.58e-4;
}

TEST(SurfaceDose, WorkedExampleGivesTwelvePointTwoFourMilligray)
{
  Bench b;
  BeamCalculation& m = b.m();
  SetWorkedExample(m);
  m.CalcBsfAndSurfaceDose();
  EXPECT_NEAR(m.Result.ConvFactorSoft, 36.5, 1e-12);
  EXPECT_NEAR(m.Result.ConvFactorSkin, 35.0, 1e-12);
  EXPECT_NEAR(m.Result.ConvFactorAir, 33.97, 1e-12);
  EXPECT_NEAR(m.Result.BsfSoft, 1.3, 1e-12);
  EXPECT_NEAR(m.Result.BsfSkin, 1.2, 1e-12);
  EXPECT_NEAR(m.Result.BsfAir, 1.0, 1e-12);
  // 1000 x 1.3 x 36.5 x 2.58E-4 x 10000 / 100^2 = 12.2421 mGy.
  EXPECT_NEAR(m.Result.EntranceSurfaceDoseSoft, 12.2421, 1e-9);
  EXPECT_NEAR(m.Result.EntranceSurfaceDoseSkin, 10.836, 1e-9);
  EXPECT_NEAR(m.Result.EntranceSurfaceDoseAir, 8.764260, 1e-9);

  const std::vector<std::pair<ResultLabel, std::string>> expected = {
      {ResultLabel::ConvFactorSoft, "36.50"}, {ResultLabel::ConvFactorSkin, "35.00"},
      {ResultLabel::BsfSoft, "1.300"}, {ResultLabel::BsfAir, "1.000"},
      {ResultLabel::BsfSkin, "1.200"}, {ResultLabel::SurfaceDoseSoft, "12.24"},
      {ResultLabel::SurfaceDoseSkin, "10.84"}, {ResultLabel::SurfaceDoseAir, "8.76"}};
  ASSERT_EQ(b.windows.captions.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(b.windows.captions[i].label, expected[i].first) << i;
    EXPECT_EQ(b.windows.captions[i].text, expected[i].second) << i;
  }
}

TEST(SurfaceDose, DoseFallsWithTheSquareOfTheFocusSkinDistance)
{
  Bench b;
  BeamCalculation& m = b.m();
  SetWorkedExample(m);
  m.CalcBsfAndSurfaceDose();
  const double at100 = m.Result.EntranceSurfaceDoseAir;
  m.Condition.FSD = 50;
  m.Condition.FFD = 50;
  m.CalcBsfAndSurfaceDose();
  EXPECT_NEAR(m.Result.EntranceSurfaceDoseAir, 4 * at100, 1e-9);
}

TEST(SurfaceDose, ConversionFactorsStartAtTwoAndAHalfKev)
{
  Bench b;
  BeamCalculation& m = b.m();
  SetWorkedExample(m);
  m.KermaSpectrum[2] = m.KermaSpectrum[3] = m.KermaSpectrum[4] = 0.1;
  m.KermaSpectrum[100] = 0.7;
  m.CalcBsfAndSurfaceDose();
  EXPECT_NEAR(m.Result.ConvFactorAir, 33.97 * 0.7, 1e-12);
  EXPECT_NEAR(m.Result.ConvFactorSoft, 36.5 * 0.7, 1e-12);
}

TEST(SurfaceDose, GridEnergiesAndInterpolationBetweenThem)
{
  Bench b;
  BeamCalculation& m = b.m();
  m.Condition.FieldLength = 20;
  m.Condition.FieldWidth = 20;
  m.Spectrum.fill(0.0);
  m.Spectrum[100] = 1.0;  // exactly 50 keV: column 11's value, none of column 12's
  m.CalcBsfAndSurfaceDose();
  EXPECT_DOUBLE_EQ(m.Result.BsfSoft, m.BsfAtGridSoft(0, 11));

  m.Spectrum[100] = 0.0;
  m.Spectrum[101] = 1.0;  // 50.5 keV: a tenth of the way to 55 keV
  m.CalcBsfAndSurfaceDose();
  const double g11 = m.BsfAtGridSoft(0, 11);
  const double g12 = m.BsfAtGridSoft(0, 12);
  EXPECT_NEAR(m.Result.BsfSoft, g11 + 0.1 * (g12 - g11), 1e-12);

  // The grid value is 1 plus the field's ring sum of the column.
  const RingWeights rings = RectangularFieldRings(20, 20, 100, 80);
  EXPECT_DOUBLE_EQ(g11, 1 + RingSum(rings, m.DiffBsf.DbsfSoftDose, 0, 11));
  EXPECT_GT(g12, g11);
}

TEST(SurfaceDose, LastGridColumnIsTheFirstAtOrAboveTheVoltage)
{
  for (const auto& [kv, J] : {std::pair{75.0, 16}, std::pair{77.0, 17}}) {
    Bench b;
    BeamCalculation& m = b.m();
    m.Condition.TubeVoltage = kv;
    m.CalcSpectrum();
    for (int j = 0; j <= kLastGridColumn; ++j) m.BsfAtGridAir(0, j) = -7.0;
    m.CalcBsfAndSurfaceDose();
    for (int j = 1; j <= J; ++j) EXPECT_NE(m.BsfAtGridAir(0, j), -7.0) << kv << " kV, column " << j;
    for (int j = J + 1; j <= kLastGridColumn; ++j) {
      EXPECT_EQ(m.BsfAtGridAir(0, j), -7.0) << kv << " kV, column " << j;
    }
  }
}

TEST(SurfaceDose, HeadPhantomUsesItsOwnTablesAndRow)
{
  Bench b;
  BeamCalculation& m = b.m();
  m.CalcSpectrum();
  m.CalcBsfAndSurfaceDose();
  const double body = m.Result.BsfSoft;
  const double bodyColumn = m.BsfAtGridSoft(0, 11);
  m.Phantom.HeadFlag = 1;
  m.CalcBsfAndSurfaceDose();
  EXPECT_LT(m.Result.BsfSoft, body);  // the synthetic head tables are 0.8 x the body's
  EXPECT_NEAR(m.Result.BsfSoft - 1, 0.8 * (body - 1), 1e-12);
  EXPECT_EQ(m.BsfAtGridSoft(0, 11), bodyColumn);
  EXPECT_NE(m.BsfAtGridSoft(1, 11), 0.0);
}

TEST(SurfaceDose, CircularFieldsBelowTwoMillimetresHaveNoBackscatter)
{
  Bench b;
  BeamCalculation& m = b.m();
  m.Condition.FieldShape = kCircularField;
  m.Condition.FieldLength = 0.2;  // 0.16 cm at the skin
  m.Condition.FieldWidth = FieldSide::Dash();  // not used for a circle
  m.CalcSpectrum();
  m.CalcBsfAndSurfaceDose();
  EXPECT_NEAR(m.Result.BsfSoft, 1.0, 1e-12);
  EXPECT_NEAR(m.Result.BsfSkin, 1.0, 1e-12);
  EXPECT_NEAR(m.Result.BsfAir, 1.0, 1e-12);
  EXPECT_EQ(b.windows.CaptionOf(ResultLabel::BsfSoft), "1.000");
}

TEST(SurfaceDose, BackscatterGrowsWithTheFieldAndIsPlausible)
{
  double previous = 1.0;
  for (const double side : {5.0, 10.0, 20.0, 35.0}) {
    Bench b;
    BeamCalculation& m = b.m();
    m.Condition.FieldLength = side;
    m.Condition.FieldWidth = side;
    m.CalcSpectrum();
    m.CalcExposureFromOutput();
    m.CalcBsfAndSurfaceDose();
    EXPECT_GT(m.Result.BsfSoft, previous) << side;
    previous = m.Result.BsfSoft;
    EXPECT_GT(m.Result.EntranceSurfaceDoseSoft, 0.0);
    // Dose = 1000 BSF f X 10000 / FSD^2 for each medium.
    EXPECT_NEAR(m.Result.EntranceSurfaceDoseSkin,
                1000 * m.Result.BsfSkin * m.Result.ConvFactorSkin * m.Result.OutputAt1m * 10000 /
                    (80.0 * 80.0),
                1e-12);
  }
  EXPECT_LT(previous, 1.45);
}

TEST(SurfaceDose, FullCalculationWritesEveryLabelOnceInOrder)
{
  Bench b;
  BeamCalculation& m = b.m();
  m.CalcSpectrum();
  m.CalcExposureFromOutput();
  m.CalcBsfAndSurfaceDose();
  const ResultLabel order[] = {ResultLabel::Hvl, ResultLabel::EffectiveEnergy, ResultLabel::AtrIndex,
                               ResultLabel::ExposureAt1m, ResultLabel::ConvFactorSoft, ResultLabel::ConvFactorSkin,
                               ResultLabel::BsfSoft, ResultLabel::BsfAir, ResultLabel::BsfSkin,
                               ResultLabel::SurfaceDoseSoft, ResultLabel::SurfaceDoseSkin, ResultLabel::SurfaceDoseAir};
  ASSERT_EQ(b.windows.captions.size(), std::size(order));
  for (std::size_t i = 0; i < std::size(order); ++i) {
    EXPECT_EQ(b.windows.captions[i].label, order[i]) << i;
    EXPECT_FALSE(b.windows.captions[i].text.empty());
  }
}

TEST(SurfaceDoseErrors, EachLimitRaisesAfterWhatWasAlreadyShown)
{
  struct Case {
    const char* name;
    void (*change)(BeamCalculation&);
    std::size_t labelsShown;  // captions written before the error
    const char* inMessage;
  };
  const Case cases[] = {
      {"FFD 0", [](BeamCalculation& m) { m.Condition.FFD = 0; }, 2, "FFD"},
      {"FSD 0", [](BeamCalculation& m) { m.Condition.FSD = 0; }, 5, "FSD"},
      {"no spectrum", [](BeamCalculation& m) { m.Spectrum.fill(0.0); }, 2, "sum to 0"},
      {"field length dash", [](BeamCalculation& m) { m.Condition.FieldLength = FieldSide::Dash(); }, 2,
       "FieldLength"},
      {"field width dash", [](BeamCalculation& m) { m.Condition.FieldWidth = FieldSide::Dash(); }, 2,
       "FieldWidth"},
      {"head flag 2", [](BeamCalculation& m) { m.Phantom.HeadFlag = 2; }, 2, "HeadFlag"},
      {"150.5 kV", [](BeamCalculation& m) { m.Condition.TubeVoltage = 150.5; }, 0, "150"},
      {"weight at 150 keV",
       [](BeamCalculation& m) {
         m.Condition.TubeVoltage = 150;
         m.Spectrum[300] = 0.01;
       },
       2, "150 keV"},
  };
  for (const Case& c : cases) {
    Bench b;
    BeamCalculation& m = b.m();
    m.CalcSpectrum();
    m.CalcExposureFromOutput();
    m.CalcBsfAndSurfaceDose();
    const CalculationResult before = m.Result;
    b.windows.Clear();
    c.change(m);
    try {
      m.CalcBsfAndSurfaceDose();
      ADD_FAILURE() << c.name << ": no error";
    } catch (const CalcError& e) {
      EXPECT_NE(std::string(e.what()).find(c.inMessage), std::string::npos)
          << c.name << ": " << e.what();
    }
    EXPECT_EQ(b.windows.captions.size(), c.labelsShown) << c.name;
    for (double v : {m.Result.BsfSoft, m.Result.BsfSkin, m.Result.BsfAir,
                     m.Result.EntranceSurfaceDoseSoft, m.Result.EntranceSurfaceDoseSkin,
                     m.Result.EntranceSurfaceDoseAir, m.Result.ConvFactorSoft}) {
      EXPECT_TRUE(std::isfinite(v)) << c.name;
    }
    EXPECT_EQ(m.Result.EntranceSurfaceDoseSoft, before.EntranceSurfaceDoseSoft) << c.name;
  }
}

}  // namespace
}  // namespace vorn::testing
