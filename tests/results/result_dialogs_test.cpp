// The save and read dialogs opened from the result window: what they write,
// what a read does to the table, the window and the main window, and how
// failures leave everything in memory as it was.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/format/format.h"
#include "platform/ui/keys.h"
#include "program_session.h"
#include "results/result_csv.h"
#include "text/results_texts.h"
#include "platform/files/seqfile.h"
#include "tests/support/failing_writes.h"

namespace vorn::results {
namespace {

namespace fs = std::filesystem;
using testing::ExpectSameTable;
using testing::ReadBytes;
using testing::Session;
using testing::Texts;
using testing::ThreeRowTable;
using testing::WriteBytes;

int IndexOf(const ui::FileListBox& list, const std::string& name)
{
  const auto& items = list.Items();
  const auto it = std::find(items.begin(), items.end(), name);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

// ---------------------------------------------------------------- save

TEST(SaveDialog, EmptyTableHasNothingToSave)
{
  Session s(Edition::Japanese);
  s.services.ExpectMsgBox("保存するデータがありません");
  s.window().saveButton.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_FALSE(s.program->resultSaveDialog.Exists());
}

TEST(SaveDialog, CommentThenNameThenOkWritesTheFile)
{
  Session s(Edition::Japanese);
  WriteBytes(s.dir() / "old.csv", "x\r\n");
  WriteBytes(s.dir() / "notes.txt", "x\r\n");
  s.table() = ThreeRowTable();
  s.window().saveButton.UserClick();
  ResultSaveDialog& d = *s.program->resultSaveDialog;
  ASSERT_TRUE(d.Visible());
  EXPECT_EQ(d.Caption(), "  Data Save");
  EXPECT_EQ(d.fileList.Items(), (std::vector<std::string>{"old.csv"}));
  EXPECT_TRUE(d.commentBox.HasFocus());

  d.commentBox.UserKeyDown(ui::vbKeyReturn);  // empty: the focus stays
  EXPECT_TRUE(d.commentBox.HasFocus());
  d.commentBox.UserType("病棟 3 の測定");
  d.commentBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(d.fileNameBox.HasFocus());
  d.fileList.UserChoose(IndexOf(d.fileList, "old.csv"));
  EXPECT_EQ(d.fileNameBox.Text(), "old");
  d.fileNameBox.UserType("ward3");
  d.fileNameBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(d.okButton.HasFocus());

  const int beeps = s.services.beeps;
  s.services.ExpectMsgBox("　計算結果をエクセル(csv)形式で保存しました　");
  d.okButton.UserClick();
  EXPECT_EQ(s.services.beeps, beeps + 1);
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbOKOnly);
  EXPECT_FALSE(d.Visible());
  EXPECT_EQ(ReadBytes(s.dir() / "ward3.csv"),
            ResultTableCsvText(ThreeRowTable(), 33.97, "病棟 3 の測定", Edition::Japanese));
  EXPECT_EQ(s.table(), ThreeRowTable());

  // Opened again: the boxes are emptied, the new file is listed.
  s.window().saveButton.UserClick();
  EXPECT_EQ(d.fileNameBox.Text(), "");
  EXPECT_EQ(d.commentBox.Text(), "");
  EXPECT_EQ(d.fileList.Items(), (std::vector<std::string>{"old.csv", "ward3.csv"}));
}

TEST(SaveDialog, MissingCommentOrNameIsRefused)
{
  Session s(Edition::English);
  s.table() = ThreeRowTable();
  s.window().saveButton.UserClick();
  ResultSaveDialog& d = *s.program->resultSaveDialog;
  d.fileNameBox.UserType("ward3");
  s.services.ExpectMsgBox("  Input File name and Comment  ");
  d.okButton.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_TRUE(d.Visible());
  EXPECT_FALSE(fs::exists(s.dir() / "ward3.csv"));
}

TEST(SaveDialog, ANameTypedWithItsExtensionIsNotGivenASecondOne)
{
  Session s(Edition::English);
  s.table() = ThreeRowTable();
  for (const std::string typed : {"chest.csv", "Ward.CSV", "notes.txt"}) {
    s.window().saveButton.UserClick();
    ResultSaveDialog& d = *s.program->resultSaveDialog;
    d.commentBox.UserType("c");
    d.fileNameBox.UserType(typed);
    s.services.ExpectMsgBox("　The calculation result was saved in Excel (csv) format　");
    d.okButton.UserClick();
  }
  EXPECT_TRUE(fs::exists(s.dir() / "chest.csv"));
  EXPECT_TRUE(fs::exists(s.dir() / "Ward.CSV"));
  EXPECT_TRUE(fs::exists(s.dir() / "notes.txt.csv"));  // another extension is part of the name
  EXPECT_FALSE(fs::exists(s.dir() / "chest.csv.csv"));
}

TEST(SaveDialog, OkIsTheDefaultAndEscapeCancelsTheSaveAndReadDialogs)
{
  Session s(Edition::Japanese);
  s.table() = ThreeRowTable();
  s.window().saveButton.UserClick();
  ResultSaveDialog& d = *s.program->resultSaveDialog;
  EXPECT_EQ(d.DefaultButton(), &d.okButton);
  d.fileNameBox.UserKeyDown(ui::vbKeyEscape);
  EXPECT_FALSE(d.Visible());
  s.services.ExpectMsgBox("　ファイル読出を行うと、現在表示されている計算結果は削除されます。");
  s.window().readButton.UserClick();
  ResultReadDialog& r = *s.program->resultReadDialog;
  EXPECT_EQ(r.DefaultButton(), &r.okButton);
  r.fileList.UserKeyDown(ui::vbKeyEscape);
  EXPECT_FALSE(r.Visible());
}

TEST(SaveDialog, ATargetThatCannotBeWrittenIsReportedAndNothingIsLost)
{
  Session s(Edition::Japanese);
  s.table() = ThreeRowTable();
  WriteBytes(s.dir() / "kept.csv", "older table\r\n");
  s.window().saveButton.UserClick();
  ResultSaveDialog& d = *s.program->resultSaveDialog;
  d.commentBox.UserType("c");

  const vorn::testing::FailingWrites full;  // the new file cannot be written
  for (const std::string name : {"kept", "sub/x"}) {
    d.fileNameBox.UserType(name);
    s.services.ExpectMsgBox(ui::vbOK);
    d.okButton.UserClick();
    const ui::MsgBoxCall& box = s.services.msgBoxes.back();
    EXPECT_EQ(box.text.rfind("　ファイルを保存できませんでした　\n", 0), 0u) << box.text;
    EXPECT_EQ(box.style, ui::vbExclamation);
    EXPECT_TRUE(d.Visible()) << name;
  }
  EXPECT_EQ(ReadBytes(s.dir() / "kept.csv"), "older table\r\n");
  EXPECT_FALSE(fs::exists(s.dir() / "sub"));
  EXPECT_EQ(s.table(), ThreeRowTable());
}

// ---------------------------------------------------------------- read

class ReadDialogTest : public ::testing::TestWithParam<Edition> {
protected:
  Session s{GetParam()};
  const ResultsTexts& texts = ResultsTextsFor(GetParam());

