// Materials and media shared by the transport tests (built once per process).
#pragma once

#include <memory>

#include "physics/interaction.h"
#include "physics/mc/medium.h"

namespace vorn::mc::testing {

struct TestMedia {
  physics::Material soft_material = physics::IcruSoftTissue();
  physics::Material bone_material = physics::NistMaterial("Bone, Cortical (ICRP)");
  physics::Material pmma_material = physics::NistMaterial("Polymethyl Methacralate (Lucite, Perspex)");
  physics::Material air_material = physics::NistMaterial("Air, Dry (near sea level)");
  std::shared_ptr<const EnergyGrid> grid =
      MakeEnergyGrid({soft_material, bone_material, pmma_material, air_material}, 151.0);
  std::shared_ptr<const Medium> soft = std::make_shared<Medium>(soft_material, grid);
  std::shared_ptr<const Medium> bone = std::make_shared<Medium>(bone_material, grid);
  std::shared_ptr<const Medium> pmma = std::make_shared<Medium>(pmma_material, grid);
  std::shared_ptr<const EnergyAbsorption> soft_en = std::make_shared<EnergyAbsorption>(soft_material, grid);
  std::shared_ptr<const EnergyAbsorption> air_en = std::make_shared<EnergyAbsorption>(air_material, grid);

  static const TestMedia& get()
  {
    static const TestMedia media;
    return media;
  }
};

}  // namespace vorn::mc::testing
