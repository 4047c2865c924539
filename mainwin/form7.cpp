#include "mainwin/form7.h"

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

Form7::Form7(MainProgram& program)
    : Form(program.app, "Form7"), program_(program), texts_(DialogTextsFor(program.edition))
{
  const DialogTexts& t = texts_;
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.Form7Caption));
  SetSize(10320, 7200);

  boxes_ = {nullptr, &Text1,  &Text2,  &Text3,  &Text4,  &Text5,  &Text6,  &Text7,  &Text8,  &Text9,
            &Text10, &Text11, &Text12, &Text13, &Text14, &Text15, &Text16, &Text17, &Text18, &Text19,
            &Text20, &Text21, &Text22, &Text23, &Text24, &Text25, &Text26, &Text27, &Text28, &Text29,
            &Text30, &Text31, &Text32, &Text33, &Text34, &Text35, &Text36, &Text37, &Text38, &Text39,
            &Text40, &Text41, &Text42, &Text43, &Text44};
  for (int n = 1; n <= 42; ++n) Box(n).SetAlignment(ui::Alignment::Right);

  AddLabel("Label1", {240, 120, 5520, 300}, t.EditorHeading1).SetFontBold(true);
  AddLabel("Label2", {240, 420, 5520, 300}, t.EditorHeading2).SetFontBold(true);
  AddLabel("Label3", {240, 840, 660, 300}, t.KvHead).SetAlignment(ui::Alignment::Center);
  for (int type = 1; type <= 3; ++type) {
    const ui::Rect box = form7_layout::OutputBox(type, 1);
    AddLabel("Label" + std::to_string(3 + type), {box.left, 840, box.width, 300}, t.RectificationHeads[type - 1])
        .SetAlignment(ui::Alignment::Center);
  }
  // The rows' voltages are fixed texts: a save keeps the voltages of the data in use.
  for (int k = 1; k <= 12; ++k) {
    const ui::Rect box = form7_layout::OutputBox(1, k);
    AddLabel("Label" + std::to_string(6 + k), {240, box.top + 30, 600, 300}, std::to_string(30 + 10 * k))
        .SetAlignment(ui::Alignment::Right);
  }
  const ui::Rect al = form7_layout::FilterBox(1, 1);
  const ui::Rect cu = form7_layout::FilterBox(1, 2);
  AddLabel("Label19", {240, al.top - 360, 5520, 300}, t.FiltrationHeading).SetFontBold(true);
  AddLabel("Label20", {120, al.top + 30, 780, 300}, t.Aluminium).SetAlignment(ui::Alignment::Right);
  AddLabel("Label21", {120, cu.top + 30, 780, 300}, t.Copper).SetAlignment(ui::Alignment::Right);
  AddLabel("Label22", {5880, 1140, 4080, 300}, t.FileNameLabel);
  AddLabel("Label23", {5880, 1845, 4080, 300}, t.FileNameHint);
  AddLabel("Label24", {5880, 2460, 4080, 300}, t.CommentLabel);

  Command1.SetCaption(std::string(t.Save));
  Command2.SetCaption(std::string(t.Cancel));

  for (int n = 1; n <= kBoxes; ++n) Box(n).KeyDown = [this, n](int keyCode, int) { Text_KeyDown(n, keyCode); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
}

ui::Label& Form7::AddLabel(const std::string& name, ui::Rect place, std::string_view caption)
{
  labels_.push_back(std::make_unique<ui::Label>(*this, name, place));
  labels_.back()->SetCaption(std::string(caption));
  return *labels_.back();
}

ui::Control& Form7::EnterTarget(int box)
{
  switch (box) {
    case 12: return Text37;
    case 24: return Text39;
    case 36: return Text41;
    case 38:
    case 40:
    case 42: return Text43;
    case 44: return Command1;
    default: return Box(box + 1);  // down the column; 37 -> 38, 39 -> 40, 41 -> 42, 43 -> 44
  }
}

void Form7::Text_KeyDown(int box, int keyCode)
{
  if (keyCode == ui::vbKeyReturn) EnterTarget(box).SetFocus();
}

// The first box the file could not hold as typed: an output that is not a
// number above 0 (a 0 would give a dose of 0 at that voltage), a filtration
// that is not 0 or more, a number too large for its pattern; then an empty
// file name.
std::optional<EntryRefusal> Form7::FirstBadEntry()
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
  if (Text43.Text().find_first_not_of(" \t") != std::string::npos) return std::nullopt;
  return EntryRefusal{&Text43, std::string(EntryTextsFor(edition).FileNameMissing)};
}

// Save the boxes as a new output-data file, which becomes the data in use.
void Form7::Command1_Click()
{
  Module1& m = program_.Module();
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

  const std::string name = Text43.Text();
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

  const std::string header = Text44.Text().empty() ? std::string(kNoComment) : Text44.Text();
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
  program_.Form1->Label79.SetCaption(OutputDataTitle(fileName));
  Hide();
}

// The main window's edit command: the editor shows the output data in use.
void Form1::Command12_Click()
{
  const OutputData& out = program_.Module().Output;
  Form7& editor = *program_.Form7;
  for (int t = 1; t <= 3; ++t) {
    for (int k = 1; k <= kOutputPoints; ++k)
      editor.Box(12 * (t - 1) + k).SetText(Format(out.OutputTable(t + 1, k), "0.00E+00"));
    editor.Box(FilterBoxNumber(t, 1)).SetText(Format(out.OutputFilterAl[t] * 10, "#0.00"));
    editor.Box(FilterBoxNumber(t, 2)).SetText(Format(out.OutputFilterCu[t] * 10, "#0.00"));
  }
  editor.Text43.SetText(OutputDataTitle(out.OptionFileName));
  editor.Text44.SetText(out.OptionFileHeader);
  editor.Show();
}

}  // namespace vorn::mainwin
