#include "bsf_test_support.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "beam/attenuation_data.h"
#include "beam/diff_bsf_data.h"
#include "beam/x_spctl_export.h"
#include "platform/files/seqfile.h"

namespace vorn::testing {

namespace fs = std::filesystem;

TempDir::TempDir()
{
  static std::atomic<int> counter{0};
  path_ = fs::temp_directory_path() /
          ("vorn_bsf_" + std::to_string(::getpid()) + "_" + std::to_string(counter.fetch_add(1)));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

TempDir::~TempDir()
{
  std::error_code ec;
  fs::remove_all(path_, ec);
}

fs::path DataFolder()
{
  const char* source = std::getenv("VORN_SOURCE_DIR");
  return fs::path(source != nullptr ? source : ".") / "data";
}

void PrepareMainModule(BeamCalculation& m, double kv)
{
  m.Attenuation = LoadAttenuationData(DataFolder());
  m.DiffBsf = LoadDiffBsfTables(DataFolder());
  ExposureCondition& c = m.Condition;
  c.TubeVoltage = kv;
  c.TargetAngle = 12.0;
  c.RectificationType = kConstantPotential;
  c.InherentFilterAl = 0.25;
  c.AddedFilterAl = 0.1;
  c.FFD = 100.0;
  c.FSD = 80.0;
  c.ObjectThickness = 20.0;
  c.FieldLength = 43.2;
  c.FieldWidth = 35.6;
  c.FieldShape = kRectangularField;
  m.Phantom.BsfMethod = kFlatSurface;
  m.Phantom.HeadFlag = 0;
  m.Result.OutputAt1m = 2.58e-4;
}

void WriteMainProgramSpectrum(const fs::path& folder, double kv)
{
  SilentWindows windows;
  BeamCalculation m(Edition::English, folder, windows);
  PrepareMainModule(m, kv);
  m.CalcSpectrum();
}

const bsf::BeamSpectrum& Spectrum80kV()
{
  static const bsf::BeamSpectrum spectrum = [] {
    TempDir dir;
    WriteMainProgramSpectrum(dir.path(), 80.0);
    return bsf::ReadSpectrumExport(dir.path() / kSpectrumExportFileName);
  }();
  return spectrum;
}

const bsf::BackscatterPhysics& Physics()
{
  static const bsf::BackscatterPhysics physics;
  return physics;
}

CurvedSurfaceBeam DefaultBeam()
{
  return {.FSD = 80.0, .FFD = 100.0, .ShortSide = 35.6, .LongSide = 43.2, .ObjectThickness = 20.0};
}

void WriteCondition(const fs::path& folder, const PhantomGeometry& phantom, const CurvedSurfaceBeam& beam,
                    const std::string& run)
{
  std::string text;
  for (const std::string& line : PhantomConditionLines(phantom, beam)) text += line + "\r\n";
  if (!run.empty()) text += run + "\r\n";
  // As the main program writes it: a running program never sees half a file.
  WriteFileAtomically(folder / kPhantomConditionFileName, text);
}

bsf::PhantomCondition Condition(bsf::PhantomShape shape, std::int64_t histories)
{
  bsf::PhantomCondition c;
  c.Shape = shape;
  c.ObjectThickness = 20.0;
  c.FSD = 80.0;
  c.FFD = 100.0;
  c.SideText11 = 35.6;
  c.SideText10 = 43.2;
  c.McHistories = histories;
  return c;
}

std::string FileText(const fs::path& path)
{
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const fs::path& path, const std::string& text)
{
  std::ofstream out(path, std::ios::binary);
  out << text;
}

}  // namespace vorn::testing
