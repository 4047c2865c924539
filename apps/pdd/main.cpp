// The depth-dose program: the edition is chosen when it is built (Vorn18E_PDD,
// vorn18J_PDD); the working folder is the folder it is started in, where the
// main program has left the hand-over file.
#include <QTimer>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "depthdose/depthdose_program.h"
#include "depthdose/effective_dose_window.h"
#include "depthdose/graph_window.h"
#include "platform/qt/guarded_application.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"

#if defined(VORN_EDITION_J)
constexpr vorn::Edition kEdition = vorn::Edition::Japanese;
#else
constexpr vorn::Edition kEdition = vorn::Edition::English;
#endif

namespace {

// Test aid, not a feature. A test cannot click in another process, so the
// round tests from the main window start this program with VORN_PDD_AUTO_OK=1
// in its environment. Once the start-up has shown the graph it then does what
// a user who accepts the site's organ rows does (the effective-dose button,
// OK, exit) and writes what its windows showed to standard output. Without
// the variable none of this runs.
bool AutoOkRequested()
{
  const char* value = std::getenv("VORN_PDD_AUTO_OK");
  return value != nullptr && std::string_view(value) == "1";
}

void AutoOk(vorn::pdd::DepthDoseProgram& program, const vorn::qt::WidgetBinding& binding)
{
  auto shown = [&](const vorn::ui::Form& form) {
    const QWidget* window = binding.WindowOf(form);
    return window != nullptr && window->isVisible() ? "shown" : "not shown";
  };
  vorn::pdd::GraphWindow& graph = *program.graphWindow;
  std::cout << "graph window: " << shown(graph) << ", " << graph.graphPicture.Items().size() << " drawing items\n";
  graph.effectiveDoseButton.UserClick();
  vorn::pdd::EffectiveDoseWindow& organs = *program.effectiveDoseWindow;
  std::cout << "effective-dose window: " << shown(organs) << ", site " << organs.siteLabel.Caption() << '\n';
  const vorn::pdd::OrganRowInputs rows = organs.RowInputs();
  for (int row = 1; row <= vorn::pdd::kOrganRowCount; ++row) {
    std::cout << "row " << row << ": " << rows[row].checked << ',' << rows[row].near_depth << ','
              << rows[row].far_depth << ',' << rows[row].percent << '\n';
  }
  organs.okButton.UserClick();
  std::cout << "effective dose: " << organs.totalLabel.Caption() << std::endl;
  organs.exitButton.UserClick();  // exit: ends the event loop
}

}  // namespace

int main(int argc, char** argv)
{
  try {
    vorn::qt::GuardedApplication qapp(argc, argv);
    vorn::qt::PrepareApplication();
    vorn::qt::QtServices services(std::filesystem::current_path());
    vorn::pdd::DepthDoseProgram program(kEdition, services);
    vorn::qt::WidgetBinding binding(program.app);
    vorn::qt::ErrorReporting reporting(program.app);
    program.Start();
    if (AutoOkRequested()) {
      QTimer::singleShot(0, [&] {
        try {
          AutoOk(program, binding);
        } catch (const std::exception& e) {
          std::cerr << "VORN_PDD_AUTO_OK: " << e.what() << '\n';
          QCoreApplication::exit(2);
        }
      });
    }
    return vorn::qt::RunEventLoop(program.app);
  } catch (const std::exception& e) {
    std::cerr << vorn::pdd::ProgramTitle(kEdition) << ": " << e.what() << '\n';
    return 1;
  }
}
