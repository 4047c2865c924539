#include "tests/depthdose_ui/pdd_ui_fixture.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "platform/format/format.h"

namespace vorn::pdd::test {

namespace {

fs::path MakeFolder()
{
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  // The random part keeps apart runs of the same test from other build folders.
  std::random_device random;
  std::string name = std::string("vorn-pddui-") + info->test_suite_name() + "-" + info->name() + "-" +
                     std::to_string(random());
  for (char& c : name) {
    if (c == '/') c = '_';  // parameterised tests' names
  }
  fs::path folder = fs::temp_directory_path() / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

fs::path SourceData()
{
  const char* root = std::getenv("VORN_SOURCE_DIR");
  if (root == nullptr) throw std::runtime_error("VORN_SOURCE_DIR is not set");
  return fs::path(root) / "data";
}

void WriteText(const fs::path& path, std::string_view content)
{
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << content;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

// Kernel of ring m at slab j: falling with the ring's radius and the depth,
// a third of a typical primary contribution summed over a 10 cm field.
void WriteSyntheticKernels(const fs::path& folder)
{
  for (int E = 10; E <= 150; E += 5) {
    std::string text;
    const double mu = 0.2 + 3.0 / E;  // steeper at low energy
    for (int j = 1; j <= 80; ++j) {
      const double d = 0.5 * j - 0.25;
      for (int m = 1; m <= 80; ++m) {
        const double value = 0.8 * std::exp(-0.35 * (m - 1)) * (1.0 + 0.6 * d) * std::exp(-mu * d);
        text += Format(value, "0.00000E+00") + (m % 20 == 0 ? "\r\n" : ",");
      }
    }
    WriteText(folder / "PDS-data" / (std::to_string(E) + ".dat"), text);
  }
}

}  // namespace

EnergyBinArray ExampleSpectrum(double kV)
{
  EnergyBinArray spectrum{};
  double sum = 0.0;
  const int last = static_cast<int>(std::floor(2.0 * kV));
  for (int i = 40; i <= last; ++i) {
    const double E = 0.5 * i;
    spectrum[i] = (kV - E) * (E - 19.0) / E;
    sum += spectrum[i];
  }
  for (double& value : spectrum) value /= sum;
  return spectrum;
}

void CopyShippedData(const fs::path& folder)
{
  const fs::path data = SourceData();
  bool kernels = true;
  for (const auto& entry : fs::directory_iterator(data)) {
    if (entry.path().filename() == "PDS-data") continue;
    fs::copy(entry.path(), folder / entry.path().filename(), fs::copy_options::recursive);
  }
  for (int E = 10; E <= 150; E += 5) {
    if (!fs::is_regular_file(data / "PDS-data" / (std::to_string(E) + ".dat"))) kernels = false;
  }
  if (kernels) {
    fs::copy(data / "PDS-data", folder / "PDS-data", fs::copy_options::recursive);
  } else {
    WriteSyntheticKernels(folder);
  }
}

void WriteHandoverFile(const fs::path& folder, const HandoverValues& v, int lines)
{
  std::vector<std::string> items{PrintNumberText(v.kV),        PrintNumberText(v.FFD),
                                 PrintNumberText(v.FSD),       PrintNumberText(v.thickness),
                                 PrintNumberText(v.length),    PrintNumberText(v.width),
                                 v.dose};
  const EnergyBinArray spectrum = ExampleSpectrum(v.kV);
  for (int i = 1; i <= 300; ++i) items.push_back(Format(spectrum[i], "0.000E+00"));
  items.push_back(v.site);
  std::string text;
  for (int line = 0; line < lines; ++line) text += items[line] + "\r\n";
  WriteText(folder / "Vorn2PDD.dat", text);
}

PddWindowTest::PddWindowTest() : folder_(MakeFolder()), services_(folder_) { CopyShippedData(folder_); }

PddWindowTest::~PddWindowTest()
{
  program_.reset();
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

void PddWindowTest::WriteFile(const fs::path& name, std::string_view content) const
{
  WriteText(File(name), content);
}

std::string PddWindowTest::ReadFile(const fs::path& name) const
{
  std::ifstream in(File(name), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

DepthDoseProgram& PddWindowTest::Make(Edition edition, const HandoverValues& values)
{
  WriteHandoverFile(folder_, values);
  program_ = std::make_unique<DepthDoseProgram>(edition, services_);
  return *program_;
}

DepthDoseProgram& PddWindowTest::Started(Edition edition, const HandoverValues& values)
{
  DepthDoseProgram& program = Make(edition, values);
  program.Start();
  EXPECT_FALSE(program.app.Ended());
  EXPECT_EQ(services_.msgBoxes.size(), 0u);
  return program;
}

}  // namespace vorn::pdd::test
