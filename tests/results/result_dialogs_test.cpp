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
  s.window().Command5.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_FALSE(s.program->Form2.Exists());
}

TEST(SaveDialog, CommentThenNameThenOkWritesTheFile)
{
  Session s(Edition::Japanese);
  WriteBytes(s.dir() / "old.csv", "x\r\n");
  WriteBytes(s.dir() / "notes.txt", "x\r\n");
  s.table() = ThreeRowTable();
  s.window().Command5.UserClick();
  Form2& d = *s.program->Form2;
  ASSERT_TRUE(d.Visible());
  EXPECT_EQ(d.Caption(), "  Data Save");
  EXPECT_EQ(d.File2.Items(), (std::vector<std::string>{"old.csv"}));
  EXPECT_TRUE(d.Text2.HasFocus());

  d.Text2.UserKeyDown(ui::vbKeyReturn);  // empty: the focus stays
  EXPECT_TRUE(d.Text2.HasFocus());
  d.Text2.UserType("病棟 3 の測定");
  d.Text2.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(d.Text1.HasFocus());
  d.File2.UserChoose(IndexOf(d.File2, "old.csv"));
  EXPECT_EQ(d.Text1.Text(), "old");
  d.Text1.UserType("ward3");
  d.Text1.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(d.Command1.HasFocus());

  const int beeps = s.services.beeps;
  s.services.ExpectMsgBox("　計算結果をエクセル(csv)形式で保存しました　");
  d.Command1.UserClick();
  EXPECT_EQ(s.services.beeps, beeps + 1);
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbOKOnly);
  EXPECT_FALSE(d.Visible());
  EXPECT_EQ(ReadBytes(s.dir() / "ward3.csv"),
            ResultTableCsvText(ThreeRowTable(), 33.97, "病棟 3 の測定", Edition::Japanese));
  EXPECT_EQ(s.table(), ThreeRowTable());

  // Opened again: the boxes are emptied, the new file is listed.
  s.window().Command5.UserClick();
  EXPECT_EQ(d.Text1.Text(), "");
  EXPECT_EQ(d.Text2.Text(), "");
  EXPECT_EQ(d.File2.Items(), (std::vector<std::string>{"old.csv", "ward3.csv"}));
}

TEST(SaveDialog, MissingCommentOrNameIsRefused)
{
  Session s(Edition::English);
  s.table() = ThreeRowTable();
  s.window().Command5.UserClick();
  Form2& d = *s.program->Form2;
  d.Text1.UserType("ward3");
  s.services.ExpectMsgBox("  Input File name and Comment  ");
  d.Command1.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_TRUE(d.Visible());
  EXPECT_FALSE(fs::exists(s.dir() / "ward3.csv"));
}

TEST(SaveDialog, ANameWithItsExtensionGetsASecondOne)
{
  Session s(Edition::English);
  s.table() = ThreeRowTable();
  s.window().Command5.UserClick();
  Form2& d = *s.program->Form2;
  d.Text2.UserType("c");
  d.Text1.UserType("chest.csv");
  s.services.ExpectMsgBox("　The calculation result was saved in Excel (csv) format　");
  d.Command1.UserClick();
  EXPECT_TRUE(fs::exists(s.dir() / "chest.csv.csv"));
}

