// Att_coeff2020.dat, ICRUSoft.dat and Primary.dat.
#include <string>
#include <vector>

#include "beam/energy_bins.h"
#include "tools/datagen/deterministic_tables.h"
#include "tools/datagen/output_data_table.h"
#include "tools/datagen/text_out.h"

namespace vorn::datagen {

using physics::Material;

std::string AttCoeffTable()
{
  const AttenuationData a = ComputeAttenuationData();
  std::string out;
  for (int i = 1; i <= kLastBin; ++i) {
    out += Fixed(BinEnergy_keV(i), 5, 1);
    for (const double v : {a.MuTarget[i], a.MuAl[i], a.MuCu[i], a.MuenAir[i], a.MuenSoft[i], a.MuenSkin[i]})
      out += "  " + Sci(v);
    out += kCrLf;
  }
  return out;
}

std::vector<double> IcruSoftGrid_keV()
{
  // Dense where the depth-dose program interpolates (10..150 keV, every
  // 5 keV, log-log between rows), a few rows below, and one row above
  // 150 keV so that 150 keV itself has a row above it.
  std::vector<double> grid = {1, 2, 3, 4, 5, 6, 8};
  for (int E = 10; E <= 150; E += 5) grid.push_back(E);
  grid.push_back(200);
  return grid;
}

std::string IcruSoftTable()
{
  const Material soft = physics::IcruSoftTissue();
  const std::vector<double> grid = IcruSoftGrid_keV();
  // The second number of the first line is not read; it states the density
  // that turns the mass coefficients into these linear ones.
  std::string out = std::to_string(grid.size()) + ",1.06" + std::string(kCrLf);
  for (const double E : grid) {
    const physics::MassCoefficients c = physics::MassCoeffs(soft, E);
    const double rho = soft.density_g_cm3;
    char energy[16];
    std::snprintf(energy, sizeof energy, "%.3f", E / 1000.0);
    out += std::string(energy) + "," + Sci(c.coherent * rho) + "," + Sci(c.incoherent * rho) + "," +
           Sci(c.photoelectric * rho) + std::string(kCrLf);
  }
  return out;
}

double PrimaryFactor(double E_keV)
{
  return E_keV * physics::MassEnergyAbsorption(physics::IcruSoftTissue(), E_keV);
}

std::string PrimaryTable()
{
  std::string out;
  for (int E = 10; E <= 150; E += 5) out += std::to_string(E) + "," + Sci(PrimaryFactor(E)) + std::string(kCrLf);
  // Lines 30 and 31 are read by nobody; no commas, so that any reader that
  // splits items keeps each a single item.
  out += "Primary factors: photon energy (keV) and E x mu_en/rho of ICRU-44 soft tissue (keV cm2/g) "
         "= dose per unit photon fluence";
  out += kCrLf;
  out += "Computed by vorn-datagen from xraylib cross sections; line 32 holds the user name";
  out += kCrLf;
  return out;
}

}  // namespace vorn::datagen
