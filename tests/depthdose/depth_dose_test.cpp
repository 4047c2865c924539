// The depth-dose computation on synthetic tables whose sums can be worked by hand.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "platform/format/format.h"
#include "tests/depthdose/pdd_fixture.h"

namespace vorn::pdd::test {
namespace {

class DepthDose : public PddFolder {
protected:
  // A beam of one photon energy (bin) of weight 1, on a 20 cm body.
  Handover Mono(int bin, double width = 8.0)
  {
    Handover h;
    h.spectrum[bin] = 1.0;
    h.width = width;
    return h;
  }

  bool Run(DepthDoseCalculation& module, const Handover& h)
  {
    WriteHandover(h);
    Start(module);
    module.OnCalcFailure = [this](const CalcFailure& f) { failures.push_back(f); };
    return module.CalcDepthDose();
  }

  void WriteTables(const KernelFn& kernel)
  {
    WriteAttenuation();
    WritePrimary();
    WriteKernels(kernel);
  }

  static double InverseSquare(int j) { return 80.0 * 80.0 / std::pow(80.0 + SlabCentre_cm(j), 2); }

  std::vector<CalcFailure> failures;
};

TEST_F(DepthDose, PrimaryIsTheAttenuatedInverseSquareBeam)
{
  WriteTables([](int, int m, int) { return static_cast<double>(m); });
  DepthDoseCalculation module(Edition::English, folder_);
  ASSERT_TRUE(Run(module, Mono(120)));  // 60 keV
  for (int j : {1, 7, 40}) {
    const double expected = InverseSquare(j) * SyntheticPrimary(60.0) * std::exp(-SyntheticMu(60.0) * SlabCentre_cm(j));
    EXPECT_NEAR(module.PrimaryDose[j], expected, 1e-12 * expected) << "slab " << j;
  }
  EXPECT_EQ(module.PrimaryDose[41], 0.0);
  // Half-sides at the surface, the longer one first: 10 x 8 cm at 100 cm seen at 80 cm.
  EXPECT_DOUBLE_EQ(module.InFieldLength, 4.0);
  EXPECT_DOUBLE_EQ(module.InFieldWidth, 3.2);
}

TEST_F(DepthDose, AttenuationOnAGridEnergyTakesThatRow)
{
  // The row at 30 keV lies off the power laws (twice their values), so any
  // interpolation across it would show.
  WriteTables([](int, int m, int) { return static_cast<double>(m); });
  std::string text = Read("ICRUSoft.dat");
  const std::size_t row = text.find("\r\n0.03,") + 2;
  const std::size_t end = text.find("\r\n", row);
  text.replace(row, end - row,
               "0.03, " + NumberText(2 * 0.05 * std::pow(20.0 / 30, 2)) + ", " +
                   NumberText(2 * 0.18 * std::pow(30.0 / 30, 0.1)) + ", " + NumberText(2 * 3.0 * std::pow(10.0 / 30, 3)));
  Write("ICRUSoft.dat", text);

  auto mu_seen = [&](int bin) {
    DepthDoseCalculation module(Edition::English, folder_);
    EXPECT_TRUE(Run(module, Mono(bin)));
    const double E = 0.5 * bin, d = SlabCentre_cm(10);
    return -std::log(module.PrimaryDose[10] / (InverseSquare(10) * SyntheticPrimary(E))) / d;
  };
  EXPECT_NEAR(mu_seen(60), 2.0 * SyntheticMu(30.0), 1e-12);
  // Between 30 and 35 keV the factor 2 fades log-log: 2^(ln(35/30.5) / ln(35/30)).
  EXPECT_NEAR(mu_seen(61), SyntheticMu(30.5) * std::pow(2.0, std::log(35.0 / 30.5) / std::log(35.0 / 30.0)), 1e-12);
}

TEST_F(DepthDose, CircularFieldCountsEveryRingUpToTheEdgeWhole)
{
  // Kernel value m for ring m: the sum over rings 1..M is M (M + 1) / 2.
  WriteTables([](int, int m, int) { return static_cast<double>(m); });
  DepthDoseCalculation module(Edition::English, folder_);
  Handover h = Mono(60, 0.0);  // 30 keV, a circle of 10 cm diameter at FFD
  ASSERT_TRUE(Run(module, h));
  EXPECT_DOUBLE_EQ(module.InFieldLength, 4.0);  // radius at the surface
  EXPECT_EQ(module.InFieldWidth, 0.0);
  // Radius at depth: 4 x (80 + d) / 80 -> 4.0125 (9 rings), 4.4875 (9), 4.9875 (10).
  const struct { int slab, rings; } expected[] = {{1, 9}, {20, 9}, {40, 10}};
  for (const auto& e : expected) {
    EXPECT_NEAR(module.ScatterDose[e.slab], InverseSquare(e.slab) * e.rings * (e.rings + 1) / 2.0, 1e-12)
        << "slab " << e.slab;
  }
}

TEST_F(DepthDose, AnEdgeOnARingBoundaryCountsAsOnIt)
{
  // 18.4 cm at FFD 115 seen at FSD 50: the radius at slab 13's centre
  // (6.25 cm) is 18.4 x 56.25 / 230 = 4.5 cm exactly, Int(2 R) + 1 = 10
  // rings; the rounded radius lies just below 4.5 and dropped ring 10.
  WriteTables([](int, int m, int) { return static_cast<double>(m); });
  DepthDoseCalculation module(Edition::English, folder_);
  Handover h = Mono(60, 0.0);
  h.length = 18.4;
  h.FFD = 115;
  h.FSD = 50;
  ASSERT_TRUE(Run(module, h));
  const double g = 50.0 * 50.0 / (56.25 * 56.25);
  EXPECT_NEAR(module.ScatterDose[13], g * 10 * 11 / 2.0, 1e-12);
}

TEST_F(DepthDose, RectangularFieldWeighsRingsByTheirShareOfTheField)
{
  // Kernel value = the ring's quarter area, so the weighted sum is the area
  // of the field's quadrant, a x b. The rule is exact here except for the
  // doubled corner region of a ring that crosses the long edge near the corner.
  WriteTables([](int, int m, int) { return 3.14159 / 4.0 * (0.25 * m * m - 0.25 * (m - 1) * (m - 1)); });
  DepthDoseCalculation module(Edition::English, folder_);
  ASSERT_TRUE(Run(module, Mono(60)));
  for (int j : {1, 13, 40}) {
    const double spread = (80.0 + SlabCentre_cm(j)) / 80.0;
    const double area = (4.0 * spread) * (3.2 * spread);
    EXPECT_NEAR(module.ScatterDose[j], InverseSquare(j) * area, 2e-3 * InverseSquare(j) * area) << "slab " << j;
  }
}

TEST_F(DepthDose, ScatterBetweenKernelEnergiesIsLogLinear)
{
  // Kernel value E x m: the sum at slab j is E x g x 45 (9 rings of a 10 cm circle).
  WriteTables([](int E, int m, int) { return static_cast<double>(E * m); });
  DepthDoseCalculation module(Edition::English, folder_);
  Handover h = Mono(21, 0.0);
  h.spectrum[30] = 1.0;
  ASSERT_TRUE(Run(module, h));
  const double g = InverseSquare(1);
  EXPECT_NEAR(module.ScatterByEnergy[30][1], 15 * g * 45, 1e-9);
  // 10.5 keV lies 4.5 keV below the 15 keV kernel: exp(0.1 ln S15 + 0.9 ln S10).
  EXPECT_NEAR(module.ScatterByEnergy[21][1], std::pow(15 * g * 45, 0.1) * std::pow(10 * g * 45, 0.9), 1e-9);
  EXPECT_NEAR(module.ScatterDose[1], module.ScatterByEnergy[21][1] + module.ScatterByEnergy[30][1], 1e-9);
}

TEST_F(DepthDose, AKernelSumOfZeroMeansNoScatterThere)
{
  // The log-linear interpolation tends to 0 towards a zero sum, on either side.
  WriteTables([](int E, int m, int) { return E == 15 ? 0.0 : static_cast<double>(m); });
  DepthDoseCalculation module(Edition::English, folder_);
  Handover h = Mono(31, 0.0);  // 15.5 keV, between the 15 and 20 keV kernels
  h.spectrum[30] = 1.0;
  h.spectrum[29] = 1.0;        // 14.5 keV, between the 10 and 15 keV kernels
  ASSERT_TRUE(Run(module, h));
  for (int bin : {29, 30, 31}) EXPECT_EQ(module.ScatterByEnergy[bin][1], 0.0) << bin;
  EXPECT_EQ(module.ScatterDose[1], 0.0);
  EXPECT_EQ(module.PddTable[2][1], 0.0);
  EXPECT_GT(module.ScatterByEnergy[40][1], 0.0);  // 20 keV keeps its own sum
}

// The field: 0.25 x 0.25 cm at 100 cm, 0.2 x 0.2 cm at the skin. Its
// quadrant is a twentieth of the first ring's, so the scatter is a twentieth
// of that ring's kernel, not a fixed share of the first slab's dose.
TEST_F(DepthDose, ATinyFieldScattersByItsArea)
{
  WriteTables([](int, int m, int) { return static_cast<double>(m); });
  DepthDoseCalculation module(Edition::English, folder_);
  Handover h = Mono(120, 0.25);
  h.length = 0.25;
  ASSERT_TRUE(Run(module, h)) << (failures.empty() ? "" : failures[0].cause);
  for (int j : {1, 20, 40}) {
    const double half = 0.1 * (80.0 + SlabCentre_cm(j)) / 80.0;  // half-side at the slab's depth
    const double share = half * half / (3.14159 / 4.0 * 0.25);
    EXPECT_NEAR(module.ScatterByEnergy[120][j], InverseSquare(j) * share, 1e-12) << j;
  }
}

TEST_F(DepthDose, NegativeValuesInTheHandoverOrAKernelStopTheComputation)
{
  WriteTables([](int, int m, int) { return static_cast<double>(m); });
  Handover negative_dose = Mono(100);
  negative_dose.dose = -1.5;
  Handover negative_bin = Mono(100);
  negative_bin.spectrum[77] = -0.25;
  for (const Handover& h : {negative_dose, negative_bin}) {
    failures.clear();
    DepthDoseCalculation module(Edition::English, folder_);
    EXPECT_FALSE(Run(module, h));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].message, "It couldn't be calculated right");
    EXPECT_NE(failures[0].cause.find("Vorn2PDD.dat"), std::string::npos) << failures[0].cause;
  }
  EXPECT_NE(failures[0].cause.find("-0.25 on line 84"), std::string::npos) << failures[0].cause;

