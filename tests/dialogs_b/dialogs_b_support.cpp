#include "dialogs_b_support.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "beam/atr_data.h"
#include "mainwin/working_files.h"

namespace vorn::dialogs_b_test {

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
  static std::mt19937_64 engine{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::ostringstream name;
    name << "vorn-dialogs-b-" << std::hex << engine();
    const fs::path candidate = fs::temp_directory_path() / name.str();
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
  fs::remove_all(path_, ignored);
}

Session::Session(Edition edition) : services(folder.path())
{
  const char* source = std::getenv("VORN_SOURCE_DIR");
  if (source == nullptr) throw std::runtime_error("VORN_SOURCE_DIR is not set");
  for (const auto& entry : fs::directory_iterator(fs::path(source) / "data")) {
    if (entry.is_regular_file()) fs::copy_file(entry.path(), folder.path() / entry.path().filename());
  }
  // A registered user: the name in the line after the data lines.
  const fs::path nameFile =
      folder.path() / (edition == Edition::Japanese ? mainwin::kPrimaryFileName : kAtrFileName);
  std::ofstream(nameFile, std::ios::binary | std::ios::app) << "Tester\r\n";

  program = std::make_unique<mainwin::MainProgram>(edition, services);
  program->Start();
  if (!services.msgBoxes.empty()) throw std::runtime_error("start-up said: " + services.msgBoxes.front().text);
}

void Session::Calculate()
{
  const std::size_t boxes = services.msgBoxes.size();
  main().calculateButton.UserClick();
  if (services.msgBoxes.size() != boxes) throw std::runtime_error("calculate said: " + services.msgBoxes.back().text);
}

std::vector<std::string> Session::CallsSince(std::size_t mark) const
{
  return {services.calls.begin() + static_cast<std::ptrdiff_t>(mark), services.calls.end()};
}

}  // namespace vorn::dialogs_b_test
