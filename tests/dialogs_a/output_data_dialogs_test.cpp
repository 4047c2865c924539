// The output-data editor and chooser: what a save writes and keeps in use,
// the refused and overwritten names, the Enter chain, the preview and the load.
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "beam/output_data.h"
#include "mainwin/output_data_editor.h"
#include "mainwin/output_data_chooser.h"
#include "tests/dialogs_a/dialogs_test_support.h"
#include "tests/support/failing_writes.h"

namespace vorn::mainwin {
namespace {

namespace fs = std::filesystem;
using testing::Lines;
using testing::ReadBytes;
using testing::Session;

struct Started {
  explicit Started(Edition edition = Edition::Japanese) : s(edition, [edition](const fs::path& dir) {
    testing::KeepUserName(dir, edition, "Tester");
  })
  {
    s.program->Start();
  }
  Session s;
  OutputDataEditor& editor() { return *s.program->outputDataEditor; }
  OutputDataChooser& chooser() { return *s.program->outputDataChooser; }
  void OpenEditor() { s.main().editOutputDataButton.UserClick(); }
  void Save(const std::string& name)
  {
    editor().fileNameBox.UserType(name);
    editor().saveButton.UserClick();
  }
};

// The editor's box whose name string is "Text<n>" (1..44), as the cases
// below name them.
ui::TextBox& BoxNamed(OutputDataEditor& e, int n)
{
  std::vector<ui::TextBox*> boxes;
  for (OutputColumn& column : e.outputBoxes) {
    for (ui::TextBox& box : column) boxes.push_back(&box);
  }
  for (FiltrationBoxes& filter : e.filterBoxes) {
    boxes.push_back(&filter.al);
    boxes.push_back(&filter.cu);
  }
  boxes.push_back(&e.fileNameBox);
  boxes.push_back(&e.commentBox);
  for (ui::TextBox* box : boxes) {
    if (box->Name() == "Text" + std::to_string(n)) return *box;
  }
  throw std::out_of_range("no box Text" + std::to_string(n));
}

const char* kShippedHeader =
    "Typical output of a tungsten-anode tube at 1 m with 2.5 mm Al: model scaled to 50 uGy/mAs at 80 kV";

TEST(OutputEditor, OpensWithTheDataInUse)
{
  Started t;
  t.OpenEditor();
  OutputDataEditor& e = t.editor();
  ASSERT_TRUE(e.Visible());
  EXPECT_EQ(e.Caption(), "  平均出力データ編集");
  // The shipped vorn_default.op, as its boxes show it.
  EXPECT_EQ(e.outputBoxes[0][0].Text(), "3.03E-07");
  EXPECT_EQ(e.outputBoxes[0][11].Text(), "3.61E-06");
  EXPECT_EQ(e.outputBoxes[1][0].Text(), "2.98E-07");
  EXPECT_EQ(e.outputBoxes[2][11].Text(), "2.71E-06");
  for (const FiltrationBoxes& filter : e.filterBoxes) {
    EXPECT_EQ(filter.al.Text(), "2.50");
    EXPECT_EQ(filter.cu.Text(), "0.00");
  }
  EXPECT_EQ(e.fileNameBox.Text(), "vorn_default");
  EXPECT_EQ(e.commentBox.Text(), kShippedHeader);
}

TEST(OutputEditor, TheDefaultNamesAreReservedButOtherCapitalsAreNot)
{
  Started t;
  const std::string shipped = ReadBytes(t.s.file("vorn_default.op"));
  const OutputData before = t.s.m().Output;
  t.OpenEditor();
  t.editor().outputBoxes[0][0].UserType("9.99E-06");
  for (const char* name : {"vorn_default", "VORN_DEFAULT", "../elsewhere", "sub/tube"}) {
    t.s.services.ExpectMsgBox("　このファイル名は使用禁止です　");
    t.Save(name);
    EXPECT_EQ(t.s.services.msgBoxes.back().style, ui::vbExclamation);
    EXPECT_EQ(t.s.services.calls.at(t.s.services.calls.size() - 2), "Beep");
    EXPECT_TRUE(t.editor().Visible());
  }
  EXPECT_EQ(ReadBytes(t.s.file("vorn_default.op")), shipped);
  EXPECT_FALSE(fs::exists(t.s.dir().parent_path() / "elsewhere.op"));
  EXPECT_EQ(t.s.m().Output.OutputTable, before.OutputTable);
  EXPECT_EQ(t.s.main().outputDataInUseLabel.Caption(), "vorn_default");

  t.Save("Vorn_Default");
  EXPECT_FALSE(t.editor().Visible());
  EXPECT_TRUE(fs::exists(t.s.file("Vorn_Default.op")));
  EXPECT_EQ(t.s.m().Output.OptionFileName, "Vorn_Default.op");
  EXPECT_EQ(t.s.main().outputDataInUseLabel.Caption(), "Vorn_Default");
  EXPECT_EQ(ReadBytes(t.s.file("vorn_default.op")), shipped);
}

TEST(OutputEditor, SaveWritesTheFileAndMakesItTheDataInUse)
{
  Started t;
  const std::vector<std::string> shipped = Lines(t.s.file("vorn_default.op"));
  t.OpenEditor();
  OutputDataEditor& e = t.editor();
  e.outputBoxes[0][0].UserType("1.23456E-06");  // more digits than the file keeps
  e.outputBoxes[1][11].UserType("4e-6");
  e.outputBoxes[2][5].UserType(" 7.5e-8 ");      // blanks around a number are allowed
  e.filterBoxes[0].al.UserType("2.5");
  e.filterBoxes[1].cu.UserType("0.1");
  e.commentBox.UserType("Room 2, measured 2026");
  t.Save("room2");

  const std::vector<std::string> lines = Lines(t.s.file("room2.op"));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "Room 2, measured 2026");
  EXPECT_EQ(lines[1], shipped[1]) << "the voltages of the data in use are kept";
  EXPECT_EQ(lines[1], "40. 50. 60. 70. 80. 90. 100. 110. 120. 130. 140. 150. ");
  EXPECT_EQ(lines[2].substr(0, 18), "1.23E-06 5.58E-07 ");
  EXPECT_EQ(lines[2].substr(lines[2].size() - 10), " 2.50 0.00");
  EXPECT_EQ(lines[3].substr(11 * 9, 9), "4.00E-06 ");
  EXPECT_EQ(lines[3].substr(lines[3].size() - 10), " 2.50 0.10");
  EXPECT_EQ(lines[4].substr(5 * 9, 9), "7.50E-08 ");
  EXPECT_EQ(ReadBytes(t.s.file("room2.op")).find("\r\n"), lines[0].size()) << "lines end in CR LF";

