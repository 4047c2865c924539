// The depth-dose program's central-axis depth dose for a broad diagnostic
// beam, against a direct Monte Carlo simulation of the same beam in the same
// body.
//
// The program builds its depth dose from a closed-form primary and scatter
// kernels that were made once, by reciprocity, from pencil beams in a 40 cm
// slab, summed over rings of the field with the ring-in-rectangle rule and
// interpolated in log space between the kernel energies. The simulation here
// shares none of that: a point focus 100 cm above a 20 cm slab of ICRU-44
// soft tissue, photons of the handed-over spectrum sent into the 20 x 20 cm
// field, and the kerma of every photon, primary or scattered, scored by track
// length in 0.5 cm slabs of a thin cylinder around the central axis. Only the
// interaction data are common to both.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "beam/attenuation_data.h"
#include "beam/exposure_condition.h"
#include "beam/beam_calculation.h"
#include "beam/window_port.h"
#include "depthdose/depth_dose_calculation.h"
#include "physics/interaction.h"
#include "physics/mc/layered_slab.h"
#include "physics/mc/medium.h"
#include "physics/mc/source.h"
#include "physics/mc/tally.h"
#include "physics/mc/transport.h"
#include "platform/format/format.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

// ---------------------------------------------------------------- the beam

constexpr double kTubeVoltage_kV = 80.0;
constexpr double kFieldSide_cm = 20.0;
constexpr double kThickness_cm = 20.0;
constexpr int kSlabs = 40;               // 0.5 cm each
constexpr double kSlab_cm = 0.5;

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

// A working folder with the depth-dose program's data, so that its scratch
// file stays out of the shipped data.
class DataFolder {
public:
  DataFolder()
  {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("vorn-pdd-physics-" + std::to_string(random()));
    fs::remove_all(path_);
    fs::create_directories(path_);
    const fs::path data(VORN_DATA_DIR);
    for (const char* name : {"ICRUSoft.dat", "Primary.dat", "Att_coeff2020.dat"})
      fs::copy_file(data / name, path_ / name);
    fs::copy(data / "PDS-data", path_ / "PDS-data", fs::copy_options::recursive);
  }
  ~DataFolder()
  {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  DataFolder(const DataFolder&) = delete;
  DataFolder& operator=(const DataFolder&) = delete;
  const fs::path& path() const { return path_; }

private:
  fs::path path_;
};

struct Beam {
  EnergyBinArray spectrum{};
  double hvl_mmAl = 0.0;
};

// The main program's spectrum for a constant-potential generator, 12 degree
// target, 2.5 mm Al inherent and 1 mm Al added, as handed over (each bin
// written with "0.000E+00").
Beam HandedOverBeam(const fs::path& folder)
{
  QuietWindows windows;
  BeamCalculation main(Edition::English, folder, windows);
  main.Attenuation = LoadAttenuationData(folder);
  main.Condition.TubeVoltage = kTubeVoltage_kV;
  main.Condition.RectificationType = kConstantPotential;
  main.Condition.TargetAngle = 12.0;
  main.Condition.InherentFilterAl = 0.25;  // cm
  main.Condition.AddedFilterAl = 0.1;
  main.Condition.AddedFilterCu = 0.0;
  main.CalcSpectrum();
  Beam beam;
  for (int i = 1; i <= kLastBin; ++i) beam.spectrum[i] = Val(Format(main.Spectrum[i], "0.000E+00"));
  beam.hvl_mmAl = 10.0 * main.Result.Hvl1;
  return beam;
}

// ---------------------------------------------------------------- the simulation

// Photons of the spectrum (each takes the energy of its 0.5 keV bin, as the
// depth-dose program counts them) from a point focus at the origin, uniform
// per solid angle into the square field at the skin.
class SpectrumField : public mc::Source {
public:
  SpectrumField(const EnergyBinArray& spectrum, double side_cm, double distance_cm)
      : directions_(side_cm, side_cm, distance_cm, 1.0)
  {
    double sum = 0.0;
    for (int i = 2; i <= kLastBin; ++i) {
      sum += spectrum[i];
      cumulative_[i] = sum;
    }
    for (int i = 2; i <= kLastBin; ++i) cumulative_[i] /= sum;
  }

