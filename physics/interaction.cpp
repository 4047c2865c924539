// Elemental cross sections from xraylib, extended above its 800 keV limit,
// and the mixture sums built on them.
#include "physics/interaction.h"

#include <xraylib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <stdexcept>
#include <string>

#include "physics/constants.h"
#include "physics/klein_nishina.h"
#include "physics/pair_production.h"
#include "physics/xrl_call.h"

namespace vorn::physics {
namespace {

// xraylib's partial cross sections end a little above 800 keV for every element.
constexpr double kXrlTop_keV = 800.0;

std::string Args(int Z, double E_keV)
{
  return "(Z=" + std::to_string(Z) + ", E=" + std::to_string(E_keV) + " keV)";
}

void CheckZ(int Z)
{
  if (Z < 1 || Z > kMaxZ)
    throw std::invalid_argument("no element with atomic number " + std::to_string(Z) +
                                " (the interaction data cover Z = 1 to " + std::to_string(kMaxZ) + ")");
}

void CheckEnergy(double E_keV)
{
  // A relative tolerance lets grid arithmetic land on the end points.
  if (!(E_keV >= kMinEnergy_keV * (1.0 - 1e-12) && E_keV <= kMaxEnergy_keV * (1.0 + 1e-12)))
    throw std::domain_error("photon energy " + std::to_string(E_keV) +
                            " keV is outside the interaction data (1 keV to 10 MeV)");
}

void Check(int Z, double E_keV)
{
  CheckZ(Z);
  CheckEnergy(E_keV);
}

// Shape of Sauter's K-shell photoelectric cross section (relativistic Born
// approximation, binding neglected in the kinematics); only ratios are used.
double SauterShape(double E_keV)
{
  const double k = E_keV / kElectronRestEnergy_keV;
  const double gamma = k + 1.0;
  const double p = std::sqrt(gamma * gamma - 1.0);
  const double bracket =
      4.0 / 3.0 + gamma * (gamma - 2.0) / (gamma + 1.0) *
                      (1.0 - std::log(gamma + p) / (gamma * p));  // ln((g+p)/(g-p)) = 2 ln(g+p)
  return p * p * p / std::pow(k, 5) * bracket;
}

double MassPerAtom_g(int Z)
{
  return AtomicWeight(Z) / kAvogadro;
}

// Mean energy of the lines of one shell (lines first_line down to last_line
// in xraylib's numbering), weighted by their radiative rates; 0 when none.
double MeanLineEnergy(int Z, int first_line, int last_line)
{
  double rate_sum = 0.0, energy_sum = 0.0;
  for (int line = first_line; line >= last_line; --line) {
    double rate = 0.0, energy = 0.0;
    if (!detail::XrlTry(rate, RadRate, Z, line) || !detail::XrlTry(energy, LineEnergy, Z, line)) continue;
    if (rate <= 0.0 || energy <= 0.0) continue;
    rate_sum += rate;
    energy_sum += rate * energy;
  }
  return rate_sum > 0.0 ? energy_sum / rate_sum : 0.0;
}

struct ShellLines {
  int shell, first_line, last_line;
};
constexpr ShellLines kLShells[] = {
    {L1_SHELL, L1L2_LINE, L1P5_LINE}, {L2_SHELL, L2L3_LINE, L2Q1_LINE}, {L3_SHELL, L3M1_LINE, L3Q1_LINE}};

double JumpRatio(int Z, int shell)
{
  double jump = 1.0;
  if (!detail::XrlTry(jump, JumpFactor, Z, shell) || jump < 1.0) return 1.0;
  return jump;
}

double FluorYieldOrZero(int Z, int shell)
{
  double y = 0.0;
  return detail::XrlTry(y, FluorYield, Z, shell) ? y : 0.0;
}

double RawPhoto(int Z, double E_keV)
{
  return detail::XrlCall([&] { return "CS_Photo" + Args(Z, E_keV); }, CS_Photo, Z, E_keV);
}

// The energy at which xraylib's photoelectric data jump near the tabulated
// edge energy: the data carry their own edge values, which differ from
// EdgeEnergy() by up to 0.5 %. The largest rise between neighbouring samples
// of the bracket marks the jump (the data may also rise smoothly just above an
// M edge); bisection then narrows it down. 0 when the data show no jump of at
// least 0.1 %.
double DataEdge(int Z, double edge_keV, double half_width)
{
  if (edge_keV > kXrlTop_keV || edge_keV * (1.0 - half_width) < 0.1) return 0.0;
  constexpr int kSamples = 200;
  const double lo = edge_keV * (1.0 - half_width), step = 2.0 * half_width * edge_keV / kSamples;
  double best_ratio = 0.0, a = lo, b = lo;
  double previous = RawPhoto(Z, lo);
  for (int i = 1; i <= kSamples; ++i) {
    const double x = lo + step * i;
    const double f = RawPhoto(Z, x);
    if (f / previous > best_ratio) {
      best_ratio = f / previous;
      a = x - step;
      b = x;
    }
    previous = f;
  }
  double fa = RawPhoto(Z, a), fb = RawPhoto(Z, b);
  while (b - a > 1e-10 * edge_keV) {
    const double m = 0.5 * (a + b);
    const double fm = RawPhoto(Z, m);
    if (fm / fa >= fb / fm) {
      b = m;
      fb = fm;
    } else {
      a = m;
      fa = fm;
    }
  }
  return fb / fa > 1.001 ? b : 0.0;
}

double SearchKEdge(int Z)
{
  double tabulated = 0.0;
  if (!detail::XrlTry(tabulated, EdgeEnergy, Z, K_SHELL) || tabulated <= 0.0) return 0.0;
  double l1 = 0.0;
  double half_width = 0.01;
  if (detail::XrlTry(l1, EdgeEnergy, Z, L1_SHELL) && l1 > 0.0)
    half_width = std::min(half_width, 0.5 * (tabulated - l1) / tabulated);
  const double edge = DataEdge(Z, tabulated, half_width);
  return edge > 0.0 ? edge : tabulated;
}

}  // namespace

double PhotoelectricMassCoeff(int Z, double E_keV)
{
  Check(Z, E_keV);
  if (E_keV <= kXrlTop_keV) return RawPhoto(Z, E_keV);
  return RawPhoto(Z, kXrlTop_keV) * SauterShape(E_keV) / SauterShape(kXrlTop_keV);
}

double CoherentMassCoeff(int Z, double E_keV)
{
  Check(Z, E_keV);
  const double E = std::min(E_keV, kXrlTop_keV);
  const double value = detail::XrlCall([&] { return "CS_Rayl" + Args(Z, E); }, CS_Rayl, Z, E);
  // Far above the binding energies coherent scattering falls as 1/E^2.
  return E_keV <= kXrlTop_keV ? value : value * (kXrlTop_keV / E_keV) * (kXrlTop_keV / E_keV);
}

double IncoherentMassCoeff(int Z, double E_keV)
{
  Check(Z, E_keV);
  const double E = std::min(E_keV, kXrlTop_keV);
  const double value = detail::XrlCall([&] { return "CS_Compt" + Args(Z, E); }, CS_Compt, Z, E);
  if (E_keV <= kXrlTop_keV) return value;
  // The free-electron cross section, less the binding deficit found at
  // 800 keV; that deficit comes from forward angles whose solid angle shrinks
  // with energy, so it is taken to fall as 1/E.
  const double free_800 = Z * KleinNishinaCrossSection_cm2(kXrlTop_keV) / MassPerAtom_g(Z);
  const double deficit = (1.0 - value / free_800) * kXrlTop_keV / E_keV;
  return Z * KleinNishinaCrossSection_cm2(E_keV) / MassPerAtom_g(Z) * (1.0 - deficit);
}

double PairNuclearMassCoeff(int Z, double E_keV)
{
  Check(Z, E_keV);
  return PairNuclearCrossSection_cm2(Z, E_keV) / MassPerAtom_g(Z);
}

double PairElectronMassCoeff(int Z, double E_keV)
{
  Check(Z, E_keV);
  return PairElectronCrossSection_cm2(Z, E_keV) / MassPerAtom_g(Z);
}

double AtomicFormFactor(int Z, double x)
{
  CheckZ(Z);
  if (!(x >= 0.0) || !std::isfinite(x))
    throw std::domain_error("form factor: momentum transfer must be 0 or more, got " + std::to_string(x));
  return detail::XrlCall([&] { return "FF_Rayl(Z=" + std::to_string(Z) + ", x=" + std::to_string(x) + ")"; },
                         FF_Rayl, Z, x);
}

double IncoherentScatteringFunction(int Z, double x)
{
  CheckZ(Z);
  if (!(x >= 0.0) || !std::isfinite(x))
    throw std::domain_error("incoherent scattering function: momentum transfer must be 0 or more, got " +
                            std::to_string(x));
  if (x == 0.0) return 0.0;  // no momentum transfer, no ionisation; xraylib refuses x = 0
  return detail::XrlCall([&] { return "SF_Compt(Z=" + std::to_string(Z) + ", x=" + std::to_string(x) + ")"; },
                         SF_Compt, Z, x);
}

std::vector<double> AbsorptionEdges_keV(int Z, double lo_keV, double hi_keV)
{
  CheckZ(Z);
  std::vector<double> tabulated;
  for (int shell = K_SHELL; shell <= M5_SHELL; ++shell) {
    double edge = 0.0;
    if (detail::XrlTry(edge, EdgeEnergy, Z, shell) && edge > 0.0) tabulated.push_back(edge);
  }
  std::sort(tabulated.begin(), tabulated.end());
  std::vector<double> edges;
  for (std::size_t i = 0; i < tabulated.size(); ++i) {
    // Search no farther than halfway to a neighbouring edge, and at most 1 %.
    double half_width = 0.01;
    if (i > 0) half_width = std::min(half_width, 0.5 * (tabulated[i] - tabulated[i - 1]) / tabulated[i]);
    if (i + 1 < tabulated.size())
      half_width = std::min(half_width, 0.5 * (tabulated[i + 1] - tabulated[i]) / tabulated[i]);
    if (half_width <= 0.0) continue;
    const double edge = DataEdge(Z, tabulated[i], half_width);
    if (edge > 0.0 && edge >= lo_keV && edge <= hi_keV) edges.push_back(edge);
  }
  return edges;
}

double KEdge_keV(int Z)
{
  CheckZ(Z);
  // The photoelectric fractions need the K edge at every call; the search
  // runs once for all elements (a function-local static is initialised once,
  // safely, whichever thread gets there first).
  static const std::array<double, kMaxZ + 1> edges = [] {
    std::array<double, kMaxZ + 1> e{};
    for (int z = 1; z <= kMaxZ; ++z) e[z] = SearchKEdge(z);
    return e;
  }();
  return edges[Z];
}

namespace {

// What the fluorescence sums need of one element; it depends on nothing else.
// xraylib answers each line an element lacks with a newly allocated error
// message, and the tables ask at every energy point, so it is read once.
struct ShellFluorescence {
  double edge_keV = 0.0;  // 0: none
  double jump_ratio = 1.0;
  double yield = 0.0;
  double mean_line_keV = 0.0;
};
struct ElementFluorescence {
  double k_jump_ratio = 1.0;
  double k_yield = 0.0;
  double k_mean_line_keV = 0.0;
  bool has_kl2 = false, has_kl3 = false;
  double kl2_rate = 0.0, kl3_rate = 0.0;
  std::array<ShellFluorescence, 3> l;  // L1, L2, L3
};

ElementFluorescence ReadFluorescence(int Z)
{
  ElementFluorescence f;
  f.k_jump_ratio = JumpRatio(Z, K_SHELL);
  f.k_yield = FluorYieldOrZero(Z, K_SHELL);
  f.k_mean_line_keV = MeanLineEnergy(Z, KL1_LINE, KP5_LINE);
  f.has_kl2 = detail::XrlTry(f.kl2_rate, RadRate, Z, KL2_LINE);
  f.has_kl3 = detail::XrlTry(f.kl3_rate, RadRate, Z, KL3_LINE);
  for (std::size_t i = 0; i < f.l.size(); ++i) {
    const ShellLines& s = kLShells[i];
    ShellFluorescence& out = f.l[i];
    double edge = 0.0;
    if (detail::XrlTry(edge, EdgeEnergy, Z, s.shell) && edge > 0.0) out.edge_keV = edge;
    out.jump_ratio = JumpRatio(Z, s.shell);
    out.yield = FluorYieldOrZero(Z, s.shell);
    out.mean_line_keV = MeanLineEnergy(Z, s.first_line, s.last_line);
  }
  return f;
}

const ElementFluorescence& Fluorescence(int Z)
{
  static std::array<std::once_flag, kMaxZ + 1> once;
  static std::array<ElementFluorescence, kMaxZ + 1> elements;
  std::call_once(once[Z], [Z] { elements[Z] = ReadFluorescence(Z); });
  return elements[Z];
}

}  // namespace

double KShellPhotoFraction(int Z, double E_keV)
{
  Check(Z, E_keV);
  if (Z <= 2) return 1.0;  // the K shell is the only one
  const double edge = KEdge_keV(Z);
  if (edge <= 0.0 || E_keV < edge) return 0.0;
  return 1.0 - 1.0 / Fluorescence(Z).k_jump_ratio;
}

double KFluorescenceYield(int Z)
{
  CheckZ(Z);
  return Fluorescence(Z).k_yield;
}

double MeanKLineEnergy_keV(int Z)
{
  CheckZ(Z);
  return Fluorescence(Z).k_mean_line_keV;
}

double MeanFluorescenceEnergy_keV(int Z, double E_keV)
{
  Check(Z, E_keV);
  const ElementFluorescence& f = Fluorescence(Z);
  const double pK = KShellPhotoFraction(Z, E_keV);
  const double wK = f.k_yield;
  double X = pK * wK * f.k_mean_line_keV;
  // A K alpha line leaves a vacancy in L2 or L3, which may fluoresce in turn;
  // in heavy elements that adds a few keV per K absorption.
  if (pK > 0.0 && wK > 0.0) {
    if (f.has_kl2) X += pK * wK * f.kl2_rate * f.l[1].yield * f.l[1].mean_line_keV;
    if (f.has_kl3) X += pK * wK * f.kl3_rate * f.l[2].yield * f.l[2].mean_line_keV;
  }
  double rest = 1.0 - pK;
  for (const ShellFluorescence& s : f.l) {
    if (s.edge_keV <= 0.0 || E_keV < s.edge_keV) continue;
    const double p = rest * (1.0 - 1.0 / s.jump_ratio);
    X += p * s.yield * s.mean_line_keV;
    rest -= p;
  }
  return X;
}

MassCoefficients MassCoeffs(const Material& material, double E_keV)
{
  CheckEnergy(E_keV);
  MassCoefficients sum;
  for (const ElementFraction& e : material.elements) {
    sum.coherent += e.mass_fraction * CoherentMassCoeff(e.Z, E_keV);
    sum.incoherent += e.mass_fraction * IncoherentMassCoeff(e.Z, E_keV);
    sum.photoelectric += e.mass_fraction * PhotoelectricMassCoeff(e.Z, E_keV);
    if (E_keV > 2.0 * kElectronRestEnergy_keV)
      sum.pair += e.mass_fraction * (PairNuclearMassCoeff(e.Z, E_keV) + PairElectronMassCoeff(e.Z, E_keV));
  }
  return sum;
}

double MassAttenuation(const Material& material, double E_keV)
{
  return MassCoeffs(material, E_keV).total();
}

double LinearAttenuation(const Material& material, double E_keV)
{
  return MassAttenuation(material, E_keV) * material.density_g_cm3;
}

double MassEnergyAbsorption(const Material& material, double E_keV)
{
  CheckEnergy(E_keV);
  const double transfer_kn = KleinNishinaEnergyTransferFraction(E_keV);
  const double pair_share = std::max(0.0, 1.0 - 2.0 * kElectronRestEnergy_keV / E_keV);
  double sum = 0.0;
  for (const ElementFraction& e : material.elements) {
    const double photo = PhotoelectricMassCoeff(e.Z, E_keV);
    const double photo_kept = photo > 0.0 ? 1.0 - MeanFluorescenceEnergy_keV(e.Z, E_keV) / E_keV : 0.0;
    double element = photo * photo_kept + IncoherentMassCoeff(e.Z, E_keV) * transfer_kn;
    if (pair_share > 0.0)
      element += (PairNuclearMassCoeff(e.Z, E_keV) + PairElectronMassCoeff(e.Z, E_keV)) * pair_share;
    sum += e.mass_fraction * element;
  }
  return sum;
}

}  // namespace vorn::physics
