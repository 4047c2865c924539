// The effective dose that the depth-dose program reports from the shipped
// organ files, scatter kernels and soft-tissue tables, for a typical beam of
// each standard view, compared with published effective doses of the same
// examinations at comparable entrance surface doses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <string>
#include <unistd.h>

#include "beam/attenuation_data.h"
#include "beam/beam_calculation.h"
#include "beam/window_port.h"
#include "depthdose/depth_dose_calculation.h"
#include "platform/format/format.h"
#include "tests/organdata/sites.h"

namespace vorn::organdata {
namespace {

// The computing module of the main program only needs somewhere to put its
// labels while it computes the spectrum.
class QuietWindows : public WindowPort {
public:
  void SetLabelCaption(ResultLabel, std::string_view) override {}
  std::string MainBoxText(MainBox) const override { return {}; }
  void SetMainBoxText(MainBox, std::string_view) override {}
  std::string FitBoxText(FitBox) const override { return {}; }
  void DoEvents() override {}
  void ShowMessage(std::string_view text, MsgIcon, MsgTitle) override
  {
    ADD_FAILURE() << "message from the spectrum computation: " << text;
  }
  void Beep() override {}
};

// A working folder with the depth-dose program's data files, so that the
// scratch files the programs write stay out of the shipped data.
class DoseFolder : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    folder_ = new std::filesystem::path(std::filesystem::temp_directory_path() /
                                        ("vorn-organdata-" + std::to_string(::getpid())));
    namespace fs = std::filesystem;
    fs::remove_all(*folder_);
    fs::create_directories(*folder_);
    for (const char* name : {"ICRUSoft.dat", "Primary.dat", "Att_coeff2020.dat"}) {
      fs::copy_file(DataFolder() / name, *folder_ / name);
    }
    for (const char* dir : {"PDS-data", "Organ-data"}) {
      fs::copy(DataFolder() / dir, *folder_ / dir, fs::copy_options::recursive);
    }
  }
  static void TearDownTestSuite()
  {
    std::error_code ignored;
    std::filesystem::remove_all(*folder_, ignored);
    delete folder_;
    folder_ = nullptr;
  }
  static const std::filesystem::path& folder() { return *folder_; }

private:
  static inline std::filesystem::path* folder_ = nullptr;
};

struct Beam {
  EnergyBinArray spectrum{};
  double hvl_mmAl = 0.0;
};

// The main program's spectrum for an inverter generator, 12 degree target and
// its default filtration (2.5 mm Al inherent, 1.0 mm Al added), as handed over
// (each bin written with "0.000E+00").
Beam TypicalBeam(const std::filesystem::path& folder, double kv)
{
  QuietWindows windows;
  BeamCalculation main(Edition::English, folder, windows);
  main.Attenuation = LoadAttenuationData(folder);
  main.Condition.TubeVoltage = kv;
  main.Condition.RectificationType = kConstantPotential;
  main.Condition.TargetAngle = 12.0;
  main.Condition.InherentFilterAl = 0.25;
  main.Condition.AddedFilterAl = 0.1;
  main.Condition.AddedFilterCu = 0.0;
  main.CalcSpectrum();
  Beam beam;
  for (int i = 1; i <= kLastBin; ++i) beam.spectrum[i] = Val(Format(main.Spectrum[i], "0.000E+00"));
  beam.hvl_mmAl = 10.0 * main.Result.Hvl1;
  return beam;
}

struct DoseResult {
  bool completed = false;
  double E_mSv = 0.0;         // as the effective-dose window reports it
  double E_icrp60_mSv = 0.0;  // the same organ doses with the older weights
  std::string message;
};

