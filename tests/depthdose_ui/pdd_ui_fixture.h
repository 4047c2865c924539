// A fresh working folder per test holding the shipped data files (with small
// synthetic scatter kernels where the shipped ones are not there yet), a
// hand-over file as the main program writes it, and the depth-dose program
// on scripted desktop services.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "beam/energy_bins.h"
#include "depthdose/depthdose_program.h"
#include "depthdose/effective_dose_window.h"
#include "depthdose/graph_window.h"
#include "platform/ui/scripted_services.h"

namespace vorn::pdd::test {

namespace fs = std::filesystem;

struct HandoverValues {
  double kV = 75, FFD = 100, FSD = 80, thickness = 20, length = 30, width = 24;
  std::string dose = "1.200";  // as written, "##0.000"
  std::string site = "Abdomen-F";
};

// A plausible filtered 75 kV spectrum (relative fluence, sum 1): nothing
// below 20 keV, a broad hump, falling to 0 at the tube voltage.
EnergyBinArray ExampleSpectrum(double kV);

// Copies data/ of the source tree into folder; writes synthetic kernels when
// the shipped ones are not all there.
void CopyShippedData(const fs::path& folder);

// Vorn2PDD.dat with 308 lines, cut after `lines` lines when fewer are asked for.
void WriteHandoverFile(const fs::path& folder, const HandoverValues& v, int lines = 308);

class PddWindowTest : public ::testing::Test {
public:
  PddWindowTest();
  ~PddWindowTest() override;

  fs::path File(const fs::path& name) const { return folder_ / name; }
  void WriteFile(const fs::path& name, std::string_view content) const;
  std::string ReadFile(const fs::path& name) const;

  // Writes the hand-over file and builds the program (not started yet).
  DepthDoseProgram& Make(Edition edition, const HandoverValues& values = {});
  // Make, then Start with no message box expected.
  DepthDoseProgram& Started(Edition edition, const HandoverValues& values = {});

  pdd::GraphWindow& graph() { return *program_->graphWindow; }
  pdd::EffectiveDoseWindow& organs() { return *program_->effectiveDoseWindow; }
  DepthDoseCalculation& module() { return program_->module(); }

  fs::path folder_;
  ui::ScriptedServices services_;
  std::unique_ptr<DepthDoseProgram> program_;
};

}  // namespace vorn::pdd::test
