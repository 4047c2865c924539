// Start-up: the hand-over file, the thickness check and the soft-tissue tables.
#include <cmath>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/errors.h"
#include "tests/depthdose/pdd_fixture.h"

namespace vorn::pdd::test {
namespace {

using Startup = PddFolder;

TEST_F(Startup, HandoverFileOf308LinesFillsTheBeam)
{
  Handover h;
  h.kV = 82.5;
  h.dose = 1.2;
  h.spectrum[1] = 0.0;
  h.spectrum[2] = 1.25e-3;
  h.spectrum[300] = 0.5;
  h.site = "Chest-Frontal";
  WriteHandover(h);
  DepthDoseCalculation module(Edition::English, folder_);
  module.ReadHandoverFile();
  EXPECT_EQ(module.InTubeVoltage, 82.5);
  EXPECT_EQ(module.InFFD, 100.0);
  EXPECT_EQ(module.InFSD, 80.0);
  EXPECT_EQ(module.InObjectThickness, 20.0);
  EXPECT_EQ(module.InFieldLength, 10.0);
  EXPECT_EQ(module.InFieldWidth, 8.0);
  EXPECT_EQ(module.InEntranceSurfaceDose, 1.2);  // written "1.200"
  EXPECT_EQ(module.InSpectrum[2], 1.25e-3);
  EXPECT_EQ(module.InSpectrum[300], 0.5);
  EXPECT_EQ(module.InSpectrum[0], 0.0);
  EXPECT_EQ(module.InSiteName, "Chest-Frontal");
}

TEST_F(Startup, SiteNameIsCutAtAComma)
{
  Handover h;
  h.site = "Abdomen-F, standing";
  WriteHandover(h);
  DepthDoseCalculation module(Edition::English, folder_);
  module.ReadHandoverFile();
  EXPECT_EQ(module.InSiteName, "Abdomen-F");

  h.site = "";  // an empty site combo hands over an empty last line
  WriteHandover(h);
  module.ReadHandoverFile();
  EXPECT_EQ(module.InSiteName, "");
}

TEST_F(Startup, ShortOrMissingHandoverNamesTheFile)
{
  DepthDoseCalculation module(Edition::English, folder_);
  try {
    module.ReadHandoverFile();
    ADD_FAILURE() << "a missing hand-over file was read";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("Vorn2PDD.dat"), std::string::npos) << e.what();
  }
  for (int lines : {200, 307}) {
    WriteHandover(Handover{}, lines);
    try {
      module.ReadHandoverFile();
      ADD_FAILURE() << "a hand-over file of " << lines << " lines was read";
    } catch (const DataError& e) {
      EXPECT_NE(std::string(e.what()).find("Vorn2PDD.dat"), std::string::npos) << e.what();
    }
  }
  Write("Vorn2PDD.dat", " 75 \r\n abc \r\n");
  EXPECT_THROW(module.ReadHandoverFile(), DataError);
}

// A pipe or a device at the hand-over's name is refused at once, naming the
// file: it is neither waited on nor read without end.
TEST_F(Startup, AHandoverThatIsNoOrdinaryFileIsRefusedAtOnce)
{
  DepthDoseCalculation module(Edition::English, folder_);
  ASSERT_EQ(mkfifo(File("Vorn2PDD.dat").c_str(), 0644), 0);
  for (int round = 0; round < 2; ++round) {
    try {
      module.ReadHandoverFile();
      ADD_FAILURE() << "the hand-over was read";
    } catch (const FileError& e) {
      EXPECT_EQ(e.fault(), FileFault::NotRegular);
      EXPECT_NE(std::string(e.what()).find("Vorn2PDD.dat"), std::string::npos) << e.what();
    }
    EXPECT_NE(module.HandoverState(), DepthDoseCalculation::HandoverNow::Unchanged);
    fs::remove(File("Vorn2PDD.dat"));
    fs::create_symlink("/dev/zero", File("Vorn2PDD.dat"));
  }
}

TEST_F(Startup, ThicknessAbove40AsksAndOkSets40)
{
  DepthDoseCalculation module(Edition::English, folder_);
  module.InObjectThickness = 40.0;
  EXPECT_FALSE(module.ThicknessExceedsCap());
  EXPECT_TRUE(module.ApplyThicknessAnswer(false));
  EXPECT_EQ(module.InObjectThickness, 40.0);

  module.InObjectThickness = 40.1;
  EXPECT_TRUE(module.ThicknessExceedsCap());
  EXPECT_FALSE(module.ApplyThicknessAnswer(false));  // Cancel: kept, no effective dose
  EXPECT_EQ(module.InObjectThickness, 40.1);
  EXPECT_TRUE(module.ApplyThicknessAnswer(true));
  EXPECT_EQ(module.InObjectThickness, 40.0);
}

TEST_F(Startup, PrimaryFactorInterpolatesLogLinearlyFromBin21On)
{
  WriteAttenuation();
  WritePrimary();
  DepthDoseCalculation module(Edition::English, folder_);
  module.LoadAttenuationData();
  EXPECT_EQ(module.PiValue, 3.14159);
  EXPECT_EQ(module.PrimaryTable[2], SyntheticPrimary(10.0));
  EXPECT_EQ(module.PrimaryFactor[20], 0.0);  // 10 keV: not set although the table has it
  // The synthetic factor is exp(linear in E): log-linear interpolation gives it at every bin.
  EXPECT_NEAR(module.PrimaryFactor[21], SyntheticPrimary(10.5), 1e-12 * SyntheticPrimary(10.5));
  EXPECT_NEAR(module.PrimaryFactor[151], SyntheticPrimary(75.5), 1e-12 * SyntheticPrimary(75.5));
  EXPECT_EQ(module.PrimaryFactor[30], module.PrimaryTable[3]);  // 15 keV, on the grid
  EXPECT_EQ(module.PrimaryFactor[300], module.PrimaryTable[30]);
  // The energies come from the rows' positions: MeV to keV on loading.
  EXPECT_EQ(module.AttnTable[4][1], 1.0);
  EXPECT_EQ(module.AttnTable[4][37], 200.0);
}

TEST_F(Startup, AttenuationTableRowCountIsChecked)
{
  WritePrimary();
  DepthDoseCalculation module(Edition::English, folder_);
  std::vector<double> energies;
  for (int i = 1; i <= 38; ++i) energies.push_back(5.0 * i);
  WriteAttenuation(energies);
  EXPECT_THROW(module.LoadAttenuationData(), DataError);
  energies.pop_back();
  WriteAttenuation(energies);
  EXPECT_NO_THROW(module.LoadAttenuationData());
  EXPECT_EQ(module.AttnTable[4][37], 185.0);

  Write("ICRUSoft.dat", "3, 0\r\n0.01, 1, 2, 3\r\n0.02, 1, 2\r\n");
  try {
    module.LoadAttenuationData();
    ADD_FAILURE() << "a short table was read";
  } catch (const DataError& e) {
    EXPECT_NE(std::string(e.what()).find("ICRUSoft.dat"), std::string::npos) << e.what();
  }
}

TEST_F(Startup, PrimaryFileMustBeCompleteAndPositive)
{
  WriteAttenuation();
  DepthDoseCalculation module(Edition::English, folder_);
  try {
    module.LoadAttenuationData();
    ADD_FAILURE() << "a missing Primary.dat was read";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("Primary.dat"), std::string::npos) << e.what();
  }
  WritePrimary();
  std::string text = Read("Primary.dat");
  Write("Primary.dat", text.substr(0, text.find("40,")));  // records for 10..35 keV only
  EXPECT_THROW(module.LoadAttenuationData(), DataError);
  Write("Primary.dat", "10,0\r\n" + text.substr(text.find('\n') + 1));
  try {
    module.LoadAttenuationData();
    ADD_FAILURE() << "a primary factor of 0 was taken";
  } catch (const DataError& e) {
    EXPECT_NE(std::string(e.what()).find("Primary.dat, line 1"), std::string::npos) << e.what();
  }
}

TEST(SlabCount, HalfCentimetreSlabsUpTo80)
{
  EXPECT_EQ(SlabCount(20.0), 40);
  EXPECT_EQ(SlabCount(20.05), 41);
  EXPECT_EQ(SlabCount(40.0), 80);
  EXPECT_EQ(SlabCount(45.0), 80);
  EXPECT_EQ(SlabCount(0.05), 1);
  EXPECT_LT(SlabCount(0.0), 1);
  EXPECT_EQ(SlabCount(1e300), 80);
  EXPECT_EQ(SlabCentre_cm(40), 19.75);
}

}  // namespace
}  // namespace vorn::pdd::test
