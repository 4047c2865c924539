#include "beam/module1.h"

#include <utility>

namespace vorn {

Module1::Module1(Edition edition, std::filesystem::path workingFolder, WindowPort& windows)
    : edition_(edition), working_folder_(std::move(workingFolder)), windows_(windows)
{
  DiffBsf.DbsfGrid = MakeDbsfGrid();
}

}  // namespace vorn