TEST(SaveDialog, ATargetThatCannotBeWrittenIsReportedAndNothingIsLost)
{
  Session s(Edition::Japanese);
  s.table() = ThreeRowTable();
  WriteBytes(s.dir() / "kept.csv", "older table\r\n");
  s.window().Command5.UserClick();
  Form2& d = *s.program->Form2;
  d.Text2.UserType("c");

  const vorn::testing::FailingWrites full;  // the new file cannot be written
  for (const std::string name : {"kept", "sub/x"}) {
    d.Text1.UserType(name);
    s.services.ExpectMsgBox(ui::vbOK);
    d.Command1.UserClick();
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

  Form3& dialog() { return *s.program->Form3; }

  // Opens the read dialog on an empty table and chooses the file.
  void Choose(const std::string& name)
  {
    s.window().Command6.UserClick();
    const int index = IndexOf(dialog().File1, name);
    ASSERT_GE(index, 0) << name << " is not listed";
    dialog().File1.UserChoose(index);
  }
};

INSTANTIATE_TEST_SUITE_P(BothEditions, ReadDialogTest, ::testing::Values(Edition::Japanese, Edition::English));

TEST_P(ReadDialogTest, ReadingReplacesTheTableRedrawsItAndResetsTheMainWindow)
{
  SaveResultTableCsv(s.dir() / "three.csv", ThreeRowTable(), 33.5, "ward 3", GetParam());
  s.Calculate(80);
  s.main().Command14.UserClick();  // the fit dialog open beside
  s.main().Label73.SetCaption("1.23");
  s.main().Label29.SetCaption("Mo");
  s.m().Phantom.PhantomModel = 2;
  s.m().Phantom.BsfMethod = 2;
  s.m().OtherFilter.OtherFilterOn = 1;
  s.main().Command11.SetEnabled(true);

  Choose("three.csv");
  EXPECT_EQ(dialog().Text2.Text(), "ward 3");
  dialog().Command1.UserClick();
  EXPECT_TRUE(s.Messages().empty());
  EXPECT_FALSE(dialog().Visible());

  ExpectSameTable(ThreeRowTable(), s.table());
  EXPECT_DOUBLE_EQ(s.m().AirWValue, 33.5);
  const ui::DisplayList& items = s.window().Picture2.Items();
  EXPECT_EQ(ui::FindText(items, "Vorn-V18"), nullptr);
  EXPECT_EQ(Texts(items).size(), texts.ScreenHeadings.size() + 22u + 23u + 22u);  // row 2 has a filter
  EXPECT_EQ(ui::FindText(items, "0.123")->at, (ui::Point{1100, 170}));
  EXPECT_EQ(ui::FindText(items, "60.0")->at, (ui::Point{170, 220}));
  EXPECT_TRUE(s.window().Command1.Visible());

  // The current condition is the last row read; the main window shows none of
  // the earlier calculation.
  Module1& m = s.m();
  EXPECT_EQ(m.Condition.TubeVoltage, 60.0);
  EXPECT_EQ(m.Condition.SiteName, "頭部側面");
  EXPECT_EQ(m.Phantom.PhantomModel, 0);
  EXPECT_EQ(m.Phantom.BsfMethod, 1);
  EXPECT_EQ(m.OtherFilter.OtherFilterOn, 0);
  EXPECT_EQ(m.Condition.OutputSource, 2);
  mainwin::Form1& f = s.main();
  EXPECT_EQ(f.Label73.Caption(), "");
  EXPECT_EQ(f.Label29.Caption(), "");
  EXPECT_TRUE(f.Option5.Value());
  EXPECT_TRUE(f.Option6.Value());
  EXPECT_FALSE(f.Command3.Enabled());
  EXPECT_FALSE(f.Command11.Enabled());
  EXPECT_FALSE(f.Command5.Enabled());
  EXPECT_TRUE(f.Command10.Enabled());
  // No fit may start from the last row read while the boxes show another condition.
  EXPECT_FALSE(f.Command14.Enabled());
  EXPECT_FALSE(s.program->Form11->Visible());
}

TEST_P(ReadDialogTest, AFullTableReadStaysReachableAfterItsWindowIsClosed)
{
  ResultTable full = ThreeRowTable();
  for (int r = 4; r <= kResultRows; ++r) StoreRow(full, r, RowOf(full, (r - 1) % 3 + 1).Source());
  full.ResultRowCount = kResultRows + 1;
  SaveResultTableCsv(s.dir() / "full.csv", full, 33.5, "full", GetParam());
  Choose("full.csv");
  dialog().Command1.UserClick();
  ASSERT_EQ(s.table().ResultRowCount, kResultRows + 1);

  s.window().UserClose();
  s.Calculate(80);  // a full table: nothing to add, and no other way back
  EXPECT_FALSE(s.main().Command3.Enabled());
  ASSERT_TRUE(s.main().Command10.Enabled());
  s.main().Command10.UserClick();
  EXPECT_TRUE(s.window().Visible());
  EXPECT_NE(ui::FindText(s.window().Picture2.Items(), "0.123"), nullptr);
  EXPECT_TRUE(s.window().Command4.Enabled());
}

TEST_P(ReadDialogTest, AMalformedFileIsReportedAndTheTableStays)
{
  s.AddResult(80);
  const ResultTable before = s.table();
  const std::size_t drawn = s.window().Picture2.Items().size();
  const std::string label = s.main().Label73.Caption();
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
    s.services.ExpectMsgBox(std::string(texts.CannotRead));
    dialog().Command1.UserClick();
    EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
    EXPECT_EQ(s.services.beeps, beeps + 1);
    EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
    EXPECT_EQ(s.table(), before);
    EXPECT_EQ(s.window().Picture2.Items().size(), drawn);
    EXPECT_EQ(s.main().Label73.Caption(), label);
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
  EXPECT_EQ(dialog().Text2.Text(), "huge");  // the preview reads its first line only
  s.services.ExpectMsgBox(std::string(texts.CannotRead));
  dialog().Command1.UserClick();
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
  s.services.ExpectMsgBox(std::string(texts.CannotRead));
  dialog().Command1.UserClick();
  EXPECT_EQ(s.table(), ResultTable{});
  EXPECT_NE(ui::FindText(s.window().Picture2.Items(), "Vorn-V18"), nullptr);
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
  dialog().Command1.UserClick();
  EXPECT_EQ(s.table().ResultRowCount, 16);
  EXPECT_EQ(ui::FindText(s.window().Picture2.Items(), "65.0")->at, (ui::Point{170, 820}));
  s.Calculate(80);
  EXPECT_FALSE(s.main().Command3.Enabled());
}

TEST_P(ReadDialogTest, CancelOfTheWarningKeepsTheDialogClosed)
{
  s.AddResult(80);
  s.services.ExpectMsgBox(std::string(texts.ReadErasesTable), ui::vbCancel);
  s.window().Command6.UserClick();
  EXPECT_FALSE(s.program->Form3.Exists() && dialog().Visible());
}

TEST_P(ReadDialogTest, NoFileChosenAndAFileGoneBeforeItsPreview)
{
  WriteBytes(s.dir() / "gone.csv", "comment\r\n");
  s.window().Command6.UserClick();
  s.services.ExpectMsgBox(std::string(texts.SelectFile));
  dialog().Command1.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);

  fs::remove(s.dir() / "gone.csv");
  s.services.ExpectMsgBox(std::string(texts.CannotRead));
  dialog().File1.UserChoose(IndexOf(dialog().File1, "gone.csv"));
  EXPECT_EQ(dialog().Text2.Text(), "");
  EXPECT_TRUE(dialog().Visible());
}

