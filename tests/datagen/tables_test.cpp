#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "beam/attenuation_data.h"
#include "depthdose/depth_dose_calculation.h"
#include "physics/interaction.h"
#include "platform/files/seqfile.h"
#include "scratch_dir.h"
#include "tools/datagen/deterministic_tables.h"
#include "tools/datagen/generators.h"

namespace vorn::datagen {
namespace {

std::string ReadBytes(const std::filesystem::path& p)
{
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Generate(const std::filesystem::path& dir, const std::string& name)
{
  for (const Generator& g : DeterministicGenerators())
    if (g.name == name) return g.run(GenContext{dir, false, 1});
  FAIL() << "no generator " << name;
}

// Every line ends in CR LF and nothing else.
void ExpectCrLfOnly(const std::string& text)
{
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n') {
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
    }
}

class AttCoeffTableTest : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    scratch_ = new testing::ScratchDir;
    Generate(scratch_->path(), "Att_coeff2020");
    data_ = new AttenuationData(LoadAttenuationData(scratch_->path()));
  }
  static void TearDownTestSuite()
  {
    delete data_;
    delete scratch_;
  }
  static testing::ScratchDir* scratch_;
  static AttenuationData* data_;
};
testing::ScratchDir* AttCoeffTableTest::scratch_ = nullptr;
AttenuationData* AttCoeffTableTest::data_ = nullptr;

TEST_F(AttCoeffTableTest, HasExactlyThreeHundredRecordsOfSevenItems)
{
  const std::string text = ReadBytes(scratch_->path() / kAttCoeffFile);
  ExpectCrLfOnly(text);
  const std::vector<std::string> lines = ReadAllLines(scratch_->path() / kAttCoeffFile);
  ASSERT_EQ(lines.size(), 300u);
  SeqReader r(scratch_->path() / kAttCoeffFile);
  for (int i = 1; i <= 300; ++i) {
    EXPECT_DOUBLE_EQ(r.ReadNumber(), 0.5 * i);
    for (int k = 0; k < 6; ++k) EXPECT_GT(r.ReadNumber(), 0.0) << "record " << i;
  }
  EXPECT_TRUE(r.Eof());
}

TEST_F(AttCoeffTableTest, KEdgesOfTungstenAndCopperFallBetweenTheRightBins)
{
  const AttenuationData& a = *data_;
  // W K edge 69.52 keV: between bin 139 (69.5 keV) and bin 140 (70.0 keV).
  EXPECT_GT(a.MuTarget[140] / a.MuTarget[139], 4.0);
  for (int i = 100; i <= 300; ++i)
    if (i != 140) {
      EXPECT_LT(a.MuTarget[i], a.MuTarget[i - 1]) << "bin " << i;
    }
  // Cu K edge 8.98 keV: between bin 17 (8.5 keV) and bin 18 (9.0 keV).
  EXPECT_GT(a.MuCu[18] / a.MuCu[17], 6.0);
  for (int i = 19; i <= 300; ++i) EXPECT_LT(a.MuCu[i], a.MuCu[i - 1]) << "bin " << i;
  // Al K edge 1.56 keV: between bin 3 (1.5 keV) and bin 4 (2.0 keV).
  EXPECT_GT(a.MuAl[4] / a.MuAl[3], 5.0);
}

TEST_F(AttCoeffTableTest, ValuesAgreeWithPublishedCoefficients)
{
  const AttenuationData& a = *data_;
  // NISTIR 5632: Al mu/rho 1.128 cm2/g at 30 keV (bin 60); W 4.438 at 100 keV
  // (bin 200); Cu 10.91 at 30 keV; air mu_en/rho 0.02407 at 80 keV (bin 160).
  EXPECT_NEAR(a.MuAl[60] / 2.699 / 1.128, 1.0, 0.01);
  EXPECT_NEAR(a.MuTarget[200] / 19.3 / 4.438, 1.0, 0.01);
  EXPECT_NEAR(a.MuCu[60] / 8.96 / 10.91, 1.0, 0.01);
  EXPECT_NEAR(a.MuenAir[160] / 0.02407, 1.0, 0.02);
  // Soft tissue over air, 33.97 x ratio: 35.7 at 30 keV and 37.0 at 80 keV.
  EXPECT_NEAR(33.97 * a.MuenSoft[60] / a.MuenAir[60], 35.7, 0.5);
  EXPECT_NEAR(33.97 * a.MuenSoft[160] / a.MuenAir[160], 37.0, 0.5);
  // Skin (more carbon, less oxygen) absorbs a little less than soft tissue at 30 keV.
  EXPECT_LT(a.MuenSkin[60], a.MuenSoft[60]);
  // Bin 1 lies below the data and repeats bin 2.
  EXPECT_EQ(a.MuAl[1], a.MuAl[2]);
}

