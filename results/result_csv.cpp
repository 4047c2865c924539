#include "results/result_csv.h"

#include <cmath>
#include <functional>
#include <string>
#include <utility>

#include "beam/calculation_result.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"
#include "platform/ui/utf8.h"
#include "results/csv_items.h"
#include "text/results_texts.h"

namespace vorn::results {
namespace {

// Row numbers of the file (1-based, after the count line).
enum Row : int {
  kSiteRow = 1,
  kSurfaceRow = 2,
  kRectificationRow = 9,
  kMaterialRow = 18,
  kFieldNameRow = 23,
  kAirConversionRow = 35,
  kLastSurfaceDoseRow = 38,
  kEffectiveDoseRow = 39,
};

constexpr double kMmPerCm = 10.0;

std::string SurfaceWord(int code, const ResultsTexts& texts)
{
  return code >= 0 && code <= 4 ? std::string(texts.CsvSurfaceWords[code]) : std::string(texts.CsvSurfaceWords[4]);
}

std::string RectificationWord(int code, const ResultsTexts& texts)
{
  if (code == 1) return std::string(texts.CsvRectificationWords[0]);
  if (code == 2) return std::string(texts.CsvRectificationWords[1]);
  return std::string(texts.CsvRectificationWords[2]);
}

int SurfaceCode(const std::string& word, const ResultsTexts& texts)
{
  for (int code = 0; code <= 3; ++code) {
    if (word == texts.CsvSurfaceWords[code]) return code;
  }
  return 4;
}

int RectificationCode(const std::string& word, const ResultsTexts& texts)
{
  if (word == texts.CsvRectificationWords[0]) return 1;
  if (word == texts.CsvRectificationWords[1]) return 2;
  return 3;
}

// One line of cells: the label, then cell(k) for k = 1..n.
class CsvBuilder {
public:
  CsvBuilder(int results, const ResultsTexts& texts) : results_(results), texts_(texts) {}

