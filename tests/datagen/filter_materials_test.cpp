#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "physics/interaction.h"
#include "platform/files/seqfile.h"
#include "scratch_dir.h"
#include "tools/datagen/deterministic_tables.h"
#include "tools/datagen/generators.h"

namespace vorn::datagen {
namespace {

struct Record {
  double E_MeV;
  double summed;  // coherent + incoherent + photoelectric, cm2/g
  double pair_nuclear, pair_electron;
};

struct MaterialFile {
  std::string name;
  double density = 0.0;
  std::vector<Record> records;
};

// Reads a material file the way the optional-filter dialog does: line 1, the
// density and a second number, then records up to the first at 10 MeV or more.
MaterialFile ReadMaterialFile(const std::filesystem::path& path)
{
  SeqReader r(path);
  MaterialFile f;
  f.name = r.ReadLine();
  f.density = r.ReadNumber();
  r.ReadNumber();
  double E = 0.0;
  do {
    Record rec;
    rec.E_MeV = E = r.ReadNumber();
    rec.summed = r.ReadNumber() + r.ReadNumber() + r.ReadNumber();
    rec.pair_nuclear = r.ReadNumber();
    rec.pair_electron = r.ReadNumber();
    f.records.push_back(rec);
  } while (E < 10.0 && f.records.size() <= 100);
  return f;
}

// The dialog's coefficient at k keV: log-log between the last record at or
// below E and the next one (the segment above an edge listed twice).
double DialogMu(const MaterialFile& f, int k_keV)
{
  const double E = 0.001 * k_keV;
  std::size_t j = 0;
  while (f.records[j].E_MeV <= E) ++j;
  const Record& a = f.records[j - 1];
  const Record& b = f.records[j];
  const double ln_mu = std::log(a.summed) + (std::log(E) - std::log(a.E_MeV)) /
                                                 (std::log(b.E_MeV) - std::log(a.E_MeV)) *
                                                 (std::log(b.summed) - std::log(a.summed));
  return f.density * std::exp(ln_mu);
}

class FilterFiles : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    scratch_ = new testing::ScratchDir;
    for (const Generator& g : DeterministicGenerators())
      if (g.name == "FilterMaterials") g.run(GenContext{scratch_->path(), false, 1});
  }
  static void TearDownTestSuite() { delete scratch_; }
  static testing::ScratchDir* scratch_;
};
testing::ScratchDir* FilterFiles::scratch_ = nullptr;

TEST_F(FilterFiles, TheRequiredElementsAndMixturesAreThere)
{
  for (const char* s : {"Al", "Ti", "Fe", "Cu", "Zn", "Nb", "Mo", "Rh", "Ag", "Sn", "Gd", "Er", "Ta", "W", "Au", "Pb"})
    EXPECT_TRUE(std::filesystem::exists(scratch_->path() / (std::string(s) + ".ele"))) << s;
  for (const char* m : {"PMMA", "Water", "SoftTissue", "CorticalBone", "Polyethylene", "Brass"})
    EXPECT_TRUE(std::filesystem::exists(scratch_->path() / (std::string(m) + ".mix"))) << m;
  EXPECT_TRUE(std::filesystem::exists(scratch_->path() / kFilterReadmeFile));
}

TEST_F(FilterFiles, EveryFileKeepsTheRulesOfTheFormat)
{
  for (const FilterMaterialSpec& spec : FilterMaterials()) {
    SCOPED_TRACE(spec.file_name);
    const MaterialFile f = ReadMaterialFile(scratch_->path() / spec.file_name);
    EXPECT_EQ(f.name, spec.material.name);
    EXPECT_DOUBLE_EQ(f.density, spec.material.density_g_cm3);
    ASSERT_LE(f.records.size(), 100u);
    EXPECT_DOUBLE_EQ(f.records.front().E_MeV, 0.001);
    EXPECT_DOUBLE_EQ(f.records.back().E_MeV, 10.0);
    // Nothing follows the 10 MeV record.
    EXPECT_EQ(ReadAllLines(scratch_->path() / spec.file_name).size(), f.records.size() + 2);
    for (std::size_t i = 0; i < f.records.size(); ++i) {
      EXPECT_GT(f.records[i].summed, 0.0);
      if (i == 0) continue;
      const Record& prev = f.records[i - 1];
      const Record& cur = f.records[i];
      ASSERT_GE(cur.E_MeV, prev.E_MeV) << "record " << i + 1;
      // An energy listed twice is an absorption edge: the coefficient jumps up
      // (by little for a trace element, such as the zinc in cortical bone).
      if (cur.E_MeV == prev.E_MeV) {
        EXPECT_GT(cur.summed, prev.summed) << "record " << i + 1;
        ASSERT_LT(i + 1, f.records.size());
        EXPECT_GT(f.records[i + 1].E_MeV, cur.E_MeV);  // never three at one energy
      }
      // Pair production only above its thresholds.
      if (cur.E_MeV <= 1.0219979) {  // 2 m c^2 = 1.0219979 MeV
        EXPECT_EQ(cur.pair_nuclear, 0.0);
      }
      if (cur.E_MeV <= 2.0439958) {
        EXPECT_EQ(cur.pair_electron, 0.0);
      }
      if (cur.E_MeV >= 5.0) {
        EXPECT_GT(cur.pair_nuclear, cur.pair_electron);
      }
    }
  }
}

