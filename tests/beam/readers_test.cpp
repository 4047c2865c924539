// Readers of the data tables and the output-data file: layout, short and
// malformed files, longer files, and the output-data round trip.

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "beam/atr_data.h"
#include "beam/attenuation_data.h"
#include "beam/diff_bsf_data.h"
#include "beam/output_data.h"
#include "platform/errors.h"
#include "synthetic_tables.h"

namespace vorn::testing {
namespace {

std::string Num(double v)
{
  char text[64];
  std::snprintf(text, sizeof text, "%.10g", v);
  return text;
}

// Expects `call` to raise E with the file name in its message.
template <class E, class F>
void ExpectErrorNaming(F call, const std::string& fileName)
{
  try {
    call();
    ADD_FAILURE() << "no error for " << fileName;
  } catch (const E& e) {
    EXPECT_NE(std::string(e.what()).find(fileName), std::string::npos) << e.what();
  }
}

// --- Att_coeff2020.dat

std::string AttenuationText(int records)
{
  std::ostringstream out;
  for (int i = 1; i <= records; ++i) {
    out << Num(0.5 * i);
    for (int c = 1; c <= 6; ++c) out << "," << Num(i + c / 10.0);
    out << "\r\n";
  }
  return out.str();
}

TEST(AttenuationReader, ReadsTheSixColumnsOfEveryBin)
{
  TempFolder folder;
  WriteBytes(folder.path() / "Att_coeff2020.dat", AttenuationText(300) + "1,2,3\r\n");
  const AttenuationData a = LoadAttenuationData(folder.path());
  EXPECT_DOUBLE_EQ(a.MuTarget[1], 1.1);
  EXPECT_DOUBLE_EQ(a.MuAl[7], 7.2);
  EXPECT_DOUBLE_EQ(a.MuCu[150], 150.3);
  EXPECT_DOUBLE_EQ(a.MuenAir[299], 299.4);
  EXPECT_DOUBLE_EQ(a.MuenSoft[300], 300.5);
  EXPECT_DOUBLE_EQ(a.MuenSkin[300], 300.6);
  EXPECT_EQ(a.MuAl[0], 0.0);
}

TEST(AttenuationReader, MissingShortAndMalformedFilesAreReported)
{
  TempFolder folder;
  ExpectErrorNaming<FileError>([&] { LoadAttenuationData(folder.path()); }, "Att_coeff2020.dat");

  WriteBytes(folder.path() / "Att_coeff2020.dat", AttenuationText(299));
  ExpectErrorNaming<DataError>([&] { LoadAttenuationData(folder.path()); }, "Att_coeff2020.dat");

  std::string text = AttenuationText(300);
  text.replace(text.find("10.3"), 4, "abc");
  WriteBytes(folder.path() / "Att_coeff2020.dat", text);
  ExpectErrorNaming<DataError>([&] { LoadAttenuationData(folder.path()); }, "Att_coeff2020.dat");
}

// --- the six differential backscatter tables

// Value of column j at ring n in file f (0..5).
double DbsfValue(int f, int j, int n) { return 1000.0 * (f + 1) + j + n / 1000.0; }

std::string DbsfText(int f, int records, bool onePerLine)
{
  std::ostringstream out;
  out << "r(cm), 1keV, 5keV, ... (heading)\r\n";
  const char* sep = onePerLine ? "\n" : " ";
  for (int n = 1; n <= records; ++n) {
    out << Num(0.1 * n - 0.05);
    for (int j = 1; j <= 31; ++j) out << sep << Num(DbsfValue(f, j, n));
    out << "\r\n";
  }
  return out.str();
}

void WriteDbsfFiles(const std::filesystem::path& folder)
{
  for (int f = 0; f < 6; ++f) WriteBytes(folder / kDbsfFileNames[f], DbsfText(f, 300, f == 2));
}

TEST(DiffBsfReader, FilesFillTheirTableAndPhantomInOrder)
{
  TempFolder folder;
  WriteDbsfFiles(folder.path());
  WriteBytes(folder.path() / kDbsfFileNames[4], DbsfText(4, 300, false) + "extra line\r\n");
  const DiffBsfData d = LoadDiffBsfTables(folder.path());
  EXPECT_DOUBLE_EQ(d.DbsfSoftDose(0, 1, 1), DbsfValue(0, 1, 1));
  EXPECT_DOUBLE_EQ(d.DbsfAirDose(0, 31, 300), DbsfValue(1, 31, 300));
  EXPECT_DOUBLE_EQ(d.DbsfSkinDose(0, 11, 150), DbsfValue(2, 11, 150));  // one item per line
  EXPECT_DOUBLE_EQ(d.DbsfSoftDose(1, 5, 7), DbsfValue(3, 5, 7));
  EXPECT_DOUBLE_EQ(d.DbsfAirDose(1, 16, 42), DbsfValue(4, 16, 42));
  EXPECT_DOUBLE_EQ(d.DbsfSkinDose(1, 30, 299), DbsfValue(5, 30, 299));
  EXPECT_EQ(d.DbsfSoftDose(0, 0, 5), 0.0);
  // The grid: 1 keV, then 5 to 150 keV in steps of 5.
  EXPECT_EQ(d.DbsfGrid[1], 1.0);
  EXPECT_EQ(d.DbsfGrid[2], 5.0);
  EXPECT_EQ(d.DbsfGrid[11], 50.0);
  EXPECT_EQ(d.DbsfGrid[31], 150.0);
}

TEST(DiffBsfReader, AShortOrMissingTableIsReportedByName)
{
  TempFolder folder;
  WriteDbsfFiles(folder.path());
  WriteBytes(folder.path() / kDbsfFileNames[4], DbsfText(4, 299, false));
  ExpectErrorNaming<DataError>([&] { LoadDiffBsfTables(folder.path()); },
                               "dBSF-AirDose-Soft_Head.dat");

  WriteDbsfFiles(folder.path());
  std::filesystem::remove(folder.path() / kDbsfFileNames[5]);
  ExpectErrorNaming<FileError>([&] { LoadDiffBsfTables(folder.path()); },
                               "dBSF-SkinDose-Soft_Head.dat");

  WriteDbsfFiles(folder.path());
  std::string text = DbsfText(0, 300, false);
  text.replace(text.find("1003.005"), 8, "abc");
  WriteBytes(folder.path() / kDbsfFileNames[0], text);
  ExpectErrorNaming<DataError>([&] { LoadDiffBsfTables(folder.path()); },
                               "dBSF-SoftDose-SoftPhantom.dat");
}

// --- dATR.dat

std::string AtrText(int records)
{
  std::ostringstream out;
  out << "E(keV), X0, X1, X1/X0\r\n";
  for (int i = 1; i <= records; ++i) {
    out << Num(0.5 * i) << "," << Num(2.0 * i) << "," << Num(i) << "," << 0.5 << "\r\n";
  }
  return out.str();
}

TEST(AtrReader, ReadsTheTwoWeightColumnsAndIgnoresTheUserNameLine)
{
  TempFolder folder;
  WriteBytes(folder.path() / "dATR.dat", AtrText(300) + "A User Name\r\n");
  const AtrData atr = LoadAtrData(folder.path());
  EXPECT_EQ(atr.AtrTable(0, 1), 2.0);
  EXPECT_EQ(atr.AtrTable(1, 1), 1.0);
  EXPECT_EQ(atr.AtrTable(0, 300), 600.0);
  EXPECT_EQ(atr.AtrTable(1, 300), 300.0);

  WriteBytes(folder.path() / "dATR.dat", AtrText(250));
  ExpectErrorNaming<DataError>([&] { LoadAtrData(folder.path()); }, "dATR.dat");
}

// --- output-data files

OutputTableArray ExampleTable()
{
  OutputTableArray t;
  for (int k = 1; k <= kOutputPoints; ++k) {
    t(1, k) = 30.0 + 10.0 * k;
    t(2, k) = 1.23e-7 * k;
    t(3, k) = 4.56e-8 * k;
    t(4, k) = 7.89e-6 / k;
  }
  return t;
}

TEST(OutputDataFile, IsWrittenLineByLineAsTheEditorSavesIt)
{
  TempFolder folder;
  OutputTableArray t = ExampleTable();
  t(1, 4) = 75.5;
  const OutputFilterArray al = {0, 2.5, 3.0, 12.25};
  const OutputFilterArray cu = {0, 0.0, 0.1, 0.05};
  WriteOutputDataFile(folder.path() / "tube.op", "Tube A, room 3", t, al, cu);
  const std::string bytes = ReadBytes(folder.path() / "tube.op");
  const std::string expected =
      "Tube A, room 3\r\n"
      "40. 50. 60. 75.5 80. 90. 100. 110. 120. 130. 140. 150. \r\n"
      "1.23E-07 2.46E-07 3.69E-07 4.92E-07 6.15E-07 7.38E-07 8.61E-07 9.84E-07 1.11E-06 "
      "1.23E-06 1.35E-06 1.48E-06 2.50 0.00\r\n"
      "4.56E-08 9.12E-08 1.37E-07 1.82E-07 2.28E-07 2.74E-07 3.19E-07 3.65E-07 4.10E-07 "
      "4.56E-07 5.02E-07 5.47E-07 3.00 0.10\r\n"
      "7.89E-06 3.95E-06 2.63E-06 1.97E-06 1.58E-06 1.32E-06 1.13E-06 9.86E-07 8.77E-07 "
      "7.89E-07 7.17E-07 6.58E-07 12.25 0.05\r\n";
  EXPECT_EQ(bytes, expected);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "tube.op.part"));
}

