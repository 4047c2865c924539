#include "beam/beam_calculation.h"

#include <utility>

namespace vorn {

BeamCalculation::BeamCalculation(Edition edition, std::filesystem::path workingFolder, WindowPort& windows)
    : edition_(edition), working_folder_(std::move(workingFolder)), windows_(windows)
{
  DiffBsf.DbsfGrid = MakeDbsfGrid();
}

}  // namespace vorn
