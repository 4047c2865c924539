// The hand-over file Vorn2PDD.dat that takes the current beam to the
// depth-dose program: its record, made from the computing module's state,
// and its text, so that both can be checked without a window.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "beam/energy_bins.h"
#include "beam/calculation_result.h"
#include "beam/exposure_condition.h"

namespace vorn::mainwin {

inline constexpr const char* kHandoverFileName = "Vorn2PDD.dat";
inline constexpr const char* kEffDoseFileName = "Eff-Dose.dat";
// Eff-Dose.dat is a heading and one number: anything much larger is no answer.
inline constexpr std::uintmax_t kEffDoseFileMaxBytes = 4096;

struct PddHandoverRecord {
  double TubeVoltage = 0.0;      // kV
  double FFD = 0.0;              // cm
  double FSD = 0.0;              // cm
  double ObjectThickness = 0.0;  // cm
  double FieldLength = 0.0;      // cm at FFD; the diameter of a circular field
  double FieldWidth = 0.0;       // cm at FFD; 0 for a circular field
  double EntranceSurfaceDoseSoft = 0.0;  // mGy
  EnergyBinArray Spectrum{};     // bins 1..300
  std::string SiteName;          // as the site box shows it
};

// The record of the current beam and the site text. A field side that holds
// no number (the free-size preset left empty) raises CalcError naming it.
// A circular field hands over 0 as its second side, whatever that holds.
PddHandoverRecord MakeHandoverRecord(const ExposureCondition& condition, const CalculationResult& result,
                                     const EnergyBinArray& spectrum, std::string site_name);

// The 308 lines of the file, each ended by CR LF: six numbers in plain number
// text as a print statement writes them (" 75 "), the surface dose "##0.000",
// the 300 spectrum bins "0.000E+00", the site name as it stands.
std::string PddHandoverText(const PddHandoverRecord& record);

// The effective dose (mSv) of an Eff-Dose.dat: its heading line, then one
// number. Throws FileError or DataError naming the file.
double ReadEffectiveDoseFile(const std::filesystem::path& file);
// Whether a dose handed back can be an effective dose of this system: one
// the result table may hold (finite, 0 or more, below the dose limit).
bool IsEffectiveDose(double mSv);

}  // namespace vorn::mainwin