  mc::Photon emit(mc::Rng& rng) const override
  {
    mc::Photon p = directions_.emit(rng);
    const double u = rng.uniform();
    const auto bin = std::upper_bound(cumulative_.begin() + 2, cumulative_.end(), u);
    p.E_keV = 0.5 * static_cast<double>(std::min<std::ptrdiff_t>(bin - cumulative_.begin(), kLastBin));
    return p;
  }

private:
  mc::PointSourceField directions_;
  EnergyBinArray cumulative_{};
};

// Kerma along the central axis: every flight inside the cylinder of radius
// `radius` around the z axis scores weight x E x mu_en(E) x its length in
// each 0.5 cm slab below the skin at z_skin. Bins: slab j (0-based) for the
// photons that have not interacted yet, kSlabs + j for every photon (so that
// the total has its own batch statistics).
class AxisKermaTally : public mc::ScoringTally<AxisKermaTally> {
public:
  AxisKermaTally(double z_skin, double radius) : ScoringTally(kTrack), z_skin_(z_skin), radius_(radius)
  {
    scores_ = mc::BatchScores(2 * kSlabs);
  }

  void on_track(const mc::Photon& p, double d, const mc::World& world) override
  {
    if (!(d > 0.0)) return;
    // The part [t0, t1] of the flight inside the cylinder.
    double t0 = 0.0, t1 = d;
    const double a = p.u.x * p.u.x + p.u.y * p.u.y;
    const double b = p.r.x * p.u.x + p.r.y * p.u.y;
    const double c = p.r.x * p.r.x + p.r.y * p.r.y - radius_ * radius_;
    if (a < 1e-300) {
      if (c >= 0.0) return;
    } else {
      const double disc = b * b - a * c;
      if (disc <= 0.0) return;
      const double root = std::sqrt(disc);
      t0 = std::max(0.0, (-b - root) / a);
      t1 = std::min(d, (-b + root) / a);
      if (!(t1 > t0)) return;
    }
    const double kerma_per_cm = p.weight * p.E_keV * world.medium_of(p.region).mu_en(p.g);
    const bool primary = !p.scattered();
    const double z0 = p.r.z + t0 * p.u.z - z_skin_, z1 = p.r.z + t1 * p.u.z - z_skin_;
    if (p.u.z == 0.0) {
      const int j = static_cast<int>(std::floor(z0 / kSlab_cm));
      if (j >= 0 && j < kSlabs) score(j, primary, kerma_per_cm * (t1 - t0));
      return;
    }
    // Each slab's share of the chord: its z overlap over |cos| of the flight.
    const double lo = std::min(z0, z1), hi = std::max(z0, z1);
    const double per_z = 1.0 / std::abs(p.u.z);
    const int first = std::max(0, static_cast<int>(std::floor(lo / kSlab_cm)));
    const int last = std::min(kSlabs - 1, static_cast<int>(std::floor(hi / kSlab_cm)));
    for (int j = first; j <= last; ++j) {
      const double overlap = std::min(hi, kSlab_cm * (j + 1)) - std::max(lo, kSlab_cm * j);
      if (overlap > 0.0) score(j, primary, kerma_per_cm * overlap * per_z);
    }
  }

  mc::Estimate primary(int j) const { return scores_.estimate(static_cast<std::size_t>(j)); }
  mc::Estimate total(int j) const { return scores_.estimate(static_cast<std::size_t>(kSlabs + j)); }

private:
  void score(int j, bool primary, double energy)
  {
    if (primary) scores_.add(static_cast<std::size_t>(j), energy);
    scores_.add(static_cast<std::size_t>(kSlabs + j), energy);
  }

