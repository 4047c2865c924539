// The result file: its exact layout in both editions, round trips, quoted
// text cells, older and foreign files, and files that must be refused.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "results/csv_items.h"
#include "results/result_csv.h"
#include "sample_rows.h"
#include "tests/support/failing_writes.h"

namespace vorn::results {
namespace {

using testing::ExpectSameTable;
using testing::ReadBytes;
using testing::TempFolder;
using testing::ThreeRowTable;
using testing::WriteBytes;

std::vector<std::string> SplitCrLf(const std::string& text)
{
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text after the last CR LF";
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines)
{
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The three rows of ThreeRowTable written by hand, line by line.
const std::vector<std::string> kJapaneseThreeRows{
    "病棟 3 の測定",
    " 3 ",
    "照射部位,胸部正面,腹部正面,頭部側面",
    "入射面,平面,円柱面,Racetrack",
    "円柱半径,―,15,―",
    "楕円水平半径,―,―,―",
    "楕円垂直半径,―,―,―",
    "Racetrack a,0,0,12.5",
    "Racetrack b,0,0,8",
    "Racetrack L,0,0,30",
    "整流方式,定電圧,三相12,単相全波",
    "照射線量 at 1m (C/kg),2.58E-04,3.10E-04,1.05E-04",
    "管電圧 (kV),75,80.5,60",
    "管電流 (mA),200,320,100",
    "時間 (sec),0.05,0.125,0.2",
    "ﾀｰｹﾞｯﾄ角度(度),12,16,10",
    "固有濾過(mmAL),2.5,3,2",
    "ｱﾙﾐ付加 (mm),1,2,0",
    "銅付加 (mm),0,0.1,0.2",
    "その他フィルタ,―,Mo,―",
    "　上記厚(mm),0,0.03,0",
    "FFD (cm),100,120,100",
    "FSD (cm),80,90,85",
    "体厚 (cm),20,25,15",
    "照射野 at FFD,半切サイズ 縦,四切サイズ 横,その他",
    "長軸 (cm),43.2,30.5,20",
    "短軸 (cm),35.6,25.4,15",
    "第１半価層 (mmAL),2.345,3.010,1.800",
    "第２半価層 (mmAL),0.000,5.500,0.000",
    "実効エネルギー (keV),31.25,33.50,28.75",
    "線質指標 QI,0.000,0.650,0.000",
    "後方散乱係数 Soft,1.352,1.400,1.250",
    "後方散乱係数 Skin,1.337,1.350,1.220",
    "後方散乱係数 Air,1.281,1.300,1.200",
    "吸収線量変換係数(Soft) (Gy/C/kg),36.55,36.60,36.40",
    "吸収線量変換係数(skin) (Gy/C/kg),37.12,37.20,37.00",
    "吸収線量変換係数(Air) (Gy/C/kg),33.97,33.97,33.97",
    "入射表面線量 (Soft) (mGy),1.23,10.50,0.50",
    "入射表面線量 (skin) (mGy),1.25,11.25,0.52",
    "入射表面線量 (air) (mGy),0.97,8.75,0.40",
    "実効線量概算値 (mSv),―,0.123,―",
};

TEST(ResultCsvLayout, JapaneseThreeRowsLineByLine)
{
  const std::string text = ResultTableCsvText(ThreeRowTable(), 33.97, "病棟 3 の測定", Edition::Japanese);
  const std::vector<std::string> lines = SplitCrLf(text);
  ASSERT_EQ(lines.size(), 41u);
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], kJapaneseThreeRows[i]) << "line " << i + 1;
}

TEST(ResultCsvLayout, EnglishWordsMarksAndLabels)
{
  const std::vector<std::string> lines =
      SplitCrLf(ResultTableCsvText(ThreeRowTable(), 33.97, "ward 3", Edition::English));
  ASSERT_EQ(lines.size(), 41u);
  EXPECT_EQ(lines[1], " 3 ");
  EXPECT_EQ(lines[2], "Examination_object,胸部正面,腹部正面,頭部側面");
  EXPECT_EQ(lines[3], "Entrance_Surface,Flat,Cylindrical,Racetrack");
  EXPECT_EQ(lines[4], "Radius,--,15,--");
  EXPECT_EQ(lines[7], "Racetrack-a,0,0,12.5");
  EXPECT_EQ(lines[10], "Rectification,Constant,3_phase_12 peak,Single_phase");
  EXPECT_EQ(lines[16], "Inherent_filtration(mmAl),2.5,3,2");
  EXPECT_EQ(lines[19], "Other-filter,--,Mo,--");
  EXPECT_EQ(lines[20], "　Thicknesss(mm),0,0.03,0");
  EXPECT_EQ(lines[36], "Conversion_factor(Air)(Gy/C/kg),33.97,33.97,33.97");
  EXPECT_EQ(lines[40], "Effective-dose(mSv),--,0.123,--");
  // Every row after the count: a label and three cells.
  for (std::size_t i = 2; i < lines.size(); ++i) {
    EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), 3) << lines[i];
  }
}

