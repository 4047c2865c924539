#include "tools/bsfprog/bsf_program.h"

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include "beam/backscatter_exchange.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"

namespace vorn::bsf {
namespace {

// How the result file writes a factor.
constexpr const char* kFactorPattern = "0.00000";

std::string Cm(double x) { return NumberText(x) + " cm"; }

std::string Factor(const char* name, const BsfEstimate& e)
{
  const double relative = e.value != 0.0 ? 100.0 * e.std_error / e.value : 0.0;
  return std::string(name) + Format(e.value, "0.000") + " \u00B1 " + Format(e.std_error, "0.000") + "  (" +
         Format(relative, "0.00") + " %)";
}

// Asks the run to stop once the main program has asked for another
// calculation, looking every kSupersessionCheck_ms until it is destroyed.
// A run without a token (started by hand) is not watched.
class SupersessionWatch {
public:
  SupersessionWatch(std::filesystem::path condition, std::string run, RunProgress& progress)
  {
    if (run.empty()) return;
    thread_ = std::thread([this, condition = std::move(condition), run = std::move(run), &progress] {
      std::unique_lock lock(mutex_);
      while (!cv_.wait_for(lock, std::chrono::milliseconds(kSupersessionCheck_ms), [this] { return stop_; })) {
        lock.unlock();
        const bool superseded = ConditionSuperseded(condition, run);
        lock.lock();
        if (superseded) {
          superseded_ = true;
          progress.RequestCancel();
          return;
        }
      }
    });
  }
  ~SupersessionWatch()
  {
    {
      const std::lock_guard lock(mutex_);
      stop_ = true;
    }
    cv_.notify_all();
    if (thread_.joinable()) thread_.join();
  }
  SupersessionWatch(const SupersessionWatch&) = delete;
  SupersessionWatch& operator=(const SupersessionWatch&) = delete;

