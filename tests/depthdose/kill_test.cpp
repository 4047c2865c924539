// The depth-dose program's two files, PDD_tempDATA.txt and Eff-Dose.dat, stay
// whole when the program is killed in the middle of writing them.
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/depthdose/pdd_fixture.h"
#include "tests/support/kill_during_save.h"

namespace vorn::pdd::test {
namespace {

using KilledSave = PddFolder;

TEST_F(KilledSave, TheDepthDoseTableAndTheEffectiveDoseAreOldOrNew)
{
  WriteAttenuation();
  WritePrimary();
  WriteKernels([](int E, int m, int j) { return 1e-4 * E / (m * j); });
  Handover beam;
  for (int bin = 40; bin <= 150; ++bin) beam.spectrum[bin] = 1.0 / 111;
  WriteHandover(beam);
  DepthDoseCalculation started(Edition::Japanese, folder_);
  Start(started);

  // The table of a 20 cm and of a 30 cm body, each written as the computation writes it.
  std::vector<DepthDoseCalculation> computed(2, started);  // large: kept off the stack
  computed[1].InObjectThickness = 30.0;
  std::array<std::string, 2> tables;
  for (int v = 1; v >= 0; --v) {
    ASSERT_TRUE(computed[v].CalcDepthDose());
    tables[v] = Read(kPddScratchFileName);
  }
  vorn::testing::ExpectSavesSurviveKills(
      File(kPddScratchFileName), [&](int v) { computed[v].WritePddScratchFile(SlabCount(v == 0 ? 20.0 : 30.0)); },
      tables);

  DepthDoseCalculation module(Edition::English, folder_);
  module.InObjectThickness = 20.0;
  module.InEntranceSurfaceDose = 10.0;
  for (int j = 1; j <= 40; ++j) module.PddTable[3][j] = 100.0 * std::pow(0.9, j - 1);
  module.DepthDoseComputed = true;
  const auto confirm = [&](int v) {
    OrganRowInputs rows;
    rows[5] = {true, "6", "12", v == 0 ? "30" : "60"};  // the stomach
    if (!module.ConfirmEffectiveDose(rows).completed) throw std::runtime_error("no effective dose");
  };
  std::array<std::string, 2> versions;
  for (int v = 1; v >= 0; --v) {
    confirm(v);
    versions[v] = Read(kEffDoseFileName);
  }
  vorn::testing::ExpectSavesSurviveKills(File(kEffDoseFileName), confirm, versions);
}

}  // namespace
}  // namespace vorn::pdd::test
