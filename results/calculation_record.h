// What one successful calculation of the main window produced: the condition
// as a row of the result table carries it, the entrance surface, the optional
// filter, the results and the spectrum. A row is taken from it and the
// hand-over sends it, so that neither ever reads the computing module's
// variables, which a later fit, print or read may have changed.
#pragma once

#include "beam/calculation_result.h"
#include "beam/energy_bins.h"
#include "beam/exposure_condition.h"
#include "beam/other_filter.h"
#include "beam/phantom_geometry.h"
#include "results/row_cells.h"

namespace vorn::results {

// The ideographic space that stands for a site left empty, so that the
// result table and its files always have a site text.
inline constexpr const char* kEmptySiteName = "　";

struct CalculationRecord {
  ExposureCondition condition;  // SiteName as the row shows it
  PhantomGeometry phantom;
  OtherFilterSpec filter;       // no material and 0 thickness when none was in the beam
  CalculationResult result;     // EffectiveDose 0: it comes back later, for the row
  EnergyBinArray spectrum{};

  RowSource Row() const { return {condition, phantom, filter, result}; }
};

// Whether two conditions give the same row, compared as the row keeps them:
// the texts and codes exactly, the numbers to the 15 significant digits of a
// result file, the surface's dimensions only where its code names them and
// the optional filter by its material and thickness. The results and what no
// row holds (the source of the exposure at 1 m, the photon histories) do not
// take part.
bool SameRowCondition(const RowSource& a, const RowSource& b);

}  // namespace vorn::results
