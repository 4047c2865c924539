// The depth-dose program: the edition is chosen when it is built (Vorn18E_PDD,
// vorn18J_PDD); the working folder is the folder it is started in, where the
// main program has left the hand-over file.
#include <QApplication>
#include <exception>
#include <filesystem>
#include <iostream>

#include "depthdose/depthdose_program.h"
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
    QApplication qapp(argc, argv);
    vorn::qt::PrepareApplication();
    vorn::qt::QtServices services(std::filesystem::current_path());
    vorn::pdd::DepthDoseProgram program(kEdition, services);
    vorn::qt::WidgetBinding binding(program.app);
    program.Start();
    return vorn::qt::RunEventLoop(program.app);
  } catch (const std::exception& e) {
    std::cerr << vorn::pdd::ProgramTitle(kEdition) << ": " << e.what() << '\n';
    return 1;
  }
}
