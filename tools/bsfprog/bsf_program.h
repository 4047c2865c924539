// One run of a backscatter program, without its window: the steps from the
// condition file to the result file, and the texts the window shows.
//
//   RunProgress progress;                           // the window polls it
//   const ProgramOutcome o = RunBackscatterProgram(PhantomShape::Cylinder, folder, {.progress = &progress});
//   if (!o.ok) show(o.message);
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "tools/bsfprog/backscatter_run.h"

namespace vorn::bsf {

inline constexpr const char* kConditionFileName = "joken.txt";
inline constexpr const char* kSpectrumFileName = "X_SPCTL.dat";
inline constexpr const char* kResultFileName = "resultBSF.txt";

struct ProgramOutcome {
  bool ok = false;
  std::string message;          // what went wrong; empty when ok
  PhantomCondition condition;   // as read (when it could be)
  BackscatterResult result;     // when ok
};

// In `folder`: removes the result file of an earlier run first (so that the
// main program never takes it for this run's), reads the condition file for
// `shape` and the spectrum, computes, and writes the result file in one step
// (never half a file), with the condition's run token after the factors.
// Any failure (a missing or malformed input, a stop asked through the
// progress, a result that CheckResultUsable refuses, a result file that
// cannot be written) comes back as the outcome's message, and then no result
// file is left. A run with a token watches the condition file while it runs
// and stops, writing nothing, once the main program has asked for another
// calculation (ConditionSuperseded). `physics` may be given to save building
// it; otherwise it is built after the inputs are read.
ProgramOutcome RunBackscatterProgram(PhantomShape shape, const std::filesystem::path& folder,
                                     const RunOptions& options, const BackscatterPhysics* physics = nullptr);

// How often a running program looks at the condition file.
inline constexpr int kSupersessionCheck_ms = 200;

// The largest relative standard uncertainty a factor may have to be written
// as a result. Ten million histories (the fewest the main program offers)
// give well below 1 % on a body of a few centimetres' radius or more.
inline constexpr double kMostRelativeUncertainty = 0.05;

// Throws CalcError, saying which factor and why, unless every factor is
// finite, some backscattered photon was scored at the entrance point (a
// factor of exactly 1 with no uncertainty means none was), every relative
// uncertainty is finite and at most kMostRelativeUncertainty, and every
// factor as the result file writes it is one a body can have
// (BackscatterFactorInRange: the main program takes no other).
void CheckResultUsable(const BackscatterResult& result);

// The result file: the three factors air, soft tissue, skin through
// "0.00000", one a line, CR LF; then the run token, where there is one.
std::string ResultFileText(const BackscatterResult& result, std::string_view run = {});

// The window's texts: the condition in one line, and the result with its
// standard uncertainty, a line per medium and one for the run.
std::string ConditionText(const PhantomCondition& condition);
std::string ResultText(const BackscatterResult& result);

}  // namespace vorn::bsf
