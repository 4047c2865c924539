#include "results/form2.h"

#include <string>

#include "mainwin/main_program.h"
#include "platform/errors.h"
#include "results/file_dialog_lists.h"
#include "results/result_csv.h"
#include "text/results_texts.h"
#include "text/error_texts.h"

namespace vorn::results {

Form2::Form2(mainwin::MainProgram& program) : Form(program.app, "Form2"), program_(program)
{
  const ResultsTexts& t = ResultsTextsFor(program.edition);
  SetCaption(std::string(t.SaveCaption));
  SetSize(4620, 9855);
  Label5.SetCaption(std::string(t.SaveLabel5));
  Label3.SetCaption(std::string(t.SaveLabel3));
  Label4.SetCaption(std::string(t.SaveLabel4));
  Label2.SetCaption(std::string(t.SaveLabel2));
  Label1.SetCaption(std::string(t.SaveLabel1));
  Command1.SetCaption(std::string(t.Ok));
  Command2.SetCaption(std::string(t.Cancel));
  File2.SetPattern("*.csv");

  Load = [this] { Form_Load(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Drive1.Change = [this] { Drive1_Change(); };
  Dir1.Change = [this] { Dir1_Change(); };
  File2.Click = [this] { File2_Click(); };
  Text1.KeyDown = [this](int keyCode, int) { Text1_KeyDown(keyCode); };
  Text2.KeyDown = [this](int keyCode, int) { Text2_KeyDown(keyCode); };
}

void Form2::Form_Load() { OpenWorkingFolder(Drive1, Dir1, program_.WorkingFolder()); }

void Form2::Drive1_Change() { FollowDrive(Drive1, Dir1); }

void Form2::Dir1_Change() { File2.SetPath(Dir1.Path()); }

void Form2::File2_Click() { Text1.SetText(WithoutExtension(File2.FileName())); }

void Form2::Text2_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn && !Text2.Text().empty()) Text1.SetFocus();
}

void Form2::Text1_KeyDown(int keyCode)
{
  if (keyCode == ui::vbKeyReturn && !Text1.Text().empty()) Command1.SetFocus();
}

void Form2::Command1_Click()
{
  const ResultsTexts& t = ResultsTextsFor(program_.edition);
  if (Text2.Text().empty() || Text1.Text().empty()) {
    App().Beep();
    App().MsgBox(std::string(t.InputNameAndComment), ui::vbExclamation);
    return;
  }
  // A name typed with its extension gets a second one, as the label asks for
  // the name without it.
  const std::string fileName = Text1.Text() + ".csv";
  const std::filesystem::path path = File2.Path() / fileName;
  try {
    if (fileName.find('/') != std::string::npos) {
      throw FileError(fileName + ": a file name cannot hold \"/\"", FileFault::BadName, fileName);
    }
    SaveResultTableCsv(path, program_.Results, program_.Module().AirWValue, Text2.Text(), program_.edition);
  } catch (const Error& e) {
    // Nothing was written; the dialog stays open for another name or folder.
    App().Beep();
    App().MsgBox(std::string(t.CannotSave) + "\n" + ErrorText(e, program_.edition, program_.WorkingFolder()),
                 ui::vbExclamation);
    return;
  }
  App().Beep();
  App().MsgBox(std::string(t.Saved), ui::vbOKOnly);
  Hide();
}

}  // namespace vorn::results
