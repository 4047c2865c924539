// Pair production cross sections in the Born approximation without screening
// (Bethe-Heitler), evaluated with Maximon's series: the threshold expansion
// below 4 electron rest energies and the high-energy expansion above (the two
// agree to 1e-4 where they meet). Screening and the Coulomb correction are
// left out: above 5 MeV this overestimates the nuclear part by a few per cent
// for light elements and by up to about 15 % for lead at 10 MeV.
// E photon energy [keV]; results per atom [cm2].
#pragma once

namespace vorn::physics {

// Unit cross section sigma / (alpha r_e^2 Z^2) of pair production in the field
// of a point nucleus; 0 at and below 2 m c^2.
double BetheHeitlerUnitCrossSection(double E_keV);

// Pair production in the field of the nucleus, per atom [cm2]; 0 below 1022 keV.
double PairNuclearCrossSection_cm2(int Z, double E_keV);

// Pair production in the field of the atomic electrons (triplet), per atom
// [cm2]; 0 below 2044 keV. Each electron acts as a unit charge whose recoil
// takes the extra threshold energy: Z x the unit-charge cross section at
// E - 2 m c^2.
double PairElectronCrossSection_cm2(int Z, double E_keV);

}  // namespace vorn::physics
