// The filter material files without any window: their checks and the
// interpolation onto the energy grid.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mainwin/filter_material.h"
#include "platform/errors.h"
#include "tests/dialogs_a/dialogs_test_support.h"

namespace vorn::mainwin {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// ---------------------------------------------------------------- filter material

// A material file: name, density, a second number, then the records
// (energy in MeV and one summed coefficient, given as its three parts).
std::string MaterialFile(const std::string& name, double density,
                         const std::vector<std::pair<double, double>>& records)
{
  std::string text = name + "\r\n" + std::to_string(density) + ", " + std::to_string(records.size()) + "\r\n";
  char line[200];
  for (const auto& [e, sum] : records) {
    std::snprintf(line, sizeof line, "%.6E, %.5E, %.5E, %.5E, 0, 0\r\n", e, 0.25 * sum, 0.25 * sum, 0.5 * sum);
    text += line;
  }
  return text;
}

// Coefficients that fall as E^-2 from 1 to 2 keV, an edge listed twice at
// 3 keV, and E^-1 between 100 and 200 keV, up to 10 MeV.
std::vector<std::pair<double, double>> TestRecords()
{
  return {{0.001, 100.0}, {0.002, 25.0}, {0.003, 10.0}, {0.003, 40.0}, {0.010, 2.0},
          {0.100, 0.2},   {0.200, 0.1},  {1.0, 0.06},   {10.0, 0.02}};
}

TEST(FilterMaterial, InterpolatesLogLogOnTheWholeKeV)
{
  TempFolder folder;
  const fs::path file = folder.Write("Test.ele", MaterialFile("Testium", 2.0, TestRecords()));
  const FilterMaterialFile m = ReadFilterMaterialFile(file);
  EXPECT_EQ(m.material, "Testium");
  EXPECT_EQ(m.recordCount, 9);
  const EnergyBinArray mu = OtherFilterMuOf(m);
  // At the first record's energy: density x its sum.
  EXPECT_DOUBLE_EQ(mu[2], 2.0 * 100.0);
  EXPECT_DOUBLE_EQ(mu[4], 2.0 * 25.0);
  // An edge listed twice: at the edge energy the value above it.
  EXPECT_NEAR(mu[6], 2.0 * 40.0, 1e-9);
  // E^-1 between 100 and 200 keV: 0.2 x 100/150 at 150 keV (bin 300).
  EXPECT_NEAR(mu[300], 2.0 * 0.2 * 100.0 / 150.0, 1e-12);
  EXPECT_NEAR(mu[240], 2.0 * 0.2 * 100.0 / 120.0, 1e-12);
  // Odd bins are the mean of their neighbours, not interpolated on logarithms.
  EXPECT_DOUBLE_EQ(mu[3], 0.5 * (200.0 + 50.0));
  EXPECT_DOUBLE_EQ(mu[299], 0.5 * (mu[298] + mu[300]));
  EXPECT_DOUBLE_EQ(mu[1], mu[2]);
  EXPECT_EQ(mu[0], 0.0);
  // Between 3 and 10 keV the segment above the edge: 40 x (E/3)^(ln(2/40)/ln(10/3)).
  const double slope = std::log(2.0 / 40.0) / std::log(10.0 / 3.0);
  EXPECT_NEAR(mu[10], 2.0 * 40.0 * std::pow(5.0 / 3.0, slope), 1e-9);
}

TEST(FilterMaterial, TheTenMeVRecordEndsTheReading)
{
  TempFolder folder;
  std::string text = MaterialFile("Testium", 2.0, TestRecords());
  text += "this is not read\r\n";
  const fs::path file = folder.Write("Test.mix", text);
  const FilterMaterialFile m = ReadFilterMaterialFile(file);
  EXPECT_EQ(m.recordCount, 9);
  EXPECT_DOUBLE_EQ(m.OtherFilterTable(1, 9), 10.0);
  EXPECT_DOUBLE_EQ(m.OtherFilterTable(0, 9), 0.02);
}

TEST(FilterMaterial, AHundredRecordsReachingTenMeVAreRead)
{
  std::vector<std::pair<double, double>> records;
  for (int r = 0; r < 99; ++r) records.push_back({0.001 * std::pow(10.0, 3.0 * r / 99.0), 10.0});
  records.push_back({10.0, 1.0});
  TempFolder folder;
  const fs::path file = folder.Write("Long.ele", MaterialFile("Long", 1.0, records));
  EXPECT_EQ(ReadFilterMaterialFile(file).recordCount, 100);
  records.insert(records.begin() + 1, {0.00101, 10.0});  // the 10 MeV record now comes 101st
  folder.Write("Long.ele", MaterialFile("Long", 1.0, records));
  EXPECT_THROW(ReadFilterMaterialFile(file), DataError);
}

TEST(FilterMaterial, MalformedFilesAreRefused)
{
  TempFolder folder;
  auto refuses = [&](const std::string& text) {
    const fs::path file = folder.Write("Bad.ele", text);
    EXPECT_THROW(ReadFilterMaterialFile(file), DataError) << text;
  };
  std::vector<std::pair<double, double>> r = TestRecords();
  r.pop_back();
  refuses(MaterialFile("Short", 2.0, r));                         // never reaches 10 MeV
  r = TestRecords();
  r.front().first = 0.0015;
  refuses(MaterialFile("Late", 2.0, r));                          // first energy above 1 keV
  r = TestRecords();
  r[4].second = 0.0;
  refuses(MaterialFile("Zero", 2.0, r));                          // log of 0
  r = TestRecords();
  std::swap(r[5], r[6]);
  refuses(MaterialFile("Falling", 2.0, r));                       // energies must rise
  refuses(MaterialFile("Massless", 0.0, TestRecords()));          // density 0
  refuses("Text\r\n2.0, 9\r\n0.001, abc, 1, 1, 0, 0\r\n");        // text where a number belongs
  refuses("");                                                    // empty file
  EXPECT_THROW(ReadFilterMaterialFile(folder.path() / "none.ele"), FileError);

  // A number beyond the range of numbers reads as infinity: refused where it
  // stands, not taken in to fail every later calculation.
  std::string text = MaterialFile("Huge", 2.0, TestRecords());
  text.replace(text.find("1.00000E+01"), 11, "1.00000E+999");  // record 4, line 6
  try {
    ReadFilterMaterialFile(folder.Write("Huge.ele", text));
    ADD_FAILURE() << "no DataError thrown";
  } catch (const DataError& e) {
    EXPECT_EQ(e.fault(), FileFault::NotFinite);
    EXPECT_EQ(e.file().filename(), "Huge.ele");
    EXPECT_EQ(e.line(), 6);
  }
}

TEST(FilterMaterial, ShippedAluminiumAgreesWithPublishedAttenuation)
{
  // Total mass attenuation coefficients of aluminium with coherent scattering
  // (Hubbell and Seltzer, NIST tables): 30 keV 1.128, 60 keV 0.2778,
  // 100 keV 0.1704, 150 keV 0.1378 cm2/g; density 2.699 g/cm3.
  const fs::path file = testing::SourceDir() / "data" / "Al.ele";
  const EnergyBinArray mu = OtherFilterMuOf(ReadFilterMaterialFile(file));
  EXPECT_EQ(ReadFilterMaterialName(file), "Al");
  EXPECT_NEAR(mu[60] / (2.699 * 1.128), 1.0, 0.02);
  EXPECT_NEAR(mu[120] / (2.699 * 0.2778), 1.0, 0.02);
  EXPECT_NEAR(mu[200] / (2.699 * 0.1704), 1.0, 0.02);
  EXPECT_NEAR(mu[300] / (2.699 * 0.1378), 1.0, 0.02);
}

TEST(FilterMaterial, EveryShippedMaterialFileReads)
{
  int files = 0;
  for (const auto& entry : fs::directory_iterator(testing::SourceDir() / "data")) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".ele" && ext != ".mix") continue;
    ++files;
    const EnergyBinArray mu = OtherFilterMuOf(ReadFilterMaterialFile(entry.path()));
    for (int i = 1; i <= kLastBin; ++i) {
      ASSERT_TRUE(std::isfinite(mu[i]) && mu[i] > 0.0) << entry.path() << " bin " << i;
    }
  }
  EXPECT_GE(files, 10);
}

}  // namespace
}  // namespace vorn::mainwin
