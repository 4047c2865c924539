// A main program on a temporary working folder that holds the shipped data
// tables, driven headless through the control model.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mainwin/main_window.h"
#include "mainwin/main_program.h"
#include "platform/ui/scripted_services.h"

namespace vorn::testing {

// A fresh folder under the system's temporary folder, removed with its content.
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

// The repository's data/ folder (VORN_SOURCE_DIR gives the repository).
std::filesystem::path ShippedDataFolder();

// Copies the shipped data files (not the subfolders) into folder.
void CopyShippedData(const std::filesystem::path& folder);

std::vector<std::string> FileLines(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);
void AppendText(const std::filesystem::path& path, const std::string& text);

// Keeps a user name where the edition reads it (a line after the data lines).
void KeepUserName(const std::filesystem::path& folder, Edition edition, const std::string& name);

// A program on its own working folder. The folder is filled with the shipped
// data, then `prepare` may change it before the program is made.
struct Session {
  using Prepare = std::function<void(const std::filesystem::path&)>;
  explicit Session(Edition edition, const Prepare& prepare = {});

  TempFolder folder;
  ui::ScriptedServices services;
  std::unique_ptr<mainwin::MainProgram> program;

  mainwin::MainWindow& form() { return *program->mainWindow; }
  results::ResultWindow& results() { return *program->resultWindow; }
  BeamCalculation& m() { return program->Module(); }
  const std::filesystem::path& dir() const { return folder.path(); }
};

// A started program with the user name "Tester" kept in its name file.
std::unique_ptr<Session> StartRegistered(Edition edition);

// The texts of the message boxes shown so far.
std::vector<std::string> MessageTexts(const ui::ScriptedServices& services);

}  // namespace vorn::testing
