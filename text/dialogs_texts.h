// Texts of the main program's user-name, site, exit, output-data,
// optional-filter and measured-exposure dialogs, one table per edition.
// Items of the Japanese-only dialogs are empty in the English table.
#pragma once

#include <array>
#include <string_view>

#include "text/edition.h"

namespace vorn {

struct DialogTexts {
  // ---- buttons and units shared by several dialogs ----
  std::string_view OK;
  std::string_view Cancel;
  std::string_view Millimetre;

  // ---- user-name registration (Form15) and change (Form18) ----
  std::string_view Form15Caption;
  std::string_view Form15Welcome;           // Label2
  std::string_view Form15Prompt;            // Label1
  std::string_view NameHint1;               // Label8 (Japanese only)
  std::string_view NameHint2;               // Label3 (Japanese only)
  std::string_view ChangeHint1;             // Label6
  std::string_view ChangeHint2;             // Label5
  std::string_view Form18Caption;
  std::string_view Form18Prompt;            // Label1
  std::string_view Form15NameMissing;       // empty name box
  std::string_view Form18NameMissing;
  std::string_view NameNotSaved;            // the name file could not be rewritten

  // ---- examination sites (Form17, Japanese only) ----
  std::string_view Form17Caption;
  std::string_view SitesHeading;            // Label1
  std::string_view SiteToAdd;               // Label2
  std::string_view SiteCountPrefix;         // Label3, followed by the count
  std::string_view SiteMaximum;             // Label4
  std::string_view AddSite;                 // Command1
  std::string_view DeleteSite;              // Command3
  std::string_view SiteNameMissing;
  std::string_view SiteNotSelected;
  std::string_view DeleteSiteAsk1;          // followed by the site name
  std::string_view DeleteSiteAsk2;
  std::string_view SiteAfterDelete;         // the combo's text after a delete
  std::string_view SiteListFull;
  std::string_view SiteListUnusable;

  // ---- exit (Form6) ----
  std::string_view Form6Caption;
  std::string_view ExitQuestion;
  std::string_view Yes;
  std::string_view No;

  // ---- output-data editor (Form7) and chooser (Form8) ----
  std::string_view Form7Caption;
  std::string_view EditorHeading1;
  std::string_view EditorHeading2;
  std::array<std::string_view, 3> RectificationHeads;  // types 1, 2, 3
  std::string_view KvHead;
  std::string_view FiltrationHeading;
  std::string_view Aluminium;
  std::string_view Copper;
  std::string_view FileNameLabel;
  std::string_view FileNameHint;
  std::string_view CommentLabel;
  std::string_view Save;
  std::string_view ReservedFileName;
  std::string_view OverwriteQuestion;
  std::string_view OutputDataNotSaved;
  std::string_view Form8Caption;
  std::string_view ChooserHeading;
  std::string_view SelectFile;
  std::string_view OutputDataNotRead;

  // ---- optional filter (Form5) ----
  std::string_view Form5Caption;
  std::string_view FilterListHeading;       // Label1
  std::string_view MaterialLabel;           // Label4
  std::string_view ThicknessLabel;          // Label2
  std::string_view SetFilter;               // Command1
  std::string_view RemoveFilter;            // Command2
  std::array<std::string_view, 3> FilterNote;
  std::string_view FilterNotSelected;
  std::string_view FilterThicknessMissing;
  std::string_view FilterMaterialNotRead;

  // ---- measured exposure (Form9) ----
  std::string_view Form9Caption;
  std::string_view MeasuredHeading;         // Label1
  std::string_view UnitFrame;
  std::string_view UnitCkg;                 // Option1
  std::string_view UnitRoentgen;            // Option2
  std::string_view UnitAirKermaGy;          // Option3
  std::string_view ExampleFrame;
  std::array<std::string_view, 3> ExampleValues;
};

const DialogTexts& DialogTextsFor(Edition edition);

}  // namespace vorn