TEST(ResultCsvRoundTrip, BothEditionsGiveBackTheTable)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    TempFolder folder;
    const auto path = folder.path() / "three.csv";
    SaveResultTableCsv(path, ThreeRowTable(), 33.97, "ward 3, morning", edition);
    const ResultFileContent read = ReadResultTableCsv(path, edition);
    EXPECT_EQ(read.comment, "ward 3, morning");
    EXPECT_DOUBLE_EQ(read.airWValue, 33.97);
    ExpectSameTable(ThreeRowTable(), read.table);
    // The mm rows come back in cm.
    EXPECT_DOUBLE_EQ(read.table.ResInherentFilterAl[1], 0.25);
    EXPECT_DOUBLE_EQ(read.table.ResOtherFilterThickness[2], 0.003);
  }
}

TEST(ResultCsvRoundTrip, EverySurfaceAndRectificationCode)
{
  ResultTable table;
  for (int k = 1; k <= 5; ++k) {
    table.ResPhantomModel[k] = k - 1;
    table.ResRectificationType[k] = 1 + (k - 1) % 3;
  }
  table.ResCylinderRadius[2] = 10;
  table.ResEllipseHRadius[3] = 15;
  table.ResEllipseVRadius[3] = 10.5;
  table.ResultRowCount = 6;
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    TempFolder folder;
    SaveResultTableCsv(folder.path() / "codes.csv", table, 33.97, "codes", edition);
    ExpectSameTable(table, ReadResultTableCsv(folder.path() / "codes.csv", edition).table);
  }
}

TEST(ResultCsvRoundTrip, FifteenResults)
{
  ResultTable table;
  for (int k = 1; k <= 15; ++k) {
    table.ResSiteName[k] = "site " + std::to_string(k);
    table.ResTubeVoltage[k] = 40 + 5 * k;
    table.ResRectificationType[k] = 1;
    table.ResEffectiveDose[k] = k % 2 == 0 ? 0.001 * k : 0.0;
  }
  table.ResultRowCount = 16;
  TempFolder folder;
  SaveResultTableCsv(folder.path() / "full.csv", table, 33.97, "full", Edition::Japanese);
  const ResultFileContent read = ReadResultTableCsv(folder.path() / "full.csv", Edition::Japanese);
  EXPECT_EQ(read.table.ResultRowCount, 16);
  ExpectSameTable(table, read.table);
}

