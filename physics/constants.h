// Physical constants of the interaction data (CODATA 2018).
#pragma once

namespace vorn::physics {

constexpr double kElectronRestEnergy_keV = 510.99895;
constexpr double kClassicalElectronRadius_cm = 2.8179403262e-13;
constexpr double kFineStructure = 1.0 / 137.035999084;
constexpr double kAvogadro = 6.02214076e23;  // 1/mol
constexpr double kPi = 3.14159265358979323846;
constexpr double kBarn_cm2 = 1e-24;

}  // namespace vorn::physics
