// The depth-dose program's computing module: the handed-over beam, the soft
// tissue tables, the depth-dose table and the organ data, with the routines
// that fill them. One object per program run; the windows call its routines
// and draw from its state.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "beam/energy_bins.h"
#include "depthdose/effective_dose.h"
#include "depthdose/organ_data.h"
#include "text/edition.h"

namespace vorn::pdd {

inline constexpr int kLastSlab = 80;      // slabs of 0.5 cm, 1..80
inline constexpr int kLastRing = 80;      // rings of 0.5 cm, 1..80
inline constexpr int kLastAttnRow = 37;   // rows of ICRUSoft.dat, 1..37
inline constexpr int kLastPrimaryRow = 30;  // PrimaryTable 2..30 (10..150 keV)
inline constexpr double kThicknessCap_cm = 40.0;

inline constexpr const char* kHandoverFileName = "Vorn2PDD.dat";
inline constexpr const char* kAttenuationFileName = "ICRUSoft.dat";
inline constexpr const char* kPrimaryFileName = "Primary.dat";
inline constexpr const char* kKernelFolderName = "PDS-data";
inline constexpr const char* kPddScratchFileName = "PDD_tempDATA.txt";
inline constexpr const char* kOrganFolderName = "Organ-data";
inline constexpr const char* kEffDoseFileName = "Eff-Dose.dat";

using SlabArray = std::array<double, kLastSlab + 1>;  // (0 To 80), index 0 unused

// Why the depth-dose computation stopped: the edition's fixed text for the
// message box (OK button, no icon) and the cause, naming the file or quantity.
struct CalcFailure {
  std::string message;
  std::string cause;
};
using CalcFailureSink = std::function<void(const CalcFailure&)>;

class DepthDoseCalculation {
public:
  DepthDoseCalculation(Edition edition, std::filesystem::path working_folder);

  Edition edition() const { return edition_; }
  const std::filesystem::path& working_folder() const { return folder_; }
  std::filesystem::path FilePath(const std::filesystem::path& name) const { return folder_ / name; }

  // --- Hand-over from the main program (Vorn2PDD.dat) ---
  double InTubeVoltage = 0.0;          // kV
  double InFFD = 0.0;                  // cm
  double InFSD = 0.0;                  // cm
  double InObjectThickness = 0.0;      // cm
  double InFieldLength = 0.0;          // cm at FFD; half-side at the surface after CalcDepthDose
  double InFieldWidth = 0.0;           // cm at FFD; 0 = circular field of diameter InFieldLength
  double InEntranceSurfaceDose = 0.0;  // mGy, soft tissue
  EnergyBinArray InSpectrum{};         // bins 1..300
  std::string InSiteName;

  // --- Tables ---
  // AttnTable[c][i]: row i (1..N); c = 1..3 the partial coefficients (1/cm), 4 the energy (keV).
  std::array<std::array<double, kLastAttnRow + 1>, 5> AttnTable{};
  std::array<double, kLastPrimaryRow + 1> PrimaryTable{};  // at 5 x i keV, i = 2..30
  EnergyBinArray PrimaryFactor{};                          // bins 21..300; 0..20 stay 0
  double PiValue = 0.0;                                    // 3.14159 once loaded

  // --- Depth dose ---
  SlabArray PrimaryDose{};
  SlabArray ScatterDose{};
  std::array<SlabArray, kLastBin + 1> ScatterByEnergy{};                      // [bin i][slab j]
  std::array<std::array<double, kLastSlab + 1>, kLastRing + 1> ScatterKernel{};  // [ring m][slab j]
  std::array<SlabArray, 4> PddTable{};  // [1] primary, [2] scatter, [3] total, % of slab 1's total
  // The last CalcDepthDose succeeded. After a failure PddTable holds nothing
  // an effective dose may be taken from (all 0, or a part of the steps).
  bool DepthDoseComputed = false;

  // --- Organ data (raw file values; index = organ row 1..16) ---
  OrganArray OrganOn{};
  OrganArray OrganDepth1Mode{};
  OrganArray OrganDepth1{};
  OrganArray OrganDepth2Mode{};
  OrganArray OrganDepth2{};
  OrganArray OrganPercent{};

