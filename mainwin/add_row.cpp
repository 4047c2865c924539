// The main window's add-to-table command: the last calculation on record
// becomes the next row of the result table, drawn on the result window first.
#include <string>

#include "mainwin/main_window.h"
#include "mainwin/main_program.h"
#include "results/result_window.h"
#include "results/row_cells.h"
#include "text/results_texts.h"

namespace vorn::mainwin {

void MainWindow::AddToTableButton_Click()
{
  results::ResultTable& table = program_.Results;
  const std::string full(ResultsTextsFor(program_.edition).TableFull);
  // A full table takes nothing more; the button should not be pressable
  // then, but a row past the 15th must never be written.
  if (table.ResultRowCount > results::kResultRows) {
    App().Beep();
    App().MsgBox(full, ui::vbExclamation);
    addToTableButton.SetEnabled(false);
    return;
  }

  if (RefuseStaleResult()) return;
  const results::CalculationRecord record = *program_.Ledger.Calculation();
  const int r = table.ResultRowCount;

  results::ResultWindow& window = *program_.resultWindow;
  if (r == 1) {  // the first row of a new table
    window.tablePicture.Cls();
    window.ShowResultGrid();
    window.DrawResultHeadings();
  }
  program_.AddingRowFlag = 1;
  window.DrawResultRow(record.Row(), r, true);
  program_.AddingRowFlag = 0;

  results::StoreRow(table, r, record.Row());
  ++table.ResultRowCount;
  program_.Ledger.Added(r, record);
  if (table.ResultRowCount > results::kResultRows) {
    App().Beep();
    App().MsgBox(full, ui::vbExclamation);
  }

  addToTableButton.SetEnabled(false);
  effectiveDoseButton.SetEnabled(true);
  // An answer still awaited belongs to the row before: it can no longer be taken.
  addEffectiveDoseButton.SetEnabled(false);
  effectiveDoseButton.SetFocus();
}

}  // namespace vorn::mainwin
