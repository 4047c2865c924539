// A started main program on a temporary working folder holding the shipped
// data tables, driven headless through the control model.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "mainwin/main_program.h"
#include "platform/ui/scripted_services.h"

namespace vorn::dialogs_b_test {

class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

private:
  std::filesystem::path path_;
};

// A program of the edition, started with a registered user name.
struct Session {
  explicit Session(Edition edition);

  TempFolder folder;
  ui::ScriptedServices services;
  std::unique_ptr<mainwin::MainProgram> program;

  mainwin::MainWindow& main() { return *program->mainWindow; }
  BeamCalculation& m() { return program->Module(); }
  // Runs the calculate command on the main window; it must succeed quietly.
  void Calculate();
  // The service calls made since the mark.
  std::vector<std::string> CallsSince(std::size_t mark) const;
};

}  // namespace vorn::dialogs_b_test
