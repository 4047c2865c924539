#include "results/result_table.h"

namespace vorn::results {

void ClearResultTable(ResultTable& table)
{
  // A fresh table is the cleared one: no column can be forgotten here.
  table = ResultTable{};
}

}  // namespace vorn::results
