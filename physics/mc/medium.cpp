#include "physics/mc/medium.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "physics/mc/constants.h"
#include "physics/mc/interactions.h"

namespace vorn::mc {

namespace {

// Spacing of the scattering-function tables in x [1/Angstrom]: fine enough
// that linear interpolation follows the steep rise of S and fall of F^2.
constexpr double kTableStep_x = 0.005;

// Points of the angular-density normalisation integrals.
constexpr int kNormPoints = 256;

double XMax(const EnergyGrid& grid) { return 1.001 * grid.E_max() / kHc_keV_Angstrom; }

int TablePoints(double x_max) { return static_cast<int>(std::ceil(x_max / kTableStep_x)) + 1; }

// 2 pi times the integral over mu in [-1, 1] of g(mu). With mu = 1 - 2 x^2/k^2
// the forward peak of the form factor sits at small x; the substitution
// x = k t^2 crowds the points there further. Simpson's rule in t.
template <class F>
double SphereIntegral(double E_keV, F g)
{
  const double k = E_keV / kHc_keV_Angstrom;
  double sum = 0.0;
  for (int j = 0; j <= kNormPoints; ++j) {
    const double t = static_cast<double>(j) / kNormPoints;
    const double x = k * t * t;
    const double mu = 1.0 - 2.0 * x * x / (k * k);
    // dmu = 4 x dx / k^2 and dx = 2 k t dt.
    const double jacobian = 4.0 * x / (k * k) * 2.0 * k * t;
    const double w = (j == 0 || j == kNormPoints) ? 1.0 : (j % 2 == 1 ? 4.0 : 2.0);
    sum += w * g(mu, x) * jacobian;
  }
  return 2.0 * kPi * sum / (3.0 * kNormPoints);
}

}  // namespace

std::shared_ptr<const EnergyGrid> MakeEnergyGrid(const std::vector<physics::Material>& materials, double E_max_keV)
{
  std::vector<double> edges;
  for (const physics::Material& m : materials)
    for (const physics::ElementFraction& e : m.elements)
      for (const double edge : physics::AbsorptionEdges_keV(e.Z, kCutoff_keV, E_max_keV)) edges.push_back(edge);
  // 500 points per decade: neighbouring points 0.46 % apart, so linear
  // interpolation of an E^-3 photoabsorption errs by at most 3e-5.
  return std::make_shared<const EnergyGrid>(kCutoff_keV, E_max_keV, 500, edges);
}

EnergyAbsorption::EnergyAbsorption(const physics::Material& material, std::shared_ptr<const EnergyGrid> grid)
    : name_(material.name), grid_(std::move(grid))
{
  mu_en_rho_.reserve(grid_->size());
  for (const double E : grid_->energies()) mu_en_rho_.push_back(physics::MassEnergyAbsorption(material, E));
}

Medium::Medium(const physics::Material& material, std::shared_ptr<const EnergyGrid> grid)
    : name_(material.name), density_(material.density_g_cm3), grid_(std::move(grid))
{
  if (!(density_ > 0.0)) throw std::invalid_argument("Medium " + name_ + ": density must be above 0");
  if (grid_->E_max() > 1000.0) throw std::invalid_argument("Medium " + name_ + ": the grid must end below 1 MeV");
  const std::vector<double>& E = grid_->energies();

  rows_.reserve(E.size());
  std::vector<double> photo(E.size());
  for (std::size_t i = 0; i < E.size(); ++i) {
    const physics::MassCoefficients c = physics::MassCoeffs(material, E[i]);
    const double total = c.total();
    photo[i] = c.photoelectric;
    rows_.push_back({density_ * total, c.photoelectric / total, (c.photoelectric + c.coherent) / total,
                     density_ * physics::MassEnergyAbsorption(material, E[i])});
  }

  // Scattering functions of the mixture, weighted by atoms per gram (w / A).
  struct Atom {
    int Z;
    double n;  // mol per g
  };
  std::vector<Atom> atoms;
  double electrons = 0.0;  // S at large x: electrons per gram (in mol)
  for (const physics::ElementFraction& e : material.elements) {
    atoms.push_back({e.Z, e.mass_fraction / physics::AtomicWeight(e.Z)});
    electrons += atoms.back().n * e.Z;
  }
  const double x_max = XMax(*grid_);
  const int n = TablePoints(x_max);
  S_ = std::make_unique<IncoherentFunctionTable>(
      [&](double x) {
        if (x <= 0.0) return 0.0;  // S(0) = 0: no momentum, no ejected electron
        double s = 0.0;
        for (const Atom& a : atoms) s += a.n * physics::IncoherentScatteringFunction(a.Z, x);
        return s / electrons;
      },
      x_max, n);
  incoherent_sampler_ = std::make_unique<IncoherentSampler>(grid_->E_min(), grid_->E_max(), *S_);
  F2_ = std::make_unique<CoherentFormTable>(
      [&](double x) {
        double f2 = 0.0;
        for (const Atom& a : atoms) {
          const double F = physics::AtomicFormFactor(a.Z, x);
          f2 += a.n * F * F;
        }
        return f2;
      },
      x_max, n);

  // K fluorescence wherever a line is above the cut-off and the edge is in range.
  for (const physics::ElementFraction& e : material.elements) {
    const double yield = physics::KFluorescenceYield(e.Z);
    const double edge = physics::KEdge_keV(e.Z);
    Channel channel;
    for (const FluorescenceLine& l : KLines(e.Z))
      if (l.E_keV > kCutoff_keV) channel.lines.push_back(l);
    if (yield <= 0.0 || edge <= 0.0 || edge >= grid_->E_max() || channel.lines.empty()) continue;
    double kept = 0.0;
    for (const FluorescenceLine& l : channel.lines) kept += l.probability;
    channel.probability.resize(E.size());
    for (std::size_t i = 0; i < E.size(); ++i) {
      const double element_share =
          photo[i] > 0.0 ? e.mass_fraction * physics::PhotoelectricMassCoeff(e.Z, E[i]) / photo[i] : 0.0;
      channel.probability[i] = element_share * physics::KShellPhotoFraction(e.Z, E[i]) * yield * kept;
    }
    for (FluorescenceLine& l : channel.lines) l.probability /= kept;
    channels_.push_back(std::move(channel));
  }

  coherent_norm_.reserve(E.size());
  incoherent_norm_.reserve(E.size());
  for (const double Ei : E) {
    coherent_norm_.push_back(
        SphereIntegral(Ei, [&](double mu, double x) { return 0.5 * (1.0 + mu * mu) * F2_->F2(x); }));
    incoherent_norm_.push_back(
        SphereIntegral(Ei, [&](double mu, double x) { return KleinNishinaPerSolidAngle(Ei, mu) * (*S_)(x); }));
  }
}

std::vector<Medium::LineChance> Medium::FluorescenceChances(GridPoint g) const
{
  std::vector<LineChance> chances;
  for (const Channel& c : channels_) {
    const double p = EnergyGrid::interpolate(c.probability, g);
    if (p <= 0.0) continue;
    for (const FluorescenceLine& l : c.lines) chances.push_back({l.E_keV, p * l.probability});
  }
  return chances;
}

double Medium::CoherentDensity(double E_keV, GridPoint g, double mu) const
{
  const double norm = EnergyGrid::interpolate(coherent_norm_, g);
  return 0.5 * (1.0 + mu * mu) * F2_->F2(MomentumTransfer(E_keV, mu)) / norm;
}

double Medium::IncoherentDensity(double E_keV, GridPoint g, double mu) const
{
  const double norm = EnergyGrid::interpolate(incoherent_norm_, g);
  return KleinNishinaPerSolidAngle(E_keV, mu) * (*S_)(MomentumTransfer(E_keV, mu)) / norm;
}

}  // namespace vorn::mc
