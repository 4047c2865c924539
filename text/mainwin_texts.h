// Texts of the main program's main window and of its start-up, one table per
// edition: captions, tool tips, the field-size presets, the fixed site list of
// the English edition and the messages.
#pragma once

#include <array>
#include <string_view>

#include "text/edition.h"

namespace vorn {

// One entry of the field-size list: the item shown and the texts it puts into
// the long-side and short-side boxes.
struct FieldPresetText {
  std::string_view item;
  std::string_view lengthText;
  std::string_view widthText;
};

inline constexpr int kFieldPresetCount = 11;
// Positions in the list of the entries that are not plain sizes.
inline constexpr int kFieldPresetElse = 9;
inline constexpr int kFieldPresetCircular = 10;
// The preset that start-up chooses and the one a refused curved surface falls back to.
inline constexpr int kFieldPresetStartup = 7;
inline constexpr int kFieldPresetSquare = 6;

inline constexpr int kEnglishSiteCount = 11;

// A caption beside an input box or a result, with the unit after it.
struct RowText {
  std::string_view caption;
  std::string_view unit;
};

struct MainWinTexts {
  // ---- fonts of the window ----
  std::string_view FormFont;
  double FormFontSize;

  // ---- window caption and start-up ----
  std::string_view DesignCaption;          // before a user name is known
  std::string_view RegisteredCaption;      // followed by the user name
  std::string_view GuestName;
  std::string_view DateSuffix;             // after the date in dateLabel
  std::string_view NoOptionalFilter;       // optionalFilterMaterialLabel while no optional filter is set
  std::string_view DefaultExposureTime;    // exposureTimeBox at start-up
  std::string_view DefaultSite;            // siteCombo at start-up
  std::string_view DataTableUnreadable;    // start-up stops: followed by the reason
  std::string_view AlreadyRunningHere;     // another copy works in this folder: this one ends
  // The lock file names an owner that cannot be checked: LockUnconfirmed, the
  // owner (LockOwnerProcess and the id, LockOwnerOnHost and the host; or
  // LockOwnerUnknown), LockRemoveIfNoneRuns, the file's full path, LockCopyEnds.
  std::string_view LockUnconfirmed, LockOwnerProcess, LockOwnerOnHost, LockOwnerUnknown;
  std::string_view LockRemoveIfNoneRuns, LockCopyEnds;
  // No ordinary file at the lock's name: LockNotAFile, the full path, LockNotAFileEnd.
  std::string_view LockNotAFile, LockNotAFileEnd;
  std::string_view LockUnavailable;        // no lock can be taken: followed by the reason

  // ---- frames ----
  std::string_view TubeFrame;
  std::string_view SiteFrame;
  std::string_view ExposureFrame;
  std::string_view FieldFrame;
  std::string_view RectificationFrame;
  std::string_view OutputFrame;            // exposure at 1 m
  std::string_view BsfFrame;
  std::string_view QualityFrame;
  std::string_view DoseFrame;
  std::string_view EffectiveDoseFrame;

  // ---- input rows ----
  RowText TargetAngle;      // targetAngleBox
  RowText InherentFilter;   // inherentFilterBox
  RowText AddedAl;          // addedAlBox
  RowText AddedCu;          // addedCuBox
  RowText OptionalFilter;   // optionalFilterMaterialLabel, optionalFilterThicknessLabel
  RowText TubeVoltage;      // tubeVoltageBox
  RowText TubeCurrent;      // tubeCurrentBox
  RowText ExposureTime;     // exposureTimeBox
  RowText Ffd;              // ffdBox
  RowText Thickness;        // thicknessBox
  RowText Fsd;              // fsdBox
  std::string_view FieldPresetCaption;  // beside fieldPresetCombo
  std::string_view FieldLongSide;       // fieldLongSideCaption
  std::string_view FieldDiameter;       // fieldLongSideCaption for a circular field
  std::string_view FieldShortSide;      // beside fieldShortSideBox
  std::string_view FieldUnit;
  std::string_view OutputDataInUse;     // beside outputDataInUseLabel

  // ---- option buttons ----
  std::string_view ConstantPotentialOption;
  std::string_view ThreePhaseOption;
  std::string_view SinglePhaseOption;
  std::string_view MeasuredExposureOption;
  std::string_view OutputDataOption;
  std::string_view FlatSurfaceOption;
  std::string_view CurvedSurfaceOption;
  std::string_view HeadOption;
  std::string_view OtherThanHeadOption;

  // ---- results ----
  RowText Hvl;              // hvlLabel
  RowText EffectiveEnergy;  // effectiveEnergyLabel
  RowText AtrIndex;         // atrIndexLabel (Japanese edition)
  RowText ExposureAt1m;     // exposureAt1mLabel
  std::string_view SoftTissue;
  std::string_view Skin;
  std::string_view Air;
  std::string_view BsfRow;
  std::string_view ConvFactorRow;
  std::string_view SurfaceDoseRow;

  // ---- command buttons and tool tips ----
  std::string_view ExitButton;
  std::string_view ExitButtonTip;
  std::string_view CalculateButton;
  std::string_view CalculateButtonTip;
  std::string_view AddToTableButton;
  std::string_view FluoroscopyButton;
  std::string_view AddEffectiveDoseButton;
  std::string_view AtrExplanationButton;  // Japanese edition only
  std::string_view AtrExplanationButtonTip;
  std::string_view SiteListButton;  // Japanese edition only
  std::string_view WelcomeButton;
  std::string_view OptionalFilterButton;
  std::string_view OptionalFilterButtonTip;
  std::string_view ShowTableButton;
  std::string_view EffectiveDoseButton;
  std::string_view EditOutputDataButton;
  std::string_view EditOutputDataButtonTip;
  std::string_view ChooseOutputDataButton;
  std::string_view FitButton;
  std::string_view MascotPictureTip;

  // ---- lists ----
  std::array<FieldPresetText, kFieldPresetCount> FieldPresets;
  std::array<std::string_view, kEnglishSiteCount> Sites;  // English edition's fixed list

  // ---- messages ----
  std::string_view CircularFieldFlat;     // choosing the circular field
  std::string_view CircularRefusesCurved;  // the curved surface with a circular field
  std::string_view ThicknessTooLarge;
  std::string_view CalculationFailed;
};

const MainWinTexts& MainWinTextsFor(Edition edition);

}  // namespace vorn
