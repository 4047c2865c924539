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

  // ---- user-name registration (UserNameRegistrationDialog) and change (UserNameChangeDialog) ----
  std::string_view RegistrationCaption;
  std::string_view RegistrationWelcome;           // welcomeCaption
  std::string_view RegistrationPrompt;            // promptCaption
  std::string_view NameHint1;               // nameHint1Caption (Japanese only)
  std::string_view NameHint2;               // nameHint2Caption (Japanese only)
  std::string_view ChangeHint1;             // changeHint1Caption
  std::string_view ChangeHint2;             // changeHint2Caption
  std::string_view NameChangeCaption;
  std::string_view NameChangePrompt;            // promptCaption
  std::string_view RegistrationNameMissing;       // empty name box
  std::string_view NameChangeNameMissing;
  std::string_view NameNotSaved;            // the name file could not be rewritten

  // ---- examination sites (SiteListDialog, Japanese only) ----
  std::string_view SiteListCaption;
  std::string_view SitesHeading;            // sitesCaption
  std::string_view SiteToAdd;               // newSiteCaption
  std::string_view SiteCountPrefix;         // siteCountLabel, followed by the count
  std::string_view SiteMaximum;             // siteMaximumCaption
  std::string_view AddSite;                 // addButton
  std::string_view DeleteSite;              // deleteButton
  std::string_view SiteNameMissing;
  std::string_view SiteNameNotAName;        // a "/" or a backslash in it, or "." or ".."
  std::string_view SiteNotSelected;
  std::string_view DeleteSiteAsk1;          // followed by the site name
  std::string_view DeleteSiteAsk2;
  std::string_view SiteAfterDelete;         // the combo's text after a delete
  std::string_view SiteListFull;
  std::string_view SiteListUnusable;

  // ---- exit (ExitDialog) ----
  std::string_view ExitCaption;
  std::string_view ExitQuestion;
  std::string_view Yes;
  std::string_view No;

  // ---- output-data editor (OutputDataEditor) and chooser (OutputDataChooser) ----
  std::string_view EditorCaption;
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
  std::string_view ChooserCaption;
  std::string_view ChooserHeading;
  std::string_view SelectFile;
  std::string_view OutputDataNotRead;

  // ---- optional filter (OptionalFilterDialog) ----
  std::string_view OptionalFilterCaption;
  std::string_view FilterListHeading;       // filterListCaption
  std::string_view MaterialLabel;           // materialCaption
  std::string_view ThicknessLabel;          // thicknessCaption
  std::string_view SetFilter;               // setButton
  std::string_view RemoveFilter;            // removeButton
  std::array<std::string_view, 3> FilterNote;
  std::string_view FilterNotSelected;
  std::string_view FilterThicknessMissing;
  std::string_view FilterMaterialNotRead;

  // ---- measured exposure (MeasuredExposureDialog) ----
  std::string_view MeasuredExposureCaption;
  std::string_view MeasuredHeading;         // headingCaption
  std::string_view UnitFrame;
  std::string_view UnitCkg;                 // coulombPerKgOption
  std::string_view UnitRoentgen;            // roentgenOption
  std::string_view UnitAirKermaGy;          // airKermaOption
  std::string_view ExampleFrame;
  std::array<std::string_view, 3> ExampleValues;
};

const DialogTexts& DialogTextsFor(Edition edition);

}  // namespace vorn
