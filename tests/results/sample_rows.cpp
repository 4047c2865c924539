#include "sample_rows.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

namespace vorn::results::testing {

namespace fs = std::filesystem;

ResultTable ThreeRowTable()
{
  ResultTable t;
  const auto set = [](auto& column, auto a, auto b, auto c) {
    column[1] = a;
    column[2] = b;
    column[3] = c;
  };
  set(t.ResSiteName, "胸部正面", "腹部正面", "頭部側面");
  set(t.ResRectificationType, 1, 2, 3);
  set(t.ResOutputAt1m, 2.58e-4, 3.1e-4, 1.05e-4);
  set(t.ResTargetAngle, 12.0, 16.0, 10.0);
  set(t.ResInherentFilterAl, 0.25, 0.3, 0.2);
  set(t.ResAddedFilterAl, 0.1, 0.2, 0.0);
  set(t.ResAddedFilterCu, 0.0, 0.01, 0.02);
  set(t.ResOtherFilterMaterial, "", "Mo", "");
  set(t.ResOtherFilterThickness, 0.0, 0.003, 0.0);
  set(t.ResTubeVoltage, 75.0, 80.5, 60.0);
  set(t.ResTubeCurrent, 200.0, 320.0, 100.0);
  set(t.ResExposureTime, 0.05, 0.125, 0.2);
  set(t.ResFFD, 100.0, 120.0, 100.0);
  set(t.ResFSD, 80.0, 90.0, 85.0);
  set(t.ResObjectThickness, 20.0, 25.0, 15.0);
  set(t.ResFieldSizeName, "半切サイズ 縦", "四切サイズ 横", "その他");
  set(t.ResFieldLength, 43.2, 30.5, 20.0);
  set(t.ResFieldWidth, 35.6, 25.4, 15.0);
  set(t.ResHvl1, 0.2345, 0.301, 0.18);
  set(t.ResHvl2, 0.0, 0.55, 0.0);
  set(t.ResEffectiveEnergy, 31.25, 33.5, 28.75);
  set(t.ResQualityIndex, 0.0, 0.65, 0.0);
  set(t.ResBsfSoft, 1.352, 1.4, 1.25);
  set(t.ResBsfAir, 1.281, 1.3, 1.2);
  set(t.ResBsfSkin, 1.337, 1.35, 1.22);
  set(t.ResConvFactorSoft, 36.55, 36.6, 36.4);
  set(t.ResConvFactorSkin, 37.12, 37.2, 37.0);
  set(t.ResEntranceSurfaceDoseSoft, 1.23, 10.5, 0.5);
  set(t.ResEntranceSurfaceDoseSkin, 1.25, 11.25, 0.52);
  set(t.ResEntranceSurfaceDoseAir, 0.97, 8.75, 0.4);
  set(t.ResPhantomModel, 0, 1, 4);
  set(t.ResCylinderRadius, 0.0, 15.0, 0.0);
  set(t.ResRacetrackA, 0.0, 0.0, 12.5);
  set(t.ResRacetrackB, 0.0, 0.0, 8.0);
  set(t.ResRacetrackL, 0.0, 0.0, 30.0);
  set(t.ResEffectiveDose, 0.0, 0.123, 0.0);
  t.ResultRowCount = 4;
  return t;
}

RowValues FlatRowValues() { return RowOf(ThreeRowTable(), 1); }

void ExpectSameTable(const ResultTable& expected, const ResultTable& actual)
{
  EXPECT_EQ(expected.ResultRowCount, actual.ResultRowCount);
  for (std::size_t c = 0; c < kNumberColumns.size(); ++c) {
    for (int k = 0; k < kResultCells; ++k) {
      EXPECT_DOUBLE_EQ((expected.*kNumberColumns[c])[k], (actual.*kNumberColumns[c])[k])
          << "number column " << c << ", row " << k;
    }
  }
  for (const auto column : kCodeColumns) EXPECT_EQ(expected.*column, actual.*column);
  for (const auto column : kTextColumns) EXPECT_EQ(expected.*column, actual.*column);
}

TempFolder::TempFolder()
{
  static std::mt19937_64 engine{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::ostringstream name;
    name << "vorn-results-test-" << std::hex << engine();
    const fs::path candidate = fs::temp_directory_path() / name.str();
    if (fs::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder()
{
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(path_, ignored);
}

std::string ReadBytes(const fs::path& path)
{
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes)
{
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace vorn::results::testing
