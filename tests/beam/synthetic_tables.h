// Physically shaped but synthetic data tables for the computing module's
// tests: power-law attenuation with K edges where tungsten, aluminium and
// copper have them, smooth differential backscatter tables, an ATR table and
// a tube-output table.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "beam/atr_data.h"
#include "beam/attenuation_data.h"
#include "beam/diff_bsf_data.h"
#include "beam/beam_calculation.h"
#include "beam/output_data.h"
#include "recording_window_port.h"

namespace vorn::testing {

AttenuationData SyntheticAttenuation();
DiffBsfData SyntheticDiffBsf();
AtrData SyntheticAtr(const AttenuationData& attenuation);
OutputData SyntheticOutputData();

// The start-up condition: 75 kV, 200 mA, 0.05 s, 12 degrees, 2.5 mm Al
// inherent, 1.0 mm Al added, FFD 100, FSD 80, 43.2 x 35.6 cm, constant
// potential, output data, flat body surface.
void SetStartupCondition(BeamCalculation& module);

// A fresh folder under the system's temporary folder, removed with its content.
class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

private:
  std::filesystem::path path_;
};

// A module on a temporary working folder with the synthetic tables loaded
// and the start-up condition set.
struct Bench {
  explicit Bench(Edition edition = Edition::Japanese);
  TempFolder folder;
  RecordingWindowPort windows;
  std::unique_ptr<BeamCalculation> module;
  BeamCalculation& m() { return *module; }
};

// Text of a whole file as bytes.
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace vorn::testing
