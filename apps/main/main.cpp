// The main program: the edition is chosen when it is built (vorn-E, vorn-J);
// the working folder is the folder it is started in.
#include <exception>
#include <filesystem>
#include <iostream>

#include "mainwin/main_program.h"
#include "platform/qt/guarded_application.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"

#if defined(VORN_EDITION_J)
constexpr vorn::Edition kEdition = vorn::Edition::Japanese;
#else
constexpr vorn::Edition kEdition = vorn::Edition::English;
#endif

int main(int argc, char** argv)
{
  try {
    vorn::qt::GuardedApplication qapp(argc, argv);
    vorn::qt::PrepareApplication();
    vorn::qt::QtServices services(std::filesystem::current_path());
    vorn::mainwin::MainProgram program(kEdition, services);
    vorn::qt::WidgetBinding binding(program.app);
    vorn::qt::ErrorReporting reporting(program.app);
    program.Start();
    return vorn::qt::RunEventLoop(program.app);
  } catch (const std::exception& e) {
    std::cerr << "vorn: " << e.what() << '\n';
    return 1;
  }
}