  // Tissue weighting factors of ICRP Publication 103, index 1..15 (sum 1).
  // Constant for the run, so they are set here rather than when the
  // effective-dose window first loads.
  std::array<double, 16> TissueWeight{0.0,  0.12, 0.12, 0.12, 0.12, 0.12, 0.08, 0.04,
                                      0.04, 0.04, 0.04, 0.01, 0.01, 0.01, 0.01, 0.12};

  // --- Graph cursor flags ---
  int CursorIndex = 0;
  int KeyStepOn = 0;
  int MouseReadOn = 1;

  // Told when CalcDepthDose stops on an error; may be left empty.
  CalcFailureSink OnCalcFailure;

  // --- Routines ---

  // Reads Vorn2PDD.dat item by item into the In... values. A site name with a
  // comma is cut at the comma. Throws FileError / DataError naming the file.
  void ReadHandoverFile();

  // What has become of Vorn2PDD.dat since this program read it. Only while
  // it still holds the beam read does an effective dose handed back belong
  // to the row the main program is waiting for; a later hand-over replaces
  // it, and the main program removes it when it ends. Unchanged when no
  // hand-over was read (the In... values were set by the caller).
  enum class HandoverNow { Unchanged, Replaced, Gone };
  HandoverNow HandoverState() const;

  // The body thickness is above the 40 cm that the organ depths allow (40 passes).
  bool ThicknessExceedsCap() const;
  // The user's answer to the question that follows: accepting sets the
  // thickness to 40 cm. Returns whether the effective dose may be estimated.
  bool ApplyThicknessAnswer(bool accept_40cm);

  // Reads ICRUSoft.dat and Primary.dat, fills AttnTable, PrimaryTable,
  // PrimaryFactor and PiValue. Throws FileError / DataError naming the file.
  void LoadAttenuationData();

  // Computes PddTable from the hand-over and the tables, reading the scatter
  // kernels, and writes PDD_tempDATA.txt. Rewrites InFieldLength/InFieldWidth
  // as the half-sides at the surface. On any error it stops, tells
  // OnCalcFailure and returns false; PddTable keeps what was written so far.
  // A hand-over value no beam can have (tube voltage, FFD or FSD not above 0,
  // a field side below 0) is such an error, named in the cause.
  bool CalcDepthDose();

  // Reads the site's organ file into the Organ... arrays and returns what the
  // effective-dose window's rows show (see organ_data.h).
  OrganDataResult LoadOrganData();

  // The OK of the effective-dose window: computes the organ doses and the
  // effective dose from the rows as the window holds them and, when every
  // row passes, writes Eff-Dose.dat (see effective_dose.h) unless the
  // hand-over has been replaced or is gone, or the total is one the main
  // program's result table does not take (0 up to kDoseLimit_mGy). Without a
  // computed depth dose nothing is computed or written.
  EffectiveDoseResult ConfirmEffectiveDose(const OrganRowInputs& rows) const;

  // The same computation without writing the file.
  EffectiveDoseResult EvaluateEffectiveDose(const OrganRowInputs& rows) const;

  // Writes PDD_tempDATA.txt, the table of slabs 1..slab_count, in one step
  // (CalcDepthDose does, after its computation); throws FileError.
  void WritePddScratchFile(int slab_count) const;

  // Deletes PDD_tempDATA.txt; every error (a missing file included) is ignored.
  void DeletePddScratchFile() const noexcept;

  // Deletes an Eff-Dose.dat left from an earlier run, so that the main
  // program never takes it for this beam; every error is ignored (the main
  // program's hand-over has removed it already or not started this program).
  void DeleteOldEffectiveDose() const noexcept;

private:
  void ComputeDepthDose();  // the steps of CalcDepthDose, throwing on errors

  Edition edition_;
  std::filesystem::path folder_;
  bool handover_read_ = false;
  std::optional<std::string> handover_bytes_;  // Vorn2PDD.dat as read
};

// Number of 0.5 cm slabs that the depth dose covers for a body thickness:
// Int(2 x T - 0.1) + 1, at most 80 (20 cm -> 40, 20.05 cm -> 41). Below 1
// for a thickness that holds no slab.
int SlabCount(double thickness_cm);

// Depth of the centre of slab j, cm.
constexpr double SlabCentre_cm(int j) { return 0.5 * j - 0.25; }

// One line of PDD_tempDATA.txt without its line end.
std::string PddScratchLine(Edition edition, double depth_cm, double primary_pct,
                           double scatter_pct, double total_pct);

}  // namespace vorn::pdd
