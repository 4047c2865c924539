#include "beam/curved_surface.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>

#include "beam/backscatter_exchange.h"
#include "beam/beam_calculation.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"
#include "text/beam_texts.h"
#include "text/depthdose_texts.h"
#include "text/error_texts.h"

namespace vorn {
namespace {

std::string Trimmed(std::string_view s)
{
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return std::string(s);
}

}  // namespace

std::string_view BackscatterProgramName(int phantomModel)
{
  switch (phantomModel) {
    case kCylinderModel: return "Tubrin.exe";
    case kEllipticCylinderModel: return "Ovalis.exe";
    case kRacetrackModel: return "Lapmoor.exe";
    default: return {};
  }
}

std::vector<std::string> PhantomConditionLines(const PhantomGeometry& phantom, const CurvedSurfaceBeam& beam)
{
  std::vector<double> numbers;
  switch (phantom.PhantomModel) {
    case kCylinderModel: numbers = {phantom.CylinderRadius}; break;
    case kEllipticCylinderModel: numbers = {phantom.EllipseHRadius, phantom.EllipseVRadius}; break;
    case kRacetrackModel: numbers = {phantom.RacetrackA, phantom.RacetrackB, phantom.RacetrackL}; break;
    default: return {};
  }
  numbers.insert(numbers.end(), {beam.ObjectThickness, beam.FSD, beam.FFD, beam.ShortSide, beam.LongSide});
  std::vector<std::string> lines;
  for (const double x : numbers) lines.push_back(Format(x, "000.0"));
  lines.push_back(Format(static_cast<double>(phantom.McHistories), "00000000000"));
  return lines;
}

BackscatterFactors ReadBackscatterResult(const std::filesystem::path& path)
{
  return ReadBackscatterResultFile(path).factors;
}

BackscatterResultFile ReadBackscatterResultFile(const std::filesystem::path& path)
{
  SeqReader in(path);
  BackscatterResultFile file;
  file.factors.BsfAir = in.ReadNumber();
  file.factors.BsfSoft = in.ReadNumber();
  file.factors.BsfSkin = in.ReadNumber();
  if (!in.Eof()) file.run = Trimmed(in.ReadLine());
  return file;
}

std::string NewRunToken()
{
  std::random_device source;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::uint64_t x = (static_cast<std::uint64_t>(source()) << 32) ^ source();
  x ^= static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string token = "R";
  for (int k = 0; k < 16; ++k) {
    token += kDigits[x >> 60];
    x <<= 4;
  }
  return token;
}

namespace {

// What the procedure needs to tell the user about the result file.
struct ResultReading {
  const std::filesystem::path& file;
  const std::string& run;
  Edition edition;
  const std::filesystem::path& folder;
  WindowPort& windows;

  [[noreturn]] void Refuse(const std::string& told, const std::string& why) const
  {
    windows.ShowMessage(told, MsgIcon::Warning, MsgTitle::ProgramTitle);
    throw BackscatterNotTaken(FilePlaceText(file, 0) + ": " + why);
  }

  bool LastLineIsRun() const
  {
    try {
      std::vector<std::string> lines = ReadAllLines(file);
      while (!lines.empty() && Trimmed(lines.back()).empty()) lines.pop_back();
      return !lines.empty() && Trimmed(lines.back()) == run;
    } catch (const Error&) {
      return false;  // gone again: not this run's
    }
  }

