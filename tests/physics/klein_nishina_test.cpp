#include "physics/klein_nishina.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "physics/constants.h"

namespace vorn::physics {
namespace {

constexpr double kRe2 = kClassicalElectronRadius_cm * kClassicalElectronRadius_cm;

// Closed forms (Evans, The Atomic Nucleus, ch. 23; Attix, ch. 7), good to
// double precision for alpha above about 0.05.
double ClosedSigma(double a)
{
  const double L = std::log(1 + 2 * a);
  return 2 * kPi * kRe2 *
         ((1 + a) / (a * a) * (2 * (1 + a) / (1 + 2 * a) - L / a) + L / (2 * a) -
          (1 + 3 * a) / ((1 + 2 * a) * (1 + 2 * a)));
}

double ClosedSigmaTransfer(double a)
{
  const double L = std::log(1 + 2 * a);
  const double b = 1 + 2 * a;
  return 2 * kPi * kRe2 *
         (2 * (1 + a) * (1 + a) / (a * a * b) - (1 + 3 * a) / (b * b) -
          (1 + a) * (2 * a * a - 2 * a - 1) / (a * a * b * b) - 4 * a * a / (3 * b * b * b) -
          ((1 + a) / (a * a * a) - 1 / (2 * a) + 1 / (2 * a * a * a)) * L);
}

TEST(KleinNishina, TotalMatchesClosedFormFromDiagnosticToMegavoltEnergies)
{
  for (double E : {30.0, 100.0, 511.0, 1000.0, 10000.0}) {
    const double a = E / kElectronRestEnergy_keV;
    EXPECT_NEAR(KleinNishinaCrossSection_cm2(E) / ClosedSigma(a), 1.0, 1e-9) << E << " keV";
    EXPECT_NEAR(KleinNishinaEnergyTransferFraction(E), ClosedSigmaTransfer(a) / ClosedSigma(a), 1e-9)
        << E << " keV";
  }
}

TEST(KleinNishina, LowEnergyLimitIsThomsonScattering)
{
  // sigma -> 8 pi r_e^2 / 3 (1 - 2 alpha) and the transfer fraction -> alpha.
  const double E = 0.01;
  const double a = E / kElectronRestEnergy_keV;
  EXPECT_NEAR(KleinNishinaCrossSection_cm2(E) / (8 * kPi / 3 * kRe2), 1 - 2 * a, 1e-8);
  EXPECT_NEAR(KleinNishinaEnergyTransferFraction(E) / a, 1.0, 1e-3);
}

TEST(KleinNishina, TransferFractionAgreesWithPublishedTable)
{
  // Attix, Introduction to Radiological Physics, fig. 7.6 / table: mean
  // fraction of the energy given to the electron, 0.440 at 1 MeV, 0.138 at 100 keV.
  EXPECT_NEAR(KleinNishinaEnergyTransferFraction(1000.0), 0.440, 0.002);
  EXPECT_NEAR(KleinNishinaEnergyTransferFraction(100.0), 0.138, 0.002);
}

TEST(KleinNishina, DifferentialCrossSectionHasThomsonValuesForward)
{
  // Forward scattering has no energy loss: d sigma/d Omega = r_e^2 at any energy.
  EXPECT_NEAR(KleinNishinaDcs_cm2_sr(80.0, 1.0) / kRe2, 1.0, 1e-12);
  // Backward at 511 keV: E'/E = 1/3, so r_e^2/2 * 1/9 * (1/3 + 3) = 0.185185 r_e^2.
  EXPECT_NEAR(KleinNishinaDcs_cm2_sr(kElectronRestEnergy_keV, -1.0) / kRe2, 0.5 / 9 * (1.0 / 3 + 3), 1e-12);
}

TEST(KleinNishina, RejectsNonPhysicalArguments)
{
  EXPECT_THROW(KleinNishinaCrossSection_cm2(0.0), std::domain_error);
  EXPECT_THROW(KleinNishinaEnergyTransferFraction(-5.0), std::domain_error);
  EXPECT_THROW(KleinNishinaCrossSection_cm2(std::nan("")), std::domain_error);
  EXPECT_THROW(KleinNishinaDcs_cm2_sr(50.0, 1.5), std::domain_error);
}

}  // namespace
}  // namespace vorn::physics