TEST(ReadDialog, ACommaInASiteNameSurvivesSaveAndRead)
{
  Session s(Edition::English);
  s.main().Combo2.UserType("Chest, PA");
  s.AddResult(80);
  EXPECT_EQ(s.table().ResSiteName[1], "Chest, PA");

  s.window().Command5.UserClick();
  Form2& save = *s.program->Form2;
  save.Text2.UserType("comma");
  save.Text1.UserType("comma");
  s.services.ExpectMsgBox(ui::vbOK);
  save.Command1.UserClick();
  const ResultTable saved = s.table();

  s.services.ExpectMsgBox(ui::vbOK);  // the table in memory will be replaced
  s.window().Command6.UserClick();
  Form3& read = *s.program->Form3;
  read.File1.UserChoose(IndexOf(read.File1, "comma.csv"));
  read.Command1.UserClick();
  EXPECT_EQ(s.table().ResSiteName[1], "Chest, PA");
  EXPECT_EQ(s.table().ResTubeVoltage[1], 80.0);
  EXPECT_EQ(s.table().ResEntranceSurfaceDoseSoft[1],
            std::stod(Format(saved.ResEntranceSurfaceDoseSoft[1], "##0.00")));
  // The upper line of row 1's site cell, kept inside the band.
  const ui::TextItem* site = ui::FindText(s.window().Picture2.Items(), "Chest, PA");
  ASSERT_NE(site, nullptr);
  EXPECT_EQ(site->at.x, 10);
  EXPECT_NEAR(site->at.y, 106, 12);
}

}  // namespace
}  // namespace vorn::results
