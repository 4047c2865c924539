#include "program_session.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "platform/format/format.h"

namespace vorn::results::testing {

namespace fs = std::filesystem;

namespace {

fs::path ShippedData()
{
  const char* source = std::getenv("VORN_SOURCE_DIR");
  if (source == nullptr) throw std::runtime_error("VORN_SOURCE_DIR is not set");
  return fs::path(source) / "data";
}

}  // namespace

Session::Session(Edition edition) : services(folder.path())
{
  for (const auto& entry : fs::directory_iterator(ShippedData())) {
    if (entry.is_regular_file()) fs::copy_file(entry.path(), folder.path() / entry.path().filename());
  }
  // The user name follows the data lines of the file the edition keeps it in.
  const fs::path nameFile = folder.path() / (edition == Edition::Japanese ? "Primary.dat" : "dATR.dat");
  std::ofstream(nameFile, std::ios::binary | std::ios::app) << "Tester\r\n";
  program = std::make_unique<mainwin::MainProgram>(edition, services);
  program->Start();
}

void Session::Calculate(double kV)
{
  main().tubeVoltageBox.UserType(NumberText(kV));
  main().tubeCurrentBox.UserFocus();  // leaving the box stores the voltage
  main().calculateButton.UserClick();
}

void Session::AddResult(double kV)
{
  Calculate(kV);
  main().addToTableButton.UserClick();
}

std::vector<std::string> Session::Messages() const
{
  std::vector<std::string> texts;
  for (const auto& box : services.msgBoxes) texts.push_back(box.text);
  return texts;
}

std::vector<std::string> Texts(const ui::DisplayList& items)
{
  std::vector<std::string> texts;
  for (const ui::TextItem* item : ui::TextItems(items)) texts.push_back(item->text);
  return texts;
}

}  // namespace vorn::results::testing
