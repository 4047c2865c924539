#include "results/main_window_reset.h"

#include "mainwin/main_program.h"

namespace vorn::results {

void EmptyMainResultLabels(mainwin::MainProgram& program)
{
  mainwin::MainWindow& f = *program.mainWindow;
  for (ui::Label* label : {&f.exposureAt1mLabel, &f.hvlLabel, &f.effectiveEnergyLabel, &f.atrIndexLabel,
                           &f.surfaceDoseAirLabel, &f.bsfSoftLabel, &f.convFactorSoftLabel, &f.convFactorSkinLabel,
                           &f.surfaceDoseSoftLabel, &f.surfaceDoseSkinLabel, &f.bsfSkinLabel, &f.bsfAirLabel}) {
    if (label == &f.atrIndexLabel && program.edition != Edition::Japanese) continue;
    label->SetCaption("");
  }
}

void EmptyOptionalFilterLabels(mainwin::MainProgram& program)
{
  program.mainWindow->optionalFilterMaterialLabel.SetCaption("");
  program.mainWindow->optionalFilterThicknessLabel.SetCaption("");
}

void SelectDefaultOutputData(mainwin::MainProgram& program)
{
  program.mainWindow->outputDataOption.SetValue(true);
  program.Module().Condition.OutputSource = kOutputDataTable;
}

void HideOptionalFilterDialog(mainwin::MainProgram& program)
{
  // Not created only to be hidden.
  if (program.optionalFilterDialog.Exists()) program.optionalFilterDialog->Hide();
}

}  // namespace vorn::results
