#include "tools/bsfprog/focus_source.h"

#include <algorithm>
#include <stdexcept>

namespace vorn::bsf {

SpectrumFieldSource::SpectrumFieldSource(const BeamSpectrum& spectrum, double fsd, double width_x, double width_y)
    : field_(width_x, width_y, fsd, 1.0), fsd_(fsd), E_keV_(spectrum.E_keV)
{
  if (spectrum.E_keV.empty() || spectrum.E_keV.size() != spectrum.probability.size())
    throw std::invalid_argument("SpectrumFieldSource: the spectrum has no bins");
  double sum = 0.0;
  for (const double p : spectrum.probability) {
    sum += p;
    cumulative_.push_back(sum);
  }
  if (!(sum > 0.0)) throw std::invalid_argument("SpectrumFieldSource: the spectrum holds no photons");
  for (double& c : cumulative_) c /= sum;
  cumulative_.back() = 1.0;
  guide_.resize(2 * cumulative_.size());
  std::size_t i = 0;
  for (std::size_t k = 0; k < guide_.size(); ++k) {
    const double start = static_cast<double>(k) / static_cast<double>(guide_.size());
    while (i + 1 < cumulative_.size() && cumulative_[i] <= start) ++i;
    guide_[k] = i;
  }
}

double SpectrumFieldSource::SampleEnergy(double u) const
{
  // The first bin whose cumulative probability lies above u; bins of zero
  // probability are never chosen. From the guide's start, a step or two.
  const auto k = static_cast<std::size_t>(std::max(u, 0.0) * static_cast<double>(guide_.size()));
  std::size_t i = guide_[std::min(k, guide_.size() - 1)];
  while (i > 0 && cumulative_[i - 1] > u) --i;
  while (i + 1 < cumulative_.size() && cumulative_[i] <= u) ++i;
  return E_keV_[i];
}

mc::Photon SpectrumFieldSource::emit(mc::Rng& rng) const
{
  mc::Photon p = field_.emit(rng);  // direction into the field, from the origin
  p.r = {0.0, 0.0, -fsd_};
  p.E_keV = SampleEnergy(rng.uniform());
  return p;
}

}  // namespace vorn::bsf
