#include "results/form3.h"

#include <string>

#include "mainwin/main_program.h"
#include "platform/errors.h"
#include "results/file_dialog_lists.h"
#include "results/main_window_reset.h"
#include "results/result_csv.h"
#include "text/results_texts.h"

namespace vorn::results {

Form3::Form3(mainwin::MainProgram& program) : Form(program.app, "Form3"), program_(program)
{
  const ResultsTexts& t = ResultsTextsFor(program.edition);
  SetCaption(std::string(t.ReadCaption));
  SetSize(4665, 9195);
  Label3.SetCaption(std::string(t.ReadLabel3));
  Label1.SetCaption(std::string(t.ReadLabel1));
  Label2.SetCaption(std::string(t.ReadLabel2));
  Command1.SetCaption(std::string(t.Ok));
  Command2.SetCaption(std::string(t.Cancel));
  File1.SetPattern("*.csv");

  Load = [this] { Form_Load(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Drive1.Change = [this] { Drive1_Change(); };
  Dir1.Change = [this] { Dir1_Change(); };
  File1.Click = [this] { File1_Click(); };
}

void Form3::Form_Load() { OpenWorkingFolder(Drive1, Dir1, program_.WorkingFolder()); }

void Form3::Drive1_Change() { FollowDrive(Drive1, Dir1); }

void Form3::Dir1_Change() { File1.SetPath(Dir1.Path()); }

void Form3::File1_Click()
{
  try {
    Text2.SetText(ReadResultComment(File1.Path() / File1.FileName()));
  } catch (const Error&) {
    // Gone since it was listed, or unreadable: nothing to preview.
    Text2.SetText("");
    App().Beep();
    App().MsgBox(std::string(ResultsTextsFor(program_.edition).CannotRead), ui::vbExclamation);
  }
}

void Form3::Command1_Click()
{
  const ResultsTexts& t = ResultsTextsFor(program_.edition);
  if (File1.FileName().empty()) {
    App().Beep();
    App().MsgBox(std::string(t.SelectFile), ui::vbExclamation);
    return;
  }
  ResultFileContent read;
  try {
    read = ReadResultTableCsv(File1.Path() / File1.FileName(), program_.edition);
  } catch (const Error&) {
    // The table in memory is only replaced by a file read whole.
    App().Beep();
    App().MsgBox(std::string(t.CannotRead), ui::vbExclamation);
    return;
  }
  program_.Results = std::move(read.table);
  program_.Module().AirWValue = read.airWValue;
  ShowReadTable();
  Hide();
}

void Form3::ShowReadTable()
{
  mainwin::MainProgram& p = program_;
  Module1& m = p.Module();
  ResultTable& table = p.Results;
  const int results = table.ResultRowCount - 1;

  Form10& window = *p.Form10;
  window.Picture2.Cls();
  window.ShowResultGrid();
  window.DrawResultHeadings();
  // Each row goes through the current-condition variables, which hold the
  // last row afterwards.
  p.AddingRowFlag = 0;
  for (int r = 1; r <= results; ++r) {
    LoadRow(table, r, m.Condition, m.Phantom, m.OtherFilter, m.Result);
    table.ResultRowCount = r;
    window.DrawResultRow();
  }
  table.ResultRowCount = results + 1;

  // The main window shows nothing of the last calculation any more.
  mainwin::Form1& main = *p.Form1;
  EmptyMainResultLabels(p);
  EmptyOptionalFilterLabels(p);
  m.OtherFilter.OtherFilterMaterial.clear();
  m.OtherFilter.OtherFilterThickness = 0;
  m.OtherFilter.OtherFilterOn = 0;
  SelectDefaultOutputData(p);
  main.Option6.SetValue(true);
  m.Phantom.BsfMethod = kFlatSurface;
  m.Phantom.PhantomModel = 0;
  main.Command3.SetEnabled(false);
  // The condition now holds the last row read, not what the boxes show: no
  // fit may start from it.
  main.Command14.SetEnabled(false);
  if (p.Form11.Exists()) p.Form11->Hide();
  main.Command11.SetEnabled(false);
  main.Command5.SetEnabled(false);
  // The show command stays as it is (enabled): closing the result window
  // through its frame unloads it, and with a full table no calculation would
  // enable the command again, leaving the table out of reach.
}

}  // namespace vorn::results