TEST(OutputDataFile, RoundTripKeepsThreeSignificantDigitsAndTurnsMmIntoCm)
{
  TempFolder folder;
  const OutputTableArray t = ExampleTable();
  const OutputFilterArray al = {0, 2.5, 3.0, 2.8};
  const OutputFilterArray cu = {0, 0.0, 0.1, 0.2};
  WriteOutputDataFile(folder.path() / "tube.op", "No comment", t, al, cu);
  const OutputData read = ReadOutputDataFile(folder.path() / "tube.op");
  EXPECT_EQ(read.OptionFileName, "tube.op");
  EXPECT_EQ(read.OptionFileHeader, "No comment");
  for (int k = 1; k <= kOutputPoints; ++k) {
    EXPECT_EQ(read.OutputTable(1, k), t(1, k));
    for (int r = 2; r <= 4; ++r) {
      // Three significant digits survive: 7.89E-6 / 7 = 1.127...E-6 is read as 1.13E-6.
      EXPECT_NEAR(read.OutputTable(r, k), t(r, k), 0.005 * t(r, k)) << r << "," << k;
    }
  }
  EXPECT_DOUBLE_EQ(read.OutputTable(4, 7), 1.13e-6);
  for (int type = 1; type <= 3; ++type) {
    EXPECT_DOUBLE_EQ(read.OutputFilterAl[type], 0.1 * al[type]);
    EXPECT_DOUBLE_EQ(read.OutputFilterCu[type], 0.1 * cu[type]);
  }

  // Writing what was read (the filtration back in mm) gives the same file.
  const std::string first = ReadBytes(folder.path() / "tube.op");
  OutputFilterArray al2{}, cu2{};
  for (int type = 1; type <= 3; ++type) {
    al2[type] = 10 * read.OutputFilterAl[type];
    cu2[type] = 10 * read.OutputFilterCu[type];
  }
  WriteOutputDataFile(folder.path() / "again.op", read.OptionFileHeader, read.OutputTable, al2,
                      cu2);
  EXPECT_EQ(ReadBytes(folder.path() / "again.op"), first);
}

