// The effective-dose window of the depth-dose program: sixteen organ rows
// (in the irradiated volume or not, depth range below the entrance surface,
// percentage inside the irradiated volume), their tissue-weighted doses and
// the effective dose, which OK writes to Eff-Dose.dat for the main program.
#pragma once

#include <array>

#include "depthdose/effective_dose.h"
#include "depthdose/organ_data.h"
#include "platform/ui/ui.h"

namespace vorn::pdd {

class DepthDoseProgram;

// One organ row, left to right. Its controls are built in this order, which
// is the order the Tab key visits them.
struct OrganRowControls {
  // The row's name strings, as the window binding and the screenshots know them.
  struct Names {
    const char* check;
    const char* weight;
    const char* nearDepth;
    const char* rangeMark;
    const char* farDepth;
    const char* percent;
    const char* dose;
  };
  OrganRowControls(ui::Container& window, const Names& names)
      : check{window, names.check},
        weightLabel{window, names.weight},
        nearDepthBox{window, names.nearDepth},
        rangeCaption{window, names.rangeMark},
        farDepthBox{window, names.farDepth},
        percentBox{window, names.percent},
        doseLabel{window, names.dose}
  {
  }
  ui::CheckBox check;        // in the irradiated volume; its caption names the organ
  ui::Label weightLabel;     // tissue weighting factor
  ui::TextBox nearDepthBox;  // depth range below the entrance surface, cm
  ui::Label rangeCaption;
  ui::TextBox farDepthBox;
  ui::TextBox percentBox;    // percentage inside the irradiated volume
  ui::Label doseLabel;       // tissue-equivalent dose
};

// The names of organ row r (1..16) at index r - 1; row 13 keeps the names it
// was added under.
inline constexpr std::array<OrganRowControls::Names, kOrganRowCount> kOrganRowNames{{
    {"Check1", "Label3", "Text1", "RangeMark1", "Text2", "Text31", "Label41"},
    {"Check2", "Label4", "Text3", "RangeMark2", "Text4", "Text32", "Label42"},
    {"Check3", "Label5", "Text5", "RangeMark3", "Text6", "Text33", "Label43"},
    {"Check4", "Label6", "Text7", "RangeMark4", "Text8", "Text34", "Label44"},
    {"Check5", "Label7", "Text9", "RangeMark5", "Text10", "Text35", "Label45"},
    {"Check6", "Label8", "Text11", "RangeMark6", "Text12", "Text36", "Label46"},
    {"Check7", "Label9", "Text13", "RangeMark7", "Text14", "Text37", "Label47"},
    {"Check8", "Label10", "Text15", "RangeMark8", "Text16", "Text38", "Label48"},
    {"Check9", "Label11", "Text17", "RangeMark9", "Text18", "Text39", "Label49"},
    {"Check10", "Label12", "Text19", "RangeMark10", "Text20", "Text40", "Label50"},
    {"Check11", "Label13", "Text21", "RangeMark11", "Text22", "Text41", "Label51"},
    {"Check12", "Label14", "Text23", "RangeMark12", "Text24", "Text42", "Label52"},
    {"Check16", "Label68", "Text46", "RangeMark13", "Text47", "Text48", "Label29"},
    {"Check13", "Label15", "Text25", "RangeMark14", "Text26", "Text43", "Label53"},
    {"Check14", "Label16", "Text27", "RangeMark15", "Text28", "Text44", "Label54"},
    {"Check15", "Label17", "Text29", "RangeMark16", "Text30", "Text45", "Label55"},
}};

class EffectiveDoseWindow : public ui::Form {
public:
  explicit EffectiveDoseWindow(DepthDoseProgram& program);

  ui::Label titleCaption{*this, "Label60"};
  ui::Label siteLabel{*this, "Label71"};
  ui::Label thicknessLabel{*this, "Label72"};
  ui::LineControl underTitleLine{*this, "Line1"};
  ui::LineControl underSiteLine{*this, "Line2"};

  // Column headings, one label a line from the top.
  std::array<ui::Label, 2> organHeading = ui::MakeControls<ui::Label>(*this, {"Label73", "Label1"});
  std::array<ui::Label, 3> weightHeading = ui::MakeControls<ui::Label>(*this, {"Label2", "Label74", "Label34"});
  ui::Label weightSubscriptCaption{*this, "Label35"};
  std::array<ui::Label, 3> depthHeading = ui::MakeControls<ui::Label>(*this, {"Label61", "Label33", "Label75"});
  std::array<ui::Label, 5> percentHeading =
      ui::MakeControls<ui::Label>(*this, {"Label36", "Label37", "Label38", "Label18", "Label39"});
  std::array<ui::Label, 4> resultHeading =
      ui::MakeControls<ui::Label>(*this, {"Label40", "Label76", "Label77", "Label56"});

  // The organ rows, top to bottom: organRows[r - 1] is organ row r.
  std::array<OrganRowControls, kOrganRowCount> organRows = ui::MakeControls<OrganRowControls>(*this, kOrganRowNames);

  ui::LineControl aboveCommandsLine{*this, "Line3"};
  ui::CommandButton resetButton{*this, "Command3"};
  ui::CommandButton okButton{*this, "Command1"};
  ui::Label totalCaption{*this, "Label58"};
  ui::Label totalLabel{*this, "Label57"};
  ui::Label totalUnit{*this, "Label67"};
  ui::CommandButton exitButton{*this, "Command2"};
  ui::LineControl aboveProcedureLine{*this, "Line4"};
  ui::Label procedureHeadingCaption{*this, "Label65"};
  std::array<ui::Label, 5> procedureSteps =
      ui::MakeControls<ui::Label>(*this, {"Label59", "Label62", "Label63", "Label64", "Label66"});

  // Empties the rows ("0" in every box, no tick, no results) and fills them
  // from what the site's organ file gives.
  void FillOrganRows(const OrganDataResult& data);
  // The rows as the computation reads them.
  OrganRowInputs RowInputs() const;

private:
  void Form_Load();
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);
  void OkButton_Click();
  void ExitButton_Click();
  void ResetButton_Click();

  DepthDoseProgram& program_;
};

}  // namespace vorn::pdd
