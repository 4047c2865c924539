#include "mainwin/form5.h"

#include <exception>
#include <string>

#include "mainwin/dialog_layout.h"
#include "mainwin/entry_check.h"
#include "mainwin/filter_material.h"
#include "mainwin/main_program.h"
#include "platform/format/format.h"
#include "text/error_texts.h"

namespace vorn::mainwin {

Form5::Form5(MainProgram& program)
    : Form(program.app, "Form5"), program_(program), texts_(DialogTextsFor(program.edition))
{
  const DialogTexts& t = texts_;
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.Form5Caption));
  SetSize(6600, 4620);
  Label1.SetCaption(std::string(t.FilterListHeading));
  File1.SetPattern(kFilterMaterialPattern);
  File1.SetPath(program.WorkingFolder());
  Label4.SetCaption(std::string(t.MaterialLabel));
  Label5.SetBorderStyle(ui::BorderStyle::FixedSingle);
  Label5.SetBackColor(ui::colors::White);
  Label2.SetCaption(std::string(t.ThicknessLabel));
  Text2.SetAlignment(ui::Alignment::Right);
  Label3.SetCaption(std::string(t.Millimetre));
  Command1.SetCaption(std::string(t.SetFilter));
  Command2.SetCaption(std::string(t.RemoveFilter));
  Command3.SetCaption(std::string(t.Cancel));
  Label6.SetCaption(std::string(t.FilterNote[0]));
  Label7.SetCaption(std::string(t.FilterNote[1]));
  Label8.SetCaption(std::string(t.FilterNote[2]));
  DrawNoteIcon();

  File1.Click = [this] { File1_Click(); };
  Text2.KeyDown = [this](int keyCode, int) { Text2_KeyDown(keyCode); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
}

// An information sign: a blue disc with a white "i".
void Form5::DrawNoteIcon()
{
  Picture1.SetBorderStyle(ui::BorderStyle::None);
  Picture1.SetBackColor(ui::colors::ButtonFace);
  Picture1.Scale(0, 0, 32, 32);
  Picture1.SetFillStyle(ui::FillStyle::Solid);
  Picture1.SetFillColor(ui::Rgb(0x1E, 0x5A, 0xC8));
  Picture1.Circle(16, 16, 15, ui::Rgb(0x1E, 0x5A, 0xC8));
  Picture1.SetFillColor(ui::colors::White);
  Picture1.Circle(16, 9, 2.2, ui::colors::White);
  Picture1.FilledBox(14, 13, 18, 26, ui::colors::White);
}

// Preview of the clicked file's material. The filter in use keeps its name
// until a set: a choice that is cancelled changes nothing.
void Form5::File1_Click()
{
  std::string material;
  try {
    material = ReadFilterMaterialName(program_.WorkingFolder() / File1.FileName());
  } catch (const std::exception&) {
    // Shown empty; the set reports what is wrong with the file.
  }
  Label5.SetCaption(material);
  Text2.SetFocus();
}

void Form5::Text2_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn && !Text2.Text().empty()) Command1.SetFocus();
}

// Set: the material's attenuation on the energy grid, and its thickness.
void Form5::Command1_Click()
{
  const std::string fileName = File1.FileName();
  if (fileName.empty()) {
    App().Beep();
    App().MsgBox(std::string(texts_.FilterNotSelected), ui::vbExclamation);
    return;
  }
  const std::string thicknessText = Text2.Text();
  const double thickness_mm = Val(thicknessText);
  if (thicknessText.empty() || !(thickness_mm > 0.0)) {
    App().Beep();
    App().MsgBox(std::string(texts_.FilterThicknessMissing), ui::vbExclamation);
    return;
  }
  // A thickness with more after its number ("2,5" would be taken as 2 mm).
  if (const auto refusal = CheckEntry(Text2, thicknessText, EntryRule::AboveZero,
                                      EntryBoxName(texts_.ThicknessLabel, texts_.Millimetre), program_.edition)) {
    ReportRefusal(App(), *refusal);
    return;
  }

  FilterMaterialFile material;
  EnergyBinArray mu{};
  try {
    material = ReadFilterMaterialFile(program_.WorkingFolder() / fileName);
    mu = OtherFilterMuOf(material);
  } catch (const std::exception& e) {
    // The filter in use, if any, stays exactly as it was.
    App().MsgBox(std::string(texts_.FilterMaterialNotRead) + "\n" + ErrorText(e, program_.edition, program_.WorkingFolder()),
                 ui::vbExclamation);
    return;
  }

  OtherFilterSpec& filter = program_.Module().OtherFilter;
  filter.OtherFilterMaterial = material.material;
  filter.OtherFilterMu = mu;
  filter.OtherFilterThickness = 0.1 * thickness_mm;  // mm to cm
  Form1& main = *program_.Form1;
  main.Label29.SetCaption(material.material);
  main.Label26.SetCaption(thicknessText);
  filter.OtherFilterOn = 1;
  Hide();
}

// Remove: no optional filter from the next calculation on.
void Form5::Command2_Click()
{
  OtherFilterSpec& filter = program_.Module().OtherFilter;
  filter.OtherFilterMaterial.clear();
  Form1& main = *program_.Form1;
  main.Label29.SetCaption("");
  main.Label26.SetCaption("");
  filter.OtherFilterThickness = 0;
  filter.OtherFilterOn = 0;
  Hide();
}

// The main window's optional-filter command.
void Form1::Command9_Click()
{
  Form5& dialog = *program_.Form5;
  dialog.Label5.SetCaption("");
  dialog.Text2.SetText("");
  dialog.Show();
  dialog.File1.Refresh();
}

}  // namespace vorn::mainwin
