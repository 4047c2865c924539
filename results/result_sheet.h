// The printed result sheet: one landscape page in millimetres with a ruled
// table of 15 row bands under a two-level heading, a title and the user's
// name above it.
#pragma once

#include <string>

#include "platform/ui/printer.h"
#include "results/row_cells.h"
#include "text/edition.h"

namespace vorn::results {

// Sets the printer up (millimetres, landscape, the scale's left edge at -3,
// the edition's font at size 9) and draws the ruling and the headings.
void PrintResultHeadings(ui::Printer& printer, Edition edition);

// Prints the cells of row r.
void PrintResultRow(ui::Printer& printer, const RowSource& row, int r, double airWValue, Edition edition);

// The title and the user's name above the table.
void PrintSheetTitle(ui::Printer& printer, const std::string& userName, Edition edition);

}  // namespace vorn::results
