// What printing, erasing and reading the result table leave on the main
// window: nothing on it may claim to belong to a condition it does not show.
// The last calculation and the row added last are the program's record
// (RowLedger): printing touches neither, erasing and reading end the row's
// hand-over.
#include "beam/output_data.h"
#include "mainwin/main_program.h"
#include "mainwin/main_window.h"

namespace vorn::mainwin {

void MainWindow::EmptyOptionalFilter()
{
  optionalFilterMaterialLabel.SetCaption("");
  optionalFilterThicknessLabel.SetCaption("");
  program_.Module().OtherFilter.OtherFilterOn = 0;
}

// Erasing and reading take the filter out altogether, material included.
void MainWindow::RemoveOptionalFilter()
{
  OtherFilterSpec& filter = program_.Module().OtherFilter;
  filter.OtherFilterMaterial.clear();
  filter.OtherFilterThickness = 0;
  EmptyOptionalFilter();
}

void MainWindow::SelectDefaultOutputData()
{
  // The option's own routine runs and empties the exposure at 1 m.
  outputDataOption.SetValue(true);
  program_.Module().Condition.OutputSource = kOutputDataTable;
}

void MainWindow::ResetAfterPrinting()
{
  EmptyResultLabels();
  // The filter is off for the next calculation; its material stays in memory
  // until then, so the result on record can still be added.
  EmptyOptionalFilter();
  SelectDefaultOutputData();
}

void MainWindow::ResetAfterErasing()
{
  EmptyResultLabels();
  RemoveOptionalFilter();
  if (program_.optionalFilterDialog.Exists()) program_.optionalFilterDialog->Hide();
  SelectDefaultOutputData();
  addToTableButton.SetEnabled(false);
  fitButton.SetEnabled(false);
  // No row is left to hand over, nor to take an answer.
  effectiveDoseButton.SetEnabled(false);
  addEffectiveDoseButton.SetEnabled(false);
  calculateButton.SetFocus();
}

void MainWindow::ResetAfterReading()
{
  EmptyResultLabels();
  RemoveOptionalFilter();
  SelectDefaultOutputData();
  flatSurfaceOption.SetValue(true);
  PhantomGeometry& phantom = program_.Module().Phantom;
  phantom.BsfMethod = kFlatSurface;
  phantom.PhantomModel = 0;
  addToTableButton.SetEnabled(false);
  // The surface and the filter just changed under the boxes: no fit may
  // start before the next calculation.
  fitButton.SetEnabled(false);
  if (program_.fitDialog.Exists()) program_.fitDialog->Hide();
  effectiveDoseButton.SetEnabled(false);
  addEffectiveDoseButton.SetEnabled(false);
  // The show command stays as it is (enabled): closing the result window
  // through its frame unloads it, and with a full table no calculation would
  // enable the command again, leaving the table out of reach.
}

}  // namespace vorn::mainwin
