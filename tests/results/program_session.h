// A main program started headless on a temporary working folder that holds
// the shipped data tables and the user name "Tester".
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "mainwin/main_program.h"
#include "platform/ui/scripted_services.h"
#include "sample_rows.h"

namespace vorn::results::testing {

struct Session {
  explicit Session(Edition edition);

  TempFolder folder;
  ui::ScriptedServices services;
  std::unique_ptr<mainwin::MainProgram> program;

  mainwin::MainWindow& main() { return *program->mainWindow; }
  ResultWindow& window() { return *program->resultWindow; }
  BeamCalculation& m() { return program->Module(); }
  ui::Application& app() { return program->app; }
  ResultTable& table() { return program->Results; }
  const std::filesystem::path& dir() const { return folder.path(); }

  // A calculation of the main window at this tube voltage (other boxes as
  // they stand), which enables the add command.
  void Calculate(double kV);
  // Calculates and adds the result to the table.
  void AddResult(double kV);
  // The texts of the message boxes shown so far.
  std::vector<std::string> Messages() const;
};

// Texts drawn on a picture, in drawing order.
std::vector<std::string> Texts(const ui::DisplayList& items);

}  // namespace vorn::results::testing