  // The factors once this run's program has written them; none while the
  // file is missing or holds another run's result or one of no run (the old
  // layout, or a file put there by hand). This run's file with a factor that
  // is not a number or not one of a body is refused.
  std::optional<BackscatterFactors> Take() const
  {
    BackscatterResultFile read;
    try {
      read = ReadBackscatterResultFile(file);
    } catch (const FileError&) {
      return std::nullopt;
    } catch (const DataError& e) {
      if (!LastLineIsRun()) return std::nullopt;
      Refuse(ErrorText(e, edition, folder), e.what());
    }
    if (read.run != run) return std::nullopt;
    const BeamTexts& texts = BeamTextsFor(edition);
    const double factors[3] = {read.factors.BsfAir, read.factors.BsfSoft, read.factors.BsfSkin};
    for (int k = 0; k < 3; ++k) {
      if (BackscatterFactorInRange(factors[k])) continue;
      const std::string least = NumberText(kLeastBackscatterFactor), most = NumberText(kMostBackscatterFactor);
      Refuse(FillIn(texts.CurvedSurfaceFactorRefused, {FileNameForUser(file, folder), texts.CurvedSurfaceFactorNames[k],
                                                        NumberText(factors[k]), least, most}),
             "factor " + std::to_string(k + 1) + " is " + NumberText(factors[k]) + ", not between " + least + " and " +
                 most);
    }
    return read.factors;
  }
};

}  // namespace

// The outside program for the shape computes the backscatter factors; the
// user says when it has finished. Its window and ours do not meet otherwise.
void BeamCalculation::CalcCurvedSurfaceBsf()
{
  ExposureCondition& c = Condition;
  c.FSD = Val(windows_.MainBoxText(MainBox::Fsd));
  c.FFD = Val(windows_.MainBoxText(MainBox::Ffd));
  const CurvedSurfaceBeam beam{.FSD = c.FSD,
                               .FFD = c.FFD,
                               .ShortSide = Val(windows_.MainBoxText(MainBox::FieldShortSide)),
                               .LongSide = Val(windows_.MainBoxText(MainBox::FieldLongSide)),
                               .ObjectThickness = c.ObjectThickness};

  const std::string_view program = BackscatterProgramName(Phantom.PhantomModel);
  if (program.empty()) {
    // No program computes this shape, so no result can be this calculation's.
    throw CalcError("phantom model " + std::to_string(Phantom.PhantomModel) + " has no backscatter program");
  }
  const std::filesystem::path result = working_folder_ / kBackscatterResultFileName;
  std::error_code ec;
  std::filesystem::remove(result, ec);
  if (ec) throw FileError(result.string() + ": an earlier result cannot be removed (" + ec.message() + ")");
  // The run token ties the result to this calculation: a program still
  // running for an earlier one sees the new token and stops, and a result it
  // wrote all the same is never taken for this one.
  const std::string run = NewRunToken();
  std::string condition;
  for (const std::string& line : PhantomConditionLines(Phantom, beam)) condition += line + "\r\n";
  condition += run + "\r\n";
  // A backscatter program still starting may read it at any moment.
  WriteFileAtomically(working_folder_ / kPhantomConditionFileName, condition);
  windows_.DoEvents();
  const long long process = windows_.StartProgram(program);

  const BeamTexts& texts = BeamTextsFor(edition_);
  windows_.ShowMessage(texts.CurvedSurfaceWait, MsgIcon::Warning, MsgTitle::ProgramTitle);
  const ResultReading reading{result, run, edition_, working_folder_, windows_};
  std::optional<BackscatterFactors> f = reading.Take();
  while (!f) {
    if (windows_.ProgramEnded(process)) {
      // It may have written its result just before it ended.
      f = reading.Take();
      if (f) break;
      windows_.ShowMessage(texts.CurvedSurfaceEndedWithoutResult, MsgIcon::Warning, MsgTitle::ProgramTitle);
      throw BackscatterNotTaken(std::string(program) + " ended without writing the result of this calculation");
    }
    if (!windows_.AskOkCancel(texts.CurvedSurfaceNotFinished, MsgIcon::Warning, MsgTitle::ProgramTitle)) {
      throw BackscatterNotTaken("the calculation was given up before " + std::string(program) +
                                " had written its result");
    }
    f = reading.Take();
  }
  Result.BsfAir = f->BsfAir;
  Result.BsfSoft = f->BsfSoft;
  Result.BsfSkin = f->BsfSkin;
}

}  // namespace vorn
