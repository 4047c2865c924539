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

template <std::size_t... K>
OutputColumn MakeOutputColumn(ui::Container& window, int type, std::index_sequence<K...>)
{
  // Built in place, top to bottom (text boxes can be neither copied nor moved).
  return {{ui::TextBox(window, "Text" + std::to_string(kOutputPoints * (type - 1) + static_cast<int>(K) + 1),
                       output_data_editor_layout::OutputBox(type, static_cast<int>(K) + 1))...}};
}

// Enter in the box moves the focus to the next control.
void OnEnter(ui::TextBox& box, ui::Control& next)
{
  box.KeyDown = [&next](int keyCode, int) {
    if (keyCode == ui::vbKeyReturn) next.SetFocus();
  };
}

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

  for (OutputColumn& column : outputBoxes) {
    for (ui::TextBox& box : column) box.SetAlignment(ui::Alignment::Right);
  }
  for (FiltrationBoxes& filter : filterBoxes) {
    filter.al.SetAlignment(ui::Alignment::Right);
    filter.cu.SetAlignment(ui::Alignment::Right);
  }

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

  ConnectEnterChain();
  SetDefaultButton(saveButton);
  SetCancelButton(cancelButton);
  saveButton.Click = [this] { SaveButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
}

ui::Label& OutputDataEditor::AddLabel(const std::string& name, ui::Rect place, std::string_view caption)
{
  labels_.push_back(std::make_unique<ui::Label>(*this, name, place));
  labels_.back()->SetCaption(std::string(caption));
  return *labels_.back();
}

std::array<OutputColumn, kRectificationTypes> OutputDataEditor::MakeOutputBoxes(ui::Container& window)
{
  constexpr auto rows = std::make_index_sequence<kOutputPoints>{};
  // A braced list runs left to right: type 1's boxes are built first.
  return {{MakeOutputColumn(window, 1, rows), MakeOutputColumn(window, 2, rows), MakeOutputColumn(window, 3, rows)}};
}

void OutputDataEditor::ConnectEnterChain()
{
  for (int t = 0; t < kRectificationTypes; ++t) {
    OutputColumn& column = outputBoxes[t];
    for (int k = 0; k + 1 < kOutputPoints; ++k) OnEnter(column[k], column[k + 1]);
    OnEnter(column[kOutputPoints - 1], filterBoxes[t].al);
    OnEnter(filterBoxes[t].al, filterBoxes[t].cu);
    OnEnter(filterBoxes[t].cu, fileNameBox);
  }
  OnEnter(fileNameBox, commentBox);
  OnEnter(commentBox, saveButton);
}

// The first box the file could not hold as typed: an output or a filtration
// that is not a number of 0 or more, a number its pattern cannot write; then
// an empty file name. An output of 0 stands for a voltage the tube was not
// measured at: the reader takes it, and a calculation there is refused.
std::optional<EntryRefusal> OutputDataEditor::FirstBadEntry()
{
  const DialogTexts& t = texts_;
  const Edition edition = program_.edition;
  for (int type = 1; type <= kRectificationTypes; ++type) {
    const std::string head(t.RectificationHeads[type - 1]);
    for (int k = 1; k <= kOutputPoints; ++k) {
      ui::TextBox& box = outputBoxes[type - 1][k - 1];
      // Named by its column and row: "定電圧 80 kV".
      const std::string name = head + " " + std::to_string(30 + 10 * k) + " " + std::string(t.KvHead);
      if (auto refusal = CheckEntry(box, box.Text(), EntryRule::ZeroOrMore, name, edition)) return refusal;
      // A number above 0 must not be written as 0 or as no number at all.
      const double value = Val(box.Text());
      const std::optional<double> written = WrittenValue(value, "0.00E+00");
      if (!written || (value > 0.0 && !(*written > 0.0))) return EntryRefusal{&box, TooLargeMessage(edition, name)};
    }
    for (int row = 1; row <= 2; ++row) {
      ui::TextBox& box = row == 1 ? filterBoxes[type - 1].al : filterBoxes[type - 1].cu;
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
  for (int t = 1; t <= kRectificationTypes; ++t) {
    for (int k = 1; k <= kOutputPoints; ++k) table(t + 1, k) = Val(outputBoxes[t - 1][k - 1].Text());
    al_mm[t] = Val(filterBoxes[t - 1].al.Text());
    cu_mm[t] = Val(filterBoxes[t - 1].cu.Text());
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
  for (int t = 1; t <= kRectificationTypes; ++t) {
    for (int k = 1; k <= kOutputPoints; ++k)
      editor.outputBoxes[t - 1][k - 1].SetText(Format(out.OutputTable(t + 1, k), "0.00E+00"));
    editor.filterBoxes[t - 1].al.SetText(Format(out.OutputFilterAl[t] * 10, "#0.00"));
    editor.filterBoxes[t - 1].cu.SetText(Format(out.OutputFilterCu[t] * 10, "#0.00"));
  }
  editor.fileNameBox.SetText(OutputDataTitle(out.OptionFileName));
  editor.commentBox.SetText(out.OptionFileHeader);
  editor.Show();
}

}  // namespace vorn::mainwin