  // In use: the values as typed (until read back), the filtration in cm.
  const OutputData& out = t.s.m().Output;
  EXPECT_DOUBLE_EQ(out.OutputTable(2, 1), 1.23456e-6);
  EXPECT_DOUBLE_EQ(out.OutputTable(3, 12), 4e-6);
  EXPECT_EQ(out.OutputTable(4, 6), 7.5e-8);
  EXPECT_DOUBLE_EQ(out.OutputFilterAl[1], 0.25);
  EXPECT_DOUBLE_EQ(out.OutputFilterCu[2], 0.01);
  EXPECT_DOUBLE_EQ(out.OutputTable(1, 12), 150.0);
  EXPECT_EQ(out.OptionFileHeader, "Room 2, measured 2026");
  EXPECT_EQ(out.OptionFileName, "room2.op");
  EXPECT_EQ(t.s.main().outputDataInUseLabel.Caption(), "room2");

  // Read back, digits beyond the third significant one are gone.
  const OutputData reread = ReadOutputDataFile(t.s.file("room2.op"));
  EXPECT_DOUBLE_EQ(reread.OutputTable(2, 1), 1.23e-6);
  EXPECT_DOUBLE_EQ(reread.OutputFilterAl[1], 0.25);
  EXPECT_DOUBLE_EQ(reread.OutputFilterCu[2], 0.01);
}

TEST(OutputEditor, EmptyCommentIsWrittenAsNoComment)
{
  Started t;
  t.OpenEditor();
  t.editor().commentBox.UserType("");
  t.Save("plain");
  EXPECT_EQ(Lines(t.s.file("plain.op")).front(), "No comment");
  EXPECT_EQ(t.s.m().Output.OptionFileHeader, "No comment");
}

TEST(OutputEditor, ANameWithItsExtensionIsSavedAsTyped)
{
  Started t;
  t.OpenEditor();
  t.Save("tube.op");
  EXPECT_TRUE(fs::exists(t.s.file("tube.op.op")));
  EXPECT_FALSE(fs::exists(t.s.file("tube.op")));
  EXPECT_EQ(t.s.main().outputDataInUseLabel.Caption(), "tube.op");
}

TEST(OutputEditor, RefusesWhatItsFileCouldNotHoldOrReadBack)
{
  // Each refusal names the box (focus in it) or says what is wrong; no file
  // is written, the data in use stay and the editor stays open.
  struct Case {
    int box;  // 0: no box is changed
    const char* typed;
    const char* japanese;
    const char* english;
  };
  const std::vector<Case> cases{
      {1, "abc", "　定電圧 40 kV：「abc」は数値として読めません。\n半角の数字と小数点「.」で、単位を付けずに入力して下さい　",
       "  Constant 40 kV: \"abc\" is not a number: type it with a decimal point (.) and without a unit  "},
      {5, "-1E-07", "　定電圧 80 kV：0 以上の数値を入力して下さい　", "  Constant 80 kV: enter a number of 0 or more  "},
      {24, "3,6E-06",
       "　三相12ﾋﾟｰｸ 150 kV：「3,6E-06」は数値として読めません。\n半角の数字と小数点「.」で、単位を付けずに入力して下さい　",
       "  3 phase 12 150 kV: \"3,6E-06\" is not a number: type it with a decimal point (.) and without a unit  "},
      {30, "", "　単相全波 90 kV：0 以上の数値を入力して下さい　", "  Single 90 kV: enter a number of 0 or more  "},
      {13, "1e999", "　三相12ﾋﾟｰｸ 40 kV：数値が大きすぎます　", "  3 phase 12 40 kV: the number is too large  "},
      // Finite, but written with three digits it reads back as beyond any number.
      {13, "1.7976E+308", "　三相12ﾋﾟｰｸ 40 kV：数値が大きすぎます　", "  3 phase 12 40 kV: the number is too large  "},
      {38, "-0.1", "　定電圧 銅 (mm)：0 以上の数値を入力して下さい　", "  Constant Cu (mm): enter a number of 0 or more  "},
      {41, "2,5", "　単相全波 アルミ (mm)：「2,5」は数値として読めません。\n半角の数字と小数点「.」で、単位を付けずに入力して下さい　",
       "  Single Al (mm): \"2,5\" is not a number: type it with a decimal point (.) and without a unit  "},
      {43, "", "　ファイル名を入力して下さい　", "  Input the file name  "},
      {43, "   ", "　ファイル名を入力して下さい　", "  Input the file name  "},
      // A voltage of the data in use below 0.05 kV would be written as ".".
      {0, "", "　使用中の出力データの管電圧はファイルに書き込めません　",
       "  The tube voltages of the output data in use cannot be written to a file  "},
  };
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    for (const Case& c : cases) {
      Started t(edition);
      if (c.box == 0) t.s.m().Output.OutputTable(1, 1) = 0.04;
      const OutputData before = t.s.m().Output;
      t.OpenEditor();
      OutputDataEditor& e = t.editor();
      e.fileNameBox.UserType("checked");
      if (c.box != 0) BoxNamed(e, c.box).UserType(c.typed);
      t.s.services.ExpectMsgBox(edition == Edition::Japanese ? c.japanese : c.english);
      e.saveButton.UserClick();
      EXPECT_EQ(t.s.services.PendingMsgBoxes(), 0u) << c.box << " " << c.typed;
      EXPECT_EQ(t.s.services.beeps, 1);
      EXPECT_EQ(t.s.services.msgBoxes.back().style, ui::vbExclamation);
      if (c.box != 0) {
        EXPECT_TRUE(BoxNamed(e, c.box).HasFocus()) << c.box;
      }
      EXPECT_TRUE(e.Visible());
      EXPECT_FALSE(fs::exists(t.s.file("checked.op")));
      EXPECT_FALSE(fs::exists(t.s.file(".op")));
      EXPECT_FALSE(fs::exists(t.s.file("   .op")));
      EXPECT_EQ(t.s.m().Output.OutputTable, before.OutputTable);
      EXPECT_EQ(t.s.m().Output.OptionFileName, "vorn_default.op");
    }
  }
}

