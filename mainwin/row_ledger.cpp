#include "mainwin/row_ledger.h"

#include <utility>

namespace vorn::mainwin {

void RowLedger::Calculated(results::CalculationRecord record) { calculated_ = std::move(record); }

void RowLedger::Added(int row, const results::CalculationRecord& record)
{
  lastRow_ = Row{row, nextSerial_++, record};
  // The answer to an earlier hand-over belongs to a row that is no longer the last.
  handedOver_.reset();
}

void RowLedger::TableReplaced()
{
  lastRow_.reset();
  handedOver_.reset();
}

const results::CalculationRecord* RowLedger::LastRow(int resultRowCount) const
{
  if (!lastRow_ || lastRow_->number != resultRowCount - 1) return nullptr;
  return &lastRow_->record;
}

void RowLedger::HandedOver()
{
  if (lastRow_) handedOver_ = lastRow_->serial;
}

bool RowLedger::AwaitsAnswer(int resultRowCount) const
{
  return handedOver_ && LastRow(resultRowCount) != nullptr && *handedOver_ == lastRow_->serial;
}

}  // namespace vorn::mainwin