  WriteKernels([](int E, int m, int j) { return E == 50 && m == 3 && j == 2 ? -1.0 : static_cast<double>(m); });
  failures.clear();
  DepthDoseCalculation module(Edition::Japanese, folder_);
  EXPECT_FALSE(Run(module, Mono(100)));
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].message, "正しく計算できませんでした。");
  EXPECT_NE(failures[0].cause.find("PDS-data/50.dat"), std::string::npos) << failures[0].cause;
  EXPECT_FALSE(std::filesystem::exists(File("PDD_tempDATA.txt")));
}

TEST_F(DepthDose, OnlyBinsUpToTwiceTheTubeVoltageCount)
{
  WriteTables([](int, int m, int) { return static_cast<double>(m); });
  DepthDoseCalculation alone(Edition::English, folder_), with_high_bin(Edition::English, folder_);
  ASSERT_TRUE(Run(alone, Mono(100)));
  Handover h = Mono(100);
  h.spectrum[151] = 1.0;  // 75.5 keV, above the 75 kV limit
  ASSERT_TRUE(Run(with_high_bin, h));
  EXPECT_EQ(alone.PrimaryDose, with_high_bin.PrimaryDose);
  EXPECT_EQ(alone.ScatterDose, with_high_bin.ScatterDose);
}

