#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

#include "physics/mc/constants.h"
#include "physics/mc/interactions.h"
#include "physics/mc/source.h"

namespace vorn::mc {
namespace {

struct RunningStats {
  double n = 0.0, sum = 0.0, sum_sq = 0.0;
  void add(double x)
  {
    n += 1.0;
    sum += x;
    sum_sq += x * x;
  }
  double mean() const { return sum / n; }
  double standard_error() const { return std::sqrt((sum_sq / n - mean() * mean()) / (n - 1.0)); }
};

// Textbook Klein-Nishina, per solid angle, up to r_e^2/2: (k'/k)^2 (k'/k + k/k' - sin^2).
double KleinNishinaReference(double E, double mu)
{
  const double k = E / 510.99895;
  const double ratio = 1.0 / (1.0 + k * (1.0 - mu));
  return ratio * ratio * (ratio + 1.0 / ratio - (1.0 - mu * mu));
}

// Mean of f(mu) under the density proportional to w(mu) on [-1, 1], by Simpson's rule.
double DensityMean(const std::function<double(double)>& w, const std::function<double(double)>& f)
{
  const int n = 20000;
  double num = 0.0, den = 0.0;
  for (int i = 0; i <= n; ++i) {
    const double mu = -1.0 + 2.0 * i / n;
    const double c = (i == 0 || i == n) ? 1.0 : (i % 2 ? 4.0 : 2.0);
    num += c * w(mu) * f(mu);
    den += c * w(mu);
  }
  return num / den;
}

TEST(Thomson, SecondMomentOfCosineIsTwoFifths)
{
  // Density (3/8)(1 + mu^2) on [-1, 1] gives <mu> = 0 and <mu^2> = 2/5 (by hand).
  Rng rng(7, 0);
  RunningStats mu1, mu2;
  for (int i = 0; i < 200000; ++i) {
    const double mu = SampleThomsonMu(rng);
    mu1.add(mu);
    mu2.add(mu * mu);
  }
  EXPECT_NEAR(mu2.mean(), 0.4, 5.0 * mu2.standard_error());
  EXPECT_NEAR(mu1.mean(), 0.0, 5.0 * mu1.standard_error());
}

TEST(KleinNishina, MeanEnergyTransferMatchesNumericalIntegration)
{
  for (const double E : {20.0, 60.0, 100.0, 150.0}) {
    const double expected = DensityMean([&](double mu) { return KleinNishinaReference(E, mu); },
                                        [&](double mu) { return 1.0 - 1.0 / (1.0 + E / 510.99895 * (1.0 - mu)); });
    Rng rng(11, static_cast<std::uint64_t>(E));
    RunningStats transfer;
    for (int i = 0; i < 200000; ++i) {
      const ScatterSample s = SampleKleinNishina(E, rng);
      ASSERT_NEAR(s.E_keV, ComptonEnergy(E, s.mu), 1e-9 * E);
      transfer.add(1.0 - s.E_keV / E);
    }
    EXPECT_NEAR(transfer.mean(), expected, 5.0 * transfer.standard_error()) << E << " keV";
  }
}

TEST(KleinNishina, AngularDistributionPassesAChiSquareTest)
{
  // 20 bins of mu; expected shares by integrating the textbook formula.
  // 19 degrees of freedom: a correct sampler exceeds 50 about once in 10^4.
  for (const double E : {30.0, 150.0}) {
    const int bins = 20, n = 400000;
    std::vector<double> expected(bins, 0.0);
    double total = 0.0;
    for (int b = 0; b < bins; ++b) {
      for (int k = 0; k < 200; ++k) expected[b] += KleinNishinaReference(E, -1.0 + (b + (k + 0.5) / 200.0) * 2.0 / bins);
      total += expected[b];
    }
    std::vector<int> counts(bins, 0);
    Rng rng(14, static_cast<std::uint64_t>(E));
    for (int i = 0; i < n; ++i) {
      const double mu = SampleKleinNishina(E, rng).mu;
      ++counts[std::min(bins - 1, static_cast<int>((mu + 1.0) * bins / 2.0))];
    }
    double chi2 = 0.0;
    for (int b = 0; b < bins; ++b) {
      const double e = n * expected[b] / total;
      chi2 += (counts[b] - e) * (counts[b] - e) / e;
    }
    EXPECT_LT(chi2, 50.0) << E << " keV";
  }
}

TEST(KleinNishina, MeanTransferAt100keVIsThePublishedValue)
{
  // sigma_tr / sigma of a free electron at 0.1 MeV is 0.138 (Attix, Introduction
  // to Radiological Physics and Radiation Dosimetry, table of Compton fractions).
  Rng rng(12, 0);
  RunningStats transfer;
  for (int i = 0; i < 200000; ++i) transfer.add(1.0 - SampleKleinNishina(100.0, rng).E_keV / 100.0);
  EXPECT_NEAR(transfer.mean(), 0.138, 0.0015);
}

TEST(KleinNishina, CrossSectionFormulaMatchesTheTextbook)
{
  for (const double E : {1.0, 50.0, 150.0})
    for (const double mu : {-1.0, -0.3, 0.0, 0.5, 1.0})
      EXPECT_NEAR(KleinNishinaPerSolidAngle(E, mu), 0.5 * KleinNishinaReference(E, mu), 1e-14);
  // Thomson limit at mu = 1: (1 + 1)/2 = 1 whatever the energy.
  EXPECT_DOUBLE_EQ(KleinNishinaPerSolidAngle(100.0, 1.0), 1.0);
}

TEST(Incoherent, BindingReducesForwardScattering)
{
  // A model scattering function that is 0 at x = 0 and 1 for x >> 0.5 / Angstrom.
  const auto S = [](double x) { return 1.0 - std::exp(-(x / 0.5) * (x / 0.5)); };
  const IncoherentFunctionTable table(S, 13.0, 4001);
  const double E = 30.0;
  Rng rng(13, 0);
  RunningStats bound_mu, forward_bound, forward_free;
  Rng rng_free(13, 1);
  for (int i = 0; i < 200000; ++i) {
    const double mu = SampleIncoherent(E, table, rng).mu;
    bound_mu.add(mu);
    forward_bound.add(mu > 0.9 ? 1.0 : 0.0);
    forward_free.add(SampleKleinNishina(E, rng_free).mu > 0.9 ? 1.0 : 0.0);
  }
  const double expected = DensityMean(
      [&](double mu) { return KleinNishinaReference(E, mu) * S(MomentumTransfer(E, mu)); }, [](double mu) { return mu; });
  EXPECT_NEAR(bound_mu.mean(), expected, 5.0 * bound_mu.standard_error());
  EXPECT_LT(forward_bound.mean() + 10.0 * forward_bound.standard_error(), forward_free.mean());
}

TEST(Coherent, ConstantFormFactorIsThomson)
{
  const CoherentFormTable flat([](double) { return 4.0; }, 13.0, 2001);
  Rng rng(17, 0);
  RunningStats mu2;
  for (int i = 0; i < 100000; ++i) {
    const double mu = SampleCoherentMu(60.0, flat, rng);
    mu2.add(mu * mu);
  }
  EXPECT_NEAR(mu2.mean(), 0.4, 5.0 * mu2.standard_error());
}

TEST(Coherent, FormFactorPeaksTheScatteringForward)
{
  // F^2 = exp(-x^2 / 0.25): the mean cosine follows from integrating
  // (1 + mu^2) F^2(x(mu)) numerically.
  const auto F2 = [](double x) { return std::exp(-x * x / 0.25); };
  const CoherentFormTable table(F2, 13.0, 4001);
  for (const double E : {10.0, 40.0, 120.0}) {
    const double expected = DensityMean([&](double mu) { return (1.0 + mu * mu) * F2(MomentumTransfer(E, mu)); },
                                        [](double mu) { return mu; });
    Rng rng(19, static_cast<std::uint64_t>(E));
    RunningStats mu1;
    for (int i = 0; i < 100000; ++i) mu1.add(SampleCoherentMu(E, table, rng));
    EXPECT_NEAR(mu1.mean(), expected, 5.0 * mu1.standard_error() + 1e-3) << E << " keV";
  }
}

TEST(CoherentFormTable, CumulativeOfAConstantIsLinearInS)
{
  const CoherentFormTable flat([](double) { return 2.0; }, 10.0, 101);
  EXPECT_NEAR(flat.cumulative(0.0), 0.0, 1e-12);
  EXPECT_NEAR(flat.cumulative(25.0), 50.0, 1e-9);
  EXPECT_NEAR(flat.sample_s(25.0, 0.5), 12.5, 1e-9);
  EXPECT_THROW(CoherentFormTable([](double) { return -1.0; }, 10.0, 11), std::invalid_argument);
  EXPECT_THROW(CoherentFormTable([](double) { return 1.0; }, 0.0, 11), std::invalid_argument);
  EXPECT_THROW(IncoherentFunctionTable([](double) { return 1.0; }, 10.0, 1), std::invalid_argument);
}

TEST(Directions, RotationKeepsTheAngleAndUnitLength)
{
  Rng rng(23, 0);
  for (int i = 0; i < 2000; ++i) {
    Vec3 u = SampleIsotropic(rng);
    if (i == 0) u = {0.0, 0.0, 1.0};  // the pole, where the general formula divides by zero
    if (i == 1) u = {0.0, 0.0, -1.0};
    const double mu = 2.0 * rng.uniform() - 1.0;
    const Vec3 v = rotate(u, mu, SampleAzimuth(rng));
    ASSERT_NEAR(norm(v), 1.0, 1e-12);
    ASSERT_NEAR(dot(u, v), mu, 1e-9);
  }
}

TEST(Directions, IsotropicHasZeroMeanAndThirdSquares)
{
  Rng rng(29, 0);
  RunningStats x, z2;
  for (int i = 0; i < 100000; ++i) {
    const Vec3 u = SampleIsotropic(rng);
    x.add(u.x);
    z2.add(u.z * u.z);
  }
  EXPECT_NEAR(x.mean(), 0.0, 5.0 * x.standard_error());
  EXPECT_NEAR(z2.mean(), 1.0 / 3.0, 5.0 * z2.standard_error());
}

TEST(FreePath, IsExponentialWithMeanOneOverMu)
{
  Rng rng(31, 0);
  RunningStats d, beyond;
  const double mu = 0.25;
  for (int i = 0; i < 100000; ++i) {
    const double s = SampleFreePath(mu, rng);
    ASSERT_TRUE(std::isfinite(s));
    d.add(s);
    beyond.add(s > 8.0 ? 1.0 : 0.0);
  }
  EXPECT_NEAR(d.mean(), 4.0, 5.0 * d.standard_error());
  EXPECT_NEAR(beyond.mean(), std::exp(-2.0), 5.0 * beyond.standard_error());
}

// Solid angle of the rectangle [0, x] x [0, y] (signed) on the plane at
// distance d, seen from the origin: the textbook corner formula.
double CornerSolidAngle(double x, double y, double d)
{
  return std::atan(x * y / (d * std::sqrt(x * x + y * y + d * d)));
}

TEST(PointSource, FillsTheFieldUniformlyPerSolidAngle)
{
  // A wide field (by inversion) and a narrow one (by rejection): 5 x 4 cells
  // of the field plane each, expected shares from the corner formula; 19
  // degrees of freedom (a correct sampler exceeds 50 about once in 10^4).
  // The total solid angle against the arcsine form of the same quantity.
  for (const double scale : {1.0, 0.25}) {
    const double a = 0.5 * scale, b = 0.2 * scale, d = 0.3;  // half sides and distance
    const PointSourceField field(2.0 * a, 2.0 * b, d, 50.0);
    const double total = 4.0 * std::asin(a * b / std::sqrt((a * a + d * d) * (b * b + d * d)));
    EXPECT_NEAR(field.solid_angle(), total, 1e-14);
    std::vector<double> xs{-0.5, -0.2, 0.0, 0.25, 0.4, 0.5}, ys{-0.2, -0.05, 0.1, 0.15, 0.2};
    for (double& x : xs) x *= scale;
    for (double& y : ys) y *= scale;
    const int n = 400000;
    std::vector<int> counts(20, 0);
    Rng rng(21, 0);
    for (int i = 0; i < n; ++i) {
      const Photon p = field.emit(rng);
      ASSERT_NEAR(norm(p.u), 1.0, 1e-14);
      const double x = p.u.x * d / p.u.z, y = p.u.y * d / p.u.z;
      ASSERT_LE(std::abs(x), a * (1.0 + 1e-12));
      ASSERT_LE(std::abs(y), b * (1.0 + 1e-12));
      const auto col = std::upper_bound(xs.begin() + 1, xs.end() - 1, x) - xs.begin() - 1;
      const auto row = std::upper_bound(ys.begin() + 1, ys.end() - 1, y) - ys.begin() - 1;
      ++counts[static_cast<std::size_t>(4 * col + row)];
    }
    double chi2 = 0.0;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i)
      for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
        const double omega = CornerSolidAngle(xs[i + 1], ys[j + 1], d) - CornerSolidAngle(xs[i], ys[j + 1], d) -
                             CornerSolidAngle(xs[i + 1], ys[j], d) + CornerSolidAngle(xs[i], ys[j], d);
        const double e = n * omega / total;
        chi2 += (counts[4 * i + j] - e) * (counts[4 * i + j] - e) / e;
      }
    EXPECT_LT(chi2, 50.0) << "field scale " << scale;
  }
}

