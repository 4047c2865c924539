#include "mainwin/form16.h"

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

Form16::Form16(MainProgram& program)
    : Form(program.app, "Form16"), texts_(DialogsBTextsFor(program.edition).Atr)
{
  const AtrExplanationTexts& t = texts_;
  SetCaption(std::string(t.Caption));
  SetSize(11040, 11880);
  SetFont(ui::FontSpec{std::string(t.Font), 11.0});

  Label1.SetCaption(std::string(t.Introduction));
  Label2.SetBackColor(ui::colors::LightYellow);
  Label2.SetBorderStyle(ui::BorderStyle::FixedSingle);
  Label3.SetCaption(std::string(t.FormulaLead));
  Label3.SetFontSize(14);
  Label3.SetBackStyle(ui::BackStyle::Transparent);
  Label3.SetAlignment(ui::Alignment::Right);
  SetSymbol(Label4, t.X, 18);
  SetSubscript(Label5, t.Sub1);
  SetSymbol(Label6, t.X, 18);
  SetSubscript(Label7, t.Sub0);
  Line1.SetBorderWidth(2);

  Picture1.SetBackColor(ui::colors::White);
  Picture1.SetFontName(std::string(t.Font));
  Picture1.SetFontSize(10);

  SetSymbol(Label8, t.X, 16);
  SetSubscript(Label9, t.Sub0);
  Label10.SetCaption(std::string(t.X0Definition));
  Label11.SetCaption(std::string(t.X0Note));
  SetSymbol(Label12, t.X, 16);
  SetSubscript(Label13, t.Sub1);
  Label14.SetCaption(std::string(t.X1Definition));
  Label15.SetCaption(std::string(t.X1Note));
  Label16.SetCaption(std::string(t.Warning));
  Command1.SetCaption(std::string(t.Close));

  Load = [this] { Form_Load(); };
  Command1.Click = [this] { Command1_Click(); };
}

void Form16::Form_Load() { DrawAtrArrangement(Picture1, texts_); }

}  // namespace vorn::mainwin
