#include "mainwin/atr_explanation_window.h"

#include <initializer_list>
#include <string>

#include "mainwin/atr_arrangement_drawing.h"
#include "mainwin/main_program.h"

namespace vorn::mainwin {
namespace {

void SetSymbol(ui::Label& label, std::string_view text, double points)
{
  label.SetCaption(std::string(text));
  label.SetFontName("Times New Roman");
  label.SetFontItalic(true);
  label.SetFontSize(points);
  label.SetBackStyle(ui::BackStyle::Transparent);
}

void SetSubscript(ui::Label& label, std::string_view text)
{
  label.SetCaption(std::string(text));
  label.SetFontName("Times New Roman");
  label.SetFontSize(11);
  label.SetBackStyle(ui::BackStyle::Transparent);
}

}  // namespace

AtrExplanationWindow::AtrExplanationWindow(MainProgram& program)
    : Form(program.app, "Form16"), texts_(DialogsBTextsFor(program.edition).Atr)
{
  const AtrExplanationTexts& t = texts_;
  SetCaption(std::string(t.Caption));
  SetSize(11040, 11880);
  SetFont(ui::FontSpec{std::string(t.Font), 11.0});

  introductionCaption.SetCaption(std::string(t.Introduction));
  formulaBoxCaption.SetBackColor(ui::colors::LightYellow);
  formulaBoxCaption.SetBorderStyle(ui::BorderStyle::FixedSingle);
  formulaLeadCaption.SetCaption(std::string(t.FormulaLead));
  formulaLeadCaption.SetFontSize(14);
  formulaLeadCaption.SetBackStyle(ui::BackStyle::Transparent);
  formulaLeadCaption.SetAlignment(ui::Alignment::Right);
  SetSymbol(numeratorXCaption, t.X, 18);
  SetSubscript(numeratorSubscriptCaption, t.Sub1);
  SetSymbol(denominatorXCaption, t.X, 18);
  SetSubscript(denominatorSubscriptCaption, t.Sub0);
  fractionLine.SetBorderWidth(2);

  arrangementPicture.SetBackColor(ui::colors::White);
  arrangementPicture.SetFontName(std::string(t.Font));
  arrangementPicture.SetFontSize(10);

  SetSymbol(x0SymbolCaption, t.X, 16);
  SetSubscript(x0SubscriptCaption, t.Sub0);
  x0DefinitionCaption.SetCaption(std::string(t.X0Definition));
  x0NoteCaption.SetCaption(std::string(t.X0Note));
  SetSymbol(x1SymbolCaption, t.X, 16);
  SetSubscript(x1SubscriptCaption, t.Sub1);
  x1DefinitionCaption.SetCaption(std::string(t.X1Definition));
  x1NoteCaption.SetCaption(std::string(t.X1Note));
  warningCaption.SetCaption(std::string(t.Warning));
  closeButton.SetCaption(std::string(t.Close));

  Load = [this] { Form_Load(); };
  SetCancelButton(closeButton);
  closeButton.Click = [this] { CloseButton_Click(); };
}

void AtrExplanationWindow::Form_Load() { DrawAtrArrangement(arrangementPicture, texts_); }

}  // namespace vorn::mainwin