TEST_F(DepthDose, PhysicallyShapedKernelsGiveADoseThatFallsWithDepth)
{
  // Scatter that fades with depth and ring radius; a 75 kV-like spectrum.
  WriteTables([](int E, int m, int j) {
    const double r = 0.5 * m - 0.25, d = SlabCentre_cm(j);
    return 2e-4 * (E / 50.0) * r * std::exp(-r / 3.0) * std::exp(-0.12 * d);
  });
  Handover h;
  for (int i = 21; i <= 150; ++i) h.spectrum[i] = (75.0 - 0.5 * i) * (0.5 * i - 10.0) / 20000.0;
  h.length = 35.6;
  h.width = 43.2;
  DepthDoseCalculation module(Edition::English, folder_);
  ASSERT_TRUE(Run(module, h));
  EXPECT_EQ(module.InFieldLength, 43.2 * 0.8 / 2);
  EXPECT_EQ(module.PddTable[3][1], 100.0);
  for (int j = 2; j <= 40; ++j) {
    EXPECT_LT(module.PddTable[3][j], module.PddTable[3][j - 1]) << "slab " << j;
    EXPECT_GT(module.PddTable[2][j], 0.0);
    EXPECT_NEAR(module.PddTable[1][j] + module.PddTable[2][j], module.PddTable[3][j], 1e-9);
  }
  EXPECT_GT(module.PddTable[2][1], 5.0);  // scatter is a real part of the surface dose
  EXPECT_LT(module.PddTable[3][40], 5.0);
  EXPECT_EQ(module.PddTable[3][41], 0.0);
}

