// The transport's samplers against the engine as it was (tests/mc/reference):
// both draw the same distributions of angles and energies, each checked by
// chi-square on binned samples against the bins' shares of the density they
// are to draw; fluorescence lines and directions against their exact shares.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <map>
#include <vector>

#include "physics/mc/constants.h"
#include "physics/mc/interactions.h"
#include "tests/mc/reference/reference_engine.h"
#include "tests/mc/test_media.h"

namespace vorn::mc {
namespace {

using testing::TestMedia;

// The chi-square a correct sampler exceeds with probability 1e-5 (Wilson and
// Hilferty's approximation of the quantile).
double ChiSquareLimit(int dof)
{
  const double k = dof, z = 4.265;
  const double c = 1.0 - 2.0 / (9.0 * k) + z * std::sqrt(2.0 / (9.0 * k));
  return k * c * c * c;
}

// Pearson's chi-square of counts against expected shares (summing to 1),
// checked against the limit for bins - 1 degrees of freedom.
void ExpectShares(const std::vector<int>& counts, const std::vector<double>& shares, const std::string& what)
{
  double n = 0.0, chi2 = 0.0;
  for (const int c : counts) n += c;
  for (std::size_t i = 0; i < counts.size(); ++i) {
    const double e = n * shares[i];
    chi2 += (counts[i] - e) * (counts[i] - e) / e;
  }
  EXPECT_LT(chi2, ChiSquareLimit(static_cast<int>(counts.size()) - 1)) << what;
}

// Bins of mu (ascending edges) and the shares a density on mu gives them
// (Simpson's rule within each bin).
std::vector<double> Shares(const std::vector<double>& edges, const std::function<double(double)>& density)
{
  std::vector<double> shares;
  double total = 0.0;
  for (std::size_t b = 0; b + 1 < edges.size(); ++b) {
    const int n = 400;
    const double h = (edges[b + 1] - edges[b]) / n;
    double sum = 0.0;
    for (int k = 0; k <= n; ++k) sum += (k == 0 || k == n ? 1.0 : k % 2 ? 4.0 : 2.0) * density(edges[b] + k * h);
    shares.push_back(sum * h / 3.0);
    total += shares.back();
  }
  for (double& x : shares) x /= total;
  return shares;
}

int BinOf(const std::vector<double>& edges, double mu)
{
  const auto it = std::upper_bound(edges.begin() + 1, edges.end() - 1, mu);
  return static_cast<int>(it - edges.begin()) - 1;
}

// 45 bins uniform in sin(theta / 2) (as fine forward as the scattering
// functions are, and not aligned with the sampler's own 64).
std::vector<double> AngleEdges()
{
  std::vector<double> edges;
  for (int j = 45; j >= 0; --j) edges.push_back(1.0 - 2.0 * (j / 45.0) * (j / 45.0));
  return edges;
}

TEST(SamplersAgainstTheReference, IncoherentAnglesAndEnergies)
{
  // The current sampler and the reference (Kahn's method with S by
  // rejection) against the density both are to draw, Klein-Nishina x S(x),
  // integrated over bins of angle and of scattered energy, at energies
  // between grid points in bone (calcium's binding) and soft tissue.
  const TestMedia& m = TestMedia::get();
  const int n_new = 600000, n_old = 150000;
  const std::vector<double> angles = AngleEdges();
  for (const auto& [medium, E] : {std::pair{m.bone(), 12.31}, std::pair{m.soft(), 47.13}, std::pair{m.soft(), 149.7}}) {
    const IncoherentFunctionTable& S = medium->incoherent_function();
    const auto density = [&](double mu) { return KleinNishinaPerSolidAngle(E, mu) * S(MomentumTransfer(E, mu)); };
    // 20 bins of equal width in the scattered energy, as bins of mu.
    const double alpha = E / kElectronRestEnergy_keV, E_low = ComptonEnergy(E, -1.0);
    std::vector<double> energies;
    for (int j = 0; j <= 20; ++j) {
      const double E1 = E_low + (E - E_low) * j / 20.0;
      energies.push_back(j == 0 ? -1.0 : j == 20 ? 1.0 : 1.0 - (E / E1 - 1.0) / alpha);
    }
    const std::vector<double> angle_shares = Shares(angles, density), energy_shares = Shares(energies, density);

    std::vector<int> angle_new(45), energy_new(20), angle_old(45), energy_old(20);
    Rng rng(41, static_cast<std::uint64_t>(E));
    for (int i = 0; i < n_new; ++i) {
      const ScatterSample s = medium->incoherent_sampler().Sample(E, rng);
      ASSERT_NEAR(s.E_keV, ComptonEnergy(E, s.mu), 1e-12 * E);
      ++angle_new[BinOf(angles, s.mu)];
      ++energy_new[BinOf(energies, s.mu)];
    }
    reference::PhiloxRng old_rng(42, static_cast<std::uint64_t>(E));
    for (int i = 0; i < n_old; ++i) {
      const reference::ScatterSample r = reference::SampleIncoherent(E, S, old_rng);
      ++angle_old[BinOf(angles, r.mu)];
      ++energy_old[BinOf(energies, r.mu)];
    }
    const std::string what = medium->name() + " at " + std::to_string(E) + " keV";
    ExpectShares(angle_new, angle_shares, what + ", angles");
    ExpectShares(energy_new, energy_shares, what + ", energies");
    ExpectShares(angle_old, angle_shares, what + ", angles of the reference");
    ExpectShares(energy_old, energy_shares, what + ", energies of the reference");
  }
}

TEST(SamplersAgainstTheReference, CoherentAngles)
{
  // Thomson x F^2 as both samplers draw it: (1 + mu^2) / 2 times the
  // density of s = x^2 that the table's cumulative defines (its slope).
  const TestMedia& m = TestMedia::get();
  const int n_new = 600000, n_old = 100000;
  const std::vector<double> angles = AngleEdges();
  for (const auto& [medium, E] : {std::pair{m.bone(), 12.31}, std::pair{m.soft(), 47.13}, std::pair{m.soft(), 149.7}}) {
    const CoherentFormTable& F2 = medium->form_factor();
    const double k = E / kHc_keV_Angstrom;
    const auto density = [&](double mu) {
      const double s = k * k * 0.5 * (1.0 - mu), ds = 1e-7 * k * k;
      const double slope = (F2.cumulative(std::min(s + ds, k * k)) - F2.cumulative(std::max(s - ds, 0.0))) /
                           (std::min(s + ds, k * k) - std::max(s - ds, 0.0));
      return 0.5 * (1.0 + mu * mu) * slope;
    };
    const std::vector<double> shares = Shares(angles, density);
    std::vector<int> angle_new(45), angle_old(45);
    Rng rng(43, static_cast<std::uint64_t>(E));
    for (int i = 0; i < n_new; ++i) ++angle_new[BinOf(angles, SampleCoherentMu(E, F2, rng))];
    reference::PhiloxRng old_rng(44, static_cast<std::uint64_t>(E));
    for (int i = 0; i < n_old; ++i) ++angle_old[BinOf(angles, reference::SampleCoherentMu(E, F2, old_rng, true))];
    const std::string what = medium->name() + " at " + std::to_string(E) + " keV";
    ExpectShares(angle_new, shares, what);
    ExpectShares(angle_old, shares, what + ", reference");
  }
}

TEST(SamplersAgainstTheReference, FluorescenceLinesInTheirShares)
{
  // Bone above calcium's K edge, soft tissue at 10 keV: each line and "none"
  // against the medium's own chances.
  const TestMedia& m = TestMedia::get();
  const int n = 200000;
  for (const auto& [medium, E] : {std::pair{m.bone(), 47.13}, std::pair{m.soft(), 10.0}}) {
    const GridPoint g = m.grid->locate(E);
    std::map<double, double> expected{{0.0, 1.0}};
    for (const Medium::LineChance& c : medium->FluorescenceChances(g)) {
      expected[c.E_keV] += c.probability;
      expected[0.0] -= c.probability;
    }
    ASSERT_GT(expected.size(), 2u) << medium->name();
    std::map<double, int> counts;
    Rng rng(45, 0);
    for (int i = 0; i < n; ++i) ++counts[medium->SampleFluorescence(g, rng)];
    double chi2 = 0.0;
    for (const auto& [line, count] : counts) ASSERT_TRUE(expected.count(line)) << line << " keV is no line";
    for (const auto& [line, p] : expected) {
      const double e = n * p;
      chi2 += (counts[line] - e) * (counts[line] - e) / e;
    }
    EXPECT_LT(chi2, ChiSquareLimit(static_cast<int>(expected.size()) - 1)) << medium->name();
  }
}

TEST(SamplersAgainstTheReference, IsotropicDirectionsFillTheSphereEvenly)
{
  // 10 bands of equal solid angle (in mu) times 12 sectors of azimuth, each
  // 1/120 of the sphere; the azimuth by its cosine and sine, without trigonometry.
  const int n = 240000, bands = 10, sectors = 12;
  std::vector<int> counts(bands * sectors);
  Rng rng(47, 0);
  for (int i = 0; i < n; ++i) {
    const Vec3 u = SampleIsotropic(rng);
    ASSERT_NEAR(norm(u), 1.0, 1e-14);
    const int band = std::min(bands - 1, static_cast<int>((u.z + 1.0) * 0.5 * bands));
    const double phi = std::atan2(u.y, u.x) + kPi;
    const int sector = std::min(sectors - 1, static_cast<int>(phi / (2.0 * kPi) * sectors));
    ++counts[band * sectors + sector];
  }
  double chi2 = 0.0;
  const double e = static_cast<double>(n) / (bands * sectors);
  for (const int c : counts) chi2 += (c - e) * (c - e) / e;
  EXPECT_LT(chi2, ChiSquareLimit(bands * sectors - 1));
}

}  // namespace
}  // namespace vorn::mc
