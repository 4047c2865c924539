#include "beam/curved_surface.h"

#include <filesystem>
#include <system_error>

#include "beam/beam_calculation.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"
#include "text/beam_texts.h"

namespace vorn {

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
  SeqReader in(path);
  BackscatterFactors f;
  f.BsfAir = in.ReadNumber();
  f.BsfSoft = in.ReadNumber();
  f.BsfSkin = in.ReadNumber();
  return f;
}

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
  if (!program.empty()) {
    // A result left by an earlier run must never pass for this one's, however
    // early the user confirms: without the file the read below fails.
    const std::filesystem::path result = working_folder_ / kBackscatterResultFileName;
    std::error_code ec;
    std::filesystem::remove(result, ec);
    if (ec) throw FileError(result.string() + ": an earlier result cannot be removed (" + ec.message() + ")");
    std::string condition;
    for (const std::string& line : PhantomConditionLines(Phantom, beam)) condition += line + "\r\n";
    // A backscatter program still starting may read it at any moment.
    WriteFileAtomically(working_folder_ / kPhantomConditionFileName, condition);
    windows_.DoEvents();
    windows_.StartProgram(program);
  }
  // A model without a program still waits and reads whatever result file
  // is there, as the user may have run a program by hand.
  windows_.ShowMessage(BeamTextsFor(edition_).CurvedSurfaceWait, MsgIcon::Warning, MsgTitle::ProgramTitle);

  const BackscatterFactors f = ReadBackscatterResult(working_folder_ / kBackscatterResultFileName);
  Result.BsfAir = f.BsfAir;
  Result.BsfSoft = f.BsfSoft;
  Result.BsfSkin = f.BsfSkin;
}

}  // namespace vorn
