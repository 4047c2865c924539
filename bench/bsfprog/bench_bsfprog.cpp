// Photon histories per second of the backscatter programs: the default
// condition (FSD 80 cm, FFD 100 cm, 35.6 x 43.2 cm field, 20 cm thick body)
// with an 80 kV spectrum from the main program's own spectrum model, for the
// three shapes, on one core and on all of them. 50 million histories (the
// default) take 5e7 divided by the all-core rate in seconds.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <thread>

#include "beam/attenuation_data.h"
#include "beam/beam_calculation.h"
#include "beam/x_spctl_export.h"
#include "tools/bsfprog/backscatter_run.h"

namespace {

using namespace vorn;

class NoWindows : public WindowPort {
public:
  void SetLabelCaption(ResultLabel, std::string_view) override {}
  std::string MainBoxText(MainBox) const override { return {}; }
  void SetMainBoxText(MainBox, std::string_view) override {}
  std::string FitBoxText(FitBox) const override { return {}; }
  void DoEvents() override {}
  void ShowMessage(std::string_view, MsgIcon, MsgTitle) override {}
  void Beep() override {}
};

struct Setup {
  bsf::BackscatterPhysics physics;
  bsf::BeamSpectrum spectrum;

  Setup()
  {
    const auto folder = std::filesystem::temp_directory_path() / "vorn_bench_bsfprog";
    std::filesystem::create_directories(folder);
    NoWindows windows;
    BeamCalculation m(Edition::English, folder, windows);
    m.Attenuation = LoadAttenuationData(VORN_DATA_DIR);
    m.Condition.TubeVoltage = 80.0;
    m.Condition.TargetAngle = 12.0;
    m.Condition.RectificationType = kConstantPotential;
    m.Condition.InherentFilterAl = 0.25;
    m.Condition.AddedFilterAl = 0.1;
    m.CalcSpectrum();
    spectrum = bsf::ReadSpectrumExport(folder / kSpectrumExportFileName);
    std::filesystem::remove_all(folder);
  }
  static const Setup& get()
  {
    static const Setup s;
    return s;
  }
};

bsf::PhantomCondition DefaultCondition(bsf::PhantomShape shape)
{
  bsf::PhantomCondition c;
  c.Shape = shape;
  c.CylinderRadius = 20.0;
  c.EllipseHRadius = 30.0;
  c.EllipseVRadius = 20.0;
  c.RacetrackA = 20.0;
  c.RacetrackB = 20.0;
  c.RacetrackL = 80.0;
  c.ObjectThickness = 20.0;
  c.FSD = 80.0;
  c.FFD = 100.0;
  c.SideText11 = 35.6;
  c.SideText10 = 43.2;
  c.McHistories = 400000;
  return c;
}

void BM_Backscatter(benchmark::State& state)
{
  const Setup& s = Setup::get();
  const auto shape = static_cast<bsf::PhantomShape>(state.range(0));
  const int threads = state.range(1) == 0 ? static_cast<int>(std::thread::hardware_concurrency())
                                          : static_cast<int>(state.range(1));
  bsf::PhantomCondition c = DefaultCondition(shape);
  if (state.range(1) == 1) c.McHistories /= 4;
  std::uint64_t seed = 1;
  std::uint64_t histories = 0;
  double soft_error = 0.0;
  for (auto _ : state) {
    const bsf::BackscatterResult r =
        bsf::ComputeBackscatter(c, s.spectrum, s.physics, {.threads = threads, .seed = seed++});
    histories += r.histories;
    soft_error = r.soft.std_error;
    benchmark::DoNotOptimize(r.soft.value);
  }
  state.counters["threads"] = threads;
  // The soft-tissue BSF's standard uncertainty scaled to 50 million histories.
  state.counters["soft_error_at_5e7"] = soft_error * std::sqrt(static_cast<double>(c.McHistories) / 5e7);
  state.SetItemsProcessed(static_cast<std::int64_t>(histories));
}

// Arguments: shape (1 cylinder, 2 elliptic cylinder, 4 racetrack), threads (0: every hardware thread).
BENCHMARK(BM_Backscatter)
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({4, 1})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({4, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
