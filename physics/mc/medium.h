// A material's interaction data, tabulated on the transport's energy grid.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "physics/interaction.h"
#include "physics/mc/atomic_relaxation.h"
#include "physics/mc/energy_grid.h"
#include "physics/mc/incoherent_sampler.h"
#include "physics/mc/rng.h"
#include "physics/mc/scattering_tables.h"

namespace vorn::mc {

// The energy grid for a set of materials: log-spaced from the transport
// cut-off to E_max, with points around every K and L edge of their elements.
std::shared_ptr<const EnergyGrid> MakeEnergyGrid(const std::vector<physics::Material>& materials, double E_max_keV);

/// Mass energy-absorption coefficient of a material on the grid [cm2/g]: the
/// weight of a kerma or dose score.
class EnergyAbsorption {
public:
  EnergyAbsorption(const physics::Material& material, std::shared_ptr<const EnergyGrid> grid);
  double mu_en_rho(GridPoint g) const { return EnergyGrid::interpolate(mu_en_rho_, g); }
  double mu_en_rho_at(double E_keV) const { return mu_en_rho(grid_->locate(E_keV)); }
  const std::string& name() const { return name_; }
  const EnergyGrid& grid() const { return *grid_; }

private:
  std::string name_;
  std::shared_ptr<const EnergyGrid> grid_;
  std::vector<double> mu_en_rho_;
};

/// Transport data of one material: total attenuation and the shares of the
/// three interactions, the scattering functions, K fluorescence and the
/// angular densities of the two scatterings (for point detectors).
/// Invariant: every table is tabulated on `grid()`, which ends below the
/// pair-production threshold (pair production is not transported).
class Medium {
public:
  Medium(const physics::Material& material, std::shared_ptr<const EnergyGrid> grid);

  const std::string& name() const { return name_; }
  double density() const { return density_; }
  const EnergyGrid& grid() const { return *grid_; }

  double mu_total(GridPoint g) const { return lerp(&Row::mu_total, g); }  // 1/cm
  // Cumulative branch probabilities: photoabsorption below p_photo, coherent
  // from there below p_photo_coh, incoherent above.
  double p_photo(GridPoint g) const { return lerp(&Row::p_photo, g); }
  double p_photo_coh(GridPoint g) const { return lerp(&Row::p_photo_coh, g); }
  double mu_en(GridPoint g) const { return lerp(&Row::mu_en, g); }  // 1/cm
  double mu_en_rho(GridPoint g) const { return lerp(&Row::mu_en, g) / density_; }

  const IncoherentFunctionTable& incoherent_function() const { return *S_; }
  // Draws incoherent scattering from the tables of this medium.
  const IncoherentSampler& incoherent_sampler() const { return *incoherent_sampler_; }
  const CoherentFormTable& form_factor() const { return *F2_; }

  // After a photoabsorption at E: the energy of the fluorescence photon that
  // leaves the atom, or 0 when none does (its energy stays local). A shell
  // by its chance, then a line of it. Any generator with uniform() in [0, 1).
  template <class Generator>
  double SampleFluorescence(GridPoint g, Generator& rng) const
  {
    if (channels_.empty()) return 0.0;
    double u = rng.uniform();
    for (const Channel& c : channels_) {
      const double p = EnergyGrid::interpolate(c.probability, g);
      if (u < p) {
        double v = rng.uniform();
        for (const FluorescenceLine& l : c.lines) {
          if (v < l.probability) return l.E_keV;
          v -= l.probability;
        }
        return c.lines.back().E_keV;
      }
      u -= p;
    }
    return 0.0;
  }

  // One fluorescence line of this medium and its probability per photoabsorption at E.
  struct LineChance {
    double E_keV;
    double probability;
  };
  // Every line with a non-zero chance at E (for point-detector estimates).
  std::vector<LineChance> FluorescenceChances(GridPoint g) const;
  bool has_fluorescence() const { return !channels_.empty(); }

  // Angular densities per steradian of coherent and incoherent scattering at
  // E through the cosine mu (each integrates to 1 over the sphere).
  double CoherentDensity(double E_keV, GridPoint g, double mu) const;
  double IncoherentDensity(double E_keV, GridPoint g, double mu) const;

private:
  struct Row {
    double mu_total;
    double p_photo;
    double p_photo_coh;
    double mu_en;
  };
  double lerp(double Row::*field, GridPoint g) const
  {
    const double a = rows_[g.i].*field;
    return a + g.f * (rows_[g.i + 1].*field - a);
  }

  struct Channel {
    std::vector<double> probability;  // per grid point: fluorescence from this shell per photoabsorption
    std::vector<FluorescenceLine> lines;
  };

  std::string name_;
  double density_;
  std::shared_ptr<const EnergyGrid> grid_;
  std::vector<Row> rows_;
  std::unique_ptr<IncoherentFunctionTable> S_;
  std::unique_ptr<IncoherentSampler> incoherent_sampler_;
  std::unique_ptr<CoherentFormTable> F2_;
  std::vector<Channel> channels_;
  std::vector<double> coherent_norm_;    // 2 pi integral of (1 + mu^2)/2 F^2 dmu
  std::vector<double> incoherent_norm_;  // 2 pi integral of KN S dmu
};

}  // namespace vorn::mc