  ResultReadDialog& dialog() { return *s.program->resultReadDialog; }

  // Opens the read dialog on an empty table and chooses the file.
  void Choose(const std::string& name)
  {
    s.window().readButton.UserClick();
    const int index = IndexOf(dialog().fileList, name);
    ASSERT_GE(index, 0) << name << " is not listed";
    dialog().fileList.UserChoose(index);
  }
  // The next message says the file cannot be read, then names it and why.
  void ExpectCannotRead() { s.services.ExpectMsgBox(ui::vbOK); }
  void ToldCannotRead(const std::string& file)
  {
    ASSERT_FALSE(s.services.msgBoxes.empty());
    const std::string& text = s.services.msgBoxes.back().text;
    EXPECT_EQ(text.rfind(std::string(texts.CannotRead) + "\n" + file, 0), 0u) << text;
  }
};

INSTANTIATE_TEST_SUITE_P(BothEditions, ReadDialogTest, ::testing::Values(Edition::Japanese, Edition::English));

TEST_P(ReadDialogTest, ReadingReplacesTheTableRedrawsItAndResetsTheMainWindow)
{
  SaveResultTableCsv(s.dir() / "three.csv", ThreeRowTable(), 33.5, "ward 3", GetParam());
  s.Calculate(80);
  s.main().fitButton.UserClick();  // the fit dialog open beside
  s.main().surfaceDoseSoftLabel.SetCaption("1.23");
  s.main().optionalFilterMaterialLabel.SetCaption("Mo");
  s.m().Phantom.PhantomModel = 2;
  s.m().Phantom.BsfMethod = 2;
  s.m().OtherFilter.OtherFilterOn = 1;
  s.main().effectiveDoseButton.SetEnabled(true);

  Choose("three.csv");
  EXPECT_EQ(dialog().commentBox.Text(), "ward 3");
  dialog().okButton.UserClick();
  EXPECT_TRUE(s.Messages().empty());
  EXPECT_FALSE(dialog().Visible());

  ExpectSameTable(ThreeRowTable(), s.table());
  EXPECT_DOUBLE_EQ(s.m().AirWValue, 33.5);
  const ui::DisplayList& items = s.window().tablePicture.Items();
  EXPECT_EQ(ui::FindText(items, "Vorn-V18"), nullptr);
  EXPECT_EQ(Texts(items).size(), texts.ScreenHeadings.size() + 22u + 23u + 22u);  // row 2 has a filter
  EXPECT_EQ(ui::FindText(items, "0.123")->at, (ui::Point{1100, 170}));
  EXPECT_EQ(ui::FindText(items, "60.0")->at, (ui::Point{170, 220}));
  EXPECT_TRUE(s.window().totalsButton.Visible());

  // The rows are drawn, never loaded into the condition of the next
  // calculation (the boxes still show it); the main window shows none of the
  // earlier calculation.
  BeamCalculation& m = s.m();
  EXPECT_EQ(m.Condition.TubeVoltage, 80.0);
  EXPECT_EQ(m.Phantom.PhantomModel, 0);
  EXPECT_EQ(m.Phantom.BsfMethod, 1);
  EXPECT_EQ(m.OtherFilter.OtherFilterOn, 0);
  EXPECT_EQ(m.Condition.OutputSource, 2);
  mainwin::MainWindow& f = s.main();
  EXPECT_EQ(f.surfaceDoseSoftLabel.Caption(), "");
  EXPECT_EQ(f.optionalFilterMaterialLabel.Caption(), "");
  EXPECT_TRUE(f.outputDataOption.Value());
  EXPECT_TRUE(f.flatSurfaceOption.Value());
  EXPECT_FALSE(f.addToTableButton.Enabled());
  EXPECT_FALSE(f.effectiveDoseButton.Enabled());
  EXPECT_FALSE(f.addEffectiveDoseButton.Enabled());
  EXPECT_TRUE(f.showTableButton.Enabled());
  // The surface and the filter changed under the boxes: no fit before the next calculation.
  EXPECT_FALSE(f.fitButton.Enabled());
  EXPECT_FALSE(s.program->fitDialog->Visible());
}

TEST_P(ReadDialogTest, AFullTableReadStaysReachableAfterItsWindowIsClosed)
{
  ResultTable full = ThreeRowTable();
  for (int r = 4; r <= kResultRows; ++r) StoreRow(full, r, RowOf(full, (r - 1) % 3 + 1).Source());
  full.ResultRowCount = kResultRows + 1;
  SaveResultTableCsv(s.dir() / "full.csv", full, 33.5, "full", GetParam());
  Choose("full.csv");
  dialog().okButton.UserClick();
  ASSERT_EQ(s.table().ResultRowCount, kResultRows + 1);

  s.window().UserClose();
  s.Calculate(80);  // a full table: nothing to add, and no other way back
  EXPECT_FALSE(s.main().addToTableButton.Enabled());
  ASSERT_TRUE(s.main().showTableButton.Enabled());
  s.main().showTableButton.UserClick();
  EXPECT_TRUE(s.window().Visible());
  EXPECT_NE(ui::FindText(s.window().tablePicture.Items(), "0.123"), nullptr);
  EXPECT_TRUE(s.window().printButton.Enabled());
}

TEST_P(ReadDialogTest, AMalformedFileIsReportedAndTheTableStays)
{
  s.AddResult(80);
  const ResultTable before = s.table();
  const std::size_t drawn = s.window().tablePicture.Items().size();
  const std::string label = s.main().surfaceDoseSoftLabel.Caption();
  const std::string good = ResultTableCsvText(ThreeRowTable(), 33.97, "bad", GetParam());
  // Text for a number, a file in another encoding (a Shift-JIS comment), a
  // dose no calculation gives.
  const struct {
    const char* find;
    const char* put;
  } spoils[] = {{",80.5,", ",eighty,"}, {"bad", "\x8b\xb9\x95\x94"}, {",10.50,", ",-5,"}};
  for (const auto& spoil : spoils) {
    SCOPED_TRACE(spoil.put);
    std::string text = good;
    text.replace(text.find(spoil.find), std::string(spoil.find).size(), spoil.put);
    WriteBytes(s.dir() / "bad.csv", text);
    s.services.ExpectMsgBox(std::string(texts.ReadErasesTable), ui::vbOK);
    Choose("bad.csv");
    EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbOKCancel);
    const int beeps = s.services.beeps;
    ExpectCannotRead();
    dialog().okButton.UserClick();
    ToldCannotRead("bad.csv");
    EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
    EXPECT_EQ(s.services.beeps, beeps + 1);
    EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
    EXPECT_EQ(s.table(), before);
    EXPECT_EQ(s.window().tablePicture.Items().size(), drawn);
    EXPECT_EQ(s.main().surfaceDoseSoftLabel.Caption(), label);
    EXPECT_TRUE(dialog().Visible());
  }
}

TEST_P(ReadDialogTest, AFileLargerThanAnyResultFileIsRefusedAndTheTableStays)
{
  s.AddResult(80);
  const ResultTable before = s.table();
  std::string text = ResultTableCsvText(ThreeRowTable(), 33.97, "huge", GetParam());
  for (std::size_t n = 0; n <= kUserFileMaxBytes / 2; ++n) text += "\r\n";  // a spreadsheet's empty rows
  WriteBytes(s.dir() / "huge.csv", text);

  s.services.ExpectMsgBox(std::string(texts.ReadErasesTable), ui::vbOK);
  Choose("huge.csv");
  EXPECT_EQ(dialog().commentBox.Text(), "huge");  // the preview reads its first line only
  ExpectCannotRead();
  dialog().okButton.UserClick();
  ToldCannotRead("huge.csv");
  EXPECT_EQ(s.table(), before);
  EXPECT_TRUE(dialog().Visible());
}

TEST_P(ReadDialogTest, SixteenResultsAreRefusedAndTheEmptyTableStaysEmpty)
{
  ResultTable big;
  for (int k = 1; k <= 15; ++k) big.ResTubeVoltage[k] = 50 + k;
  big.ResultRowCount = 16;
  std::string text = ResultTableCsvText(big, 33.97, "sixteen", GetParam());
  text.replace(text.find(" 15 "), 4, " 16 ");
  WriteBytes(s.dir() / "sixteen.csv", text);
  Choose("sixteen.csv");
  ExpectCannotRead();
  dialog().okButton.UserClick();
  ToldCannotRead("sixteen.csv");
  EXPECT_EQ(s.table(), ResultTable{});
  EXPECT_NE(ui::FindText(s.window().tablePicture.Items(), "Vorn-V18"), nullptr);
}

TEST_P(ReadDialogTest, FifteenResultsFillTheTable)
{
  // Fifteen calculable rows: the condition in memory after the read is the last one.
  ResultTable full;
  RowValues row = testing::FlatRowValues();
  for (int k = 1; k <= 15; ++k) {
    row.condition.TubeVoltage = 50 + k;
    StoreRow(full, k, row.Source());
  }
  full.ResultRowCount = 16;
  SaveResultTableCsv(s.dir() / "full.csv", full, 33.97, "full", GetParam());
  Choose("full.csv");
  dialog().okButton.UserClick();
  EXPECT_EQ(s.table().ResultRowCount, 16);
  EXPECT_EQ(ui::FindText(s.window().tablePicture.Items(), "65.0")->at, (ui::Point{170, 820}));
  s.Calculate(80);
  EXPECT_FALSE(s.main().addToTableButton.Enabled());
}

TEST_P(ReadDialogTest, CancelOfTheWarningKeepsTheDialogClosed)
{
  s.AddResult(80);
  s.services.ExpectMsgBox(std::string(texts.ReadErasesTable), ui::vbCancel);
  s.window().readButton.UserClick();
  EXPECT_FALSE(s.program->resultReadDialog.Exists() && dialog().Visible());
}

TEST_P(ReadDialogTest, NoFileChosenAndAFileGoneBeforeItsPreview)
{
  WriteBytes(s.dir() / "gone.csv", "comment\r\n");
  s.window().readButton.UserClick();
  s.services.ExpectMsgBox(std::string(texts.SelectFile));
  dialog().okButton.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);