TEST_F(FilterFiles, TheDialogsInterpolationReproducesTheCoefficients)
{
  for (const FilterMaterialSpec& spec : FilterMaterials()) {
    const MaterialFile f = ReadMaterialFile(scratch_->path() / spec.file_name);
    for (int k = 1; k <= 150; ++k)
      EXPECT_NEAR(DialogMu(f, k) / physics::LinearAttenuation(spec.material, k), 1.0, 0.01)
          << spec.file_name << " at " << k << " keV";
  }
}

TEST_F(FilterFiles, CoefficientsAgreeWithPublishedValues)
{
  // NISTIR 5632, mu/rho in cm2/g: Cu 10.91 at 30 keV; Pb 5.549 at 100 keV.
  // Molybdenum's K edge (20.0 keV) shows between 19 and 21 keV.
  const MaterialFile cu = ReadMaterialFile(scratch_->path() / "Cu.ele");
  EXPECT_NEAR(DialogMu(cu, 30) / 8.96 / 10.91, 1.0, 0.01);
  const MaterialFile pb = ReadMaterialFile(scratch_->path() / "Pb.ele");
  EXPECT_NEAR(DialogMu(pb, 100) / 11.35 / 5.549, 1.0, 0.01);
  const MaterialFile mo = ReadMaterialFile(scratch_->path() / "Mo.ele");
  EXPECT_GT(DialogMu(mo, 21) / DialogMu(mo, 19), 4.0);
  // Brass lies between its copper and zinc parts.
  const MaterialFile brass = ReadMaterialFile(scratch_->path() / "Brass.mix");
  const MaterialFile zn = ReadMaterialFile(scratch_->path() / "Zn.ele");
  const double b = DialogMu(brass, 50) / 8.5, c = DialogMu(cu, 50) / 8.96, z = DialogMu(zn, 50) / 7.133;
  EXPECT_NEAR(b, 0.63 * c + 0.37 * z, 0.01 * b);
}

TEST_F(FilterFiles, ReadmeIsBilingualUtf8)
{
  const std::vector<std::string> lines = ReadAllLines(scratch_->path() / kFilterReadmeFile);
  std::string all;
  for (const std::string& l : lines) all += l + "\n";
  EXPECT_NE(all.find("付加フィルター"), std::string::npos);
  EXPECT_NE(all.find("Filter material files"), std::string::npos);
  EXPECT_NE(all.find("10 MeV"), std::string::npos);
  EXPECT_NE(all.find("100"), std::string::npos);
}

TEST(FilterRecords, EdgesAreListedTwiceAndGridPointsNearThemDropped)
{
  const physics::Material pb = physics::PureElement(82, 11.35);
  const std::vector<FilterRecordEnergy> r = FilterRecordEnergies(pb);
  int pairs = 0;
  for (std::size_t i = 1; i < r.size(); ++i) {
    EXPECT_LE(r[i - 1].E_keV, r[i].E_keV);
    if (r[i].E_keV == r[i - 1].E_keV) {
      ++pairs;
      EXPECT_EQ(r[i - 1].kind, FilterRecordEnergy::Kind::BelowEdge);
      EXPECT_EQ(r[i].kind, FilterRecordEnergy::Kind::AboveEdge);
    }
  }
  EXPECT_EQ(pairs, 9);  // K, L1-L3, M1-M5
  // 88 keV (K edge 88.0 keV) would sit on the edge: no plain grid point within 0.5 %.
  for (const FilterRecordEnergy& e : r)
    if (std::abs(e.E_keV / 88.0007 - 1) < 0.005) {
      EXPECT_NE(e.kind, FilterRecordEnergy::Kind::Grid) << e.E_keV;
    }
}

}  // namespace
}  // namespace vorn::datagen
