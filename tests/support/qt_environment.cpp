// One QApplication, of the programs' own kind, for the whole test program, on
// the offscreen platform unless another is asked for; shared by every test
// program of real windows.
#include <gtest/gtest.h>

#include "platform/qt/guarded_application.h"
#include "platform/qt/widget_binding.h"

namespace {

class QtEnvironment : public ::testing::Environment {
public:
  void SetUp() override
  {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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
  }

private:
  QApplication* app_ = nullptr;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
