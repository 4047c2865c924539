// The computing module of the main program: the program-wide state of the
// exposure condition, data tables and results, and the routines that compute
// the spectrum, the fits, the exposure at 1 m, the backscatter factors and
// the entrance surface doses over it. Routines take no arguments and return
// nothing, as the windows call them; they report through the WindowPort.
#pragma once

#include <filesystem>

#include "beam/atr_data.h"
#include "beam/attenuation_data.h"
#include "beam/calculation_result.h"
#include "beam/diff_bsf_data.h"
#include "beam/energy_bins.h"
#include "beam/exposure_condition.h"
#include "beam/fit_request.h"
#include "beam/indexed_tables.h"
#include "beam/other_filter.h"
#include "beam/output_data.h"
#include "beam/phantom_geometry.h"
#include "beam/window_port.h"
#include "text/edition.h"

namespace vorn {

// Exposure-to-air-kerma conversion (Gy per C/kg).
constexpr double kAirWValue = 33.97;

class BeamCalculation {
public:
  BeamCalculation(Edition edition, std::filesystem::path workingFolder, WindowPort& windows);

  BeamCalculation(const BeamCalculation&) = delete;
  BeamCalculation& operator=(const BeamCalculation&) = delete;

  Edition edition() const { return edition_; }
  const std::filesystem::path& working_folder() const { return working_folder_; }

  // --- Routines. A routine that cannot compute raises CalcError (or
  // FileError) to its caller, except the fits, which report with their own
  // message and failure flag and never raise.

  // Spectrum behind all filters, kerma ratio, first half-value layer,
  // effective energy and (Japanese edition) ATR index; writes X_SPCTL.dat and
  // the labels hvlLabel, effectiveEnergyLabel (and atrIndexLabel).
  void CalcSpectrum();
  // Exposure at 1 m from the output table (only when OutputSource is 2); exposureAt1mLabel.
  void CalcExposureFromOutput();
  // Conversion factors, backscatter factors and entrance surface doses.
  void CalcBsfAndSurfaceDose();

  void FitHvlByFiltration();
  void FitHvlByVoltageUp();
  void FitHvlByVoltageDown();
  // Japanese edition only: the English edition has no ATR-index features.
  void FitAtrByFiltration();
  void FitAtrByVoltageUp();
  void FitAtrByVoltageDown();

  // --- Program-wide state, read and written by the windows.
  ExposureCondition Condition;
  OtherFilterSpec OtherFilter;
  PhantomGeometry Phantom;
  CalculationResult Result;
  AttenuationData Attenuation;
  DiffBsfData DiffBsf;
  AtrData Atr;
  OutputData Output;
  FitRequest Fit;
  double AirWValue = kAirWValue;

  // Photons per 0.5 keV bin behind all filters, normalised to sum 1.
  EnergyBinArray Spectrum{};

  // --- Work arrays of the routines, kept between calls.
  EnergyBinArray BremsBins{};           // tube spectrum of the last phase angle sampled
  EnergyBinArray FiltKermaWork{};       // air kerma of the filtered beam (scratch)
  EnergyBinArray TransmissionCurve{};   // % air kerma behind j x 0.1 mm Al, j = 1..300
  EnergyBinArray KermaSpectrum{};       // share of the air kerma per bin, sum 1
  EnergyBinArray DoseWeightSpectrum{};  // dose weight per bin of the medium in hand
  Table2<1, kLastGridColumn> BsfAtGridSoft;  // BSF of the field at grid column j, phantom h
  Table2<1, kLastGridColumn> BsfAtGridSkin;
  Table2<1, kLastGridColumn> BsfAtGridAir;
  EnergyBinArray AtrBaseSpectrum{};     // ATR filtration fit: spectrum behind the trial filtration

private:
  // The spectrum model, shared by CalcSpectrum and the fits.
  void ComputeTubeSpectrum(double kv);
  void FormFilteredKerma(double inherentAl, double kv);
  double NormaliseFilteredKerma(double kv);
  void FillTransmissionCurve(double kv, double kermaTotal);
  double FirstHvlFromCurve() const;
  double TrialHvl(double inherentAl, double kv);
  void FilterPhotonSpectrum(double inherentAl, double kv);
  double NormaliseSpectrum(double kv, bool zeroBelowFloor);
  double AtrIndexOf(const EnergyBinArray& spectrum, double kv) const;
  double EffectiveEnergyFor(double hvl) const;

  // The flat-surface backscatter factors, and the curved-surface ones from
  // the outside program of the shape (curved_surface.cpp).
  void CalcFlatSurfaceBsf();
  void CalcCurvedSurfaceBsf();

  // Fit helpers.
  double AtrIndexForFiltration(double filtration, double kv);
  double AtrIndexForVoltage(double kv);
  void ReportFitFailure(std::string_view text, MsgTitle title, bool beep, int& flag);
  void ReportHvlFitFailure(int& flag);
  void RequireAtrFeatures(const char* routine) const;

  Edition edition_;
  std::filesystem::path working_folder_;
  WindowPort& windows_;
};

}  // namespace vorn
