// Tubrin, Ovalis and Lapmoor: backscatter factors at the entrance point of a
// cylinder, an elliptic cylinder or a racetrack-shaped body. Started by the
// main program in the working folder, with no arguments: reads joken.txt
// and X_SPCTL.dat there and writes resultBSF.txt.
#include <QApplication>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "tools/bsfprog/bsf_program.h"
#include "tools/bsfprog/progress_window.h"

namespace {

constexpr auto kShape = static_cast<vorn::bsf::PhantomShape>(VORN_BSF_SHAPE);
constexpr const char* kProgram = VORN_BSF_PROGRAM;
// How long the result stays on the screen before the window closes itself.
constexpr int kResultShown_ms = 4000;

std::string_view Env(const char* name)
{
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

int main(int argc, char** argv)
{
  const std::filesystem::path folder = std::filesystem::current_path();
  const std::string_view platform = Env("QT_QPA_PLATFORM");
  const bool headless_platform = platform == "offscreen" || platform == "minimal";
  const bool display = !Env("DISPLAY").empty() || !Env("WAYLAND_DISPLAY").empty();

  try {
    if (platform.empty() && !display) {
      // No window system at all: the same run, reported on the console.
      const vorn::bsf::ProgramOutcome o = vorn::bsf::RunBackscatterProgram(kShape, folder, {});
      if (!o.ok) {
        std::cerr << kProgram << ": " << o.message << '\n';
        return 1;
      }
      std::cout << vorn::bsf::ResultText(o.result) << '\n';
      return 0;
    }
    QApplication app(argc, argv);
    vorn::bsf::ProgressWindow window(kShape, kProgram, folder, headless_platform ? 0 : kResultShown_ms);
    window.show();
    window.Start();
    app.exec();
    return window.exit_code();
  } catch (const std::exception& e) {
    std::cerr << kProgram << ": " << e.what() << '\n';
    return 1;
  }
}
