#include "synthetic_tables.h"

#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace vorn::testing {
namespace {

double E(int i) { return BinEnergy_keV(i); }

}  // namespace

AttenuationData SyntheticAttenuation()
{
  AttenuationData a;
  for (int i = 1; i <= kLastBin; ++i) {
    const double e = E(i);
    // Tungsten, K edge at 69.525 keV (mass coefficients fitted by eye to
    // published values at 30, 60, 100 and 150 keV), times 19.3 g/cm3.
    const double w = e < 69.525 ? 1.58e5 * std::pow(e, -2.6) : 5.59e5 * std::pow(e, -2.55);
    a.MuTarget[i] = 19.3 * (w + 0.05);
    // Aluminium, K edge at 1.56 keV, times 2.699 g/cm3.
    const double al = e < 1.56 ? 2.6e4 / 11.0 : 2.6e4;
    a.MuAl[i] = 2.699 * (0.15 + al * std::pow(e, -3.0));
    // Copper, K edge at 8.98 keV, times 8.96 g/cm3.
    const double cu = e < 8.98 ? 1.48e5 / 8.0 : 1.48e5;
    a.MuCu[i] = 8.96 * (0.12 + cu * std::pow(e, -2.8));
    // Mass energy-absorption coefficients.
    a.MuenAir[i] = 4.6e3 * std::pow(e, -3.0) + 0.023;
    a.MuenSoft[i] = 4.9e3 * std::pow(e, -3.0) + 0.0255;
    a.MuenSkin[i] = 4.8e3 * std::pow(e, -3.0) + 0.025;
  }
  return a;
}

DiffBsfData SyntheticDiffBsf()
{
  DiffBsfData d;
  d.DbsfGrid = MakeDbsfGrid();
  // Ring n's share falls off with radius like r exp(-r / 3 cm); the total
  // (BSF - 1 of an infinite field) rises with energy towards about 0.4.
  const double mediumScale[3] = {1.0, 1.05, 0.98};
  DbsfTable* const tables[3] = {&d.DbsfSoftDose, &d.DbsfAirDose, &d.DbsfSkinDose};
  for (int m = 0; m < 3; ++m) {
    for (int h = 0; h <= 1; ++h) {
      for (int j = 1; j <= kLastGridColumn; ++j) {
        const double total =
            0.4 * d.DbsfGrid[j] / (d.DbsfGrid[j] + 20.0) * mediumScale[m] * (h == 1 ? 0.8 : 1.0);
        for (int n = 1; n <= kLastRing; ++n) {
          const double r = 0.1 * n - 0.05;
          (*tables[m])(h, j, n) = total * r * std::exp(-r / 3.0) * 0.1 / 9.0;
        }
      }
    }
  }
  return d;
}

AtrData SyntheticAtr(const AttenuationData& attenuation)
{
  AtrData atr;
  for (int i = 1; i <= kLastBin; ++i) {
    const double freeInAir = E(i) * attenuation.MuenAir[i];
    const double pmma = 1.19 * (0.16 + 5.0e3 * std::pow(E(i), -3.0));
    atr.AtrTable(0, i) = freeInAir;
    atr.AtrTable(1, i) = freeInAir * std::exp(-2.0 * pmma) * 1.2;
  }
  return atr;
}

OutputData SyntheticOutputData()
{
  OutputData o;
  o.OptionFileName = "vorn_default.op";
  o.OptionFileHeader = "synthetic output";
  for (int k = 1; k <= kOutputPoints; ++k) {
    const double kv = 30.0 + 10.0 * k;  // 40 .. 150 kV
    o.OutputTable(1, k) = kv;
    o.OutputTable(2, k) = 2.58e-7 * (kv / 80.0) * (kv / 80.0);
    o.OutputTable(3, k) = 0.95 * o.OutputTable(2, k);
    o.OutputTable(4, k) = 0.7 * o.OutputTable(2, k);
  }
  for (int t = 1; t <= 3; ++t) {
    o.OutputFilterAl[t] = 0.35;
    o.OutputFilterCu[t] = 0.0;
  }
  return o;
}

void SetStartupCondition(BeamCalculation& module)
{
  ExposureCondition& c = module.Condition;
  c.TargetAngle = 12;
  c.InherentFilterAl = 0.25;
  c.AddedFilterAl = 0.1;
  c.AddedFilterCu = 0;
  c.TubeVoltage = 75;
  c.TubeCurrent = 200;
  c.ExposureTime = 0.05;
  c.FFD = 100;
  c.FSD = 80;
  c.ObjectThickness = 20;
  c.FieldSizeName = "17x14";
  c.FieldLength = 43.2;
  c.FieldWidth = 35.6;
  c.FieldShape = kRectangularField;
  c.RectificationType = kConstantPotential;
  c.OutputSource = kOutputDataTable;
  module.OtherFilter.OtherFilterOn = 0;
  module.OtherFilter.OtherFilterThickness = 0;
  module.Phantom.BsfMethod = kFlatSurface;
  module.Phantom.PhantomModel = 0;
  module.Phantom.HeadFlag = 0;
}

TempFolder::TempFolder()
{
  static std::mt19937_64 engine{std::random_device{}()};
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::ostringstream name;
    name << "vorn-beam-test-" << std::hex << engine();
    const auto candidate = base / name.str();
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder()
{
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

Bench::Bench(Edition edition)
    : module(std::make_unique<BeamCalculation>(edition, folder.path(), windows))
{
  BeamCalculation& mod = *module;
  mod.Attenuation = SyntheticAttenuation();
  mod.DiffBsf = SyntheticDiffBsf();
  mod.Atr = SyntheticAtr(mod.Attenuation);
  mod.Output = SyntheticOutputData();
  SetStartupCondition(mod);
}

std::string ReadBytes(const std::filesystem::path& path)
{
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace vorn::testing