TEST_F(DepthDose, ScratchFileListsEverySlabInTheEditionsLayout)
{
  EXPECT_EQ(PddScratchLine(Edition::English, 0.25, 62.5, 37.5, 100.0), " 00.25  062.50  037.50  100.00");
  EXPECT_EQ(PddScratchLine(Edition::Japanese, 19.75, 5.5, 0.004, 5.504), " 19.75,  005.50,  000.00,  005.50");

  WriteTables([](int, int m, int) { return static_cast<double>(m); });
  for (Edition edition : {Edition::English, Edition::Japanese}) {
    DepthDoseCalculation module(edition, folder_);
    Handover h = Mono(100);
    h.thickness = 45.0;  // kept after Cancel: 80 slabs
    ASSERT_TRUE(Run(module, h));
    const std::string text = Read("PDD_tempDATA.txt");
    const std::vector<std::string> lines = [&] {
      std::vector<std::string> out;
      for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) out.push_back(text.substr(at, end - at));
      return out;
    }();
    ASSERT_EQ(lines.size(), 80u);
    EXPECT_EQ(text.size(), 80u * (lines[0].size() + 2));  // every line ends in CR LF
    const char* first_end = edition == Edition::English ? "  100.00" : ",  100.00";
    EXPECT_EQ(lines[0].substr(0, 6), " 00.25");
    EXPECT_EQ(lines[0].substr(lines[0].size() - std::string(first_end).size()), first_end);
    EXPECT_EQ(lines[79], PddScratchLine(edition, 39.75, module.PddTable[1][80], module.PddTable[2][80], module.PddTable[3][80]));
  }
}

TEST_F(DepthDose, ErrorsStopTheComputationWithTheEditionsMessage)
{
  WriteTables([](int, int m, int) { return static_cast<double>(m); });
  std::filesystem::remove(File("PDS-data/45.dat"));
  DepthDoseCalculation module(Edition::Japanese, folder_);
  EXPECT_FALSE(Run(module, Mono(100)));
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].message, "正しく計算できませんでした。");
  EXPECT_NE(failures[0].cause.find("45.dat"), std::string::npos) << failures[0].cause;
  EXPECT_EQ(module.PddTable[3][1], 0.0);  // nothing normalised yet
  EXPECT_FALSE(std::filesystem::exists(File("PDD_tempDATA.txt")));
}

TEST_F(DepthDose, ImpossibleBeamsAreReportedNotComputed)
{
  WriteTables([](int, int m, int) { return static_cast<double>(m); });
  struct Bad {
    const char* what;
    Handover h;
  };
  Handover huge_field = Mono(100);  // 43 cm square at the skin: 48 cm half-diagonal at 40 cm depth
  huge_field.FFD = huge_field.FSD = 80.0;
  huge_field.length = huge_field.width = 43.0;
  huge_field.thickness = 40.0;
  Handover no_photons;
  Handover no_body = Mono(100);
  no_body.thickness = 0.0;
  Handover beyond_table = Mono(100);
  beyond_table.kV = 151.0;
  for (const Bad& bad : {Bad{"field", huge_field}, Bad{"zero dose", no_photons}, Bad{"no slab", no_body},
                         Bad{"above 150 kV", beyond_table}}) {
    SCOPED_TRACE(bad.what);
    failures.clear();
    DepthDoseCalculation module(Edition::English, folder_);
    EXPECT_FALSE(Run(module, bad.h));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].message, "It couldn't be calculated right");
  }

  // An energy at or above the table's last row.
  WriteAttenuation({1, 5, 10, 20, 50, 100});
  Handover h = Mono(60);
  h.kV = 120.0;
  failures.clear();
  DepthDoseCalculation module(Edition::English, folder_);
  EXPECT_FALSE(Run(module, h));
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].cause.find("ICRUSoft.dat"), std::string::npos) << failures[0].cause;
}

}  // namespace
}  // namespace vorn::pdd::test
