// Limits shared by the fits of the spectrum to a measured beam quality.
#pragma once

namespace vorn {

// Voltage fits step the tube voltage by 0.2 kV within 30 .. 150 kV and within
// -10 % .. +10 % of the voltage set when the fit starts.
constexpr double kFitVoltageStep = 0.2;
constexpr double kFitVoltageMax = 150.0;
constexpr double kFitVoltageMin = 30.0;
constexpr double kFitVoltageUpFactor = 1.1;
constexpr double kFitVoltageDownFactor = 0.9;

// The filtration searches step the inherent filtration without a natural end
// when the measured value lies beyond what any filtration of this spectrum
// gives (the half-value layer only approaches that of the hardest bin). No
// real tube has an inherent filtration outside -1 .. 10 cm Al, so a search
// that leaves this range stops as a failed fit (at most 1100 steps of
// 0.01 cm from a start inside it).
constexpr double kFitFiltrationMin_cm = -1.0;
constexpr double kFitFiltrationMax_cm = 10.0;

// Accepted measured ATR indices.
constexpr double kAtrMeasuredMin = 0.1;
constexpr double kAtrMeasuredMax = 0.74;

}  // namespace vorn
