// The spectrum model and CalcSpectrum: bins, K lines, waveform sampling,
// normalisation, kerma ratio, half-value layer, effective energy, labels, the
// X_SPCTL.dat export and the errors.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "beam/x_spctl_export.h"
#include "platform/errors.h"
#include "platform/format/format.h"
#include "synthetic_tables.h"

namespace vorn::testing {
namespace {

constexpr double kModelPi = 3.14159;  // the system's value for degrees

std::vector<std::string> CrLfLines(const std::string& bytes)
{
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start) + "<no CR LF>");
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// Every result member is a finite number.
void ExpectFiniteResults(const CalculationResult& r)
{
  for (double v : {r.OutputAt1m, r.KermaRatio, r.Hvl1, r.EffectiveEnergy, r.AtrIndex,
                   r.ConvFactorSoft, r.ConvFactorSkin, r.ConvFactorAir, r.BsfSoft, r.BsfSkin,
                   r.BsfAir, r.EntranceSurfaceDoseSoft, r.EntranceSurfaceDoseSkin,
                   r.EntranceSurfaceDoseAir}) {
    EXPECT_TRUE(std::isfinite(v));
  }
}

// An optional filter that lets through bin k only: a monoenergetic beam.
void IsolateBin(BeamCalculation& m, int k)
{
  m.OtherFilter.OtherFilterOn = 1;
  m.OtherFilter.OtherFilterThickness = 1.0;
  for (int i = 1; i <= kLastBin; ++i) m.OtherFilter.OtherFilterMu[i] = (i == k) ? 0.0 : 1e4;
}

TEST(SpectrumBins, TwiceTheVoltageStaysEmptyInEveryWaveform)
{
  // The sample at 90 degrees lies just below the tube voltage (pi taken as
  // 3.14159), so a voltage on the 0.5 kV grid never reaches its own bin.
  for (const double kv : {75.0, 75.5}) {
    for (const int waveform : {0, 1, 2, 3}) {
      Bench b;
      b.m().Condition.TubeVoltage = kv;
      b.m().Condition.RectificationType = waveform;
      b.m().CalcSpectrum();
      const int top = static_cast<int>(2 * kv);
      EXPECT_EQ(b.m().Spectrum[top], 0.0) << kv << " kV, waveform " << waveform;
      EXPECT_GT(b.m().Spectrum[top - 1], 0.0) << kv << " kV, waveform " << waveform;
      EXPECT_EQ(b.m().Spectrum[1], 0.0);
      for (int i = top + 1; i <= kLastBin; ++i) EXPECT_EQ(b.m().Spectrum[i], 0.0);
    }
  }
  Bench b;
  b.m().CalcSpectrum();
  const auto lines = CrLfLines(ReadBytes(b.folder.path() / "X_SPCTL.dat"));
  ASSERT_EQ(lines.size(), 300u);
  EXPECT_EQ(lines[149], "0075.0, 0.00000");
}

TEST(SpectrumKLines, NoneAtSeventyKvAndTheYieldAboveIt)
{
  // Excess of a bin over the mean of its neighbours: the smooth
  // bremsstrahlung cancels to well below 0.1 % of the bin.
  const auto excess = [](const EnergyBinArray& s, int i) {
    return s[i] - 0.5 * (s[i - 1] + s[i + 1]);
  };

  Bench at70;
  at70.m().Condition.TubeVoltage = 70;
  at70.m().CalcSpectrum();
  double mean70 = 0;
  for (int i = 2; i <= 139; ++i) mean70 += at70.m().BremsBins[i] / 138;
  for (const int line : {116, 119, 134, 138}) {
    // The smallest line at 80 kV is about 0.09 of a mean bin.
    EXPECT_LT(std::abs(excess(at70.m().BremsBins, line)), 1e-3 * mean70) << line;
  }

  Bench at80;
  at80.m().Condition.TubeVoltage = 80;
  at80.m().CalcSpectrum();
  const EnergyBinArray& brems = at80.m().BremsBins;
  const double V = 80 * std::sin(90 * kModelPi / 180);
  // Published K-line yield of the model, % of the bremsstrahlung.
  const double yield = (std::sqrt(8.79856 * V - 595.149) - 4.55528) / 4.39928;
  EXPECT_NEAR(yield, 1.335, 0.001);
  double total = 0;  // bremsstrahlung plus the lines, which add up to K
  for (int i = 2; i <= 159; ++i) total += brems[i];
  const double K = 0.01 * yield * total / (1 + 0.01 * yield);
  EXPECT_NEAR(excess(brems, 119), 0.5048 * K, 0.01 * 0.5048 * K);
  EXPECT_NEAR(excess(brems, 116), 0.2908 * K, 0.01 * 0.2908 * K);
  EXPECT_NEAR(excess(brems, 134), 0.162 * K, 0.01 * 0.162 * K);
  EXPECT_NEAR(excess(brems, 138), 0.0424 * K, 0.02 * 0.0424 * K);
}

// The waveforms rebuilt from constant-potential runs, one per phase angle:
// Spectrum(i) must be proportional to the sum over the samples of weight x
// tube spectrum, times the filtration's transmission, divided by E.
void ExpectWaveformIsSumOfSamples(int waveform, double kv, std::vector<int> phis,
                                  bool singlePhaseWeights)
{
  Bench b;
  BeamCalculation& m = b.m();
  m.Condition.TubeVoltage = kv;
  m.Condition.RectificationType = waveform;
  m.CalcSpectrum();
  const double filtration = m.Condition.InherentFilterAl + m.Condition.AddedFilterAl;

  std::vector<double> expected(kLastBin + 1, 0.0);
  const double s90 = std::sin(90 * kModelPi / 180);
  int samplesWithLines = 0;
  for (const int phi : phis) {
    const double s = std::sin(phi * kModelPi / 180);
    const double w = singlePhaseWeights ? std::pow(std::min(s / 0.75, 1.0), 1.5) : 1.0;
    const double V = kv * s;
    if (V > 70) ++samplesWithLines;
    Bench one;
    one.m().Condition.TubeVoltage = V / s90;  // constant potential sampled at V
    try {
      one.m().CalcSpectrum();  // the tube spectrum comes first; a low sample may fail later
    } catch (const CalcError&) {
    }
    for (int i = 2; i <= 2 * V; ++i) {
      expected[i] +=
          w * one.m().BremsBins[i] * std::exp(-filtration * m.Attenuation.MuAl[i]) / (0.5 * i);
    }
  }
  double sum = 0;
  for (int i = 2; i <= 2 * kv; ++i) sum += expected[i];
  for (int i = 2; i <= 2 * kv; ++i) {
    const double e = expected[i] / sum;
    if (e > 1e-8) {
      EXPECT_NEAR(m.Spectrum[i], e, 1e-9 * e) << "bin " << i;
    }
  }
  if (kv == 80 && waveform == kSinglePhaseFullWave) {
    EXPECT_EQ(samplesWithLines, 15);  // 62 .. 90 degrees: 80 sin(phi) > 70
  }
}

std::vector<int> Angles(int from, int to, int step)
{
  std::vector<int> a;
  for (int phi = from; phi <= to; phi += step) a.push_back(phi);
  return a;
}

TEST(SpectrumWaveform, SinglePhaseSamplesEveryTwoDegreesWithCurrentWeights)
{
  ExpectWaveformIsSumOfSamples(kSinglePhaseFullWave, 80, Angles(2, 90, 2), true);
}

TEST(SpectrumWaveform, ThreePhaseSamplesSeventyFiveToNinetyDegrees)
{
  ExpectWaveformIsSumOfSamples(kThreePhase12Peak, 80, Angles(75, 90, 1), false);
}

TEST(SpectrumWaveform, OtherCodesUseTheSinglePhaseAnglesUnweighted)
{
  ExpectWaveformIsSumOfSamples(0, 80, Angles(2, 90, 2), false);
}

TEST(SpectrumKermaRatio, OneAtTheOutputDataFiltrationAndTheFilterTransmissionOtherwise)
{
  Bench b;
  BeamCalculation& m = b.m();
  m.Output.OutputFilterAl[1] = m.Condition.InherentFilterAl + m.Condition.AddedFilterAl;
  m.Condition.AddedFilterCu = 0.01;
  m.Output.OutputFilterCu[1] = 0.01;
  m.CalcSpectrum();
  EXPECT_EQ(m.Result.KermaRatio, 1.0);

  // An optional filter with the same coefficient at every energy transmits
  // exp(-mu t) of every bin; it never enters the output data's kerma.
  m.OtherFilter.OtherFilterOn = 1;
  m.OtherFilter.OtherFilterThickness = 0.2;
  m.OtherFilter.OtherFilterMu.fill(1.5);
  m.CalcSpectrum();
  EXPECT_NEAR(m.Result.KermaRatio, std::exp(-0.3), 1e-12);

  // A flag other than 1 ignores the filter entirely.
  m.OtherFilter.OtherFilterOn = 2;
  m.CalcSpectrum();
  EXPECT_EQ(m.Result.KermaRatio, 1.0);
}

TEST(SpectrumNormalisation, SumsToOneAndStoresTinyValuesAsZero)
{
  Bench b;
  BeamCalculation& m = b.m();
  m.CalcSpectrum();
  // Independent route: photons per bin are the air kerma per bin divided by
  // E x MuenAir, before the floor is applied.
  std::vector<double> photons(kLastBin + 1, 0.0);
  double total = 0;
  for (int i = 2; i <= 150; ++i) {
    photons[i] = m.KermaSpectrum[i] / (0.5 * i * m.Attenuation.MuenAir[i]);
    total += photons[i];
  }
  int tiny = 0;
  double sum = 0;
  for (int i = 2; i <= 150; ++i) {
    const double p = photons[i] / total;
    sum += m.Spectrum[i];
    if (p < 1e-10 * (1 - 1e-9)) {
      EXPECT_EQ(m.Spectrum[i], 0.0) << "bin " << i;
      if (p > 0) ++tiny;
    } else if (p > 1e-10 * (1 + 1e-9)) {
      EXPECT_NEAR(m.Spectrum[i], p, 1e-9 * p) << "bin " << i;
    }
  }
  EXPECT_GT(tiny, 0) << "no bin fell between 0 and 1e-10";
  EXPECT_NEAR(sum, 1.0, 1e-9);
  EXPECT_EQ(m.Spectrum[1], 0.0);
}

TEST(SpectrumQuality, MonoenergeticBeamHasTheHalfValueLayerLn2OverMu)
{
  Bench b;
  BeamCalculation& m = b.m();
  IsolateBin(m, 80);  // 40 keV
  m.CalcSpectrum();
  const double mu = m.Attenuation.MuAl[80];
  // 2.699 x (0.15 + 26000 / 40^3) = 1.50132 1/cm; ln 2 / mu = 0.46169 cm.
  EXPECT_NEAR(mu, 1.50132, 1e-5);
  EXPECT_NEAR(m.Result.Hvl1, std::log(2.0) / mu, 1e-12);
  EXPECT_NEAR(m.Result.EffectiveEnergy, 40.0, 1e-4);
  EXPECT_EQ(m.Spectrum[80], 1.0);
  EXPECT_EQ(b.windows.CaptionOf(ResultLabel::Hvl), "4.617");
  EXPECT_EQ(b.windows.CaptionOf(ResultLabel::EffectiveEnergy), "40.00");
  // Behind-plate to free-in-air weight of the bin: 1.2 exp(-2 x 1.19 x
  // (0.16 + 5000 / 40^3)) = 0.68085.
  EXPECT_NEAR(m.Result.AtrIndex, 0.68085, 1e-5);
  EXPECT_EQ(b.windows.CaptionOf(ResultLabel::AtrIndex), "0.681");
}

TEST(SpectrumQuality, HalfValueLayerMatchesTheKermaSpectrumSolvedDirectly)
{
  for (const int waveform : {1, 3}) {
    Bench b;
    BeamCalculation& m = b.m();
    m.Condition.RectificationType = waveform;
    m.Condition.AddedFilterCu = 0.01;
    m.CalcSpectrum();
    // Bisection on the transmission of the normalised kerma spectrum.
    const auto transmission = [&](double x) {
      double t = 0;
      for (int i = 2; i <= 150; ++i) t += m.KermaSpectrum[i] * std::exp(-m.Attenuation.MuAl[i] * x);
      return t;
    };
    double lo = 0, hi = 3;
    for (int k = 0; k < 100; ++k) {
      const double mid = 0.5 * (lo + hi);
      (transmission(mid) > 0.5 ? lo : hi) = mid;
    }
    EXPECT_NEAR(m.Result.Hvl1, lo, 1e-5) << "waveform " << waveform;
    EXPECT_GT(m.Result.Hvl1, 0.1);
  }
}

TEST(SpectrumQuality, EffectiveEnergyIsExactForAPowerLawCoefficient)
{
  // With MuAl = c E^-3 the log-log interpolation is exact:
  // E_eff = (c Hvl1 / 0.693147)^(1/3).
  Bench b;
  BeamCalculation& m = b.m();
  const double c = 2.699 * 2.6e4;
  for (int i = 1; i <= kLastBin; ++i) m.Attenuation.MuAl[i] = c * std::pow(0.5 * i, -3.0);
  m.CalcSpectrum();
  EXPECT_NEAR(m.Result.EffectiveEnergy, std::cbrt(c * m.Result.Hvl1 / 0.693147), 1e-9);
  EXPECT_GT(m.Result.EffectiveEnergy, 20);
  EXPECT_LT(m.Result.EffectiveEnergy, 60);
}

TEST(SpectrumLabels, JapaneseShowsThreeEnglishTwoAndKeepsTheAtrIndex)
{
  Bench ja;
  ja.m().CalcSpectrum();
  ASSERT_EQ(ja.windows.captions.size(), 3u);
  EXPECT_EQ(ja.windows.captions[0].label, ResultLabel::Hvl);
  EXPECT_EQ(ja.windows.captions[1].label, ResultLabel::EffectiveEnergy);
  EXPECT_EQ(ja.windows.captions[2].label, ResultLabel::AtrIndex);
  EXPECT_EQ(ja.windows.captions[0].text, Format(10 * ja.m().Result.Hvl1, "#0.000"));

  Bench en(Edition::English);
  en.m().Atr = AtrData{};  // the English edition loads no ATR table
  en.m().Result.AtrIndex = 0.123;
  en.m().CalcSpectrum();
  ASSERT_EQ(en.windows.captions.size(), 2u);
  EXPECT_EQ(en.windows.captions[0].label, ResultLabel::Hvl);
  EXPECT_EQ(en.windows.captions[1].label, ResultLabel::EffectiveEnergy);
  EXPECT_EQ(en.m().Result.AtrIndex, 0.123);
  EXPECT_EQ(en.m().Result.Hvl1, ja.m().Result.Hvl1);
}

TEST(SpectrumExport, ThreeHundredCrLfLinesOfEnergyAndValue)
{
  Bench b;
  IsolateBin(b.m(), 80);
  b.m().CalcSpectrum();
  const std::string bytes = ReadBytes(b.folder.path() / kSpectrumExportFileName);
  const auto lines = CrLfLines(bytes);
  ASSERT_EQ(lines.size(), 300u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(lines.front(), "0000.5, 0.00000");
  EXPECT_EQ(lines[79], "0040.0, 1.00000");
  EXPECT_EQ(lines.back(), "0150.0, 0.00000");

  Bench poly;
  poly.m().CalcSpectrum();
  const auto polyLines = CrLfLines(ReadBytes(poly.folder.path() / kSpectrumExportFileName));
  ASSERT_EQ(polyLines.size(), 300u);
  const std::regex shape(R"(\d{4}\.\d, \d\.\d{5})");
  for (int i = 1; i <= 300; ++i) {
    const std::string& line = polyLines[i - 1];
    ASSERT_TRUE(std::regex_match(line, shape)) << line;
    EXPECT_NEAR(std::stod(line.substr(0, 6)), 0.5 * i, 1e-12);
    EXPECT_NEAR(std::stod(line.substr(8)), poly.m().Spectrum[i], 5.0000001e-6) << line;
  }
}

TEST(SpectrumErrors, EveryModelLimitRaisesAndLeavesFiniteResults)
{
  struct Case {
    const char* name;
    void (*change)(BeamCalculation&);
  };
  const Case cases[] = {
      {"target angle 0", [](BeamCalculation& m) { m.Condition.TargetAngle = 0; }},
      {"150.5 kV", [](BeamCalculation& m) { m.Condition.TubeVoltage = 150.5; }},
      {"0.8 kV", [](BeamCalculation& m) { m.Condition.TubeVoltage = 0.8; }},
      {"1 kV", [](BeamCalculation& m) { m.Condition.TubeVoltage = 1.0; }},
      {"rectification 5", [](BeamCalculation& m) { m.Condition.RectificationType = 5; }},
      {"HVL beyond 3 cm", [](BeamCalculation& m) { m.Attenuation.MuAl.fill(0.1); }},
      {"effective energy beyond 150 keV",
       [](BeamCalculation& m) {
         for (int i = 1; i <= kLastBin; ++i) m.Attenuation.MuAl[i] = i <= 150 ? 1.0 : 2.0;
       }},
      {"ATR weights 0 (Japanese edition)", [](BeamCalculation& m) { m.Atr = AtrData{}; }},
      {"negative filtration overflow", [](BeamCalculation& m) { m.Condition.InherentFilterAl = -1.0; }},
  };
  for (const Case& c : cases) {
    Bench b;
    b.m().CalcSpectrum();
    b.windows.Clear();
    c.change(b.m());
    EXPECT_THROW(b.m().CalcSpectrum(), CalcError) << c.name;
    EXPECT_TRUE(b.windows.captions.empty()) << c.name << ": labels keep their captions";
    ExpectFiniteResults(b.m().Result);
  }
}

TEST(SpectrumErrors, ExportThatCannotBeWrittenRaisesFileError)
{
  Bench b;
  std::filesystem::create_directory(b.folder.path() / kSpectrumExportFileName);
  EXPECT_THROW(b.m().CalcSpectrum(), FileError);
}

TEST(SpectrumErrors, OneHundredFiftyKvIsTheLastVoltage)
{
  Bench b;
  b.m().Condition.TubeVoltage = 150;
  b.m().CalcSpectrum();
  EXPECT_EQ(b.m().Spectrum[300], 0.0);
  EXPECT_GT(b.m().Spectrum[299], 0.0);
  EXPECT_GT(b.m().Spectrum[119], b.m().Spectrum[118]);  // K line
}

}  // namespace
}  // namespace vorn::testing
