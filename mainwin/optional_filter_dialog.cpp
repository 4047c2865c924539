#include "mainwin/optional_filter_dialog.h"

#include <exception>
#include <string>

#include "mainwin/dialog_layout.h"
#include "mainwin/entry_check.h"
#include "mainwin/filter_material.h"
#include "mainwin/main_program.h"
#include "platform/format/format.h"
#include "text/error_texts.h"

namespace vorn::mainwin {

OptionalFilterDialog::OptionalFilterDialog(MainProgram& program)
    : Form(program.app, "Form5"), program_(program), texts_(DialogTextsFor(program.edition))
{
  const DialogTexts& t = texts_;
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.OptionalFilterCaption));
  SetSize(6600, 4620);
  filterListCaption.SetCaption(std::string(t.FilterListHeading));
  materialFileList.SetPattern(kFilterMaterialPattern);
  materialFileList.SetPath(program.WorkingFolder());
  materialCaption.SetCaption(std::string(t.MaterialLabel));
  materialLabel.SetBorderStyle(ui::BorderStyle::FixedSingle);
  materialLabel.SetBackColor(ui::colors::White);
  thicknessCaption.SetCaption(std::string(t.ThicknessLabel));
  thicknessBox.SetAlignment(ui::Alignment::Right);
  thicknessUnit.SetCaption(std::string(t.Millimetre));
  setButton.SetCaption(std::string(t.SetFilter));
  removeButton.SetCaption(std::string(t.RemoveFilter));
  cancelButton.SetCaption(std::string(t.Cancel));
  noteLine1Caption.SetCaption(std::string(t.FilterNote[0]));
  noteLine2Caption.SetCaption(std::string(t.FilterNote[1]));
  noteLine3Caption.SetCaption(std::string(t.FilterNote[2]));
  DrawNoteIcon();

  materialFileList.Click = [this] { MaterialFileList_Click(); };
  thicknessBox.KeyDown = [this](int keyCode, int) { ThicknessBox_KeyDown(keyCode); };
  SetDefaultButton(setButton);
  SetCancelButton(cancelButton);
  setButton.Click = [this] { SetButton_Click(); };
  removeButton.Click = [this] { RemoveButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
}

// An information sign: a blue disc with a white "i".
void OptionalFilterDialog::DrawNoteIcon()
{
  noteIconPicture.SetBorderStyle(ui::BorderStyle::None);
  noteIconPicture.SetBackColor(ui::colors::ButtonFace);
  noteIconPicture.Scale(0, 0, 32, 32);
  noteIconPicture.SetFillStyle(ui::FillStyle::Solid);
  noteIconPicture.SetFillColor(ui::Rgb(0x1E, 0x5A, 0xC8));
  noteIconPicture.Circle(16, 16, 15, ui::Rgb(0x1E, 0x5A, 0xC8));
  noteIconPicture.SetFillColor(ui::colors::White);
  noteIconPicture.Circle(16, 9, 2.2, ui::colors::White);
  noteIconPicture.FilledBox(14, 13, 18, 26, ui::colors::White);
}

// Preview of the clicked file's material. The filter in use keeps its name
// until a set: a choice that is cancelled changes nothing.
void OptionalFilterDialog::MaterialFileList_Click()
{
  std::string material;
  try {
    material = ReadFilterMaterialName(program_.WorkingFolder() / materialFileList.FileName());
  } catch (const std::exception&) {
    // Shown empty; the set reports what is wrong with the file.
  }
  materialLabel.SetCaption(material);
  thicknessBox.SetFocus();
}

void OptionalFilterDialog::ThicknessBox_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn && !thicknessBox.Text().empty()) setButton.SetFocus();
}

// Set: the material's attenuation on the energy grid, and its thickness.
void OptionalFilterDialog::SetButton_Click()
{
  const std::string fileName = materialFileList.FileName();
  if (fileName.empty()) {
    App().Beep();
    App().MsgBox(std::string(texts_.FilterNotSelected), ui::vbExclamation);
    return;
  }
  const std::string thicknessText = thicknessBox.Text();
  const double thickness_mm = Val(thicknessText);
  if (thicknessText.empty() || !(thickness_mm > 0.0)) {
    App().Beep();
    App().MsgBox(std::string(texts_.FilterThicknessMissing), ui::vbExclamation);
    return;
  }
  // A thickness with more after its number ("2,5" would be taken as 2 mm).
  if (const auto refusal = CheckEntry(thicknessBox, thicknessText, EntryRule::AboveZero,
                                      EntryBoxName(texts_.ThicknessLabel, texts_.Millimetre), program_.edition)) {
    ReportRefusal(App(), *refusal);
    return;
  }

  FilterMaterialFile material;
  EnergyBinArray mu{};
  const std::filesystem::path path = program_.WorkingFolder() / fileName;
  try {
    material = ReadFilterMaterialFile(path);
    try {
      mu = OtherFilterMuOf(material);
    } catch (const DataError& e) {
      // Told as a fault of this file, in the edition's words.
      throw DataError(e.what(), FileFault::Malformed, path, 0, e.what());
    }
  } catch (const std::exception& e) {
    // The filter in use, if any, stays exactly as it was.
    App().MsgBox(
        std::string(texts_.FilterMaterialNotRead) + "\n" + ErrorText(e, program_.edition, program_.WorkingFolder()),
        ui::vbExclamation);
    return;
  }

  OtherFilterSpec& filter = program_.Module().OtherFilter;
  filter.OtherFilterMaterial = material.material;
  filter.OtherFilterMu = mu;
  filter.OtherFilterThickness = 0.1 * thickness_mm;  // mm to cm
  MainWindow& main = *program_.mainWindow;
  main.optionalFilterMaterialLabel.SetCaption(material.material);
  main.optionalFilterThicknessLabel.SetCaption(thicknessText);
  filter.OtherFilterOn = 1;
  Hide();
}

// Remove: no optional filter from the next calculation on.
void OptionalFilterDialog::RemoveButton_Click()
{
  OtherFilterSpec& filter = program_.Module().OtherFilter;
  filter.OtherFilterMaterial.clear();
  MainWindow& main = *program_.mainWindow;
  main.optionalFilterMaterialLabel.SetCaption("");
  main.optionalFilterThicknessLabel.SetCaption("");
  filter.OtherFilterThickness = 0;
  filter.OtherFilterOn = 0;
  Hide();
}

// The main window's optional-filter command.
void MainWindow::OptionalFilterButton_Click()
{
  OptionalFilterDialog& dialog = *program_.optionalFilterDialog;
  dialog.materialLabel.SetCaption("");
  dialog.thicknessBox.SetText("");
  dialog.Show();
  dialog.materialFileList.Refresh();
}

}  // namespace vorn::mainwin
