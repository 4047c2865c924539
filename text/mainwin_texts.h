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
  std::string_view DateSuffix;             // after the date in Label52
  std::string_view NoOptionalFilter;       // Label29 while no optional filter is set
  std::string_view DefaultExposureTime;    // Text7 at start-up
  std::string_view DefaultSite;            // Combo2 at start-up
  std::string_view DataTableUnreadable;    // start-up stops: followed by the reason
  std::string_view AlreadyRunningHere;     // another copy works in this folder: this one ends

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
  RowText TargetAngle;      // Text1
  RowText InherentFilter;   // Text2
  RowText AddedAl;          // Text3
  RowText AddedCu;          // Text4
  RowText OptionalFilter;   // Label29, Label26
  RowText TubeVoltage;      // Text5
  RowText TubeCurrent;      // Text6
  RowText ExposureTime;     // Text7
  RowText Ffd;              // Text8
  RowText Thickness;        // Text23
  RowText Fsd;              // Text9
  std::string_view FieldPresetCaption;  // beside Combo1
  std::string_view FieldLongSide;       // Label22
  std::string_view FieldDiameter;       // Label22 for a circular field
  std::string_view FieldShortSide;      // beside Text11
  std::string_view FieldUnit;
  std::string_view OutputDataInUse;     // beside Label79

  // ---- option buttons ----
  std::string_view Option1;
  std::string_view Option2;
  std::string_view Option3;
  std::string_view Option4;
  std::string_view Option5;
  std::string_view Option6;
  std::string_view Option7;
  std::string_view Option8;
  std::string_view Option9;

  // ---- results ----
  RowText Hvl;              // Label65
  RowText EffectiveEnergy;  // Label66
  RowText AtrIndex;         // Label67 (Japanese edition)
  RowText ExposureAt1m;     // Label78
  std::string_view SoftTissue;
  std::string_view Skin;
  std::string_view Air;
  std::string_view BsfRow;
  std::string_view ConvFactorRow;
  std::string_view SurfaceDoseRow;

  // ---- command buttons and tool tips ----
  std::string_view Command1;
  std::string_view Command1Tip;
  std::string_view Command2;
  std::string_view Command2Tip;
  std::string_view Command3;
  std::string_view Command4;
  std::string_view Command5;
  std::string_view Command6;  // Japanese edition only
  std::string_view Command6Tip;
  std::string_view Command7;  // Japanese edition only
  std::string_view Command8;
  std::string_view Command9;
  std::string_view Command9Tip;
  std::string_view Command10;
  std::string_view Command11;
  std::string_view Command12;
  std::string_view Command12Tip;
  std::string_view Command13;
  std::string_view Command14;
  std::string_view Picture1Tip;

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
