// The Monte Carlo calculation of the backscatter factors at the entrance
// point of a curved phantom.
//
//   const BackscatterPhysics physics;               // interaction data, built once
//   const BackscatterResult r = ComputeBackscatter(condition, spectrum, physics, {});
//   r.soft.value, r.soft.std_error                  // BSF for soft-tissue dose
#pragma once

#include <cstdint>
#include <memory>

#include "physics/interaction.h"
#include "physics/mc/medium.h"
#include "physics/mc/shapes/shape.h"
#include "tools/bsfprog/phantom_condition.h"
#include "tools/bsfprog/run_progress.h"
#include "tools/bsfprog/x_spctl_file.h"

namespace vorn::bsf {

// Length of the cylinder and the elliptic cylinder along the body [cm].
constexpr double kBodyLength_cm = 80.0;

// The run's seed: the same condition always gives the same factors.
constexpr std::uint64_t kRunSeed = 7;

/// ICRU-44 soft tissue as the phantom's medium, and the energy absorption of
/// air, soft tissue and skin that weight the scores, on one energy grid.
struct BackscatterPhysics {
  BackscatterPhysics();

  physics::Material soft_material;
  physics::Material skin_material;
  physics::Material air_material;
  std::shared_ptr<const mc::EnergyGrid> grid;
  std::shared_ptr<const mc::Medium> soft;
  std::shared_ptr<const mc::EnergyAbsorption> air_en;
  std::shared_ptr<const mc::EnergyAbsorption> soft_en;
  std::shared_ptr<const mc::EnergyAbsorption> skin_en;
};

// The phantom body: its upper surface touches the origin, where the central
// ray enters; z is depth, x runs along the body. The cylinder and the
// elliptic cylinder are their upper halves over straight sides, 80 cm long;
// the racetrack is its flat top, quarter-circle shoulders and straight sides,
// L long; all end at the exit level, the body thickness below the entrance point.
std::shared_ptr<const mc::ConvexShape> PhantomBody(const PhantomCondition& condition);

// Radius of the scoring patch around the entrance point [cm]: 1 cm, smaller
// where the surface curves more sharply (a tenth of its radius of curvature
// there; on a racetrack at most the flat top's half width or a tenth of the
// shoulders' radius, whichever is larger), and never more than half the
// body thickness or a quarter of its length.
double PatchRadius(const PhantomCondition& condition);

// The histories actually run: batches of equal size, at most 1000 of them;
// the total is the one asked for rounded up to a whole number of batches.
struct BatchPlan {
  std::uint64_t batches = 0;
  std::uint64_t histories_per_batch = 0;
  std::uint64_t total() const { return batches * histories_per_batch; }
};
BatchPlan PlanBatches(std::int64_t histories);

struct BsfEstimate {
  double value = 0.0;
  double std_error = 0.0;
};

struct BackscatterResult {
  BsfEstimate air;
  BsfEstimate soft;
  BsfEstimate skin;
  std::uint64_t histories = 0;
  int threads = 0;
  double seconds = 0.0;
  double patch_radius_cm = 0.0;
};

struct RunOptions {
  int threads = 0;  // 0: every hardware thread
  std::uint64_t seed = kRunSeed;
  RunProgress* progress = nullptr;  // counts the histories; its cancel stops the run
};

// BSF = 1 + backscatter / primary for each medium: the backscattered photons
// leaving the phantom through the patch around the entrance point, as fluence
// weighted by E x mu_en/rho of the medium, over the primary fluence there
// weighted alike (from the focus, in closed form). Throws RunCancelled when
// the progress's cancel was asked, std::invalid_argument on an impossible
// condition.
BackscatterResult ComputeBackscatter(const PhantomCondition& condition, const BeamSpectrum& spectrum,
                                     const BackscatterPhysics& physics, const RunOptions& options);

}  // namespace vorn::bsf
