// Shared pieces of the dialog tests: a temporary working folder, the
// repository's data folder, whole-file reads, and a main program on a working
// folder that holds the shipped data, driven headless.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "mainwin/main_program.h"
#include "platform/files/seqfile.h"
#include "platform/ui/scripted_services.h"

namespace vorn::mainwin::testing {

// The repository root (ctest sets VORN_SOURCE_DIR; the build's own source
// folder otherwise).
inline std::filesystem::path SourceDir()
{
  const char* dir = std::getenv("VORN_SOURCE_DIR");
  return dir != nullptr ? std::filesystem::path(dir) : std::filesystem::path(VORN_DIALOGS_SOURCE_DIR);
}

class TempFolder {
public:
  TempFolder()
  {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("vorn-dialogs-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder()
  {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path Write(const std::string& name, const std::string& content) const
  {
    const std::filesystem::path p = path_ / name;
    std::ofstream(p, std::ios::binary) << content;
    return p;
  }

private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path)
{
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline std::vector<std::string> Lines(const std::filesystem::path& path) { return ReadAllLines(path); }

// A main program on its own working folder, filled with the shipped data
// files (not the subfolders); `prepare` may change the folder before the
// program is made. Start() brings it up as the user would.
struct Session {
  using Prepare = std::function<void(const std::filesystem::path&)>;
  explicit Session(Edition edition, const Prepare& prepare = {}) : services(folder.path())
  {
    for (const auto& entry : std::filesystem::directory_iterator(SourceDir() / "data")) {
      if (entry.is_regular_file()) std::filesystem::copy_file(entry.path(), folder.path() / entry.path().filename());
    }
    if (prepare) prepare(folder.path());
    program = std::make_unique<MainProgram>(edition, services);
  }

  TempFolder folder;
  ui::ScriptedServices services;
  std::unique_ptr<MainProgram> program;

  MainWindow& main() { return *program->mainWindow; }
  BeamCalculation& m() { return program->Module(); }
  const std::filesystem::path& dir() const { return folder.path(); }
  std::filesystem::path file(const std::string& name) const { return folder.path() / name; }
};

// Appends a user name after the data lines, so that start-up finds one.
inline void KeepUserName(const std::filesystem::path& folder, Edition edition, const std::string& name)
{
  const char* file = edition == Edition::Japanese ? "Primary.dat" : "dATR.dat";
  std::ofstream(folder / file, std::ios::binary | std::ios::app) << name << "\r\n";
}

}  // namespace vorn::mainwin::testing