// The organ doses of one OK, weighted with the tissue weighting factors of
// ICRP Publication 60, which the published doses of the 1990s and early
// 2000s used: gonads 0.20; red marrow, colon, lung, stomach 0.12; bladder,
// breast, liver, oesophagus, thyroid, remainder 0.05; skin, bone surface
// 0.01. The salivary glands had no weight then; the brain belonged to the
// remainder and, when it received more than any weighted organ, took half of
// the remainder's weight alone.
double EffectiveDoseIcrp60(const pdd::DepthDoseCalculation& pdd, const pdd::EffectiveDoseResult& dose)
{
  auto mean_dose = [&](int row) {
    return dose.organ_dose_mSv[row] / pdd.TissueWeight[pdd::OrganWeightIndex(row)];
  };
  using pdd::OrganRow;
  const std::pair<OrganRow, double> weighted[] = {
      {pdd::kGonads, 0.20},     {pdd::kRedMarrow, 0.12}, {pdd::kColon, 0.12},
      {pdd::kLung, 0.12},       {pdd::kStomach, 0.12},   {pdd::kBladder, 0.05},
      {pdd::kBreast, 0.05},     {pdd::kLiver, 0.05},     {pdd::kOesophagus, 0.05},
      {pdd::kThyroid, 0.05},    {pdd::kBoneSurface, 0.01}};
  double E = 0.0;
  double highest = 0.0;
  for (const auto& [row, w] : weighted) {
    E += w * mean_dose(row);
    highest = std::max(highest, mean_dose(row));
  }
  // Each skin row's share is of the whole skin, so the two add up to its mean.
  const double skin = mean_dose(pdd::kEntranceSkin) + mean_dose(pdd::kExitSkin);
  E += 0.01 * skin;
  highest = std::max(highest, skin);
  const double brain = mean_dose(pdd::kBrain);
  const double rest = mean_dose(pdd::kRemainder);  // stands for the other nine remainder organs
  E += brain > highest ? 0.025 * brain + 0.025 * rest : 0.05 * (9.0 * rest + brain) / 10.0;
  return E;
}

// Runs the depth-dose program's computation for one view: depth dose, organ
// rows as loaded from the site's organ file, then the OK of the effective-dose
// window with the rows untouched.
DoseResult EffectiveDose(const std::filesystem::path& folder, Edition edition,
                         std::string_view site_name, const SiteView& view, const Beam& beam,
                         double esd_mGy)
{
  pdd::DepthDoseCalculation pdd(edition, folder);
  pdd.InTubeVoltage = view.kv;
  pdd.InFFD = view.ffd_cm;
  pdd.InFSD = view.ffd_cm - view.thickness_cm - view.gap_cm;
  pdd.InObjectThickness = view.thickness_cm;
  pdd.InFieldLength = view.field_long_cm;
  pdd.InFieldWidth = view.field_short_cm;
  pdd.InEntranceSurfaceDose = esd_mGy;
  pdd.InSpectrum = beam.spectrum;
  pdd.InSiteName = std::string(site_name);

  DoseResult result;
  std::string failure;
  pdd.OnCalcFailure = [&](const pdd::CalcFailure& f) { failure = f.message + " (" + f.cause + ")"; };
  pdd.LoadAttenuationData();
  if (!pdd.CalcDepthDose()) {
    result.message = "depth dose: " + failure;
    return result;
  }
  const pdd::OrganDataResult organs = pdd.LoadOrganData();
  if (!organs.message.empty()) {
    result.message = "organ data: " + organs.message;
    return result;
  }
  pdd::OrganRowInputs rows;
  for (int row = 1; row <= pdd::kOrganRowCount; ++row) {
    const pdd::OrganRowFill& fill = organs.rows[row];
    rows[row] = {fill.checked, fill.near_depth, fill.far_depth, fill.percent};
  }
  const pdd::EffectiveDoseResult dose = pdd.EvaluateEffectiveDose(rows);
  result.completed = dose.completed;
  result.E_mSv = dose.total_mSv;
  result.E_icrp60_mSv = EffectiveDoseIcrp60(pdd, dose);
  result.message = dose.message;
  return result;
}

const SiteView& View(std::string_view english)
{
  for (const SiteView& site : kSites) {
    if (site.english == english) return site;
  }
  throw std::out_of_range(std::string(english));
}

// Published typical effective dose of a single radiograph (ICRP 60 weights)
// and the mean entrance surface dose of the UK surveys of the same period, at
// which such doses were delivered (see data/README.md).
struct Published {
  std::string_view site;
  double esd_mGy;
  double E_mSv;
};