TEST(OutputDataFile, ReaderTakesItemsAcrossLinesAndTheWholeFirstLine)
{
  TempFolder folder;
  std::ostringstream text;
  text << "comment, with a comma\n";
  for (int k = 1; k <= 12; ++k) text << (30 + 10 * k) << (k == 6 ? "\n" : " ");
  text << "\n";
  for (int t = 1; t <= 3; ++t) {
    for (int k = 1; k <= 12; ++k) text << t << ".5E-07\n";
    text << "2.5 0.1\n";
  }
  WriteBytes(folder.path() / "loose.op", text.str() + "trailing words\n");
  const OutputData d = ReadOutputDataFile(folder.path() / "loose.op");
  EXPECT_EQ(d.OptionFileHeader, "comment, with a comma");
  EXPECT_EQ(d.OutputTable(1, 12), 150.0);
  EXPECT_EQ(d.OutputTable(3, 5), 2.5e-7);
  EXPECT_DOUBLE_EQ(d.OutputFilterAl[3], 0.25);
  EXPECT_DOUBLE_EQ(d.OutputFilterCu[2], 0.01);
}

TEST(OutputDataFile, ShortMalformedAndMissingFilesAreReported)
{
  TempFolder folder;
  const auto path = folder.path() / "bad.op";
  ExpectErrorNaming<FileError>([&] { ReadOutputDataFile(path); }, "bad.op");

  WriteOutputDataFile(path, "x", ExampleTable(), {0, 1, 1, 1}, {0, 0, 0, 0});
  std::string bytes = ReadBytes(path);
  WriteBytes(path, bytes.substr(0, bytes.rfind(' ')));  // 53 numbers
  ExpectErrorNaming<DataError>([&] { ReadOutputDataFile(path); }, "bad.op");

  bytes.replace(bytes.find("2.46E-07"), 8, "lots");
  WriteBytes(path, bytes);
  ExpectErrorNaming<DataError>([&] { ReadOutputDataFile(path); }, "bad.op");

  WriteBytes(path, "");
  ExpectErrorNaming<DataError>([&] { ReadOutputDataFile(path); }, "bad.op");

  EXPECT_THROW(WriteOutputDataFile(folder.path() / "no such folder" / "x.op", "x", ExampleTable(),
                                   {}, {}),
               FileError);
}

