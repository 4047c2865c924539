#include "mainwin_test_support.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "beam/atr_data.h"
#include "mainwin/working_files.h"
#include "platform/files/seqfile.h"

namespace vorn::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
  static std::mt19937_64 engine{std::random_device{}()};
  const auto base = fs::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::ostringstream name;
    name << "vorn-mainwin-test-" << std::hex << engine();
    const auto candidate = base / name.str();
    if (fs::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder()
{
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

fs::path ShippedDataFolder()
{
  const char* source = std::getenv("VORN_SOURCE_DIR");
  if (source == nullptr) throw std::runtime_error("VORN_SOURCE_DIR is not set");
  return fs::path(source) / "data";
}

void CopyShippedData(const fs::path& folder)
{
  for (const auto& entry : fs::directory_iterator(ShippedDataFolder())) {
    if (entry.is_regular_file()) fs::copy_file(entry.path(), folder / entry.path().filename());
  }
}

std::vector<std::string> FileLines(const fs::path& path) { return ReadAllLines(path); }

void WriteText(const fs::path& path, const std::string& text)
{
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void AppendText(const fs::path& path, const std::string& text)
{
  std::ofstream out(path, std::ios::binary | std::ios::app);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void KeepUserName(const fs::path& folder, Edition edition, const std::string& name)
{
  const fs::path file = folder / (edition == Edition::Japanese ? mainwin::kPrimaryFileName : kAtrFileName);
  const std::size_t dataLines =
      edition == Edition::Japanese ? mainwin::kPrimaryDataLines : mainwin::kAtrDataLines;
  if (FileLines(file).size() != dataLines) throw std::runtime_error(file.string() + " has no room for a name");
  AppendText(file, name + "\r\n");
}

Session::Session(Edition edition, const Prepare& prepare) : services(folder.path())
{
  CopyShippedData(folder.path());
  if (prepare) prepare(folder.path());
  program = std::make_unique<mainwin::MainProgram>(edition, services);
}

std::unique_ptr<Session> StartRegistered(Edition edition)
{
  auto session = std::make_unique<Session>(
      edition, [edition](const fs::path& folder) { KeepUserName(folder, edition, "Tester"); });
  session->program->Start();
  return session;
}

std::vector<std::string> MessageTexts(const ui::ScriptedServices& services)
{
  std::vector<std::string> texts;
  for (const auto& box : services.msgBoxes) texts.push_back(box.text);
  return texts;
}

}  // namespace vorn::testing
