#include "results/main_window_reset.h"

#include "mainwin/main_program.h"

namespace vorn::results {

void EmptyMainResultLabels(mainwin::MainProgram& program)
{
  mainwin::Form1& f = *program.Form1;
  for (ui::Label* label : {&f.Label78, &f.Label65, &f.Label66, &f.Label67, &f.Label75, &f.Label68, &f.Label71,
                           &f.Label72, &f.Label73, &f.Label74, &f.Label69, &f.Label70}) {
    if (label == &f.Label67 && program.edition != Edition::Japanese) continue;
    label->SetCaption("");
  }
}

void EmptyOptionalFilterLabels(mainwin::MainProgram& program)
{
  program.Form1->Label29.SetCaption("");
  program.Form1->Label26.SetCaption("");
}

void SelectDefaultOutputData(mainwin::MainProgram& program)
{
  program.Form1->Option5.SetValue(true);
  program.Module().Condition.OutputSource = kOutputDataTable;
}

void HideOptionalFilterDialog(mainwin::MainProgram& program)
{
  // Not created only to be hidden.
  if (program.Form5.Exists()) program.Form5->Hide();
}

}  // namespace vorn::results
