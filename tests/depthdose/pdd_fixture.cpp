#include "tests/depthdose/pdd_fixture.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "platform/format/format.h"

namespace vorn::pdd::test {

double SyntheticMu(double E)
{
  return 3.0 * std::pow(10.0 / E, 3.0) + 0.18 * std::pow(30.0 / E, 0.1) + 0.05 * std::pow(20.0 / E, 2.0);
}

double SyntheticPrimary(double E) { return 1e-3 * std::exp(0.02 * E); }

PddFolder::PddFolder()
{
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  // The process id keeps apart runs of the same test from other build folders.
  folder_ = fs::temp_directory_path() / (std::string("vorn-pdd-") + info->test_suite_name() + "-" + info->name() +
                                         "-" + std::to_string(::getpid()));
  fs::remove_all(folder_);
  fs::create_directories(folder_);
}

PddFolder::~PddFolder()
{
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

void PddFolder::Write(const fs::path& name, std::string_view content) const
{
  fs::create_directories(File(name).parent_path());
  std::ofstream out(File(name), std::ios::binary);
  out << content;
}

std::string PddFolder::Read(const fs::path& name) const
{
  std::ifstream in(File(name), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void PddFolder::WriteAttenuation(const std::vector<double>& energies) const
{
  std::string text = std::to_string(energies.size()) + ", 0\r\n";
  for (double E : energies) {
    const double coh = 0.05 * std::pow(20.0 / E, 2.0);
    const double incoh = 0.18 * std::pow(30.0 / E, 0.1);
    const double photo = 3.0 * std::pow(10.0 / E, 3.0);
    text += NumberText(E / 1000.0) + ", " + NumberText(coh) + ", " + NumberText(incoh) + ", " +
            NumberText(photo) + "\r\n";
  }
  Write("ICRUSoft.dat", text);
}

void PddFolder::WriteAttenuation() const
{
  WriteAttenuation({1,  2,  3,  4,  5,  6,  8,  10, 12, 15,  17.5, 20,  22.5, 25,  27.5, 30,  35,  40, 45,
                    50, 55, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160, 170, 180, 190, 195, 200});
}

void PddFolder::WritePrimary() const
{
  std::string text;
  for (int k = 2; k <= 30; ++k) text += NumberText(5.0 * k) + "," + NumberText(SyntheticPrimary(5.0 * k)) + "\r\n";
  text += "primary factor of soft tissue\r\nE x mu_en/rho\r\nGuest\r\n";
  Write("Primary.dat", text);
}

void PddFolder::WriteKernels(const KernelFn& kernel) const
{
  for (int E = 10; E <= 150; E += 5) {
    std::string text;
    for (int j = 1; j <= 80; ++j) {
      for (int m = 1; m <= 80; ++m) text += NumberText(kernel(E, m, j)) + (m % 20 == 0 ? "\r\n" : ",");
    }
    Write(fs::path("PDS-data") / (std::to_string(E) + ".dat"), text);
  }
}

void PddFolder::WriteHandover(const Handover& h, int lines) const
{
  std::vector<std::string> items{PrintNumberText(h.kV),        PrintNumberText(h.FFD),
                                 PrintNumberText(h.FSD),       PrintNumberText(h.thickness),
                                 PrintNumberText(h.length),    PrintNumberText(h.width),
                                 Format(h.dose, "##0.000")};
  for (int i = 1; i <= 300; ++i) items.push_back(Format(h.spectrum[i], "0.000E+00"));
  items.push_back(h.site);
  std::string text;
  for (int line = 0; line < lines; ++line) text += items[line] + "\r\n";
  Write("Vorn2PDD.dat", text);
}

void PddFolder::Start(DepthDoseCalculation& module) const
{
  module.ReadHandoverFile();
  module.LoadAttenuationData();
}

}  // namespace vorn::pdd::test
