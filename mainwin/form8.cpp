#include "mainwin/form8.h"

#include <exception>
#include <string>

#include "beam/output_data.h"
#include "mainwin/dialog_layout.h"
#include "mainwin/main_program.h"
#include "mainwin/output_data_title.h"
#include "platform/files/seqfile.h"
#include "text/error_texts.h"

namespace vorn::mainwin {

Form8::Form8(MainProgram& program)
    : Form(program.app, "Form8"), program_(program), texts_(DialogTextsFor(program.edition))
{
  const DialogTexts& t = texts_;
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.Form8Caption));
  SetSize(5280, 4620);
  Label1.SetCaption(std::string(t.ChooserHeading));
  Label2.SetCaption(std::string(t.CommentLabel));
  File1.SetPattern("*.op");
  File1.SetPath(program.WorkingFolder());
  Command1.SetCaption(std::string(t.OK));
  Command2.SetCaption(std::string(t.Cancel));

  File1.Click = [this] { File1_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
}

// Preview: the first item of the comment line (up to a comma).
void Form8::File1_Click()
{
  std::string comment;
  try {
    SeqReader file(program_.WorkingFolder() / File1.FileName(), kUserFileMaxBytes);
    comment = file.ReadText();
  } catch (const std::exception&) {
    // A file without a first line previews as no comment; the load reports it.
  }
  Text1.SetText(comment);
}

// Load the chosen file as the output data in use.
void Form8::Command1_Click()
{
  const std::string fileName = File1.FileName();
  if (fileName.empty()) {
    App().Beep();
    App().MsgBox(std::string(texts_.SelectFile), ui::vbOKOnly);
    return;
  }
  try {
    // Read whole before anything changes: a short or broken file leaves the data in use.
    OutputData loaded = ReadOutputDataFile(program_.WorkingFolder() / fileName);
    program_.Module().Output = std::move(loaded);
  } catch (const std::exception& e) {
    App().MsgBox(std::string(texts_.OutputDataNotRead) + "\n" + ErrorText(e, program_.edition, program_.WorkingFolder()),
                 ui::vbExclamation);
    return;
  }
  program_.Form1->Label79.SetCaption(OutputDataTitle(fileName));
  Hide();
}

// The main window's select command: the list shows the files as they are now.
void Form1::Command13_Click()
{
  Form8& chooser = *program_.Form8;
  chooser.File1.Refresh();
  chooser.Text1.SetText("");
  chooser.Show();
}

}  // namespace vorn::mainwin
