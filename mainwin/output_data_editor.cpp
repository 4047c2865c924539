#include "mainwin/output_data_editor.h"

#include <cmath>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

#include "beam/output_data.h"
#include "mainwin/dialog_layout.h"
#include "mainwin/entry_check.h"
#include "mainwin/main_program.h"
#include "mainwin/output_data_title.h"
#include "platform/format/format.h"
#include "text/entry_texts.h"
#include "text/error_texts.h"

namespace vorn::mainwin {
namespace {

constexpr const char* kOutputDataExtension = ".op";
constexpr const char* kNoComment = "No comment";

// The default output data cannot be replaced from the editor. A name that
// reaches into another folder is refused too: output-data files live in the
// working folder, where the chooser finds them.
bool IsRefusedFileName(const std::string& name)
{
  if (name == "VORN_DEFAULT" || name == "vorn_default") return true;
  return name.find_first_of(std::string("/\\\0", 3)) != std::string::npos;
}

// Text box of the aluminium (row 1) or copper (row 2) filtration of type t.
int FilterBoxNumber(int t, int row) { return 36 + 2 * (t - 1) + row; }

// The number the file's reader gets back for a value written through one of
// the file's patterns; nothing where it gets none ("." for a voltage below
// 0.05 kV, "Inf", an output that rounds beyond the largest double).
std::optional<double> WrittenValue(double value, std::string_view pattern)
{
  const std::optional<double> number = EntryNumber(Format(value, pattern));
  if (!number || !std::isfinite(*number)) return std::nullopt;
  return number;
}

}  // namespace

OutputDataEditor::OutputDataEditor(MainProgram& program)
    : Form(program.app, "Form7"), program_(program), texts_(DialogTextsFor(program.edition))
{
  const DialogTexts& t = texts_;
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.EditorCaption));
  SetSize(10320, 7200);

  boxes_ = {nullptr, &type1Output40kVBox,  &type1Output50kVBox,  &type1Output60kVBox,  &type1Output70kVBox,  &type1Output80kVBox,  &type1Output90kVBox,  &type1Output100kVBox,  &type1Output110kVBox,  &type1Output120kVBox,
            &type1Output130kVBox, &type1Output140kVBox, &type1Output150kVBox, &type2Output40kVBox, &type2Output50kVBox, &type2Output60kVBox, &type2Output70kVBox, &type2Output80kVBox, &type2Output90kVBox, &type2Output100kVBox,
            &type2Output110kVBox, &type2Output120kVBox, &type2Output130kVBox, &type2Output140kVBox, &type2Output150kVBox, &type3Output40kVBox, &type3Output50kVBox, &type3Output60kVBox, &type3Output70kVBox, &type3Output80kVBox,
            &type3Output90kVBox, &type3Output100kVBox, &type3Output110kVBox, &type3Output120kVBox, &type3Output130kVBox, &type3Output140kVBox, &type3Output150kVBox, &type1AlFilterBox, &type1CuFilterBox, &type2AlFilterBox,
            &type2CuFilterBox, &type3AlFilterBox, &type3CuFilterBox, &fileNameBox, &commentBox};
  for (int n = 1; n <= 42; ++n) Box(n).SetAlignment(ui::Alignment::Right);

  AddLabel("Label1", {240, 120, 5520, 300}, t.EditorHeading1).SetFontBold(true);
  AddLabel("Label2", {240, 420, 5520, 300}, t.EditorHeading2).SetFontBold(true);
  AddLabel("Label3", {240, 840, 660, 300}, t.KvHead).SetAlignment(ui::Alignment::Center);
  for (int type = 1; type <= 3; ++type) {
    const ui::Rect box = output_data_editor_layout::OutputBox(type, 1);
    AddLabel("Label" + std::to_string(3 + type), {box.left, 840, box.width, 300}, t.RectificationHeads[type - 1])
        .SetAlignment(ui::Alignment::Center);
  }
  // The rows' voltages are fixed texts: a save keeps the voltages of the data in use.
  for (int k = 1; k <= 12; ++k) {
    const ui::Rect box = output_data_editor_layout::OutputBox(1, k);
    AddLabel("Label" + std::to_string(6 + k), {240, box.top + 30, 600, 300}, std::to_string(30 + 10 * k))
        .SetAlignment(ui::Alignment::Right);
  }
  const ui::Rect al = output_data_editor_layout::FilterBox(1, 1);
  const ui::Rect cu = output_data_editor_layout::FilterBox(1, 2);
  AddLabel("Label19", {240, al.top - 360, 5520, 300}, t.FiltrationHeading).SetFontBold(true);
  AddLabel("Label20", {120, al.top + 30, 780, 300}, t.Aluminium).SetAlignment(ui::Alignment::Right);
  AddLabel("Label21", {120, cu.top + 30, 780, 300}, t.Copper).SetAlignment(ui::Alignment::Right);
  AddLabel("Label22", {5880, 1140, 4080, 300}, t.FileNameLabel);
  AddLabel("Label23", {5880, 1845, 4080, 300}, t.FileNameHint);
  AddLabel("Label24", {5880, 2460, 4080, 300}, t.CommentLabel);

  saveButton.SetCaption(std::string(t.Save));
  cancelButton.SetCaption(std::string(t.Cancel));

  for (int n = 1; n <= kBoxes; ++n) Box(n).KeyDown = [this, n](int keyCode, int) { Text_KeyDown(n, keyCode); };
  saveButton.Click = [this] { SaveButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
}

