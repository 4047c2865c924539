#include "tools/bsfprog/backscatter_run.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "physics/mc/bodies.h"
#include "physics/mc/shapes/elliptic_arch.h"
#include "physics/mc/shapes/racetrack.h"
#include "physics/mc/tallies/entrance_patch.h"
#include "physics/mc/transport.h"
#include "tools/bsfprog/focus_source.h"

namespace vorn::bsf {
namespace {

constexpr double kLargestPatch_cm = 1.0;
constexpr double kPatchPerCurvatureRadius = 0.1;
constexpr std::uint64_t kMostBatches = 1000;
// Top of the transport's energy grid: above the highest bin of any spectrum.
constexpr double kGridTop_keV = 151.0;

}  // namespace

BackscatterPhysics::BackscatterPhysics()
    : soft_material(physics::IcruSoftTissue()),
      skin_material(physics::IcruSkin()),
      air_material(physics::NistMaterial("Air, Dry (near sea level)")),
      grid(mc::MakeEnergyGrid({soft_material, skin_material, air_material}, kGridTop_keV)),
      soft(std::make_shared<mc::Medium>(soft_material, grid)),
      air_en(std::make_shared<mc::EnergyAbsorption>(air_material, grid)),
      soft_en(std::make_shared<mc::EnergyAbsorption>(soft_material, grid)),
      skin_en(std::make_shared<mc::EnergyAbsorption>(skin_material, grid))
{
}

std::shared_ptr<const mc::ConvexShape> PhantomBody(const PhantomCondition& c)
{
  switch (c.Shape) {
    case PhantomShape::Cylinder:
      return std::make_shared<mc::EllipticArchPrism>(c.CylinderRadius, c.CylinderRadius, kBodyLength_cm,
                                                     c.ObjectThickness);
    case PhantomShape::EllipticCylinder:
      return std::make_shared<mc::EllipticArchPrism>(c.EllipseHRadius, c.EllipseVRadius, kBodyLength_cm,
                                                     c.ObjectThickness);
    case PhantomShape::Racetrack:
      return std::make_shared<mc::RacetrackPrism>(c.RacetrackA, c.RacetrackB, c.RacetrackL, c.ObjectThickness);
  }
  throw std::invalid_argument("PhantomBody: unknown shape");
}

double PatchRadius(const PhantomCondition& c)
{
  double r = kLargestPatch_cm;
  switch (c.Shape) {
    case PhantomShape::Cylinder:
      r = std::min(r, kPatchPerCurvatureRadius * c.CylinderRadius);
      break;
    case PhantomShape::EllipticCylinder:
      r = std::min(r, kPatchPerCurvatureRadius * c.EllipseHRadius * c.EllipseHRadius / c.EllipseVRadius);
      break;
    case PhantomShape::Racetrack:
      // On the flat top the patch may reach its edge; beyond that the
      // shoulders' radius b/2 sets the scale.
      r = std::min(r, std::max(0.5 * c.RacetrackA, kPatchPerCurvatureRadius * 0.5 * c.RacetrackB));
      break;
  }
  // The patch is a ball around the entrance point: it must hold no part of
  // the exit face (the primary photons leave there) nor of the ends.
  const double length = c.Shape == PhantomShape::Racetrack ? c.RacetrackL : kBodyLength_cm;
  return std::min({r, 0.5 * c.ObjectThickness, 0.25 * length});
}

BatchPlan PlanBatches(std::int64_t histories)
{
  if (histories < 1) throw std::invalid_argument("PlanBatches: needs at least one history");
  const auto n = static_cast<std::uint64_t>(histories);
  BatchPlan plan;
  plan.histories_per_batch = (n + kMostBatches - 1) / kMostBatches;
  plan.batches = (n + plan.histories_per_batch - 1) / plan.histories_per_batch;
  return plan;
}

BackscatterResult ComputeBackscatter(const PhantomCondition& c, const BeamSpectrum& spectrum,
                                     const BackscatterPhysics& physics, const RunOptions& options)
{
  const double scale = c.FSD / c.FFD;
  const auto source = std::make_shared<SpectrumFieldSource>(spectrum, c.FSD, c.SideText10 * scale, c.SideText11 * scale);
  const double radius = PatchRadius(c);
  const std::vector<std::shared_ptr<const mc::EnergyAbsorption>> scoring{physics.air_en, physics.soft_en,
                                                                          physics.skin_en};
  const auto patch = std::make_shared<mc::EntrancePatchTally>(mc::Vec3{0.0, 0.0, 0.0}, radius, scoring);

  mc::Problem problem;
  problem.geometry = std::make_shared<mc::Bodies>(std::vector<std::shared_ptr<const mc::ConvexShape>>{PhantomBody(c)});
  problem.media = {physics.soft};
  problem.source = source;
  problem.tallies = {patch};
  if (options.progress != nullptr) problem.tallies.push_back(std::make_shared<ProgressTally>(*options.progress));

  const BatchPlan plan = PlanBatches(c.McHistories);
  if (options.progress != nullptr) options.progress->Begin(plan.total());
  const mc::RunSummary run = mc::RunTransport(
      problem, {.seed = options.seed, .batches = plan.batches, .histories_per_batch = plan.histories_per_batch,
                .threads = options.threads});

  // Primary fluence at the entrance point per photon: 1 / (solid angle x FSD^2),
  // weighted by E mu_en/rho over the spectrum.
  const double fluence = 1.0 / (source->solid_angle() * c.FSD * c.FSD);
  BackscatterResult result;
  result.histories = run.histories;
  result.threads = run.threads;
  result.seconds = run.seconds;
  result.patch_radius_cm = radius;
  BsfEstimate* out[] = {&result.air, &result.soft, &result.skin};
  for (std::size_t m = 0; m < scoring.size(); ++m) {
    double primary = 0.0;
    for (std::size_t i = 0; i < spectrum.E_keV.size(); ++i)
      primary += spectrum.probability[i] * spectrum.E_keV[i] * scoring[m]->mu_en_rho_at(spectrum.E_keV[i]);
    primary *= fluence;
    const mc::Estimate backscatter = patch->score(m);
    const double per_area = 1.0 / (patch->area() * primary);
    out[m]->value = 1.0 + backscatter.mean * per_area;
    out[m]->std_error = backscatter.std_error * per_area;
  }
  return result;
}

}  // namespace vorn::bsf
