// The result file (ResultTableCsv): the result table as comma-separated text
// for a spreadsheet, and back.
//
//   line 1       the comment
//   line 2       N, the number of results, as " 3 "
//   lines 3..41  39 rows: the edition's row label, then one cell per result
//
// Lengths are in cm and filtrations and half-value layers in mm; each edition
// writes its own labels, code words and not-applicable mark, and reads back
// only its own code words. A text cell holding a comma is quoted.
//
//   SaveResultTableCsv(folder / "chest.csv", table, airWValue, "ward 3", edition);
//   const ResultFileContent read = ReadResultTableCsv(folder / "chest.csv", edition);
//   table = read.table;   // only once the whole file has been read
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "results/result_table.h"
#include "text/edition.h"

namespace vorn::results {

// The file's whole text for rows 1..ResultRowCount - 1, lines ended by CR LF.
// The air-conversion row holds airWValue in every cell.
std::string ResultTableCsvText(const ResultTable& table, double airWValue, std::string_view comment,
                               Edition edition);

// Writes the file in one step: it is either written whole or left as it was.
// Throws FileError naming the file and the reason.
void SaveResultTableCsv(const std::filesystem::path& path, const ResultTable& table, double airWValue,
                        std::string_view comment, Edition edition);

struct ResultFileContent {
  std::string comment;
  ResultTable table;        // rows 1..N, ResultRowCount N + 1
  double airWValue = 0.0;   // the last cell of the air-conversion row
};

// Reads a whole result file. A file that ends after the surface-dose rows
// gives every result an effective dose of 0. Throws FileError when the file
// cannot be read and DataError when it is not a result file of 1 to 15
// results (a missing or non-numeric item, a count out of range, an early end).
ResultFileContent ReadResultTableCsv(const std::filesystem::path& path, Edition edition);

// The comment line of a result file, for the read dialog's preview. Throws
// FileError or DataError (an empty file).
std::string ReadResultComment(const std::filesystem::path& path);

}  // namespace vorn::results
