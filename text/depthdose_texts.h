// Texts of the depth-dose program's computing routines, one table per edition.
// Every text is used exactly as it stands, blanks included.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "text/edition.h"

namespace vorn {

struct DepthDoseTexts {
  // Thickness check at start-up: first box (exclamation icon, OK), then the
  // question (OK and Cancel, no icon).
  std::string_view ThicknessOver40;
  std::string_view AssumeThickness40;

  // The depth-dose computation failed (OK button, no icon).
  std::string_view DepthDoseFailed;

  // The effective-dose computation failed for a reason other than a refused
  // row (exclamation icon, OK).
  std::string_view EffectiveDoseFailed;

  // Why a total shown on OK is not handed back (exclamation icon, OK): the
  // main program has handed over another beam since; it has ended (or the
  // hand-over file is gone otherwise); Eff-Dose.dat could not be written
  // (the reason follows on the next line); the total is beyond what the
  // result table takes.
  std::string_view LaterHandover;
  std::string_view HandoverGone;
  std::string_view EffDoseNotWritten;
  std::string_view EffectiveDoseBeyondTable;

  // A refused organ row (exclamation icon, OK); index = organ row 1..16, 0 unused.
  std::array<std::string_view, 17> OrganRowRefused;
  // The second line of a row's refusal when one of its boxes holds no number
  // ("17,6", "3cm", "abc").
  std::string_view OrganBoxNotANumber;

  // Line 1 of the effective-dose file.
  std::string_view EffDoseFileHeader;

  // Site names that select the lung corrections of the breast and exit-skin rows.
  std::string_view ChestFrontalSite;
  std::string_view ChestLateralSite;

  // The organ file of a site could not be read: before + site name + after.
  std::string_view NoOrganDataBefore;
  std::string_view NoOrganDataAfter;

  // ---- The windows ----

  // Title of the program's message boxes.
  std::string_view ProgramTitle;
  // First line of the message that ends a start-up whose data could not be
  // read; the reason, naming the file, follows on the next line.
  std::string_view StartupFailed;

  // Graph window.
  std::string_view GraphCaption;
  std::string_view SurfaceDoseBefore;  // + the dose in plain number text +
  std::string_view SurfaceDoseAfter;
  std::string_view DepthLabel;         // "Depth =" before the two depths
  std::string_view DepthSeparator;     // between the two depths
  std::string_view DepthUnit;
  std::string_view DoseLabel;
  std::string_view DoseUnit;
  std::string_view MouseHint;
  std::string_view GoToEffectiveDose;  // the button that opens the effective-dose window
  std::string_view DepthAxisTitle;
  std::string_view DoseAxisTitle;      // "PDD" and, below it, the unit
  std::string_view DoseAxisUnit;
  std::string_view LegendTotal;
  std::string_view LegendPrimary;
  std::string_view LegendScatter;
  // A read-out of a slab that has no computed dose.
  std::string_view NoValue;

  // Effective-dose window.
  std::string_view EffectiveDoseCaption;
  std::string_view EffectiveDoseTitle;
  std::string_view ThicknessBefore;  // + the thickness in plain number text +
  std::string_view ThicknessAfter;
  // Check-box captions; index = organ row 1..16, 0 unused.
  std::array<std::string_view, 17> OrganCaption;
  std::string_view DepthRangeMark;   // between the near and the far depth box
  // Column headings, one label a line from the top; an empty text leaves its
  // label out (the Japanese headings take fewer lines).
  std::array<std::string_view, 2> OrganHeading;
  std::array<std::string_view, 3> WeightHeading;
  std::string_view WeightSubscript;  // weightSubscriptCaption
  std::array<std::string_view, 3> DepthHeading;
  std::array<std::string_view, 5> PercentHeading;
  std::array<std::string_view, 4> ResultHeading;
  std::string_view ResetButton;
  std::string_view OkButton;
  std::string_view ExitButton;
  std::string_view ExitToolTip;
  std::string_view TotalLabel;
  std::string_view TotalUnit;
  std::string_view ProcedureHeading;
  std::array<std::string_view, 5> ProcedureSteps;
};

const DepthDoseTexts& DepthDoseTextsFor(Edition edition);

// The main program's side of the hand-over to the depth-dose program.
struct HandoverTexts {
  // The depth-dose program of the edition, by the name the main program starts it.
  std::string_view PddProgramFile;
  // The hand-over file could not be written / the program could not be
  // started (exclamation icon, OK); the reason follows on the next line.
  std::string_view HandoverNotWritten;
  std::string_view PddNotStarted;
  // The effective-dose file is not there (exclamation icon, OK).
  std::string_view EffectiveDoseNotCalculated;
  // It is there but cannot be read (the reason follows on the next line), or
  // it holds a number that is no effective dose (%1 the number).
  std::string_view EffectiveDoseUnreadable;
  std::string_view EffectiveDoseRefused;
  // The hand-over was pressed with no row of the table left to hand over.
  std::string_view NoRowToHandOver;
};

const HandoverTexts& HandoverTextsFor(Edition edition);

// Why the depth dose could not be computed, where the cause is a value of
// the hand-over or a row of the attenuation table: patterns whose %1 and %2
// take the numbers (FillIn).
struct DepthDoseCauseTexts {
  std::string_view TubeVoltageNotAboveZero;  // %1 kV
  std::string_view FfdNotAboveZero;          // %1 cm
  std::string_view FsdNotAboveZero;          // %1 cm
  std::string_view FieldSideBelowZero;       // %1 x %2 cm
  std::string_view NoSlab;                   // body thickness %1 cm
  std::string_view VoltageAbove150;
  std::string_view NoPhotonToCompute;        // tube voltage %1 kV
  std::string_view TooManyRings;             // half-diagonal %1 cm at depth %2 cm
  std::string_view BeyondAttenuationTable;   // %1 keV
  std::string_view EnergyWithoutLogarithm;   // the energy %1 in the attenuation table
  std::string_view CoefficientWithoutLogarithm;  // the coefficient %1 in the attenuation table
  std::string_view SurfaceDoseBelowZero;     // %1 mGy
  std::string_view SpectrumValueBelowZero;   // %1 on line %2 of the hand-over
  std::string_view RingShareOutside;         // ring %1, share %2, depth %3 cm
};

const DepthDoseCauseTexts& DepthDoseCauseTextsFor(Edition edition);

// The pattern with %1, %2, ... replaced by the values in order.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

// "There is no data of Abdomen-F" / "腹部正面 のデータはありません".
std::string NoOrganDataMessage(Edition edition, std::string_view site_name);

}  // namespace vorn
