// The X-ray beam of the backscatter programs: photons from a point focus,
// uniformly per solid angle into a rectangular field, with energies drawn
// from the beam's spectrum.
#pragma once

#include <vector>

#include "physics/mc/source.h"
#include "tools/bsfprog/x_spctl_file.h"

namespace vorn::bsf {

/// The focus lies at (0, 0, -fsd), the entrance point of the central ray at
/// the origin; the field at the skin is width_x (along the body) by width_y
/// (across it), centred on the z axis.
/// Invariant: fsd and widths above 0; cumulative probabilities end at 1.
class SpectrumFieldSource : public mc::Source {
public:
  // Throws std::invalid_argument on a non-positive size.
  SpectrumFieldSource(const BeamSpectrum& spectrum, double fsd, double width_x, double width_y);

  mc::Photon emit(mc::Rng& rng) const override;

  // Solid angle of the field seen from the focus [sr].
  double solid_angle() const { return field_.solid_angle(); }
  // Energy of a photon for a uniform number u in [0, 1).
  double SampleEnergy(double u) const;

private:
  mc::PointSourceField field_;
  double fsd_;
  std::vector<double> E_keV_;
  std::vector<double> cumulative_;
  // guide_[k]: the first bin whose cumulative lies above k / guide_.size(),
  // where the search for a u in [k, k + 1) / guide_.size() begins.
  std::vector<std::size_t> guide_;
};

}  // namespace vorn::bsf
