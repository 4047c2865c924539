// Shared pieces of the backscatter-program tests: a temporary folder, the
// interaction data built once, an 80 kV spectrum from the main program's own
// spectrum model (through its X_SPCTL.dat), and condition files written the
// way the main program writes them.
#pragma once

#include <filesystem>
#include <string>

#include "beam/curved_surface.h"
#include "beam/beam_calculation.h"
#include "tools/bsfprog/backscatter_run.h"
#include "tools/bsfprog/phantom_condition.h"
#include "tools/bsfprog/x_spctl_file.h"

namespace vorn::testing {

class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

private:
  std::filesystem::path path_;
};

// The repository's data/ folder (VORN_SOURCE_DIR gives the repository).
std::filesystem::path DataFolder();

// A window port that does nothing (for the main program's computing module).
class SilentWindows : public WindowPort {
public:
  void SetLabelCaption(ResultLabel, std::string_view) override {}
  std::string MainBoxText(MainBox) const override { return {}; }
  void SetMainBoxText(MainBox, std::string_view) override {}
  std::string FitBoxText(FitBox) const override { return {}; }
  void DoEvents() override {}
  void ShowMessage(std::string_view, MsgIcon, MsgTitle) override {}
  void Beep() override {}
};

// A main program's computing module on the shipped attenuation and
// backscatter tables, set to kv (constant potential, 12 degrees, 2.5 mm Al
// inherent, 1 mm Al added), FSD 80 cm, FFD 100 cm, field 43.2 x 35.6 cm
// (fieldLongSideBox x fieldShortSideBox), 20 cm thick, flat body phantom.
void PrepareMainModule(BeamCalculation& m, double kv);

// Writes X_SPCTL.dat into folder through the main program's spectrum calculation.
void WriteMainProgramSpectrum(const std::filesystem::path& folder, double kv);

// The 80 kV spectrum as the backscatter programs read it (computed once).
const bsf::BeamSpectrum& Spectrum80kV();

// The interaction data of the backscatter programs (built once).
const bsf::BackscatterPhysics& Physics();

// The main program's default beam: FSD 80, FFD 100, 35.6 (fieldShortSideBox) x 43.2 (fieldLongSideBox), 20 cm thick.
CurvedSurfaceBeam DefaultBeam();

// joken.txt in folder for the phantom, written by the main program's own
// lines, and the run token after them where one is given.
void WriteCondition(const std::filesystem::path& folder, const PhantomGeometry& phantom,
                    const CurvedSurfaceBeam& beam = DefaultBeam(), const std::string& run = {});

// A condition as the programs read it, with the default beam.
bsf::PhantomCondition Condition(bsf::PhantomShape shape, std::int64_t histories);

std::string FileText(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& text);

}  // namespace vorn::testing
