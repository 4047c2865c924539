#include "depthdose/depth_dose_calculation.h"

#include <cmath>
#include <optional>
#include <system_error>
#include <utility>

#include "platform/files/seqfile.h"
#include "platform/format/format.h"

namespace vorn::pdd {

DepthDoseCalculation::DepthDoseCalculation(Edition edition, std::filesystem::path working_folder)
    : edition_(edition), folder_(std::move(working_folder))
{
}

namespace {

// The whole of the hand-over file, read no further than its size limit, or
// nothing when it cannot be read.
std::optional<std::string> FileBytes(const std::filesystem::path& path)
{
  try {
    return ReadFileBytes(path, kTableFileMaxBytes);
  } catch (const Error&) {
    return std::nullopt;
  }
}

}  // namespace

DepthDoseCalculation::HandoverNow DepthDoseCalculation::HandoverState() const
{
  if (!handover_read_) return HandoverNow::Unchanged;
  std::error_code ec;
  if (!std::filesystem::exists(FilePath(kHandoverFileName), ec) && !ec) return HandoverNow::Gone;
  const bool same = handover_bytes_ && FileBytes(FilePath(kHandoverFileName)) == handover_bytes_;
  return same ? HandoverNow::Unchanged : HandoverNow::Replaced;
}

void DepthDoseCalculation::ReadHandoverFile()
{
  handover_read_ = true;
  handover_bytes_.reset();
  // Read once: what is kept to tell a later change is what was read.
  std::string bytes = ReadFileBytes(FilePath(kHandoverFileName), kTableFileMaxBytes);
  handover_bytes_ = bytes;
  SeqReader in(FilePath(kHandoverFileName), std::move(bytes), SeqReader::Content{});
  InTubeVoltage = in.ReadNumber();
  InFFD = in.ReadNumber();
  InFSD = in.ReadNumber();
  InObjectThickness = in.ReadNumber();
  InFieldLength = in.ReadNumber();
  InFieldWidth = in.ReadNumber();
  InEntranceSurfaceDose = in.ReadNumber();
  for (int i = 1; i <= kLastBin; ++i) InSpectrum[i] = in.ReadNumber();
  // A text item: it ends at a comma, so a site name with a comma is cut there.
  InSiteName = in.ReadText();
}

bool DepthDoseCalculation::ThicknessExceedsCap() const { return InObjectThickness > kThicknessCap_cm; }

bool DepthDoseCalculation::ApplyThicknessAnswer(bool accept_40cm)
{
  if (!ThicknessExceedsCap()) return true;
  if (!accept_40cm) return false;
  InObjectThickness = kThicknessCap_cm;
  return true;
}

void DepthDoseCalculation::DeletePddScratchFile() const noexcept
{
  std::error_code ignored;
  std::filesystem::remove(FilePath(kPddScratchFileName), ignored);
}

void DepthDoseCalculation::DeleteOldEffectiveDose() const noexcept
{
  std::error_code ignored;
  std::filesystem::remove(FilePath(kEffDoseFileName), ignored);
}

int SlabCount(double thickness_cm)
{
  const double n = std::floor(2.0 * thickness_cm - 0.1) + 1.0;
  if (!(n < kLastSlab)) return std::isnan(n) ? 0 : kLastSlab;  // NaN holds no slab
  if (n < 0.0) return 0;
  return static_cast<int>(n);
}

std::string PddScratchLine(Edition edition, double depth_cm, double primary_pct,
                           double scatter_pct, double total_pct)
{
  const char* separator = edition == Edition::Japanese ? "," : "";
  std::string line = Format(depth_cm, " 00.00");
  line += separator;
  line += Format(primary_pct, "  000.00");
  line += separator;
  line += Format(scatter_pct, "  000.00");
  line += separator;
  line += Format(total_pct, "  000.00");
  return line;
}

}  // namespace vorn::pdd
