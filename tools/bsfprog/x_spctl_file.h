// The beam's spectrum as the main program exports it in X_SPCTL.dat after
// every spectrum calculation: 300 lines "energy, relative photon count" for
// the 0.5 keV bins 0.5 to 150 keV.
#pragma once

#include <filesystem>
#include <vector>

namespace vorn::bsf {

/// The bins of the spectrum that carry photons.
/// Invariant: at least one bin; energies from 1 to 150 keV, increasing;
/// probabilities above 0, summing to 1.
struct BeamSpectrum {
  std::vector<double> E_keV;
  std::vector<double> probability;

  double MeanEnergy_keV() const;
};

// Reads the export. Throws FileError when the file cannot be read and
// DataError, naming the file and line, when it has not 300 lines of two
// numbers, an energy is not 0.5 keV times its line number, a count is
// negative, a bin below 1 keV (where photons are not transported) carries
// photons, or no bin carries any.
BeamSpectrum ReadSpectrumExport(const std::filesystem::path& path);

}  // namespace vorn::bsf
