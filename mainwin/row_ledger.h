// Where the main window's numbers come from and where they went: the last
// successful calculation, the row of the result table it became, and the row
// handed over to the depth-dose program. Every command that takes a number
// asks it one question:
//   add           the last calculation, if the user has not changed its condition
//   hand over     the record of the row added last, while it is the table's last row
//   take answer   only for the row handed over, while it is still the last row
#pragma once

#include <cstdint>
#include <optional>

#include "results/calculation_record.h"

namespace vorn::mainwin {

class RowLedger {
public:
  // A calculation or a fit has succeeded: this is what it produced.
  void Calculated(results::CalculationRecord record);
  // A calculation failed: there is no result to add until the next success.
  void DiscardCalculation() { calculated_.reset(); }
  const results::CalculationRecord* Calculation() const { return calculated_ ? &*calculated_ : nullptr; }

  // The calculation `record` became row `row`, the table's last.
  void Added(int row, const results::CalculationRecord& record);
  // The table was erased or replaced by a file: no row of it came from here.
  void TableReplaced();
  // The record of the row added last, while it is still the table's last row
  // (`resultRowCount` is the table's next free row); otherwise null.
  const results::CalculationRecord* LastRow(int resultRowCount) const;
  int LastRowNumber() const { return lastRow_ ? lastRow_->number : 0; }

  // The row added last was handed over to the depth-dose program.
  void HandedOver();
  // Whether an answer now belongs to a row: the one handed over, still the
  // last row of the table, not answered yet.
  bool AwaitsAnswer(int resultRowCount) const;
  void Answered() { handedOver_.reset(); }

private:
  struct Row {
    int number = 0;
    std::uint64_t serial = 0;  // tells apart two rows added at the same number
    results::CalculationRecord record;
  };
  std::optional<results::CalculationRecord> calculated_;
  std::optional<Row> lastRow_;
  std::optional<std::uint64_t> handedOver_;  // the serial of the row handed over
  std::uint64_t nextSerial_ = 1;
};

}  // namespace vorn::mainwin