TEST(OutputEditor, AnOutputOfZeroIsSavedReadBackAndRefusedOnlyByACalculationThere)
{
  // A voltage the tube was not measured at: the file holds 0, as the reader takes it.
  Started t;
  t.OpenEditor();
  t.editor().outputBoxes[0][4].UserType("0");  // constant potential, 80 kV
  t.Save("unmeasured");
  EXPECT_TRUE(t.s.services.msgBoxes.empty());
  EXPECT_EQ(Lines(t.s.file("unmeasured.op"))[2].substr(4 * 9, 9), "0.00E+00 ");
  EXPECT_EQ(ReadOutputDataFile(t.s.file("unmeasured.op")).OutputTable(2, 5), 0.0);
  EXPECT_EQ(t.s.m().Output.OutputTable(2, 5), 0.0);

  t.s.main().tubeVoltageBox.UserType("80");
  t.s.services.ExpectMsgBox(ui::vbOK);
  t.s.main().calculateButton.UserClick();
  EXPECT_EQ(t.s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(t.s.main().surfaceDoseSoftLabel.Caption(), "");
  EXPECT_FALSE(t.s.main().addToTableButton.Enabled());
}

TEST(OutputEditor, AnExistingFileIsOverwrittenOnlyOnYes)
{
  Started t;
  t.OpenEditor();
  t.Save("mine");
  const std::string first = ReadBytes(t.s.file("mine.op"));
  const OutputData inUse = t.s.m().Output;

  t.OpenEditor();
  t.editor().outputBoxes[0][0].UserType("7.77E-07");
  t.s.services.ExpectMsgBox("　この名前のファイルはすでに存在します。上書きしますか？　", ui::vbNo);
  t.Save("mine");
  EXPECT_EQ(t.s.services.msgBoxes.back().style, ui::vbYesNo);
  EXPECT_EQ(t.s.services.calls.at(t.s.services.calls.size() - 2), "Beep");
  EXPECT_TRUE(t.editor().Visible());
  EXPECT_EQ(t.editor().outputBoxes[0][0].Text(), "7.77E-07");
  EXPECT_EQ(ReadBytes(t.s.file("mine.op")), first);
  EXPECT_EQ(t.s.m().Output.OutputTable, inUse.OutputTable);

  t.s.services.ExpectMsgBox(ui::vbYes);
  t.editor().saveButton.UserClick();
  EXPECT_FALSE(t.editor().Visible());
  EXPECT_EQ(Lines(t.s.file("mine.op"))[2].substr(0, 9), "7.77E-07 ");
  EXPECT_DOUBLE_EQ(t.s.m().Output.OutputTable(2, 1), 7.77e-7);
}

TEST(OutputEditor, EnglishEditionAsksInItsOwnWords)
{
  Started t(Edition::English);
  t.OpenEditor();
  EXPECT_EQ(t.editor().Caption(), " Edit Output data table");
  t.s.services.ExpectMsgBox(" This file name can't be used ");
  t.Save("vorn_default");
  t.Save("again");
  t.OpenEditor();
  t.s.services.ExpectMsgBox(" This file name exists already. Is it overwritten ? ", ui::vbNo);
  t.Save("again");
}

TEST(OutputEditor, CancelAndAFailedWriteLeaveTheDataInUse)
{
  Started t;
  const OutputData before = t.s.m().Output;
  t.OpenEditor();
  t.editor().outputBoxes[0][0].UserType("5.55E-06");
  t.editor().cancelButton.UserClick();
  EXPECT_FALSE(t.editor().Visible());
  EXPECT_EQ(t.s.m().Output.OutputTable, before.OutputTable);

  t.OpenEditor();
  EXPECT_EQ(t.editor().outputBoxes[0][0].Text(), "3.03E-07") << "the editor is refilled from the data in use";
  t.editor().outputBoxes[0][0].UserType("5.55E-06");
  t.s.services.ExpectMsgBox(ui::vbOK);
  {
    const vorn::testing::FailingWrites full;
    t.Save("blocked");
  }
  EXPECT_EQ(t.s.services.msgBoxes.back().text.rfind("　出力データファイルを保存できませんでした　\n", 0), 0u);
  EXPECT_TRUE(t.editor().Visible());
  EXPECT_FALSE(fs::exists(t.s.file("blocked.op")));
  EXPECT_EQ(t.s.m().Output.OutputTable, before.OutputTable);
  EXPECT_EQ(t.s.m().Output.OptionFileName, "vorn_default.op");
  EXPECT_EQ(t.s.main().outputDataInUseLabel.Caption(), "vorn_default");
}

TEST(OutputEditor, EnterWalksDownAColumnToItsFiltrationTheNameTheCommentAndSave)
{
  // Where Enter moves the focus from each box, written out as the window's
  // design gives it.
  std::map<int, std::string> next;
  for (int n = 1; n <= 11; ++n) next[n] = "Text" + std::to_string(n + 1);
  next[12] = "Text37";
  for (int n = 13; n <= 23; ++n) next[n] = "Text" + std::to_string(n + 1);
  next[24] = "Text39";
  for (int n = 25; n <= 35; ++n) next[n] = "Text" + std::to_string(n + 1);
  next[36] = "Text41";
  next[37] = "Text38";
  next[38] = "Text43";
  next[39] = "Text40";
  next[40] = "Text43";
  next[41] = "Text42";
  next[42] = "Text43";
  next[43] = "Text44";
  next[44] = "Command1";

  Started t;
  t.OpenEditor();
  OutputDataEditor& e = t.editor();
  for (const auto& [box, target] : next) {
    BoxNamed(e, box).UserFocus();
    BoxNamed(e, box).UserKeyDown(ui::vbKeyReturn);
    ASSERT_NE(e.ActiveControl(), nullptr);
    EXPECT_EQ(e.ActiveControl()->Name(), target) << "Enter in Text" << box;
  }
  // Enter on the last box reaches Save without pressing it; other keys do nothing.
  EXPECT_TRUE(e.Visible());
  EXPECT_TRUE(t.s.services.msgBoxes.empty());
  e.outputBoxes[0][4].UserKeyDown(ui::vbKeyDown);
  e.outputBoxes[0][4].UserKeyDown(ui::vbKeyTab);
  EXPECT_EQ(e.ActiveControl(), &e.outputBoxes[0][4]);
}

// ---------------------------------------------------------------- chooser

const char* kTwelve = "40 50 60 70 80 90 100 110 120 130 140 150";

std::string OutputFile(const std::string& comment, const std::string& firstOutput)
{
  std::string text = comment + "\r\n" + kTwelve + "\r\n";
  for (int t = 1; t <= 3; ++t) {
    text += firstOutput;
    for (int k = 2; k <= 12; ++k) text += " 2.00E-06";
    text += " 3.00 0.20\r\n";
  }
  return text;
}

TEST(OutputChooser, ListsTheOutputFilesAndSaysWhenNoneIsChosen)
{
  Started t;
  t.s.folder.Write("second.op", OutputFile("Second", "1.00E-06"));
  t.s.main().chooseOutputDataButton.UserClick();
  OutputDataChooser& c = t.chooser();
  ASSERT_TRUE(c.Visible());
  EXPECT_EQ(c.outputFileList.Items(), (std::vector<std::string>{"second.op", "vorn_default.op"}));
  EXPECT_EQ(c.commentBox.Text(), "");
  t.s.services.ExpectMsgBox("　ファイルを選択して下さい　");
  c.okButton.UserClick();
  EXPECT_EQ(t.s.services.msgBoxes.back().style, ui::vbOKOnly);
  EXPECT_EQ(t.s.services.calls.at(t.s.services.calls.size() - 2), "Beep");
  EXPECT_TRUE(c.Visible());
  EXPECT_EQ(t.s.m().Output.OptionFileName, "vorn_default.op");
}

TEST(OutputChooser, PreviewStopsAtACommaWhileTheLoadKeepsTheWholeLine)
{
  Started t;
  t.s.folder.Write("roomA.op", OutputFile("Tube A, room 3", "1.50E-06"));
  t.s.main().chooseOutputDataButton.UserClick();
  OutputDataChooser& c = t.chooser();
  c.outputFileList.UserChoose(0);
  ASSERT_EQ(c.outputFileList.FileName(), "roomA.op");
  EXPECT_EQ(c.commentBox.Text(), "Tube A");
  c.okButton.UserClick();
  EXPECT_FALSE(c.Visible());
  const OutputData& out = t.s.m().Output;
  EXPECT_EQ(out.OptionFileHeader, "Tube A, room 3");
  EXPECT_EQ(out.OptionFileName, "roomA.op");
  EXPECT_DOUBLE_EQ(out.OutputTable(2, 1), 1.5e-6);
  EXPECT_DOUBLE_EQ(out.OutputTable(4, 12), 2e-6);
  EXPECT_DOUBLE_EQ(out.OutputFilterAl[3], 0.3);
  EXPECT_DOUBLE_EQ(out.OutputFilterCu[1], 0.02);
  EXPECT_EQ(t.s.main().outputDataInUseLabel.Caption(), "roomA");

  // Reopened, the preview is empty again and a saved file shows in the list.
  t.s.main().editOutputDataButton.UserClick();
  t.Save("fromEditor");
  t.s.main().chooseOutputDataButton.UserClick();
  EXPECT_EQ(c.commentBox.Text(), "");
  EXPECT_EQ(c.outputFileList.ListCount(), 3);
}

TEST(OutputChooser, AShortOrBrokenFileIsReportedAndTheDataInUseStay)
{
  Started t;
  const OutputData before = t.s.m().Output;
  std::string shortFile = OutputFile("Short", "1.00E-06");
  shortFile = shortFile.substr(0, shortFile.rfind(" 3.00 0.20"));  // 52 numbers
  t.s.folder.Write("a_short.op", shortFile);
  t.s.folder.Write("b_text.op", OutputFile("Text", "one"));
  t.s.folder.Write("c_empty.op", "");
  t.s.main().chooseOutputDataButton.UserClick();
  OutputDataChooser& c = t.chooser();
  for (int i = 0; i < 3; ++i) {
    c.outputFileList.UserChoose(i);
    t.s.services.ExpectMsgBox(ui::vbOK);
    c.okButton.UserClick();
    const std::string& text = t.s.services.msgBoxes.back().text;
    EXPECT_EQ(text.rfind("　出力データファイルを読み込めませんでした　\n", 0), 0u) << text;
    EXPECT_NE(text.find(c.outputFileList.FileName()), std::string::npos) << text;
    EXPECT_TRUE(c.Visible());
  }
  EXPECT_EQ(c.commentBox.Text(), "") << "an empty file previews as no comment";
  const OutputData& out = t.s.m().Output;
  EXPECT_EQ(out.OutputTable, before.OutputTable);
  EXPECT_EQ(out.OutputFilterAl, before.OutputFilterAl);
  EXPECT_EQ(out.OptionFileHeader, before.OptionFileHeader);
  EXPECT_EQ(out.OptionFileName, "vorn_default.op");
  EXPECT_EQ(t.s.main().outputDataInUseLabel.Caption(), "vorn_default");
}

}  // namespace
}  // namespace vorn::mainwin
