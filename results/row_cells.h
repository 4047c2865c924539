// The cells of one result row as the result window and the printed sheet
// show them: each text with the point of its top-left corner (picture units
// on the window, millimetres on the sheet). A row is drawn from the condition
// and results it was taken from (a new row, before it is stored), or from a
// copy of a stored row (RowValues) to be drawn again or printed.
#pragma once

#include <string>
#include <vector>

#include "beam/calculation_result.h"
#include "beam/exposure_condition.h"
#include "beam/other_filter.h"
#include "beam/phantom_geometry.h"
#include "platform/ui/canvas.h"
#include "results/result_table.h"
#include "text/edition.h"

namespace vorn::results {

// What a row is drawn from: the condition and results of one calculation.
struct RowSource {
  const ExposureCondition& condition;
  const PhantomGeometry& phantom;
  const OtherFilterSpec& filter;
  const CalculationResult& result;
};

// Row r of the table as condition and results, for drawing it without
// touching the computing module's variables.
struct RowValues {
  ExposureCondition condition;
  PhantomGeometry phantom;
  OtherFilterSpec filter;
  CalculationResult result;
  RowSource Source() const { return {condition, phantom, filter, result}; }
};

struct Cell {
  std::string text;
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const Cell&, const Cell&) = default;
};

// The band of row r on the result window: its text line (picture units).
constexpr double ScreenRowY(int row) { return 70.0 + 50.0 * row; }
// The text line of row r on the printed sheet (mm).
constexpr double SheetRowY(int row) { return 33.0 + 10.0 * row; }

// The result window's cells of row r. While a row is being added its
// effective-dose cell is left out (it has none yet).
std::vector<Cell> ScreenRowCells(const RowSource& row, int r, bool addingRow, Edition edition);

// The printed sheet's cells of row r; airWValue fills the air-conversion cell.
std::vector<Cell> SheetRowCells(const RowSource& row, int r, double airWValue, Edition edition);

// Copies a calculation's condition and results into row r (the add command).
// The dimension columns that the surface code does not name keep what they
// hold; the effective dose is not touched. A field side that is still the
// "else" preset's dash is stored as 0.
void StoreRow(ResultTable& table, int r, const RowSource& row);

// A copy of row r, for drawing or printing it (members a row does not hold
// keep their defaults).
RowValues RowOf(const ResultTable& table, int r);

}  // namespace vorn::results