constexpr Published kPublished[] = {
    {"Chest-Frontal", 0.16, 0.02},  // chest PA
    {"Abdomen-F", 5.0, 0.7},        // abdomen AP
    {"Lumbar-F", 6.0, 0.7},         // lumbar spine AP
    {"Lumbar-L", 12.0, 0.3},        // lumbar spine lateral
    {"Pelvis-F", 4.4, 0.6},         // pelvis AP
    {"Skull-Frontal", 2.5, 0.03},   // skull PA
};

TEST_F(DoseFolder, EffectiveDoseOfEachStandardViewIsWithinAFactorOfTwoOfPublishedValues)
{
  for (const Published& p : kPublished) {
    const SiteView& view = View(p.site);
    const Beam beam = TypicalBeam(folder(), view.kv);
    const DoseResult dose = EffectiveDose(folder(), Edition::English, view.english, view, beam, p.esd_mGy);
    ASSERT_TRUE(dose.completed) << view.english << ": " << dose.message;
    std::cout << std::fixed << std::setprecision(3) << "[ dose ] " << view.english << "  "
              << view.kv << " kV, HVL " << beam.hvl_mmAl << " mm Al, ESD " << p.esd_mGy
              << " mGy: E = " << std::setprecision(4) << dose.E_mSv << " mSv (ICRP 60 weights "
              << dose.E_icrp60_mSv << "), published " << p.E_mSv << ", ratio "
              << std::setprecision(2) << dose.E_mSv / p.E_mSv << " ("
              << dose.E_icrp60_mSv / p.E_mSv << ")\n";
    // What the program reports, and the like-for-like comparison.
    EXPECT_GE(dose.E_mSv, 0.5 * p.E_mSv) << view.english;
    EXPECT_LE(dose.E_mSv, 2.0 * p.E_mSv) << view.english;
    EXPECT_GE(dose.E_icrp60_mSv, 0.5 * p.E_mSv) << view.english;
    EXPECT_LE(dose.E_icrp60_mSv, 2.0 * p.E_mSv) << view.english;
  }
}

TEST_F(DoseFolder, EverySiteComputesInBothEditionsWithTheSameResult)
{
  // The Japanese site names select the same organ rows and, for the chest
  // views, the same lung corrections as the English ones.
  for (const SiteView& view : kSites) {
    const Beam beam = TypicalBeam(folder(), view.kv);
    const DoseResult english = EffectiveDose(folder(), Edition::English, view.english, view, beam, 1.0);
    const DoseResult japanese =
        EffectiveDose(folder(), Edition::Japanese, view.japanese, view, beam, 1.0);
    ASSERT_TRUE(english.completed) << view.english << ": " << english.message;
    ASSERT_TRUE(japanese.completed) << view.japanese << ": " << japanese.message;
    EXPECT_DOUBLE_EQ(japanese.E_mSv, english.E_mSv) << view.english;
    std::cout << std::fixed << std::setprecision(4) << "[ dose ] " << view.english << "  "
              << view.kv << " kV, " << view.thickness_cm << " cm: E/ESD = " << english.E_mSv
              << " mSv per mGy (ICRP 60 weights " << english.E_icrp60_mSv << ")\n";
  }
}

TEST_F(DoseFolder, FrontalChestRowsAreCorrectedForTheLungs)
{
  // Read under a site name of its own, the frontal chest's file loses the
  // lung correction: its breast and exit skin then sit deeper, in less dose,
  // so the effective dose must drop. This fails if the organ file or the
  // site name stop matching what the window corrects.
  const SiteView& view = View("Chest-Frontal");
  const Beam beam = TypicalBeam(folder(), view.kv);
  const DoseResult corrected = EffectiveDose(folder(), Edition::English, "Chest-Frontal", view, beam, 1.0);
  std::filesystem::copy_file(folder() / "Organ-data" / "Chest-Frontal.csv",
                             folder() / "Organ-data" / "Chest-Frontal-copy.csv",
                             std::filesystem::copy_options::overwrite_existing);
  const DoseResult plain = EffectiveDose(folder(), Edition::English, "Chest-Frontal-copy", view, beam, 1.0);
  ASSERT_TRUE(corrected.completed) << corrected.message;
  ASSERT_TRUE(plain.completed) << plain.message;
  EXPECT_GT(corrected.E_mSv, plain.E_mSv);
}

}  // namespace
}  // namespace vorn::organdata
