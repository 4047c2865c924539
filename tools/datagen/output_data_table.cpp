#include "tools/datagen/output_data_table.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "beam/beam_calculation.h"
#include "beam/window_port.h"
#include "physics/interaction.h"
#include "platform/errors.h"

namespace vorn::datagen {

namespace {

// Degrees to radians as the spectrum model converts them.
constexpr double kModelPi = 3.14159;

struct PhaseSample {
  double phi_deg;
  double weight;  // tube-current weight
};

// The phase angles and tube-current weights at which the spectrum model
// samples each waveform.
std::vector<PhaseSample> Samples(int rectificationType)
{
  std::vector<PhaseSample> s;
  if (rectificationType == kConstantPotential) {
    s.push_back({90.0, 1.0});
  } else if (rectificationType == kThreePhase12Peak) {
    for (int phi = 75; phi <= 90; ++phi) s.push_back({double(phi), 1.0});
  } else if (rectificationType == kSinglePhaseFullWave) {
    for (int phi = 2; phi <= 90; phi += 2)
      s.push_back({double(phi), std::pow(std::min(std::sin(phi * kModelPi / 180.0) / 0.75, 1.0), 1.5)});
  } else {
    throw std::invalid_argument("no waveform for rectification type " + std::to_string(rectificationType));
  }
  return s;
}

// The computing module wants windows; nothing is shown here.
class NoWindows final : public WindowPort {
public:
  void SetLabelCaption(ResultLabel, std::string_view) override {}
  std::string MainBoxText(MainBox) const override { return {}; }
  void SetMainBoxText(MainBox, std::string_view) override {}
  std::string FitBoxText(FitBox) const override { return {}; }
  void DoEvents() override {}
  void ShowMessage(std::string_view text, MsgIcon, MsgTitle) override
  {
    throw CalcError("the spectrum model asked to show a message: " + std::string(text));
  }
  void Beep() override {}
};

// A scratch working folder for the module (it writes its spectrum export there).
class ScratchFolder {
public:
  ScratchFolder()
  {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorn-datagen-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw FileError("cannot create a scratch folder in " + pattern);
    path_ = pattern;
  }
  ~ScratchFolder()
  {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

private:
  std::filesystem::path path_;
};

}  // namespace

AttenuationData ComputeAttenuationData()
{
  using namespace physics;
  const Material w = PureElement(74, 19.3), al = PureElement(13, 2.699), cu = PureElement(29, 8.96);
  const Material air = NistMaterial("Air, Dry (near sea level)"), soft = IcruSoftTissue(), skin = IcruSkin();
  AttenuationData a;
  for (int i = 1; i <= kLastBin; ++i) {
    // Bin 1 (0.5 keV) is below the interaction data; no spectrum reaches it.
    const double E = BinEnergy_keV(i == 1 ? 2 : i);
    a.MuTarget[i] = LinearAttenuation(w, E);
    a.MuAl[i] = LinearAttenuation(al, E);
    a.MuCu[i] = LinearAttenuation(cu, E);
    a.MuenAir[i] = MassEnergyAbsorption(air, E);
    a.MuenSoft[i] = MassEnergyAbsorption(soft, E);
    a.MuenSkin[i] = MassEnergyAbsorption(skin, E);
  }
  return a;
}

double RelativeKermaPerCharge(const AttenuationData& attenuation, double kv, int rectificationType,
                              double filterAl_cm, double filterCu_cm)
{
  ScratchFolder scratch;
  NoWindows windows;
  BeamCalculation module(Edition::English, scratch.path(), windows);
  module.Attenuation = attenuation;
  ExposureCondition& c = module.Condition;
  c.TargetAngle = kTargetAngle_deg;
  c.RectificationType = kConstantPotential;
  c.InherentFilterAl = filterAl_cm;
  c.AddedFilterCu = filterCu_cm;
  module.Output.OutputFilterAl[kConstantPotential] = filterAl_cm;
  module.Output.OutputFilterCu[kConstantPotential] = filterCu_cm;

  // Each phase sample is the constant-potential spectrum at the sample's
  // voltage, kv sin(phi): the model's one constant-potential sample lies at
  // 90 degrees, so the voltage set is kv sin(phi) / sin(90 degrees).
  const double sin90 = std::sin(90.0 * kModelPi / 180.0);
  double kerma = 0.0, charge = 0.0, lowest_kept = 0.0;
  for (const PhaseSample& s : Samples(rectificationType)) {
    const double V = kv * std::sin(s.phi_deg * kModelPi / 180.0);
    charge += s.weight;
    // Below 10 kV nothing passes the filtration worth counting (checked below).
    if (V < 10.0) continue;
    c.TubeVoltage = V / sin90;
    module.CalcSpectrum();
    double k = 0.0;
    for (int i = 2; i <= 2.0 * V; ++i)
      k += module.BremsBins[i] *
           std::exp(-(filterAl_cm * attenuation.MuAl[i] + filterCu_cm * attenuation.MuCu[i])) *
           attenuation.MuenAir[i];
    if (lowest_kept == 0.0) lowest_kept = s.weight * k;
    kerma += s.weight * k;
  }
  if (!(kerma > 0.0)) throw CalcError("no air kerma behind the filtration at " + std::to_string(kv) + " kV");
  // The samples left out lie below the lowest one kept, which carries less
  // kerma still: if that one is negligible, so are they.
  if (rectificationType == kSinglePhaseFullWave && lowest_kept > 1e-6 * kerma)
    throw CalcError("the lowest phase sample kept carries a share of the kerma that is not negligible");
  return kerma / charge;
}

DefaultOutputData ComputeDefaultOutputData(const AttenuationData& attenuation)
{
  const double al_cm = 0.1 * kMeasurementAl_mm, cu_cm = 0.1 * kMeasurementCu_mm;
  const double anchor = kAnchorAirKerma_Gy_per_mAs / kGyPerCkg;  // C/kg per mAs
  const double scale = anchor / RelativeKermaPerCharge(attenuation, kAnchorKv, kConstantPotential, al_cm, cu_cm);

  DefaultOutputData d;
  d.header = "Typical output of a tungsten-anode tube at 1 m with 2.5 mm Al: model scaled to 50 uGy/mAs at 80 kV";
  for (int k = 1; k <= kOutputPoints; ++k) {
    const double kv = 30.0 + 10.0 * k;
    d.table(1, k) = kv;
    for (int t = 1; t <= 3; ++t) d.table(t + 1, k) = scale * RelativeKermaPerCharge(attenuation, kv, t, al_cm, cu_cm);
  }
  for (int t = 1; t <= 3; ++t) {
    d.filterAl_mm[t] = kMeasurementAl_mm;
    d.filterCu_mm[t] = kMeasurementCu_mm;
  }
  return d;
}

void WriteDefaultOutputData(const std::filesystem::path& out_dir)
{
  const DefaultOutputData d = ComputeDefaultOutputData(ComputeAttenuationData());
  WriteOutputDataFile(out_dir / kDefaultOutputFile, d.header, d.table, d.filterAl_mm, d.filterCu_mm);
}

}  // namespace vorn::datagen