TEST(ResultCsvTextCells, CommasAndQuotesComeBackUnchanged)
{
  ResultTable table = ThreeRowTable();
  table.ResSiteName[1] = "Chest, PA";
  table.ResSiteName[2] = "\"Knee\", lateral";
  table.ResOtherFilterMaterial[2] = "Mo,Rh";
  table.ResFieldSizeName[3] = "\"11x14\"";
  table.ResSiteName[3] = R"(5" film)";  // a quote inside, no comma: written as it stands
  const std::vector<std::string> lines =
      SplitCrLf(ResultTableCsvText(table, 33.97, "quotes", Edition::English));
  EXPECT_EQ(lines[2], R"(Examination_object,"Chest, PA","""Knee"", lateral",5" film)");
  EXPECT_EQ(lines[19], R"(Other-filter,--,"Mo,Rh",--)");
  EXPECT_EQ(lines[24], R"(Field_at_FFD,半切サイズ 縦,四切サイズ 横,"""11x14""")");

  TempFolder folder;
  SaveResultTableCsv(folder.path() / "quoted.csv", table, 33.97, "quotes", Edition::English);
  ExpectSameTable(table, ReadResultTableCsv(folder.path() / "quoted.csv", Edition::English).table);
}

TEST(ResultCsvTextCells, CellsWithoutCommasAreWrittenAsTheyStand)
{
  EXPECT_EQ(CsvTextCell("腹部正面"), "腹部正面");
  EXPECT_EQ(CsvTextCell("　"), "　");
  EXPECT_EQ(CsvTextCell(""), "");
  EXPECT_EQ(CsvTextCell("a \"b\""), "a \"b\"");
  EXPECT_EQ(CsvTextCell("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvTextCell(" \"x"), "\" \"\"x\"");  // the reader would take the quote as an opening one
}

TEST(ResultCsvRead, FileEndingAfterTheSurfaceDosesHasNoEffectiveDoses)
{
  std::vector<std::string> lines = kJapaneseThreeRows;
  lines.pop_back();
  TempFolder folder;
  WriteBytes(folder.path() / "old.csv", JoinCrLf(lines) + "\r\n\r\n");  // blank lines after it too
  const ResultFileContent read = ReadResultTableCsv(folder.path() / "old.csv", Edition::Japanese);
  ResultTable expected = ThreeRowTable();
  expected.ResEffectiveDose[2] = 0;
  ExpectSameTable(expected, read.table);
}

TEST(ResultCsvRead, AcceptsLfLineEndsAndTheLastAirCellCounts)
{
  std::vector<std::string> lines = kJapaneseThreeRows;
  lines[36] = "吸収線量変換係数(Air) (Gy/C/kg),33.97,33.97,34.00";
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  TempFolder folder;
  WriteBytes(folder.path() / "lf.csv", text);
  const ResultFileContent read = ReadResultTableCsv(folder.path() / "lf.csv", Edition::Japanese);
  EXPECT_DOUBLE_EQ(read.airWValue, 34.0);
  ExpectSameTable(ThreeRowTable(), read.table);
}

TEST(ResultCsvRoundTrip, ADoseOf1000GyOrMoreIsReadBack)
{
  // Only a calculation refuses such a dose; a file that holds one stays readable.
  ResultTable table = ThreeRowTable();
  table.ResEntranceSurfaceDoseSoft[2] = 1e6;
  table.ResEntranceSurfaceDoseAir[3] = 2.5e9;
  TempFolder folder;
  const auto path = folder.path() / "large.csv";
  SaveResultTableCsv(path, table, 33.97, "", Edition::Japanese);
  const ResultFileContent read = ReadResultTableCsv(path, Edition::Japanese);
  EXPECT_EQ(read.table.ResEntranceSurfaceDoseSoft[2], 1e6);
  EXPECT_EQ(read.table.ResEntranceSurfaceDoseAir[3], 2.5e9);
}

TEST(ResultCsvRead, TheOtherEditionsWordsFallToTheDefaultCodes)
{
  TempFolder folder;
  WriteBytes(folder.path() / "j.csv", JoinCrLf(kJapaneseThreeRows));
  const ResultTable read = ReadResultTableCsv(folder.path() / "j.csv", Edition::English).table;
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(read.ResPhantomModel[k], 4) << k;
    EXPECT_EQ(read.ResRectificationType[k], 3) << k;
    EXPECT_EQ(read.ResEllipseHRadius[k], 0.0) << k;  // "―" leads with no number
  }
  EXPECT_EQ(read.ResCylinderRadius[2], 15.0);
  EXPECT_EQ(read.ResOtherFilterMaterial[1], "―");  // not the English mark: a material's name
  EXPECT_EQ(read.ResEffectiveDose[1], 0.0);
  EXPECT_EQ(read.ResEffectiveDose[2], 0.123);

  // And the English words in the Japanese edition.
  SaveResultTableCsv(folder.path() / "e.csv", ThreeRowTable(), 33.97, "e", Edition::English);
  const ResultTable back = ReadResultTableCsv(folder.path() / "e.csv", Edition::Japanese).table;
  EXPECT_EQ(back.ResPhantomModel[1], 4);
  EXPECT_EQ(back.ResRectificationType[1], 3);
  EXPECT_EQ(back.ResOtherFilterMaterial[1], "--");
}

// Files that are not result files of 1 to 15 results.
struct BadFile {
  const char* name;
  std::vector<std::string> lines;
};

std::vector<std::string> WithLine(std::size_t index, const std::string& line)
{
  std::vector<std::string> lines = kJapaneseThreeRows;
  lines.at(index) = line;
  return lines;
}

std::vector<std::string> FirstLines(std::size_t n)
{
  return {kJapaneseThreeRows.begin(), kJapaneseThreeRows.begin() + static_cast<std::ptrdiff_t>(n)};
}

TEST(ResultCsvRead, MalformedFilesAreRefused)
{
  const std::vector<BadFile> bad{
      {"sixteen results", WithLine(1, " 16 ")},
      {"no results", WithLine(1, " 0 ")},
      {"negative count", WithLine(1, "-2")},
      {"fractional count", WithLine(1, " 2.5 ")},
      {"count is text", WithLine(1, "three")},
      {"text where a voltage belongs", WithLine(12, "管電圧 (kV),75,eighty,60")},
      {"a cell missing", WithLine(13, "管電流 (mA),200,320")},
      {"ends in the middle", FirstLines(20)},
      {"only the comment", FirstLines(1)},
      {"unclosed quote", WithLine(2, "照射部位,\"胸部正面,腹部正面,頭部側面")},
      {"text after a closing quote", WithLine(2, "照射部位,\"胸部\"正面,腹部正面,頭部側面")},
      // Re-saved as Shift-JIS by a spreadsheet.
      {"not UTF-8", WithLine(2, "\x8f\xc6\x8e\xcb\x95\x94\x88\xca,\x8b\xb9\x95\x94\x90\xb3\x96\xca,"
                                "\x95\xa0\x95\x94\x90\xb3\x96\xca,\x93\xaa\x95\x94\x91\xa4\x96\xca")},
      // Numbers no calculation gives.
      {"a negative dose", WithLine(37, "入射表面線量 (Soft) (mGy),1.23,-5,0.50")},
      {"a negative backscatter factor", WithLine(31, "後方散乱係数 Soft,1.352,-1.400,1.250")},
      {"a negative effective dose", WithLine(40, "実効線量概算値 (mSv),―,-5,―")},
      {"a dose beyond the range of numbers", WithLine(39, "入射表面線量 (air) (mGy),0.97,1e999,0.40")},
      {"a voltage beyond the range of numbers", WithLine(12, "管電圧 (kV),75,-1e999,60")},
      {"a radius beyond the range of numbers", WithLine(4, "円柱半径,―,1e999,―")},
  };
  TempFolder folder;
  for (const BadFile& file : bad) {
    const auto path = folder.path() / "bad.csv";
    WriteBytes(path, JoinCrLf(file.lines));
    EXPECT_THROW(ReadResultTableCsv(path, Edition::Japanese), DataError) << file.name;
  }
  WriteBytes(folder.path() / "empty.csv", "");
  EXPECT_THROW(ReadResultTableCsv(folder.path() / "empty.csv", Edition::Japanese), DataError);
  EXPECT_THROW(ReadResultTableCsv(folder.path() / "missing.csv", Edition::Japanese), FileError);
}

TEST(ResultCsvSave, AFailedSaveLeavesTheOldFileWhole)
{
  TempFolder folder;
  const auto path = folder.path() / "kept.csv";
  WriteBytes(path, "old content\r\n");
  {
    const vorn::testing::FailingWrites full;
    EXPECT_THROW(SaveResultTableCsv(path, ThreeRowTable(), 33.97, "new", Edition::Japanese), FileError);
  }
  EXPECT_EQ(ReadBytes(path), "old content\r\n");
  EXPECT_THROW(SaveResultTableCsv(folder.path() / "no-folder" / "x.csv", ThreeRowTable(), 33.97, "new",
                                  Edition::Japanese),
               FileError);
}

TEST(ResultCsvSave, CommentIsOneLineAndIsReadForThePreview)
{
  TempFolder folder;
  const auto path = folder.path() / "c.csv";
  SaveResultTableCsv(path, ThreeRowTable(), 33.97, "two\r\nlines", Edition::Japanese);
  EXPECT_EQ(ReadResultComment(path), "two  lines");
  EXPECT_EQ(ReadResultTableCsv(path, Edition::Japanese).table.ResultRowCount, 4);
  EXPECT_THROW(ReadResultComment(folder.path() / "none.csv"), FileError);
}

}  // namespace
}  // namespace vorn::results
