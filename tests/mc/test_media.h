// Materials and media shared by the transport tests, each built on first use
// (building a medium is the slowest part of a short test).
#pragma once

#include <memory>

#include "physics/interaction.h"
#include "physics/mc/medium.h"

namespace vorn::mc::testing {

class TestMedia {
public:
  physics::Material soft_material = physics::IcruSoftTissue();
  physics::Material bone_material = physics::NistMaterial("Bone, Cortical (ICRP)");
  physics::Material pmma_material = physics::NistMaterial("Polymethyl Methacralate (Lucite, Perspex)");
  physics::Material air_material = physics::NistMaterial("Air, Dry (near sea level)");
  std::shared_ptr<const EnergyGrid> grid =
      MakeEnergyGrid({soft_material, bone_material, pmma_material, air_material}, 151.0);

  std::shared_ptr<const Medium> soft() const { return Once<Medium>(soft_, soft_material); }
  std::shared_ptr<const Medium> bone() const { return Once<Medium>(bone_, bone_material); }
  std::shared_ptr<const Medium> pmma() const { return Once<Medium>(pmma_, pmma_material); }
  std::shared_ptr<const EnergyAbsorption> soft_en() const { return Once<EnergyAbsorption>(soft_en_, soft_material); }
  std::shared_ptr<const EnergyAbsorption> air_en() const { return Once<EnergyAbsorption>(air_en_, air_material); }

  static const TestMedia& get()
  {
    static const TestMedia media;
    return media;
  }

private:
  // The tests call these from the main thread only.
  template <class T>
  std::shared_ptr<const T> Once(std::shared_ptr<const T>& slot, const physics::Material& material) const
  {
    if (!slot) slot = std::make_shared<const T>(material, grid);
    return slot;
  }

  mutable std::shared_ptr<const Medium> soft_, bone_, pmma_;
  mutable std::shared_ptr<const EnergyAbsorption> soft_en_, air_en_;
};

}  // namespace vorn::mc::testing
