// One QApplication, of the programs' own kind, for the whole test program, on
// the offscreen platform unless another is asked for; shared by every test
// program of real windows.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/qt/guarded_application.h"
#include "platform/qt/widget_binding.h"

namespace {

class QtEnvironment : public ::testing::Environment {
public:
  void SetUp() override
  {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      // A screen as large as a common office one (the plugin's own is 800 x
      // 600), so that every window shows whole; a window taller than its
      // screen would scroll.
      screens_ = std::filesystem::temp_directory_path() / ("vorn-offscreen-" + std::to_string(getpid()) + ".json");
      std::ofstream(screens_) << R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1600, "height": 1200,)"
                                 R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
      qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens_.string()).c_str());
    }
    static int argc = 1;
    static char name[] = "vorn_gui_tests";
    static char* argv[] = {name, nullptr};
    app_ = new vorn::qt::GuardedApplication(argc, argv);
    vorn::qt::PrepareApplication();
  }
  void TearDown() override
  {
    delete app_;
    app_ = nullptr;
    if (!screens_.empty()) std::filesystem::remove(screens_);
  }

private:
  QApplication* app_ = nullptr;
  std::filesystem::path screens_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
