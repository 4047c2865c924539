#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "physics/mc/constants.h"
#include "tests/mc/test_media.h"

namespace vorn::mc {
namespace {

using testing::TestMedia;

TEST(Medium, TablesFollowTheInteractionData)
{
  const TestMedia& m = TestMedia::get();
  for (const double E : {1.0, 2.5, 4.05, 17.3, 33.0, 60.0, 99.9, 151.0}) {
    const GridPoint g = m.grid->locate(E);
    const physics::MassCoefficients c = physics::MassCoeffs(m.bone_material, E);
    const double rho = m.bone_material.density_g_cm3;
    EXPECT_NEAR(m.bone()->mu_total(g) / (rho * c.total()), 1.0, 1e-4) << E;
    EXPECT_NEAR(m.bone()->p_photo(g), c.photoelectric / c.total(), 1e-4) << E;
    EXPECT_NEAR(m.bone()->p_photo_coh(g), (c.photoelectric + c.coherent) / c.total(), 1e-4) << E;
    EXPECT_NEAR(m.bone()->mu_en_rho(g) / physics::MassEnergyAbsorption(m.bone_material, E), 1.0, 1e-4) << E;
  }
}

TEST(Medium, CalciumFluorescesOnlyAboveItsKEdge)
{
  const TestMedia& m = TestMedia::get();
  const double edge = physics::KEdge_keV(20);
  ASSERT_NEAR(edge, 4.04, 0.01);
  Rng rng(3, 0);
  int below = 0, above = 0;
  std::set<double> energies;
  for (int i = 0; i < 20000; ++i) {
    if (m.bone()->SampleFluorescence(m.grid->locate(edge * 0.999), rng) > 0.0) ++below;
    const double E = m.bone()->SampleFluorescence(m.grid->locate(edge * 1.001), rng);
    if (E > 0.0) {
      ++above;
      energies.insert(E);
    }
  }
  // Below the Ca edge only the lighter elements (P, S) fluoresce: a quarter as often.
  EXPECT_LT(below, above / 3);
  // Ca K alpha 3.69 keV and K beta 4.01 keV (X-ray data booklet), plus the P and S lines.
  bool ka = false, kb = false;
  for (const double E : energies) {
    if (std::abs(E - 3.69) < 0.01) ka = true;
    if (std::abs(E - 4.01) < 0.01) kb = true;
  }
  EXPECT_TRUE(ka);
  EXPECT_TRUE(kb);
  // Ca yield 0.16 times the share of Ca K-shell absorption in bone: of order 10 %.
  EXPECT_GT(above, 20000 * 0.05);
  EXPECT_LT(above, 20000 * 0.25);
}

TEST(Medium, AngularDensitiesIntegrateToOne)
{
  const TestMedia& m = TestMedia::get();
  for (const double E : {2.0, 20.0, 80.0, 150.0}) {
    const GridPoint g = m.grid->locate(E);
    double coh = 0.0, inc = 0.0;
    const int n = 400000;
    for (int i = 0; i < n; ++i) {
      const double mu = -1.0 + 2.0 * (i + 0.5) / n;
      coh += m.soft()->CoherentDensity(E, g, mu);
      inc += m.soft()->IncoherentDensity(E, g, mu);
    }
    EXPECT_NEAR(coh * 2.0 * kPi * 2.0 / n, 1.0, 2e-3) << E;
    EXPECT_NEAR(inc * 2.0 * kPi * 2.0 / n, 1.0, 2e-3) << E;
  }
}

TEST(Medium, SoftTissueHasNoCalciumLines)
{
  const TestMedia& m = TestMedia::get();
  // Its heaviest element is K (K alpha 3.31 keV); nothing above 3.6 keV.
  for (const Medium::LineChance& l : m.soft()->FluorescenceChances(m.grid->locate(30.0))) {
    EXPECT_LT(l.E_keV, 3.6);
    EXPECT_GT(l.probability, 0.0);
  }
  EXPECT_FALSE(m.pmma()->has_fluorescence());  // H, C, O: every line below the cut-off
}

TEST(Medium, RejectsAGridBeyondThePairThreshold)
{
  const physics::Material soft = physics::IcruSoftTissue();
  auto wide = MakeEnergyGrid({soft}, 2000.0);
  EXPECT_THROW(Medium(soft, wide), std::invalid_argument);
}

}  // namespace
}  // namespace vorn::mc