// No tube voltage of 0 kV or less is read, and none is written: the writer
// refuses, writing nothing, a voltage its pattern would show as "." (below
// 0.05 kV), which no reader takes for a number. What it writes reads back.
TEST(OutputDataFile, AVoltageNotAbove0IsNeitherReadNorWritten)
{
  TempFolder folder;
  const auto path = folder.path() / "tube.op";
  WriteOutputDataFile(path, "x", ExampleTable(), {0, 1, 1, 1}, {0, 0, 0, 0});
  const std::string bytes = ReadBytes(path);
  for (const char* voltage : {"0.", "-40.", "0"}) {
    std::string changed = bytes;
    changed.replace(changed.find("40."), 3, voltage);
    WriteBytes(path, changed);
    ExpectErrorNaming<DataError>([&] { ReadOutputDataFile(path); }, "tube.op");
  }
  for (const double kV : {0.0, 0.04, -5.0}) {
    OutputTableArray table = ExampleTable();
    table(1, 1) = kV;
    ExpectErrorNaming<DataError>([&] { WriteOutputDataFile(folder.path() / "zero.op", "x", table, {}, {}); },
                                 "zero.op");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "zero.op"));
  }
  OutputTableArray table = ExampleTable();
  table(1, 1) = 0.05;  // written as ".1"
  WriteOutputDataFile(path, "x", table, {}, {});
  EXPECT_DOUBLE_EQ(ReadOutputDataFile(path).OutputTable(1, 1), 0.1);
}

}  // namespace
}  // namespace vorn::testing
