#include "physics/interaction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <thread>
#include <vector>

namespace vorn::physics {
namespace {

// Hubbell and Seltzer, NISTIR 5632 (1995): mass energy-absorption
// coefficients in cm2/g.
struct Reference {
  double E_keV, air, water;
};
constexpr Reference kHubbellSeltzer[] = {
    {20, 0.5389, 0.5503},   {30, 0.1537, 0.1557},   {40, 0.06833, 0.06947}, {50, 0.04098, 0.04223},
    {60, 0.03041, 0.03190}, {80, 0.02407, 0.02597}, {100, 0.02325, 0.02546}, {150, 0.02496, 0.02764},
};

TEST(EnergyAbsorption, AirAndWaterWithinTwoPerCentOfHubbellSeltzer)
{
  const Material air = NistMaterial("Air, Dry (near sea level)");
  const Material water = NistMaterial("Water, Liquid");
  for (const Reference& r : kHubbellSeltzer) {
    EXPECT_NEAR(MassEnergyAbsorption(air, r.E_keV) / r.air, 1.0, 0.02) << r.E_keV << " keV";
    EXPECT_NEAR(MassEnergyAbsorption(water, r.E_keV) / r.water, 1.0, 0.02) << r.E_keV << " keV";
  }
}

TEST(EnergyAbsorption, SoftTissueToAirFactorMatchesPublishedConversionFactors)
{
  // 33.97 Gy per C/kg times the ratio of mu_en/rho: 35.7 at 30 keV and 37.0
  // at 80 keV for ICRU-44 tissue (its trace elements matter at 30 keV).
  const Material air = NistMaterial("Air, Dry (near sea level)");
  const Material tissue = IcruSoftTissue();
  auto factor = [&](double E) { return 33.97 * MassEnergyAbsorption(tissue, E) / MassEnergyAbsorption(air, E); };
  EXPECT_NEAR(factor(30.0), 35.7, 0.5);
  EXPECT_NEAR(factor(80.0), 37.0, 0.5);
}

TEST(EnergyAbsorption, FluorescenceEscapeLowersLeadAboveItsKEdge)
{
  // NISTIR 5632, lead at 100 keV: mu/rho 5.549, mu_en/rho 1.976 cm2/g. About
  // 60 % of the absorbed energy above the K edge leaves as K and L lines.
  const Material pb = PureElement(82, 11.35);
  EXPECT_NEAR(MassAttenuation(pb, 100.0) / 5.549, 1.0, 0.01);
  EXPECT_NEAR(MassEnergyAbsorption(pb, 100.0) / 1.976, 1.0, 0.05);
}

TEST(EnergyAbsorption, NeverExceedsAttenuation)
{
  for (const Material& m : {IcruSoftTissue(), PureElement(74, 19.3), NistMaterial("Bone, Cortical (ICRP)")})
    for (double E : {1.0, 5.0, 30.0, 69.0, 70.0, 150.0, 1000.0, 10000.0}) {
      EXPECT_GT(MassEnergyAbsorption(m, E), 0.0) << m.name << " " << E;
      EXPECT_LT(MassEnergyAbsorption(m, E), MassAttenuation(m, E)) << m.name << " " << E;
    }
}

TEST(Attenuation, AluminiumWithinOnePerCentOfPublishedValues)
{
  // NISTIR 5632, aluminium, mu/rho in cm2/g.
  const Material al = PureElement(13, 2.699);
  const double E[] = {20, 30, 50, 100};
  const double ref[] = {3.441, 1.128, 0.3681, 0.1704};
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(MassAttenuation(al, E[i]) / ref[i], 1.0, 0.01) << E[i] << " keV";
  EXPECT_NEAR(LinearAttenuation(al, 30.0), 2.699 * MassAttenuation(al, 30.0), 1e-12);
}

TEST(Attenuation, DataJoinSmoothlyAboveXraylibsRange)
{
  // Below and above 800 keV the values come from different sources.
  for (int Z : {1, 8, 29, 82}) {
    EXPECT_NEAR(IncoherentMassCoeff(Z, 800.001) / IncoherentMassCoeff(Z, 799.999), 1.0, 1e-4) << Z;
    EXPECT_NEAR(CoherentMassCoeff(Z, 800.001) / CoherentMassCoeff(Z, 799.999), 1.0, 1e-4) << Z;
    EXPECT_NEAR(PhotoelectricMassCoeff(Z, 800.001) / PhotoelectricMassCoeff(Z, 799.999), 1.0, 1e-4) << Z;
    EXPECT_LT(PhotoelectricMassCoeff(Z, 10000.0), PhotoelectricMassCoeff(Z, 1000.0)) << Z;
  }
  // At 10 MeV binding is irrelevant: incoherent = Z N_A / A x Klein-Nishina
  // (0.0509855 b per electron, closed form).
  EXPECT_NEAR(IncoherentMassCoeff(82, 10000.0) / (82 * 6.02214076e23 / 207.2 * 5.09855e-26), 1.0, 0.005);
}

TEST(Edges, TungstenAndCopperKEdgesWhereTheDataJump)
{
  // Tabulated K edges: W 69.525 keV, Cu 8.979 keV (xraylib's data jump a few eV away).
  const double w = KEdge_keV(74);
  EXPECT_NEAR(w, 69.525, 0.01);
  EXPECT_NEAR(KEdge_keV(29), 8.979, 0.005);
  const double below = PhotoelectricMassCoeff(74, w * (1 - 1e-6));
  const double above = PhotoelectricMassCoeff(74, w * (1 + 1e-6));
  EXPECT_GT(above / below, 4.0);  // K jump ratio of tungsten is about 5
  EXPECT_LT(above / below, 6.0);
  EXPECT_EQ(KEdge_keV(1) > 0.0, true);  // hydrogen's K "edge" at 13.6 eV is listed
}

TEST(Edges, LeadListsItsKLAndMEdgesInOrder)
{
  const std::vector<double> edges = AbsorptionEdges_keV(82);
  ASSERT_EQ(edges.size(), 9u);  // K, L1-L3 and M1-M5, all above 1 keV
  for (std::size_t i = 1; i < edges.size(); ++i) EXPECT_LT(edges[i - 1], edges[i]);
  EXPECT_NEAR(edges.back(), 88.0, 0.01);
  EXPECT_NEAR(edges[edges.size() - 2], 15.861, 0.005);
  // Every edge is a real rise of the photoelectric data.
  for (double e : edges) EXPECT_GT(PhotoelectricMassCoeff(82, e * (1 + 1e-7)), PhotoelectricMassCoeff(82, e * (1 - 1e-7)));
  EXPECT_TRUE(AbsorptionEdges_keV(82, 20.0, 80.0).empty());
  // Tungsten's M5 edge (1.809 keV) is followed by a steep smooth rise to M4
  // (1.872 keV); both are found as edges, the rise is not.
  const std::vector<double> w = AbsorptionEdges_keV(74, 1.0, 2.0);
  ASSERT_EQ(w.size(), 2u);
  EXPECT_NEAR(w[0], 1.809, 0.002);
  EXPECT_NEAR(w[1], 1.872, 0.002);
}

TEST(Fluorescence, KShellDataAgreeWithPublishedValues)
{
  // Hubbell et al. (1994): omega_K of Cu 0.44, of W 0.95. K line energies:
  // Cu K alpha1 8.048, K beta1 8.905 keV; W K alpha1 59.32, K beta1 67.24 keV.
  EXPECT_NEAR(KFluorescenceYield(29), 0.44, 0.02);
  EXPECT_NEAR(KFluorescenceYield(74), 0.95, 0.01);
  EXPECT_GT(MeanKLineEnergy_keV(29), 8.0);
  EXPECT_LT(MeanKLineEnergy_keV(29), 8.3);
  EXPECT_GT(MeanKLineEnergy_keV(74), 59.0);
  EXPECT_LT(MeanKLineEnergy_keV(74), 62.0);
  EXPECT_EQ(KFluorescenceYield(1), 0.0);
  EXPECT_EQ(MeanKLineEnergy_keV(1), 0.0);
}

TEST(Fluorescence, KShellShareFollowsTheEdge)
{
  const double edge = KEdge_keV(74);
  EXPECT_EQ(KShellPhotoFraction(74, edge * 0.999), 0.0);
  const double share = KShellPhotoFraction(74, edge * 1.001);
  EXPECT_GT(share, 0.75);  // 1 - 1/5.1
  EXPECT_LT(share, 0.85);
  EXPECT_EQ(KShellPhotoFraction(1, 10.0), 1.0);
  // The fluorescence emitted can never exceed the photon energy.
  for (double E : {10.0, 60.0, 70.0, 150.0}) EXPECT_LT(MeanFluorescenceEnergy_keV(74, E), E);
  // Below the L3 edge of tungsten (10.2 keV) only M lines remain: nothing counted.
  EXPECT_EQ(MeanFluorescenceEnergy_keV(74, 9.0), 0.0);
}

TEST(FormFactors, LimitsAtZeroAndLargeMomentumTransfer)
{
  EXPECT_NEAR(AtomicFormFactor(8, 0.0), 8.0, 1e-9);
  EXPECT_LT(AtomicFormFactor(8, 5.0), 0.1);
  EXPECT_EQ(IncoherentScatteringFunction(8, 0.0), 0.0);
  EXPECT_NEAR(IncoherentScatteringFunction(8, 100.0), 8.0, 1e-3);
  EXPECT_GT(IncoherentScatteringFunction(8, 0.5), IncoherentScatteringFunction(8, 0.2));
}

TEST(Errors, BadArgumentsAreReportedNotComputed)
{
  EXPECT_THROW(PhotoelectricMassCoeff(0, 50.0), std::invalid_argument);
  EXPECT_THROW(CoherentMassCoeff(99, 50.0), std::invalid_argument);
  EXPECT_THROW(IncoherentMassCoeff(8, 0.5), std::domain_error);
  EXPECT_THROW(IncoherentMassCoeff(8, 10001.0), std::domain_error);
  EXPECT_THROW(MassEnergyAbsorption(IcruSoftTissue(), std::nan("")), std::domain_error);
  EXPECT_THROW(AtomicFormFactor(8, -0.1), std::domain_error);
  EXPECT_THROW(IncoherentScatteringFunction(0, 1.0), std::invalid_argument);
  EXPECT_THROW(KEdge_keV(120), std::invalid_argument);
  // The ends of the range are inside it.
  EXPECT_NO_THROW(MassAttenuation(IcruSoftTissue(), 1.0));
  EXPECT_NO_THROW(MassAttenuation(IcruSoftTissue(), 10000.0));
}

TEST(Threads, ConcurrentCallsGiveTheSameNumbersAsOneThread)
{
  const Material tissue = IcruSoftTissue();
  std::vector<double> energies;
  for (int i = 2; i <= 300; i += 7) energies.push_back(0.5 * i);
  std::vector<double> serial;
  for (double E : energies) serial.push_back(MassEnergyAbsorption(tissue, E) + MassAttenuation(tissue, E));
  std::vector<std::vector<double>> results(4);
  std::vector<std::thread> threads;
  for (auto& r : results)
    threads.emplace_back([&] {
      for (double E : energies) r.push_back(MassEnergyAbsorption(tissue, E) + MassAttenuation(tissue, E));
    });
  for (auto& t : threads) t.join();
  for (const auto& r : results) EXPECT_EQ(r, serial);
}

}  // namespace
}  // namespace vorn::physics
