// Speed of the computing module: a full calculation (spectrum, exposure at
// 1 m, flat-surface backscatter factors and doses) at 75 kV and at 150 kV
// single-phase, and a fit of the tube voltage to a measured half-value layer.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "beam/atr_data.h"
#include "beam/attenuation_data.h"
#include "beam/diff_bsf_data.h"
#include "beam/output_data.h"
#include "platform/format/format.h"
#include "synthetic_tables.h"

namespace vorn::testing {
namespace {

// The shipped tables in data/ where they are there, the synthetic ones otherwise.
void UseShippedTablesWherePresent(BeamCalculation& m)
{
  const std::filesystem::path data = VORN_DATA_DIR;
  if (std::filesystem::exists(data / kAttenuationFileName)) {
    m.Attenuation = LoadAttenuationData(data);
  }
  if (std::filesystem::exists(data / kDbsfFileNames[0])) m.DiffBsf = LoadDiffBsfTables(data);
  if (std::filesystem::exists(data / kAtrFileName)) m.Atr = LoadAtrData(data);
  if (std::filesystem::exists(data / kDefaultOutputDataFileName)) {
    m.Output = ReadOutputDataFile(data / kDefaultOutputDataFileName);
  }
}

void FullCalculation(benchmark::State& state, double kv, int waveform)
{
  Bench b;
  UseShippedTablesWherePresent(b.m());
  b.m().Condition.TubeVoltage = kv;
  b.m().Condition.RectificationType = waveform;
  for (auto _ : state) {
    b.m().CalcSpectrum();
    b.m().CalcExposureFromOutput();
    b.m().CalcBsfAndSurfaceDose();
    b.windows.Clear();
  }
  state.counters["Hvl1_mm"] = 10 * b.m().Result.Hvl1;
  state.counters["Eeff_keV"] = b.m().Result.EffectiveEnergy;
  state.counters["BsfSoft"] = b.m().Result.BsfSoft;
  state.counters["Dose_mGy"] = b.m().Result.EntranceSurfaceDoseSoft;
}
BENCHMARK_CAPTURE(FullCalculation, 75kV_constant_potential, 75.0, kConstantPotential)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullCalculation, 150kV_single_phase, 150.0, kSinglePhaseFullWave)
    ->Unit(benchmark::kMillisecond);

// From 75 kV single-phase up to the voltage whose half-value layer is that of
// 80 kV: about 25 full spectrum evaluations and the closing calculation.
void HvlVoltageFit(benchmark::State& state)
{
  Bench probe;
  UseShippedTablesWherePresent(probe.m());
  probe.m().Condition.RectificationType = kSinglePhaseFullWave;
  probe.m().Condition.TubeVoltage = 80.05;
  probe.m().CalcSpectrum();
  const std::string measured_mm = NumberText(10 * probe.m().Result.Hvl1);

  Bench b;
  UseShippedTablesWherePresent(b.m());
  b.m().Condition.RectificationType = kSinglePhaseFullWave;
  b.windows.fit_boxes[FitBox::MeasuredHvl] = measured_mm;
  for (auto _ : state) {
    state.PauseTiming();
    b.m().Condition.TubeVoltage = 75;
    b.m().CalcSpectrum();
    b.m().Fit.FitFailHvlUp = 0;
    b.m().Fit.FitFailHvlDown = 0;
    state.ResumeTiming();
    b.m().FitHvlByVoltageUp();
  }
  state.counters["fitted_kV"] = b.m().Condition.TubeVoltage;
  state.counters["failed"] = b.m().Fit.FitFailHvlUp + b.m().Fit.FitFailHvlDown;
}
BENCHMARK(HvlVoltageFit)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorn::testing

BENCHMARK_MAIN();