TEST(IcruSoftTable, LoadsThroughTheDepthDoseReaderAndCoversItsRange)
{
  testing::ScratchDir scratch;
  Generate(scratch.path(), "ICRUSoft");
  Generate(scratch.path(), "Primary");
  ExpectCrLfOnly(ReadBytes(scratch.path() / kIcruSoftFile));
  pdd::DepthDoseCalculation m(Edition::English, scratch.path());
  m.LoadAttenuationData();
  const std::vector<double> grid = IcruSoftGrid_keV();
  ASSERT_EQ(grid.size(), 37u);
  for (int i = 1; i <= 37; ++i) EXPECT_NEAR(m.AttnTable[4][i], grid[i - 1], 1e-9) << i;
  EXPECT_EQ(m.AttnTable[4][1], 1.0);
  EXPECT_GT(m.AttnTable[4][37], 150.0);  // every bin up to 150 keV has a row above it

  // The depth-dose program's log-log interpolation reproduces the direct
  // coefficients over every bin it uses (10.5 .. 150 keV).
  const physics::Material soft = physics::IcruSoftTissue();
  for (int bin = 21; bin <= 300; ++bin) {
    const double E = 0.5 * bin;
    int k = 2;
    while (E >= m.AttnTable[4][k]) ++k;
    const double t = std::log(E / m.AttnTable[4][k - 1]) / std::log(m.AttnTable[4][k] / m.AttnTable[4][k - 1]);
    double mu = 0.0;
    for (int c = 1; c <= 3; ++c)
      mu += std::exp(std::log(m.AttnTable[c][k - 1]) + std::log(m.AttnTable[c][k] / m.AttnTable[c][k - 1]) * t);
    EXPECT_NEAR(mu / physics::LinearAttenuation(soft, E), 1.0, 0.005) << E << " keV";
  }
  // Water-like soft tissue at 60 keV: mu/rho about 0.205 cm2/g (NISTIR 5632, water 0.2059).
  EXPECT_NEAR((m.AttnTable[1][18] + m.AttnTable[2][18] + m.AttnTable[3][18]) / 1.06, 0.205, 0.006);
}

TEST(PrimaryTable, HasThirtyOneLinesAndLoadsThroughTheDepthDoseReader)
{
  testing::ScratchDir scratch;
  Generate(scratch.path(), "ICRUSoft");
  Generate(scratch.path(), "Primary");
  const std::string text = ReadBytes(scratch.path() / kPrimaryFile);
  ExpectCrLfOnly(text);
  const std::vector<std::string> lines = ReadAllLines(scratch.path() / kPrimaryFile);
  // Exactly 31 lines: a first start finds no user name in line 32.
  ASSERT_EQ(lines.size(), 31u);
  EXPECT_EQ(lines[30 - 1].find(','), std::string::npos);
  EXPECT_EQ(lines[31 - 1].find(','), std::string::npos);
  EXPECT_EQ(lines[0].substr(0, 3), "10,");
  EXPECT_EQ(lines[28].substr(0, 4), "150,");

  pdd::DepthDoseCalculation m(Edition::Japanese, scratch.path());
  m.LoadAttenuationData();
  // The primary factor E x mu_en/rho: at 60 keV about 60 x 0.0319 (water,
  // NISTIR 5632) = 1.91 keV cm2/g; tissue is within 2 % of water there.
  EXPECT_NEAR(m.PrimaryTable[12] / 1.914, 1.0, 0.03);
  for (int i = 2; i <= 30; ++i) EXPECT_GT(m.PrimaryTable[i], 0.0);
  EXPECT_EQ(m.PrimaryFactor[300], m.PrimaryTable[30]);
  // The same tissue coefficient as Att_coeff2020.dat at the same energy.
  EXPECT_NEAR(m.PrimaryTable[12], 60.0 * physics::MassEnergyAbsorption(physics::IcruSoftTissue(), 60.0), 1e-5 * m.PrimaryTable[12]);
}

TEST(SiteListTable, HoldsTheElevenSitesInUtf8WithCrLf)
{
  testing::ScratchDir scratch;
  Generate(scratch.path(), "SiteList");
  const std::filesystem::path file = scratch.path() / kSiteListFile;
  ASSERT_TRUE(std::filesystem::exists(file));
  const std::string text = ReadBytes(file);
  ExpectCrLfOnly(text);
  EXPECT_NE(text.substr(0, 3), "\xEF\xBB\xBF");  // no byte order mark
  const std::vector<std::string> lines = ReadAllLines(file);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_LE(lines.size(), 30u);
  EXPECT_EQ(lines[0], "頭部正面");
  EXPECT_EQ(lines[6], "腹部正面");  // start-up shows it in the combo box
  EXPECT_EQ(lines[10], "骨盤正面");
  for (const std::string& l : lines) EXPECT_FALSE(l.empty());
}

}  // namespace
}  // namespace vorn::datagen
