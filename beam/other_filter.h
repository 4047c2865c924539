// The optional filter of any material that the user can put into the beam.
#pragma once

#include <string>

#include "beam/energy_bins.h"

namespace vorn {

struct OtherFilterSpec {
  int OtherFilterOn = 0;             // 1 while a filter is set
  std::string OtherFilterMaterial;   // material name, empty when none
  double OtherFilterThickness = 0.0;  // cm
  EnergyBinArray OtherFilterMu{};    // linear attenuation coefficient, 1/cm per bin

  bool operator==(const OtherFilterSpec&) const = default;
};

}  // namespace vorn
