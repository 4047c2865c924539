// The default output data vorn_default.op: exposure per mAs at 1 m for the
// twelve voltages 40..150 kV and the three rectification types, from the
// computing module's spectrum model, scaled once to a published tube output.
#pragma once

#include <filesystem>
#include <string>

#include "beam/attenuation_data.h"
#include "beam/output_data.h"

namespace vorn::datagen {

inline constexpr const char* kDefaultOutputFile = "vorn_default.op";

// The anchor: air kerma per mAs at 1 m of a tungsten-anode tube at 80 kV,
// constant potential, 2.5 mm Al total filtration (see data/README.md).
inline constexpr double kAnchorKv = 80.0;
inline constexpr double kAnchorAirKerma_Gy_per_mAs = 50e-6;
inline constexpr double kGyPerCkg = 33.97;  // air kerma per exposure
// The filtration with which every type's output is stated.
inline constexpr double kMeasurementAl_mm = 2.5;
inline constexpr double kMeasurementCu_mm = 0.0;
inline constexpr double kTargetAngle_deg = 12.0;

// The six coefficient columns of Att_coeff2020.dat, bins 1..300.
AttenuationData ComputeAttenuationData();

// Air kerma (arbitrary but fixed unit) per unit tube charge at 1 m of the
// tube spectrum of the computing module at tube voltage kv, behind the given
// filtration: the kerma of each phase sample of the waveform weighted by its
// tube current, divided by the sum of those weights.
double RelativeKermaPerCharge(const AttenuationData& attenuation, double kv, int rectificationType,
                              double filterAl_cm, double filterCu_cm);

struct DefaultOutputData {
  std::string header;
  OutputTableArray table;        // row 1 voltages, rows 2..4 C/kg per mAs
  OutputFilterArray filterAl_mm{};
  OutputFilterArray filterCu_mm{};
};
DefaultOutputData ComputeDefaultOutputData(const AttenuationData& attenuation);

// Writes vorn_default.op into out_dir in the layout of the output-data editor.
void WriteDefaultOutputData(const std::filesystem::path& out_dir);

}  // namespace vorn::datagen