  void Row(int row, const std::function<std::string(int)>& cell)
  {
    text_ += texts_.CsvRowLabels[row - 1];
    for (int k = 1; k <= results_; ++k) {
      text_ += ',';
      text_ += cell(k);
    }
    text_ += "\r\n";
  }
  void Line(std::string_view line)
  {
    text_ += line;
    text_ += "\r\n";
  }
  std::string Take() { return std::move(text_); }

private:
  int results_;
  const ResultsTexts& texts_;
  std::string text_;
};

// A hand-edited number that no calculation can have given (a negative dose
// or factor, a value beyond the range of numbers) fails the read rather than
// being shown, totalled and saved again as a result. A dose of 1000 Gy or
// more is read: only a calculation refuses it, and a file saved before it did
// stays readable.
void CheckReadNumbers(const ResultFileContent& read, const std::filesystem::path& path, const ResultsTexts& texts)
{
  const std::string name = path.filename().string();
  const ResultTable& t = read.table;
  const int n = t.ResultRowCount - 1;
  const auto refuse = [&](int row, int k, double value, const char* why) {
    const std::string what = std::string(texts.CsvRowLabels[row - 1]) + ", result " + std::to_string(k) + ": " +
                             NumberText(value) + " " + why;
    throw DataError(name + ", " + what, FileFault::Malformed, path, 0, what);
  };
  // Rows 3 .. 8 and 10 .. 38 (numbers in the layout above), and 39.
  const std::pair<int, const NumberColumn*> conditions[] = {
      {3, &t.ResCylinderRadius},     {4, &t.ResEllipseHRadius},       {5, &t.ResEllipseVRadius},
      {6, &t.ResRacetrackA},         {7, &t.ResRacetrackB},           {8, &t.ResRacetrackL},
      {11, &t.ResTubeVoltage},       {12, &t.ResTubeCurrent},         {13, &t.ResExposureTime},
      {14, &t.ResTargetAngle},       {15, &t.ResInherentFilterAl},    {16, &t.ResAddedFilterAl},
      {17, &t.ResAddedFilterCu},     {19, &t.ResOtherFilterThickness}, {20, &t.ResFFD},
      {21, &t.ResFSD},               {22, &t.ResObjectThickness},     {24, &t.ResFieldLength},
      {25, &t.ResFieldWidth}};
  const std::pair<int, const NumberColumn*> results[] = {
      {10, &t.ResOutputAt1m},      {26, &t.ResHvl1},           {27, &t.ResHvl2},
      {28, &t.ResEffectiveEnergy}, {29, &t.ResQualityIndex},   {30, &t.ResBsfSoft},
      {31, &t.ResBsfSkin},         {32, &t.ResBsfAir},         {33, &t.ResConvFactorSoft},
      {34, &t.ResConvFactorSkin},  {36, &t.ResEntranceSurfaceDoseSoft},
      {37, &t.ResEntranceSurfaceDoseSkin}, {38, &t.ResEntranceSurfaceDoseAir},
      {kEffectiveDoseRow, &t.ResEffectiveDose}};
  for (int k = 1; k <= n; ++k) {
    for (const auto& [row, column] : conditions) {
      if (!std::isfinite((*column)[k])) refuse(row, k, (*column)[k], "is not a finite number");
    }
    for (const auto& [row, column] : results) {
      const double value = (*column)[k];
      if (!std::isfinite(value)) refuse(row, k, value, "is not a finite number");
      if (value < 0.0) refuse(row, k, value, "is below 0, which no calculation gives");
    }
  }
  if (!(std::isfinite(read.airWValue) && read.airWValue >= 0.0)) {
    refuse(kAirConversionRow, n, read.airWValue, "is not a conversion factor");
  }
}

}  // namespace

std::string ResultTableCsvText(const ResultTable& t, double airWValue, std::string_view comment, Edition edition)
{
  const ResultsTexts& texts = ResultsTextsFor(edition);
  const int n = t.ResultRowCount - 1;
  const std::string mark(texts.CsvNotApplicable);
  const auto plain = [](const NumberColumn& column) {
    return [&column](int k) { return NumberText(column[k]); };
  };
  const auto plainOrMark = [&mark](const NumberColumn& column) {
    return [&column, &mark](int k) { return column[k] == 0.0 ? mark : NumberText(column[k]); };
  };
  const auto mm = [](const NumberColumn& column) {
    return [&column](int k) { return NumberText(column[k] * kMmPerCm); };
  };
  const auto formatted = [](const NumberColumn& column, std::string_view pattern) {
    return [&column, pattern](int k) { return Format(column[k], pattern); };
  };

  // The comment is one line of the file, whatever was pasted into the box.
  std::string commentLine(comment);
  for (char& c : commentLine) {
    if (c == '\r' || c == '\n') c = ' ';
  }

  CsvBuilder csv(n, texts);
  csv.Line(commentLine);
  csv.Line(PrintNumberText(n));
  csv.Row(kSiteRow, [&](int k) { return CsvTextCell(t.ResSiteName[k]); });
  csv.Row(kSurfaceRow, [&](int k) { return SurfaceWord(t.ResPhantomModel[k], texts); });
  csv.Row(3, plainOrMark(t.ResCylinderRadius));
  csv.Row(4, plainOrMark(t.ResEllipseHRadius));
  csv.Row(5, plainOrMark(t.ResEllipseVRadius));
  csv.Row(6, plain(t.ResRacetrackA));
  csv.Row(7, plain(t.ResRacetrackB));
  csv.Row(8, plain(t.ResRacetrackL));
  csv.Row(kRectificationRow, [&](int k) { return RectificationWord(t.ResRectificationType[k], texts); });
  csv.Row(10, formatted(t.ResOutputAt1m, "0.00E+00"));
  csv.Row(11, plain(t.ResTubeVoltage));
  csv.Row(12, plain(t.ResTubeCurrent));
  csv.Row(13, plain(t.ResExposureTime));
  csv.Row(14, plain(t.ResTargetAngle));
  csv.Row(15, mm(t.ResInherentFilterAl));
  csv.Row(16, mm(t.ResAddedFilterAl));
  csv.Row(17, mm(t.ResAddedFilterCu));
  csv.Row(kMaterialRow, [&](int k) {
    return t.ResOtherFilterMaterial[k].empty() ? mark : CsvTextCell(t.ResOtherFilterMaterial[k]);
  });
  csv.Row(19, mm(t.ResOtherFilterThickness));
  csv.Row(20, plain(t.ResFFD));
  csv.Row(21, plain(t.ResFSD));
  csv.Row(22, plain(t.ResObjectThickness));
  csv.Row(kFieldNameRow, [&](int k) { return CsvTextCell(t.ResFieldSizeName[k]); });
  csv.Row(24, plain(t.ResFieldLength));
  csv.Row(25, plain(t.ResFieldWidth));
  csv.Row(26, [&](int k) { return Format(t.ResHvl1[k] * kMmPerCm, "#0.000"); });
  csv.Row(27, [&](int k) { return Format(t.ResHvl2[k] * kMmPerCm, "#0.000"); });
  csv.Row(28, formatted(t.ResEffectiveEnergy, "#00.00"));
  csv.Row(29, formatted(t.ResQualityIndex, "0.000"));
  csv.Row(30, formatted(t.ResBsfSoft, "0.000"));
  csv.Row(31, formatted(t.ResBsfSkin, "0.000"));
  csv.Row(32, formatted(t.ResBsfAir, "0.000"));
  csv.Row(33, formatted(t.ResConvFactorSoft, "00.00"));
  csv.Row(34, formatted(t.ResConvFactorSkin, "00.00"));
  csv.Row(kAirConversionRow, [&](int) { return Format(airWValue, "00.00"); });
  csv.Row(36, formatted(t.ResEntranceSurfaceDoseSoft, "##0.00"));
  csv.Row(37, formatted(t.ResEntranceSurfaceDoseSkin, "##0.00"));
  csv.Row(38, formatted(t.ResEntranceSurfaceDoseAir, "##0.00"));
  csv.Row(kEffectiveDoseRow, [&](int k) {
    return t.ResEffectiveDose[k] == 0.0 ? mark : Format(t.ResEffectiveDose[k], "##0.000");
  });
  return csv.Take();
}

void SaveResultTableCsv(const std::filesystem::path& path, const ResultTable& table, double airWValue,
                        std::string_view comment, Edition edition)
{
  WriteFileAtomically(path, ResultTableCsvText(table, airWValue, comment, edition));
}

ResultFileContent ReadResultTableCsv(const std::filesystem::path& path, Edition edition)
{
  const ResultsTexts& texts = ResultsTextsFor(edition);
  const std::string mark(texts.CsvNotApplicable);
  std::string content;
  for (const std::string& line : ReadAllLines(path, kUserFileMaxBytes)) {  // throws FileError naming the file
    content += line;
    content += '\n';
  }
  const std::string name = path.filename().string();
  // A file re-saved in another encoding would read without a word, its site
  // names garbled and every code word fallen to the defaults.
  if (!ui::IsValidUtf8(content)) {
    throw DataError(name + ": the file is not UTF-8 text", FileFault::Malformed, path, 0, "the file is not UTF-8 text");
  }
  CsvItemReader in(std::move(content), path);

  ResultFileContent read;
  ResultTable& t = read.table;
  read.comment = in.ReadLine();
  const double count = in.ReadNumber();
  if (!(count >= 1 && count <= kResultRows) || count != std::floor(count)) {
    const std::string what = NumberText(count) + " results; a result file holds 1 to 15";
    throw DataError(name + ": " + what, FileFault::Malformed, path, 0, what);
  }
  const int n = static_cast<int>(count);

  // Each row: its label (not checked, so that the other edition's files read
  // too), then one cell per result.
  const auto row = [&](const std::function<void(int)>& cell) {
    in.ReadText();
    for (int k = 1; k <= n; ++k) cell(k);
  };
  const auto number = [&](NumberColumn& column) {
    return [&](int k) { column[k] = in.ReadNumber(); };
  };
  const auto leadingNumber = [&](NumberColumn& column) {  // the mark reads as 0
    return [&](int k) { column[k] = Val(in.ReadText()); };
  };
  const auto mm = [&](NumberColumn& column) {
    return [&](int k) { column[k] = in.ReadNumber() * 0.1; };
  };

  row([&](int k) { t.ResSiteName[k] = in.ReadText(); });
  row([&](int k) { t.ResPhantomModel[k] = SurfaceCode(in.ReadText(), texts); });
  row(leadingNumber(t.ResCylinderRadius));
  row(leadingNumber(t.ResEllipseHRadius));
  row(leadingNumber(t.ResEllipseVRadius));
  row(leadingNumber(t.ResRacetrackA));
  row(leadingNumber(t.ResRacetrackB));
  row(leadingNumber(t.ResRacetrackL));
  row([&](int k) { t.ResRectificationType[k] = RectificationCode(in.ReadText(), texts); });
  row(number(t.ResOutputAt1m));
  row(number(t.ResTubeVoltage));
  row(number(t.ResTubeCurrent));
  row(number(t.ResExposureTime));
  row(number(t.ResTargetAngle));
  row(mm(t.ResInherentFilterAl));
  row(mm(t.ResAddedFilterAl));
  row(mm(t.ResAddedFilterCu));
  row([&](int k) {
    std::string material = in.ReadText();
    t.ResOtherFilterMaterial[k] = material == mark ? std::string() : std::move(material);
  });
  row(mm(t.ResOtherFilterThickness));
  row(number(t.ResFFD));
  row(number(t.ResFSD));
  row(number(t.ResObjectThickness));
  row([&](int k) { t.ResFieldSizeName[k] = in.ReadText(); });
  row(number(t.ResFieldLength));
  row(number(t.ResFieldWidth));
  row(mm(t.ResHvl1));
  row(mm(t.ResHvl2));
  row(number(t.ResEffectiveEnergy));
  row(number(t.ResQualityIndex));
  row(number(t.ResBsfSoft));
  row(number(t.ResBsfSkin));
  row(number(t.ResBsfAir));
  row(number(t.ResConvFactorSoft));
  row(number(t.ResConvFactorSkin));
  row([&](int) { read.airWValue = in.ReadNumber(); });
  row(number(t.ResEntranceSurfaceDoseSoft));
  row(number(t.ResEntranceSurfaceDoseSkin));
  row(number(t.ResEntranceSurfaceDoseAir));
  // Files of an older layout end here: no effective doses (0).
  if (!in.AtEnd()) {
    row([&](int k) {
      const std::string cell = in.ReadText();
      t.ResEffectiveDose[k] = cell == mark ? 0.0 : Val(cell);
    });
  }
  t.ResultRowCount = n + 1;
  CheckReadNumbers(read, path, texts);
  return read;
}

std::string ReadResultComment(const std::filesystem::path& path)
{
  // The first line alone: the preview of a huge file costs no more than of a small one.
  return ReadFirstLine(path, kUserFileMaxBytes);
}

}  // namespace vorn::results