  bool Superseded() const
  {
    const std::lock_guard lock(mutex_);
    return superseded_;
  }

private:
  mutable std::mutex mutex_;
  std::condition_variable cv_;
  bool stop_ = false;
  bool superseded_ = false;
  std::thread thread_;
};

CalcError Superseded()
{
  return CalcError(std::string("the main program has asked for another calculation, or has ended (") +
                   kConditionFileName + " no longer holds this run's token): this run stopped and wrote no result");
}

}  // namespace

ProgramOutcome RunBackscatterProgram(PhantomShape shape, const std::filesystem::path& folder,
                                     const RunOptions& options, const BackscatterPhysics* physics)
{
  ProgramOutcome outcome;
  const std::filesystem::path result_path = folder / kResultFileName;
  const std::filesystem::path condition_path = folder / kConditionFileName;
  try {
    std::error_code ec;
    std::filesystem::remove(result_path, ec);
    if (ec) throw FileError(result_path.string() + ": the result of an earlier run cannot be removed (" + ec.message() + ")");

    outcome.condition = ReadPhantomCondition(condition_path, shape);
    const std::string& run = outcome.condition.RunToken;
    const BeamSpectrum spectrum = ReadSpectrumExport(folder / kSpectrumFileName);
    RunProgress own_progress;
    RunOptions run_options = options;
    if (run_options.progress == nullptr) run_options.progress = &own_progress;
    const SupersessionWatch watch(condition_path, run, *run_options.progress);
    std::optional<BackscatterPhysics> own;
    if (physics == nullptr) physics = &own.emplace();
    try {
      outcome.result = ComputeBackscatter(outcome.condition, spectrum, *physics, run_options);
    } catch (const RunCancelled&) {
      if (watch.Superseded()) throw Superseded();
      throw;
    }
    CheckResultUsable(outcome.result);
    // The last look: a result written after the main program asked for
    // another calculation would only stand in that one's way.
    if (!run.empty() && ConditionSuperseded(condition_path, run)) throw Superseded();
    WriteFileAtomically(result_path, ResultFileText(outcome.result, run));
    outcome.ok = true;
  } catch (const std::exception& e) {
    outcome.ok = false;
    outcome.message = e.what();
  }
  return outcome;
}

void CheckResultUsable(const BackscatterResult& r)
{
  const std::pair<const char*, const BsfEstimate*> factors[] = {
      {"air kerma", &r.air}, {"soft-tissue dose", &r.soft}, {"skin dose", &r.skin}};
  for (const auto& [name, e] : factors) {
    if (!std::isfinite(e->value))
      throw CalcError("the backscatter factor for " + std::string(name) + " came out as " + NumberText(e->value) +
                      ", not a finite number");
  }
  if (r.soft.value == 1.0 && r.soft.std_error == 0.0) {
    throw CalcError("no backscattered photon reached the scoring patch of radius " + NumberText(r.patch_radius_cm) +
                    " cm around the entrance point in " + std::to_string(r.histories) +
                    " histories; run more photon histories");
  }
  for (const auto& [name, e] : factors) {
    // An uncertainty that is not finite (a single batch) fails this too.
    const double relative = e->std_error / e->value;
    if (!(relative <= kMostRelativeUncertainty)) {
      throw CalcError("the backscatter factor for " + std::string(name) + ", " + Format(e->value, "0.000") +
                      " \u00B1 " + Format(e->std_error, "0.000") + ", is uncertain by " + Format(100.0 * relative, "0.0") +
                      " %, more than the " + NumberText(100.0 * kMostRelativeUncertainty) +
                      " % a result may have; run more photon histories");
    }
  }
  // The main program takes no other factors; a certain one outside them is
  // no body's.
  for (const auto& [name, e] : factors) {
    const double written = Val(Format(e->value, kFactorPattern));
    if (!BackscatterFactorInRange(written)) {
      throw CalcError("the backscatter factor for " + std::string(name) + " came out as " + NumberText(written) +
                      ", outside the " + NumberText(kLeastBackscatterFactor) + " to " +
                      NumberText(kMostBackscatterFactor) + " that a body's backscatter factor lies in");
    }
  }
}

std::string ResultFileText(const BackscatterResult& r, std::string_view run)
{
  std::string text = Format(r.air.value, kFactorPattern) + "\r\n" + Format(r.soft.value, kFactorPattern) + "\r\n" +
                     Format(r.skin.value, kFactorPattern) + "\r\n";
  if (!run.empty()) text += std::string(run) + "\r\n";
  return text;
}

std::string ConditionText(const PhantomCondition& c)
{
  std::string shape;
  switch (c.Shape) {
    case PhantomShape::Cylinder: shape = "Cylinder, radius " + Cm(c.CylinderRadius); break;
    case PhantomShape::EllipticCylinder:
      shape = "Elliptic cylinder, semi-axes " + Cm(c.EllipseHRadius) + " across, " + Cm(c.EllipseVRadius) + " deep";
      break;
    case PhantomShape::Racetrack:
      shape = "Racetrack, a = " + Cm(c.RacetrackA) + ", b = " + Cm(c.RacetrackB) + ", L = " + Cm(c.RacetrackL);
      break;
  }
  return shape + "; thickness " + Cm(c.ObjectThickness) + "; FSD " + Cm(c.FSD) + ", FFD " + Cm(c.FFD) +
         "; field " + NumberText(c.SideText11) + " x " + NumberText(c.SideText10) + " cm at FFD; " +
         std::to_string(c.McHistories) + " histories";
}

std::string ResultText(const BackscatterResult& r)
{
  return Factor("BSF, air kerma:        ", r.air) + "\n" + Factor("BSF, soft-tissue dose: ", r.soft) + "\n" +
         Factor("BSF, skin dose:        ", r.skin) + "\n" + std::to_string(r.histories) + " histories in " +
         Format(r.seconds, "0.0") + " s on " + std::to_string(r.threads) + " threads (" + "\u00B1 one standard uncertainty)";
}

}  // namespace vorn::bsf
