// The main window's commands that open the fit dialog, the ATR explanation
// and the fluoroscopy dialog, each with the presets it needs.
#include <string>

#include "mainwin/main_window.h"
#include "mainwin/fit_dialog.h"
#include "mainwin/fluoroscopy_dialog.h"
#include "mainwin/atr_explanation_window.h"
#include "mainwin/main_program.h"

namespace vorn::mainwin {

// Fluoroscopy: continuous mode, every box empty, rate and width greyed.
void MainWindow::FluoroscopyButton_Click()
{
  FluoroscopyDialog& fluoroscopy = *program_.fluoroscopyDialog;
  fluoroscopy.continuousOption.SetValue(true);
  for (ui::TextBox* box :
       {&fluoroscopy.currentBox, &fluoroscopy.pulseRateBox, &fluoroscopy.pulseWidthBox, &fluoroscopy.meanCurrentBox})
    box->SetText("");
  fluoroscopy.pulseRateBox.SetEnabled(false);
  fluoroscopy.pulseWidthBox.SetEnabled(false);
  fluoroscopy.Show();
}

// The ATR explanation (Japanese edition; the English edition has no ATR index).
void MainWindow::AtrExplanationButton_Click()
{
  if (program_.edition != Edition::Japanese) return;
  program_.atrExplanationWindow->Show();
}

// The fit dialog, emptied and showing the calculated values as the main
// window shows them; fit to the half-value layer by the inherent filtration.
void MainWindow::FitButton_Click()
{
  FitDialog& fit = *program_.fitDialog;
  fit.measuredHvlBox.SetText("");
  if (program_.edition == Edition::Japanese) {
    fit.calculatedHvlLabel.SetCaption(hvlLabel.Caption());
    fit.measuredAtrBox.SetText("");
    fit.calculatedAtrLabel.SetCaption(atrIndexLabel.Caption());
    fit.fitToHvlOption.SetValue(true);
  } else {
    fit.calculatedHvlEnglishLabel.SetCaption(hvlLabel.Caption());
  }
  fit.byFiltrationOption.SetValue(true);
  fit.Show();
}

}  // namespace vorn::mainwin
