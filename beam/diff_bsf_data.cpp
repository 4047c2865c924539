#include "beam/diff_bsf_data.h"

#include "platform/files/seqfile.h"

namespace vorn {
namespace {

void ReadDbsfFile(const std::filesystem::path& path, DbsfTable& table, int phantom)
{
  SeqReader in(path);
  in.ReadLine();  // heading
  for (int n = 1; n <= kLastRing; ++n) {
    in.ReadNumber();  // the ring's radius, not used
    for (int j = 1; j <= kLastGridColumn; ++j) {
      table(phantom, j, n) = in.ReadNumber();
    }
  }
}

}  // namespace

std::array<double, kLastGridColumn + 1> MakeDbsfGrid()
{
  std::array<double, kLastGridColumn + 1> grid{};
  for (int j = 2; j <= kLastGridColumn; ++j) grid[j] = 5.0 * (j - 1);
  grid[1] = 1.0;
  return grid;
}

DiffBsfData LoadDiffBsfTables(const std::filesystem::path& folder)
{
  DiffBsfData data;
  data.DbsfGrid = MakeDbsfGrid();
  DbsfTable* const tables[6] = {&data.DbsfSoftDose, &data.DbsfAirDose, &data.DbsfSkinDose,
                                &data.DbsfSoftDose, &data.DbsfAirDose, &data.DbsfSkinDose};
  for (int f = 0; f < 6; ++f) {
    ReadDbsfFile(folder / kDbsfFileNames[f], *tables[f], f < 3 ? kBodyPhantom : kHeadPhantom);
  }
  return data;
}

}  // namespace vorn