ui::Label& OutputDataEditor::AddLabel(const std::string& name, ui::Rect place, std::string_view caption)
{
  labels_.push_back(std::make_unique<ui::Label>(*this, name, place));
  labels_.back()->SetCaption(std::string(caption));
  return *labels_.back();
}

ui::Control& OutputDataEditor::EnterTarget(int box)
{
  switch (box) {
    case 12: return type1AlFilterBox;
    case 24: return type2AlFilterBox;
    case 36: return type3AlFilterBox;
    case 38:
    case 40:
    case 42: return fileNameBox;
    case 44: return saveButton;
    default: return Box(box + 1);  // down the column; 37 -> 38, 39 -> 40, 41 -> 42, 43 -> 44
  }
}

void OutputDataEditor::Text_KeyDown(int box, int keyCode)
{
  if (keyCode == ui::vbKeyReturn) EnterTarget(box).SetFocus();
}

// The first box the file could not hold as typed: an output that is not a
// number above 0 (a 0 would give a dose of 0 at that voltage), a filtration
// that is not 0 or more, a number too large for its pattern; then an empty
// file name.
std::optional<EntryRefusal> OutputDataEditor::FirstBadEntry()
{
  const DialogTexts& t = texts_;
  const Edition edition = program_.edition;
  for (int type = 1; type <= 3; ++type) {
    const std::string head(t.RectificationHeads[type - 1]);
    for (int k = 1; k <= kOutputPoints; ++k) {
      ui::TextBox& box = Box(12 * (type - 1) + k);
      // Named by its column and row: "定電圧 80 kV".
      const std::string name = head + " " + std::to_string(30 + 10 * k) + " " + std::string(t.KvHead);
      if (auto refusal = CheckEntry(box, box.Text(), EntryRule::AboveZero, name, edition)) return refusal;
      const std::optional<double> written = WrittenValue(Val(box.Text()), "0.00E+00");
      if (!written || !(*written > 0.0)) return EntryRefusal{&box, TooLargeMessage(edition, name)};
    }
    for (int row = 1; row <= 2; ++row) {
      ui::TextBox& box = Box(FilterBoxNumber(type, row));
      const std::string name = EntryBoxName(head + " " + std::string(row == 1 ? t.Aluminium : t.Copper), t.Millimetre);
      if (auto refusal = CheckEntry(box, box.Text(), EntryRule::ZeroOrMore, name, edition)) return refusal;
    }
  }
  // No name at all would save the hidden file ".op" that the chooser never lists.
  if (fileNameBox.Text().find_first_not_of(" \t") != std::string::npos) return std::nullopt;
  return EntryRefusal{&fileNameBox, std::string(EntryTextsFor(edition).FileNameMissing)};
}