  double z_skin_;
  double radius_;
};

// ---------------------------------------------------------------- the comparison

// One slab: the program's and the simulation's totals in percent of their
// own slab 1, and each one's primary in proportion to its own primary of
// slab 1 (the shape of the primary alone).
struct Row {
  double depth_cm = 0.0;
  double program = 0.0;
  double mc = 0.0;
  double mc_sigma = 0.0;  // standard uncertainty of mc
  double program_primary = 0.0;
  double mc_primary = 0.0;
  double mc_primary_sigma = 0.0;
  double difference() const { return (program - mc) / mc; }
};

struct Comparison {
  double hvl_mmAl = 0.0;
  std::vector<Row> rows;  // slab j at rows[j - 1]
  // Scatter over primary in slab 1.
  double program_scatter_ratio = 0.0;
  double mc_scatter_ratio = 0.0;
};

// Ratio a / b of two tally means and its standard uncertainty, the two taken
// as independent (they are positively correlated, so this errs large).
std::pair<double, double> Ratio(const mc::Estimate& a, const mc::Estimate& b)
{
  const double r = a.mean / b.mean;
  return {r, r * std::hypot(a.relative(), b.relative())};
}

// The depth dose of the 80 kV beam in a 20 x 20 cm field at the skin, the
// focus `fsd_cm` above the skin, from the program and from the simulation
// with `histories` histories.
Comparison Compare(double fsd_cm, std::uint64_t seed, std::uint64_t histories)
{
  const DataFolder folder;
  const Beam beam = HandedOverBeam(folder.path());
  Comparison out;
  out.hvl_mmAl = beam.hvl_mmAl;

  // The program, through its own routines on the shipped data.
  pdd::DepthDoseCalculation pdd(Edition::English, folder.path());
  pdd.InTubeVoltage = kTubeVoltage_kV;
  pdd.InFFD = fsd_cm;  // FFD = FSD: the field sides are those at the skin
  pdd.InFSD = fsd_cm;
  pdd.InObjectThickness = kThickness_cm;
  pdd.InFieldLength = kFieldSide_cm;
  pdd.InFieldWidth = kFieldSide_cm;
  pdd.InEntranceSurfaceDose = 1.0;
  pdd.InSpectrum = beam.spectrum;
  std::string failure;
  pdd.OnCalcFailure = [&](const pdd::CalcFailure& f) { failure = f.message + " (" + f.cause + ")"; };
  pdd.LoadAttenuationData();
  EXPECT_TRUE(pdd.CalcDepthDose()) << failure;
  EXPECT_EQ(pdd::SlabCount(kThickness_cm), kSlabs);

  // The simulation: the body 80 x 80 cm wide, laterally large for this field.
  const physics::Material soft = physics::IcruSoftTissue();
  mc::Problem problem;
  problem.geometry =
      std::make_shared<mc::LayeredSlab>(std::vector<double>{fsd_cm, fsd_cm + kThickness_cm}, 40.0, 40.0);
  problem.media = {std::make_shared<const mc::Medium>(soft, mc::MakeEnergyGrid({soft}, 151.0))};
  problem.source = std::make_shared<SpectrumField>(beam.spectrum, kFieldSide_cm, fsd_cm);
  // A 2 cm radius: the dose of a 20 x 20 cm field is flat there (1 cm gives
  // the same depth dose within its doubled statistical error).
  auto tally = std::make_shared<AxisKermaTally>(fsd_cm, 2.0);
  problem.tallies = {tally};
  const std::uint64_t batches = 200;
  const mc::RunSummary run =
      mc::RunTransport(problem, {.seed = seed, .batches = batches, .histories_per_batch = histories / batches});
  std::cout << "[ pdd  ] FSD " << fsd_cm << " cm: " << run.histories << " histories on " << run.threads
            << " threads in " << run.seconds << " s; HVL " << beam.hvl_mmAl << " mm Al\n";

  for (int j = 1; j <= kSlabs; ++j) {
    Row r;
    r.depth_cm = pdd::SlabCentre_cm(j);
    r.program = pdd.PddTable[3][j];
    const auto [total, total_sigma] = Ratio(tally->total(j - 1), tally->total(0));
    r.mc = 100.0 * total;
    r.mc_sigma = 100.0 * total_sigma;
    r.program_primary = pdd.PddTable[1][j] / pdd.PddTable[1][1];
    std::tie(r.mc_primary, r.mc_primary_sigma) = Ratio(tally->primary(j - 1), tally->primary(0));
    out.rows.push_back(r);
  }
  out.program_scatter_ratio = pdd.PddTable[2][1] / pdd.PddTable[1][1];
  out.mc_scatter_ratio = (tally->total(0).mean - tally->primary(0).mean) / tally->primary(0).mean;

  std::printf("[ pdd  ] depth   program   direct MC         diff   | primary/primary(slab 1): program  MC\n");
  for (const Row& r : out.rows) {
    std::printf("[ pdd  ] %5.2f  %7.2f   %7.2f +- %5.2f  %+6.1f %% | %.4f  %.4f +- %.4f\n", r.depth_cm, r.program,
                r.mc, r.mc_sigma, 100.0 * r.difference(), r.program_primary, r.mc_primary, r.mc_primary_sigma);
  }
  std::printf("[ pdd  ] scatter over primary in slab 1: program %.4f, MC %.4f\n", out.program_scatter_ratio,
              out.mc_scatter_ratio);
  return out;
}

// The primary alone is computed in closed form by the program and simulated
// here; the two share only the interaction data, so its shape must agree to
// the statistics plus 1 % (the log-log interpolation of the attenuation
// table and of the primary factor between their grid energies).
void ExpectPrimaryShapesAgree(const Comparison& c)
{
  for (const Row& r : c.rows) {
    EXPECT_NEAR(r.program_primary, r.mc_primary, 0.01 * r.mc_primary + 3.0 * r.mc_primary_sigma)
        << "primary at " << r.depth_cm << " cm";
  }
}

TEST(DepthDosePhysics, DivergentBeamAgreesWithADirectSimulationDownTo15cm)
{
  // The examination as handed over: focus 100 cm above the skin.
  const Comparison c = Compare(100.0, 8020, 40'000'000);
  ASSERT_GT(c.hvl_mmAl, 2.5);  // an ordinary 80 kV beam, about 3 mm Al
  ASSERT_LT(c.hvl_mmAl, 3.8);

  // Down to 15 cm the program lies within 5 % of the simulation, plus 3
  // standard uncertainties (1.3 % at 15 cm). What makes up the 5 %: the
  // program's treatment of the divergent beam (the scatter of each depth
  // from kernels of a parallel pencil beam, weighted by the primary's inverse
  // square at that depth, over the field at that depth), which puts it 3-4 %
  // low between 8 and 13 cm and which the parallel beam below does not show;
  // near 15 cm the kernels' 40 cm slab starts to add backscatter that the
  // 20 cm body does not give (+2 % at 15 cm for the parallel beam); the
  // interpolation between the kernel energies stays inside the parallel
  // beam's 0.6 %.
  for (int j = 1; j <= 30; ++j) {
    const Row& r = c.rows[static_cast<std::size_t>(j - 1)];
    EXPECT_NEAR(r.program, r.mc, 0.05 * r.mc + 3.0 * r.mc_sigma) << "total at " << r.depth_cm << " cm";
  }
  ExpectPrimaryShapesAgree(c);

  // The scatter at the skin is the backscatter factor's business: the
  // kernels' and the simulation's scatter over primary agree within 5 %.
  EXPECT_NEAR(c.program_scatter_ratio, c.mc_scatter_ratio, 0.05 * c.mc_scatter_ratio);

  // The last 2.5 cm: the program's kernels come from a 40 cm slab, so they
  // keep the backscatter of tissue that this body does not have beyond its
  // exit; the program must lie above the simulation there, the more so the
  // nearer the exit. At the exit the missing backscatter is of the order of
  // BSF - 1 at an entrance (0.37 for this beam and field): between 10 and 60 %.
  for (int j = 36; j <= kSlabs; ++j) {
    const Row& r = c.rows[static_cast<std::size_t>(j - 1)];
    const Row& before = c.rows[static_cast<std::size_t>(j - 2)];
    EXPECT_GT(r.program, r.mc + 3.0 * r.mc_sigma) << "total at " << r.depth_cm << " cm";
    EXPECT_GT(r.difference(), before.difference()) << "excess at " << r.depth_cm << " cm";
  }
  EXPECT_GT(c.rows.back().difference(), 0.10);
  EXPECT_LT(c.rows.back().difference(), 0.60);
}

TEST(DepthDosePhysics, NearlyParallelBeamAgreesWithinAPerCentDownTo10cm)
{
  // The focus 100 m away: the inverse square and the field's growth with
  // depth vanish, and what is left is the kernels themselves, the
  // ring-in-rectangle rule and the energy interpolation. Down to 10 cm (the
  // exit's missing backscatter shows from about 12 cm on) the program lies
  // within 1.5 % plus 3 standard uncertainties of the simulation.
  const Comparison c = Compare(10000.0, 8021, 40'000'000);
  for (int j = 1; j <= 20; ++j) {
    const Row& r = c.rows[static_cast<std::size_t>(j - 1)];
    EXPECT_NEAR(r.program, r.mc, 0.015 * r.mc + 3.0 * r.mc_sigma) << "total at " << r.depth_cm << " cm";
  }
  ExpectPrimaryShapesAgree(c);
  EXPECT_NEAR(c.program_scatter_ratio, c.mc_scatter_ratio, 0.05 * c.mc_scatter_ratio);
}

// A 0.25 x 0.25 cm field at 100 cm (0.2 x 0.2 cm at the skin) scatters
// next to nothing: its area is a twentieth of the first ring's, whose own
// scatter is a few per cent of the primary. Taking its ring sum as 0, and a
// sum of 0 as 1, once gave 25 % at every depth.
TEST(DepthDosePhysics, ATinyFieldScattersAlmostNothingAtAnyDepth)
{
  const DataFolder folder;
  const Beam beam = HandedOverBeam(folder.path());
  pdd::DepthDoseCalculation pdd(Edition::English, folder.path());
  pdd.InTubeVoltage = kTubeVoltage_kV;
  pdd.InFFD = 100.0;
  pdd.InFSD = 80.0;
  pdd.InObjectThickness = kThickness_cm;
  pdd.InFieldLength = pdd.InFieldWidth = 0.25;
  pdd.InEntranceSurfaceDose = 1.0;
  pdd.InSpectrum = beam.spectrum;
  pdd.LoadAttenuationData();
  ASSERT_TRUE(pdd.CalcDepthDose());
  for (int j = 1; j <= kSlabs; ++j) EXPECT_LT(pdd.PddTable[2][j], 1.0) << "scatter % at slab " << j;
  EXPECT_LT(pdd.PddTable[2][kSlabs], 0.05);
  EXPECT_GT(pdd.PddTable[2][1], 0.0);
}

}  // namespace
}  // namespace vorn
