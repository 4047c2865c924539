// A fresh working folder per test with small synthetic tables: soft-tissue
// coefficients and primary factors chosen so that the program's interpolations
// reproduce them exactly, and scatter kernels given by a function.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "beam/energy_bins.h"
#include "depthdose/depth_dose_calculation.h"

namespace vorn::pdd::test {

namespace fs = std::filesystem;

// Partial coefficients (1/cm) as power laws of E, so that log-log
// interpolation between any two rows gives them exactly.
double SyntheticMu(double E_keV);
// exp of a straight line in E, so that log-linear interpolation is exact.
double SyntheticPrimary(double E_keV);

// Kernel value of ring m at slab j for the kernel energy E.
using KernelFn = std::function<double(int E_keV, int m, int j)>;

struct Handover {
  double kV = 75, FFD = 100, FSD = 80, thickness = 20, length = 10, width = 8, dose = 1.2;
  EnergyBinArray spectrum{};
  std::string site = "Abdomen-F";
};

class PddFolder : public ::testing::Test {
protected:
  PddFolder();
  ~PddFolder() override;

  fs::path File(const fs::path& name) const { return folder_ / name; }
  void Write(const fs::path& name, std::string_view content) const;
  std::string Read(const fs::path& name) const;

  // ICRUSoft.dat with rows at the given energies (keV).
  void WriteAttenuation(const std::vector<double>& energies_keV) const;
  void WriteAttenuation() const;  // 37 rows from 1 to 200 keV
  void WritePrimary() const;
  void WriteKernels(const KernelFn& kernel) const;
  // Vorn2PDD.dat as the main program writes it, cut after `lines` lines.
  void WriteHandover(const Handover& h, int lines = 308) const;

  // Reads the hand-over and the tables into module.
  void Start(DepthDoseCalculation& module) const;

  fs::path folder_;
};

}  // namespace vorn::pdd::test
