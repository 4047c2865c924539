// The depth-dose program as one object: its edition, its working folder, the
// computing module, the application with its desktop services, and the graph
// and effective-dose windows. main() builds one and shows GraphWindow; a test builds
// one on scripted services and a temporary working folder.
//
//   ui::ScriptedServices services(folder);
//   pdd::DepthDoseProgram program(Edition::English, services);
//   program.Start();                    // GraphWindow's load event does the whole start-up
//   program.graphWindow->effectiveDoseButton.UserClick();
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "depthdose/depth_dose_calculation.h"
#include "platform/ui/application.h"
#include "platform/ui/services.h"
#include "text/depthdose_texts.h"
#include "text/edition.h"

namespace vorn::pdd {

class GraphWindow;
class EffectiveDoseWindow;

// The program's name for message boxes in each edition.
std::string ProgramTitle(Edition edition);

class DepthDoseProgram {
public:
  // The working folder is the services' one: every file is looked up there.
  DepthDoseProgram(Edition edition, ui::Services& services);
  ~DepthDoseProgram();
  DepthDoseProgram(const DepthDoseProgram&) = delete;
  DepthDoseProgram& operator=(const DepthDoseProgram&) = delete;

  Edition edition() const { return edition_; }
  const DepthDoseTexts& texts() const { return DepthDoseTextsFor(edition_); }
  const std::filesystem::path& WorkingFolder() const { return app.WorkingFolder(); }
  DepthDoseCalculation& module() { return *module_; }
  const DepthDoseCalculation& module() const { return *module_; }

  // Shows the graph window as one event of the program: its load event runs
  // the start-up, which may end the program before the window appears.
  void Start();

  // Fills the effective-dose window's organ rows from the site's organ file
  // (loading the window, still hidden, on first use); tells the user when the
  // file cannot be read.
  void LoadOrganData();

  ui::Application app;

private:
  Edition edition_;
  // On the heap: the module's tables take about a quarter of a megabyte.
  std::unique_ptr<DepthDoseCalculation> module_;

public:
  ui::FormSlot<pdd::GraphWindow> graphWindow;
  ui::FormSlot<pdd::EffectiveDoseWindow> effectiveDoseWindow;
};

}  // namespace vorn::pdd
