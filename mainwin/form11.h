// The fit dialog: fits the computed beam to a measured first half-value layer
// or (Japanese edition) a measured ATR index, by the inherent filtration or by
// the tube voltage, then recomputes the exposure at 1 m and the doses so that
// the main window shows a complete result for the fitted beam.
//
// The English edition has the half-value-layer fit only: no target choice, no
// ATR items, and the calculated value in Label15 instead of Label6.
#pragma once

#include "beam/window_port.h"
#include "platform/ui/ui.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

class MainProgram;

class Form11 : public ui::Form {
public:
  explicit Form11(MainProgram& program);

private:
  const bool japanese_;
  // The half-value-layer and ATR rows sit inside the target frame in the
  // Japanese edition and straight on the window in the English one.
  ui::Container& Rows() { return japanese_ ? static_cast<ui::Container&>(Frame1) : *this; }

public:
  ui::Label Label1{*this, "Label1"};    // heading (English: its first line)
  ui::Label Label10{*this, "Label10"};  // English: the heading's second line
  ui::Frame Frame1{*this, "Frame1"};    // target quantity (Japanese edition)
  ui::OptionButton Option1{Frame1, "Option1"};
  ui::OptionButton Option2{Frame1, "Option2"};
  ui::Label Label4{Rows(), "Label4"};
  ui::Label Label6{Rows(), "Label6"};  // calculated half-value layer, mm (Japanese edition)
  ui::Label Label15{Rows(), "Label15"};  // calculated half-value layer, mm (English edition)
  ui::Label Label9{Rows(), "Label9"};
  ui::Label Label7{Rows(), "Label7"};
  ui::TextBox Text1{Rows(), "Text1"};  // measured half-value layer, mm Al
  ui::Label Label5{Rows(), "Label5"};
  ui::Label Label3{Frame1, "Label3"};
  ui::Label Label8{Frame1, "Label8"};  // calculated ATR index
  ui::Label Label2{Frame1, "Label2"};
  ui::TextBox Text2{Frame1, "Text2"};  // measured ATR index
  ui::Frame Frame2{*this, "Frame2"};   // what the fit adjusts
  ui::OptionButton Option3{Frame2, "Option3"};
  ui::OptionButton Option4{Frame2, "Option4"};
  ui::CommandButton Command1{*this, "Command1"};  // OK: run the fit
  ui::CommandButton Command2{*this, "Command2"};  // Cancel
  ui::CommandButton Command3{*this, "Command3"};  // about the ATR index (Japanese edition)

  // The box a fit reads its measured value from.
  ui::TextBox& FitBoxControl(FitBox box) { return box == FitBox::Text1 ? Text1 : Text2; }

private:
  void LayOutJapanese();
  void LayOutEnglish();

  void Text1_KeyDown(int keyCode);
  void Text2_KeyDown(int keyCode);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();

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
