#include "physics/pair_production.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "physics/constants.h"
#include "physics/interaction.h"

namespace vorn::physics {
namespace {

constexpr double kMc2 = kElectronRestEnergy_keV;

TEST(PairProduction, VanishesAtAndBelowItsThresholds)
{
  EXPECT_EQ(PairNuclearCrossSection_cm2(82, 1000.0), 0.0);
  EXPECT_EQ(PairNuclearCrossSection_cm2(82, 2 * kMc2), 0.0);
  EXPECT_GT(PairNuclearCrossSection_cm2(82, 2 * kMc2 + 5.0), 0.0);
  EXPECT_EQ(PairElectronCrossSection_cm2(82, 4 * kMc2), 0.0);
  EXPECT_GT(PairElectronCrossSection_cm2(82, 4 * kMc2 + 5.0), 0.0);
}

TEST(PairProduction, ThresholdAndHighEnergySeriesMeetAtFourRestEnergies)
{
  const double below = BetheHeitlerUnitCrossSection(4 * kMc2 * (1 - 1e-9));
  const double above = BetheHeitlerUnitCrossSection(4 * kMc2 * (1 + 1e-9));
  EXPECT_NEAR(above / below, 1.0, 1e-3);
}

TEST(PairProduction, HighEnergyBehaviourFollowsBetheHeitler)
{
  // Unscreened asymptote: (28/9) ln(2k) - 218/27 (Bethe and Heitler 1934).
  const double k = 1000.0;
  EXPECT_NEAR(BetheHeitlerUnitCrossSection(k * kMc2) / (28.0 / 9 * std::log(2 * k) - 218.0 / 27), 1.0, 1e-4);
  // Nuclear part goes with Z^2, electron part with Z.
  EXPECT_NEAR(PairNuclearCrossSection_cm2(26, 5000.0) / PairNuclearCrossSection_cm2(13, 5000.0), 4.0, 1e-12);
  EXPECT_NEAR(PairElectronCrossSection_cm2(26, 5000.0) / PairElectronCrossSection_cm2(13, 5000.0), 2.0, 1e-12);
}

TEST(PairProduction, RejectsUnknownElements)
{
  EXPECT_THROW(PairNuclearCrossSection_cm2(0, 5000.0), std::invalid_argument);
  EXPECT_THROW(PairElectronCrossSection_cm2(99, 5000.0), std::invalid_argument);
}

// Total mass attenuation coefficients (cm2/g) of Hubbell and Seltzer's
// NIST tables (NISTIR 5632) above 1 MeV, where pair production enters.
struct MeV {
  double E_keV, water, aluminium, lead;
};

TEST(PairProduction, TotalsAboveOneMeVAgreeWithPublishedTables)
{
  const Material water = NistMaterial("Water, Liquid");
  const Material al = PureElement(13, 2.699);
  const Material pb = PureElement(82, 11.35);
  for (const MeV& m : {MeV{1000, 0.07072, 0.06146, 0.07102}, MeV{2000, 0.04942, 0.04324, 0.04606},
                       MeV{5000, 0.03031, 0.02842, 0.04272}, MeV{10000, 0.02219, 0.02318, 0.04972}}) {
    EXPECT_NEAR(MassAttenuation(water, m.E_keV) / m.water, 1.0, 0.015) << m.E_keV << " keV";
    EXPECT_NEAR(MassAttenuation(al, m.E_keV) / m.aluminium, 1.0, 0.015) << m.E_keV << " keV";
    // Without the Coulomb correction the Born cross section is low near the
    // threshold and high at 10 MeV for lead; the bound states that limit.
    EXPECT_NEAR(MassAttenuation(pb, m.E_keV) / m.lead, 1.0, 0.12) << m.E_keV << " keV";
  }
}

}  // namespace
}  // namespace vorn::physics