  fs::remove(s.dir() / "gone.csv");
  ExpectCannotRead();
  dialog().fileList.UserChoose(IndexOf(dialog().fileList, "gone.csv"));
  ToldCannotRead("gone.csv");
  EXPECT_EQ(dialog().commentBox.Text(), "");
  EXPECT_TRUE(dialog().Visible());
}

TEST(ReadDialog, ACommaInASiteNameSurvivesSaveAndRead)
{
  Session s(Edition::English);
  s.main().siteCombo.UserType("Chest, PA");
  s.AddResult(80);
  EXPECT_EQ(s.table().ResSiteName[1], "Chest, PA");

  s.window().saveButton.UserClick();
  ResultSaveDialog& save = *s.program->resultSaveDialog;
  save.commentBox.UserType("comma");
  save.fileNameBox.UserType("comma");
  s.services.ExpectMsgBox(ui::vbOK);
  save.okButton.UserClick();
  const ResultTable saved = s.table();

  s.services.ExpectMsgBox(ui::vbOK);  // the table in memory will be replaced
  s.window().readButton.UserClick();
  ResultReadDialog& read = *s.program->resultReadDialog;
  read.fileList.UserChoose(IndexOf(read.fileList, "comma.csv"));
  read.okButton.UserClick();
  EXPECT_EQ(s.table().ResSiteName[1], "Chest, PA");
  EXPECT_EQ(s.table().ResTubeVoltage[1], 80.0);
  EXPECT_EQ(s.table().ResEntranceSurfaceDoseSoft[1],
            std::stod(Format(saved.ResEntranceSurfaceDoseSoft[1], "##0.00")));
  // The upper line of row 1's site cell, kept inside the band.
  const ui::TextItem* site = ui::FindText(s.window().tablePicture.Items(), "Chest, PA");
  ASSERT_NE(site, nullptr);
  EXPECT_EQ(site->at.x, 10);
  EXPECT_NEAR(site->at.y, 106, 12);
}

}  // namespace
}  // namespace vorn::results
