// A save killed at any point leaves its file whole, old or new, for every
// file the main program and the backscatter programs write (the depth-dose
// program's are in tests/depthdose).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "beam/curved_surface.h"
#include "beam/output_data.h"
#include "beam/x_spctl_export.h"
#include "mainwin/handover.h"
#include "mainwin/site_list_file.h"
#include "mainwin/user_name_file.h"
#include "platform/files/seqfile.h"
#include "results/result_csv.h"
#include "tests/files/temp_folder.h"
#include "tests/results/sample_rows.h"
#include "tests/support/kill_during_save.h"
#include "tools/bsfprog/bsf_program.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;
using KilledSave = vorn::testing::TempFolder;

struct Writer {
  const char* file;
  std::function<void(const fs::path& file, int version)> save;
};

std::vector<Writer> Writers()
{
  std::vector<Writer> writers;
  writers.push_back({"vorn_default.op", [](const fs::path& file, int v) {
                       OutputTableArray table;
                       OutputFilterArray al{0, 2.5, 2.5, 2.5}, cu{};
                       for (int k = 1; k <= kOutputPoints; ++k) {
                         table(1, k) = 30.0 + 10 * k;
                         for (int t = 2; t <= 4; ++t) table(t, k) = (v + 1) * 1e-5 * k;
                       }
                       WriteOutputDataFile(file, v == 0 ? "old comment" : "new comment", table, al, cu);
                     }});
  writers.push_back({"results.csv", [](const fs::path& file, int v) {
                       const results::ResultTable table = results::testing::ThreeRowTable();
                       results::SaveResultTableCsv(file, table, 33.97, v == 0 ? "old" : "new", Edition::Japanese);
                     }});
  writers.push_back({"Primary.dat", [](const fs::path& file, int v) {
                       RawTextFile kept;
                       for (int i = 1; i <= 31; ++i) kept.lines.push_back({std::string(200, 'd'), "\r\n"});
                       mainwin::WriteUserNameFile(file, kept, v == 0 ? "old name" : "new name");
                     }});
  writers.push_back({"撮影部位.txt", [](const fs::path& file, int v) {
                       RawTextFile list;
                       for (int i = 0; i < 30 - v; ++i) list.lines.push_back({"site " + std::to_string(i), "\r\n"});
                       mainwin::WriteSiteListFile(file, list);
                     }});
  writers.push_back({"Vorn2PDD.dat", [](const fs::path& file, int v) {
                       mainwin::PddHandoverRecord record;
                       record.TubeVoltage = 70.0 + 10 * v;
                       for (int i = 1; i <= kLastBin; ++i) record.Spectrum[i] = 1e-3 * i;
                       record.SiteName = "Abdomen-F";
                       WriteFileAtomically(file, mainwin::PddHandoverText(record));
                     }});
  writers.push_back({"joken.txt", [](const fs::path& file, int v) {
                       PhantomGeometry phantom;
                       phantom.PhantomModel = 1;
                       phantom.CylinderRadius = 10.0 + v;
                       phantom.McHistories = 50000000;
                       std::string condition;
                       for (const std::string& line : PhantomConditionLines(phantom, {80, 100, 20, 30, 20})) {
                         condition += line + "\r\n";
                       }
                       WriteFileAtomically(file, condition);
                     }});
  writers.push_back({"X_SPCTL.dat", [](const fs::path& file, int v) {
                       EnergyBinArray spectrum{};
                       for (int i = 1; i <= kLastBin; ++i) spectrum[i] = (v + 1) * 1e-3;
                       WriteSpectrumExport(file, spectrum);
                     }});
  writers.push_back({"resultBSF.txt", [](const fs::path& file, int v) {
                       bsf::BackscatterResult result;
                       result.air.value = 1.3 + 0.1 * v;
                       result.soft.value = 1.35;
                       result.skin.value = 1.34;
                       WriteFileAtomically(file, bsf::ResultFileText(result));
                     }});
  return writers;
}

TEST_F(KilledSave, EveryWriterLeavesTheOldOrTheNewFile)
{
  for (const Writer& writer : Writers()) {
    SCOPED_TRACE(writer.file);
    const fs::path file = folder_ / writer.file;
    std::array<std::string, 2> versions;
    for (int v = 1; v >= 0; --v) {
      writer.save(file, v);
      versions[v] = Slurp(file);
    }
    ASSERT_NE(versions[0], versions[1]);
    vorn::testing::ExpectSavesSurviveKills(file, [&](int v) { writer.save(file, v); }, versions);
  }
}

}  // namespace
}  // namespace vorn
