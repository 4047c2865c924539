#include "tools/bsfprog/bsf_program.h"

#include <cmath>
#include <exception>
#include <optional>
#include <system_error>
#include <utility>

#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"

namespace vorn::bsf {
namespace {

std::string Cm(double x) { return NumberText(x) + " cm"; }

std::string Factor(const char* name, const BsfEstimate& e)
{
  const double relative = e.value != 0.0 ? 100.0 * e.std_error / e.value : 0.0;
  return std::string(name) + Format(e.value, "0.000") + " \u00B1 " + Format(e.std_error, "0.000") + "  (" +
         Format(relative, "0.00") + " %)";
}

}  // namespace

ProgramOutcome RunBackscatterProgram(PhantomShape shape, const std::filesystem::path& folder,
                                     const RunOptions& options, const BackscatterPhysics* physics)
{
  ProgramOutcome outcome;
  const std::filesystem::path result_path = folder / kResultFileName;
  try {
    std::error_code ec;
    std::filesystem::remove(result_path, ec);
    if (ec) throw FileError(result_path.string() + ": the result of an earlier run cannot be removed (" + ec.message() + ")");

    outcome.condition = ReadPhantomCondition(folder / kConditionFileName, shape);
    const BeamSpectrum spectrum = ReadSpectrumExport(folder / kSpectrumFileName);
    std::optional<BackscatterPhysics> own;
    if (physics == nullptr) physics = &own.emplace();
    outcome.result = ComputeBackscatter(outcome.condition, spectrum, *physics, options);
    CheckResultUsable(outcome.result);
    WriteFileAtomically(result_path, ResultFileText(outcome.result));
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
}

std::string ResultFileText(const BackscatterResult& r)
{
  return Format(r.air.value, "0.00000") + "\r\n" + Format(r.soft.value, "0.00000") + "\r\n" +
         Format(r.skin.value, "0.00000") + "\r\n";
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