TEST(PointSource, AFieldFarWiderThanItsDistanceTakesTwoNumbersPerPhoton)
{
  // A field 10^9 times wider than its distance is nearly the half space:
  // uniform per solid angle there, half the photons lie within 60 degrees of
  // the axis. Every photon takes two numbers (no rejection), so the third of
  // the stream is the next one drawn.
  const PointSourceField field(1e6, 2e6, 1e-3, 50.0);
  EXPECT_NEAR(field.solid_angle(), 2.0 * kPi, 1e-6);
  int within_60 = 0;
  const int n = 100000;
  for (int i = 0; i < n; ++i) {
    Rng rng(5, static_cast<std::uint64_t>(i)), replay(5, static_cast<std::uint64_t>(i));
    const Photon p = field.emit(rng);
    ASSERT_TRUE(std::isfinite(p.u.x) && std::isfinite(p.u.y) && p.u.z > 0.0) << i;
    ASSERT_NEAR(norm(p.u), 1.0, 1e-14);
    if (p.u.z > 0.5) ++within_60;
    replay.uniform();
    replay.uniform();
    ASSERT_EQ(rng.uniform(), replay.uniform()) << i;
  }
  EXPECT_NEAR(within_60 / static_cast<double>(n), 0.5, 5.0 * std::sqrt(0.25 / n));
  EXPECT_THROW(PointSourceField(1e300, 1.0, 1e-300, 50.0), std::invalid_argument);
  EXPECT_THROW(PointSourceField(std::numeric_limits<double>::infinity(), 1.0, 1.0, 50.0), std::invalid_argument);
}

}  // namespace
}  // namespace vorn::mc