// Save the boxes as a new output-data file, which becomes the data in use.
void OutputDataEditor::SaveButton_Click()
{
  BeamCalculation& m = program_.Module();
  if (const auto refusal = FirstBadEntry()) {
    ReportRefusal(App(), *refusal);
    return;
  }
  // The voltages have no boxes: they are those of the data in use, and a
  // voltage its pattern cannot show ("." for one below 0.05 kV) cannot be saved.
  for (int k = 1; k <= kOutputPoints; ++k) {
    const std::optional<double> written = WrittenValue(m.Output.OutputTable(1, k), "###.# ");
    if (!written || !(*written > 0.0)) {
      App().Beep();
      App().MsgBox(std::string(EntryTextsFor(program_.edition).VoltagesNotWritable), ui::vbExclamation);
      return;
    }
  }

  // Each box once; the checks above made sure its whole text is its number.
  OutputTableArray table = m.Output.OutputTable;  // keeps the voltages of row 1
  OutputFilterArray al_mm{};
  OutputFilterArray cu_mm{};
  for (int t = 1; t <= 3; ++t) {
    for (int k = 1; k <= kOutputPoints; ++k) table(t + 1, k) = Val(Box(12 * (t - 1) + k).Text());
    al_mm[t] = Val(Box(FilterBoxNumber(t, 1)).Text());
    cu_mm[t] = Val(Box(FilterBoxNumber(t, 2)).Text());
  }

  const std::string name = fileNameBox.Text();
  if (IsRefusedFileName(name)) {
    App().Beep();
    App().MsgBox(std::string(texts_.ReservedFileName), ui::vbExclamation | ui::vbOKOnly);
    return;
  }
  const std::string fileName = name + kOutputDataExtension;
  const std::filesystem::path path = program_.WorkingFolder() / fileName;
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    App().Beep();
    if (App().MsgBox(std::string(texts_.OverwriteQuestion), ui::vbYesNo) != ui::vbYes) return;
  }

  const std::string header = commentBox.Text().empty() ? std::string(kNoComment) : commentBox.Text();
  try {
    WriteOutputDataFile(path, header, table, al_mm, cu_mm);
  } catch (const std::exception& e) {
    // Nothing written: the data in use stay as they were and the boxes keep the user's values.
    App().MsgBox(std::string(texts_.OutputDataNotSaved) + "\n" + ErrorText(e, program_.edition, program_.WorkingFolder()),
                 ui::vbExclamation);
    return;
  }

  OutputData& out = m.Output;
  out.OutputTable = table;
  for (int t = 1; t <= 3; ++t) {
    out.OutputFilterAl[t] = al_mm[t] * 0.1;  // mm to cm
    out.OutputFilterCu[t] = cu_mm[t] * 0.1;
  }
  out.OptionFileHeader = header;
  out.OptionFileName = fileName;
  program_.mainWindow->outputDataInUseLabel.SetCaption(OutputDataTitle(fileName));
  Hide();
}

// The main window's edit command: the editor shows the output data in use.
void MainWindow::EditOutputDataButton_Click()
{
  const OutputData& out = program_.Module().Output;
  OutputDataEditor& editor = *program_.outputDataEditor;
  for (int t = 1; t <= 3; ++t) {
    for (int k = 1; k <= kOutputPoints; ++k)
      editor.Box(12 * (t - 1) + k).SetText(Format(out.OutputTable(t + 1, k), "0.00E+00"));
    editor.Box(FilterBoxNumber(t, 1)).SetText(Format(out.OutputFilterAl[t] * 10, "#0.00"));
    editor.Box(FilterBoxNumber(t, 2)).SetText(Format(out.OutputFilterCu[t] * 10, "#0.00"));
  }
  editor.fileNameBox.SetText(OutputDataTitle(out.OptionFileName));
  editor.commentBox.SetText(out.OptionFileHeader);
  editor.Show();
}

}  // namespace vorn::mainwin
