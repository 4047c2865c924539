// The main window's commands that open the fit dialog, the ATR explanation
// and the fluoroscopy dialog, each with the presets it needs.
#include <string>

#include "mainwin/form1.h"
#include "mainwin/form11.h"
#include "mainwin/form12.h"
#include "mainwin/form16.h"
#include "mainwin/main_program.h"

namespace vorn::mainwin {

// Fluoroscopy: continuous mode, every box empty, rate and width greyed.
void Form1::Command4_Click()
{
  Form12& fluoroscopy = *program_.Form12;
  fluoroscopy.Option1.SetValue(true);
  for (ui::TextBox* box : {&fluoroscopy.Text1, &fluoroscopy.Text2, &fluoroscopy.Text3, &fluoroscopy.Text4})
    box->SetText("");
  fluoroscopy.Text2.SetEnabled(false);
  fluoroscopy.Text3.SetEnabled(false);
  fluoroscopy.Show();
}

// The ATR explanation (Japanese edition; the English edition has no ATR index).
void Form1::Command6_Click()
{
  if (program_.edition != Edition::Japanese) return;
  program_.Form16->Show();
}

// The fit dialog, emptied and showing the calculated values as the main
// window shows them; fit to the half-value layer by the inherent filtration.
void Form1::Command14_Click()
{
  Form11& fit = *program_.Form11;
  fit.Text1.SetText("");
  if (program_.edition == Edition::Japanese) {
    fit.Label6.SetCaption(Label65.Caption());
    fit.Text2.SetText("");
    fit.Label8.SetCaption(Label67.Caption());
    fit.Option1.SetValue(true);
  } else {
    fit.Label15.SetCaption(Label65.Caption());
  }
  fit.Option3.SetValue(true);
  fit.Show();
}

}  // namespace vorn::mainwin
