// The fit dialog: fits the computed beam to a measured first half-value layer
// or (Japanese edition) a measured ATR index, by the inherent filtration or by
// the tube voltage, then recomputes the exposure at 1 m and the doses so that
// the main window shows a complete result for the fitted beam.
//
// The English edition has the half-value-layer fit only: no target choice, no
// ATR items, and the calculated value in calculatedHvlEnglishLabel instead of
// calculatedHvlLabel.
#pragma once

#include "beam/window_port.h"
#include "platform/ui/ui.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

class MainProgram;

class FitDialog : public ui::Form {
public:
  explicit FitDialog(MainProgram& program);

private:
  const bool japanese_;
  // The half-value-layer and ATR rows sit inside the target frame in the
  // Japanese edition and straight on the window in the English one.
  ui::Container& Rows() { return japanese_ ? static_cast<ui::Container&>(targetFrame) : *this; }

public:
  ui::Label headingCaption{*this, "Label1"};    // heading (English: its first line)
  ui::Label headingLine2Caption{*this, "Label10"};  // English: the heading's second line
  ui::Frame targetFrame{*this, "Frame1"};    // target quantity (Japanese edition)
  ui::OptionButton fitToHvlOption{targetFrame, "Option1"};
  ui::OptionButton fitToAtrOption{targetFrame, "Option2"};
  ui::Label calculatedHvlCaption{Rows(), "Label4"};
  ui::Label calculatedHvlLabel{Rows(), "Label6"};  // calculated half-value layer, mm (Japanese edition)
  ui::Label calculatedHvlEnglishLabel{Rows(), "Label15"};  // calculated half-value layer, mm (English edition)
  ui::Label calculatedHvlUnit{Rows(), "Label9"};
  ui::Label measuredHvlCaption{Rows(), "Label7"};
  ui::TextBox measuredHvlBox{Rows(), "Text1"};  // measured half-value layer, mm Al
  ui::Label measuredHvlUnit{Rows(), "Label5"};
  ui::Label calculatedAtrCaption{targetFrame, "Label3"};
  ui::Label calculatedAtrLabel{targetFrame, "Label8"};  // calculated ATR index
  ui::Label measuredAtrCaption{targetFrame, "Label2"};
  ui::TextBox measuredAtrBox{targetFrame, "Text2"};  // measured ATR index
  ui::Frame methodFrame{*this, "Frame2"};   // what the fit adjusts
  ui::OptionButton byFiltrationOption{methodFrame, "Option3"};
  ui::OptionButton byVoltageOption{methodFrame, "Option4"};
  ui::CommandButton okButton{*this, "Command1"};  // OK: run the fit
  ui::CommandButton cancelButton{*this, "Command2"};
  ui::CommandButton aboutAtrButton{*this, "Command3"};  // about the ATR index (Japanese edition)

  // The box a fit reads its measured value from.
  ui::TextBox& FitBoxControl(FitBox box) { return box == FitBox::MeasuredHvl ? measuredHvlBox : measuredAtrBox; }

private:
  void LayOutJapanese();
  void LayOutEnglish();

  void MeasuredHvlBox_KeyDown(int keyCode);
  void MeasuredAtrBox_KeyDown(int keyCode);
  void OkButton_Click();
  void CancelButton_Click();
  void AboutAtrButton_Click();

  // How a fit run ended: refused before any fit ran (an empty or bad box, the
  // measured value equal to the calculated one), stopped by the fit (it has
  // said why), or fitted.
  enum class FitOutcome { Refused, Stopped, Fitted };
  FitOutcome RunHvlFit();
  FitOutcome RunAtrFit();

  MainProgram& program_;
  const FitDialogTexts& texts_;
};

}  // namespace vorn::mainwin
