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

// The controls of one organ row.
struct OrganRowControls {
  ui::CheckBox* check;
  ui::Label* weight;
  ui::TextBox* near_depth;
  ui::Label* range_mark;
  ui::TextBox* far_depth;
  ui::TextBox* percent;
  ui::Label* result;
};

class Form2 : public ui::Form {
public:
  explicit Form2(DepthDoseProgram& program);

  ui::Label Label60{*this, "Label60"};
  ui::Label Label71{*this, "Label71"};
  ui::Label Label72{*this, "Label72"};
  ui::LineControl Line1{*this, "Line1"};
  ui::LineControl Line2{*this, "Line2"};

  // Column headings.
  ui::Label Label73{*this, "Label73"};
  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::Label Label74{*this, "Label74"};
  ui::Label Label34{*this, "Label34"};
  ui::Label Label35{*this, "Label35"};
  ui::Label Label61{*this, "Label61"};
  ui::Label Label33{*this, "Label33"};
  ui::Label Label75{*this, "Label75"};
  ui::Label Label36{*this, "Label36"};
  ui::Label Label37{*this, "Label37"};
  ui::Label Label38{*this, "Label38"};
  ui::Label Label18{*this, "Label18"};
  ui::Label Label39{*this, "Label39"};
  ui::Label Label40{*this, "Label40"};
  ui::Label Label76{*this, "Label76"};
  ui::Label Label77{*this, "Label77"};
  ui::Label Label56{*this, "Label56"};

  // Organ rows, top to bottom (declared in the order the Tab key visits them).
  // Row 1
  ui::CheckBox Check1{*this, "Check1"};
  ui::Label Label3{*this, "Label3"};
  ui::TextBox Text1{*this, "Text1"};
  ui::Label RangeMark1{*this, "RangeMark1"};
  ui::TextBox Text2{*this, "Text2"};
  ui::TextBox Text31{*this, "Text31"};
  ui::Label Label41{*this, "Label41"};
  // Row 2
  ui::CheckBox Check2{*this, "Check2"};
  ui::Label Label4{*this, "Label4"};
  ui::TextBox Text3{*this, "Text3"};
  ui::Label RangeMark2{*this, "RangeMark2"};
  ui::TextBox Text4{*this, "Text4"};
  ui::TextBox Text32{*this, "Text32"};
  ui::Label Label42{*this, "Label42"};
  // Row 3
  ui::CheckBox Check3{*this, "Check3"};
  ui::Label Label5{*this, "Label5"};
  ui::TextBox Text5{*this, "Text5"};
  ui::Label RangeMark3{*this, "RangeMark3"};
  ui::TextBox Text6{*this, "Text6"};
  ui::TextBox Text33{*this, "Text33"};
  ui::Label Label43{*this, "Label43"};
  // Row 4
  ui::CheckBox Check4{*this, "Check4"};
  ui::Label Label6{*this, "Label6"};
  ui::TextBox Text7{*this, "Text7"};
  ui::Label RangeMark4{*this, "RangeMark4"};
  ui::TextBox Text8{*this, "Text8"};
  ui::TextBox Text34{*this, "Text34"};
  ui::Label Label44{*this, "Label44"};
  // Row 5
  ui::CheckBox Check5{*this, "Check5"};
  ui::Label Label7{*this, "Label7"};
  ui::TextBox Text9{*this, "Text9"};
  ui::Label RangeMark5{*this, "RangeMark5"};
  ui::TextBox Text10{*this, "Text10"};
  ui::TextBox Text35{*this, "Text35"};
  ui::Label Label45{*this, "Label45"};
  // Row 6
  ui::CheckBox Check6{*this, "Check6"};
  ui::Label Label8{*this, "Label8"};
  ui::TextBox Text11{*this, "Text11"};
  ui::Label RangeMark6{*this, "RangeMark6"};
  ui::TextBox Text12{*this, "Text12"};
  ui::TextBox Text36{*this, "Text36"};
  ui::Label Label46{*this, "Label46"};
  // Row 7
  ui::CheckBox Check7{*this, "Check7"};
  ui::Label Label9{*this, "Label9"};
  ui::TextBox Text13{*this, "Text13"};
  ui::Label RangeMark7{*this, "RangeMark7"};
  ui::TextBox Text14{*this, "Text14"};
  ui::TextBox Text37{*this, "Text37"};
  ui::Label Label47{*this, "Label47"};
  // Row 8
  ui::CheckBox Check8{*this, "Check8"};
  ui::Label Label10{*this, "Label10"};
  ui::TextBox Text15{*this, "Text15"};
  ui::Label RangeMark8{*this, "RangeMark8"};
  ui::TextBox Text16{*this, "Text16"};
  ui::TextBox Text38{*this, "Text38"};
  ui::Label Label48{*this, "Label48"};
  // Row 9
  ui::CheckBox Check9{*this, "Check9"};
  ui::Label Label11{*this, "Label11"};
  ui::TextBox Text17{*this, "Text17"};
  ui::Label RangeMark9{*this, "RangeMark9"};
  ui::TextBox Text18{*this, "Text18"};
  ui::TextBox Text39{*this, "Text39"};
  ui::Label Label49{*this, "Label49"};
  // Row 10
  ui::CheckBox Check10{*this, "Check10"};
  ui::Label Label12{*this, "Label12"};
  ui::TextBox Text19{*this, "Text19"};
  ui::Label RangeMark10{*this, "RangeMark10"};
  ui::TextBox Text20{*this, "Text20"};
  ui::TextBox Text40{*this, "Text40"};
  ui::Label Label50{*this, "Label50"};
  // Row 11
  ui::CheckBox Check11{*this, "Check11"};
  ui::Label Label13{*this, "Label13"};
  ui::TextBox Text21{*this, "Text21"};
  ui::Label RangeMark11{*this, "RangeMark11"};
  ui::TextBox Text22{*this, "Text22"};
  ui::TextBox Text41{*this, "Text41"};
  ui::Label Label51{*this, "Label51"};
  // Row 12
  ui::CheckBox Check12{*this, "Check12"};
  ui::Label Label14{*this, "Label14"};
  ui::TextBox Text23{*this, "Text23"};
  ui::Label RangeMark12{*this, "RangeMark12"};
  ui::TextBox Text24{*this, "Text24"};
  ui::TextBox Text42{*this, "Text42"};
  ui::Label Label52{*this, "Label52"};
  // Row 13
  ui::CheckBox Check16{*this, "Check16"};
  ui::Label Label68{*this, "Label68"};
  ui::TextBox Text46{*this, "Text46"};
  ui::Label RangeMark13{*this, "RangeMark13"};
  ui::TextBox Text47{*this, "Text47"};
  ui::TextBox Text48{*this, "Text48"};
  ui::Label Label29{*this, "Label29"};
  // Row 14
  ui::CheckBox Check13{*this, "Check13"};
  ui::Label Label15{*this, "Label15"};
  ui::TextBox Text25{*this, "Text25"};
  ui::Label RangeMark14{*this, "RangeMark14"};
  ui::TextBox Text26{*this, "Text26"};
  ui::TextBox Text43{*this, "Text43"};
  ui::Label Label53{*this, "Label53"};
  // Row 15
  ui::CheckBox Check14{*this, "Check14"};
  ui::Label Label16{*this, "Label16"};
  ui::TextBox Text27{*this, "Text27"};
  ui::Label RangeMark15{*this, "RangeMark15"};
  ui::TextBox Text28{*this, "Text28"};
  ui::TextBox Text44{*this, "Text44"};
  ui::Label Label54{*this, "Label54"};
  // Row 16
  ui::CheckBox Check15{*this, "Check15"};
  ui::Label Label17{*this, "Label17"};
  ui::TextBox Text29{*this, "Text29"};
  ui::Label RangeMark16{*this, "RangeMark16"};
  ui::TextBox Text30{*this, "Text30"};
  ui::TextBox Text45{*this, "Text45"};
  ui::Label Label55{*this, "Label55"};

  ui::LineControl Line3{*this, "Line3"};
  ui::CommandButton Command3{*this, "Command3"};
  ui::CommandButton Command1{*this, "Command1"};
  ui::Label Label58{*this, "Label58"};
  ui::Label Label57{*this, "Label57"};
  ui::Label Label67{*this, "Label67"};
  ui::CommandButton Command2{*this, "Command2"};
  ui::LineControl Line4{*this, "Line4"};
  ui::Label Label65{*this, "Label65"};
  ui::Label Label59{*this, "Label59"};
  ui::Label Label62{*this, "Label62"};
  ui::Label Label63{*this, "Label63"};
  ui::Label Label64{*this, "Label64"};
  ui::Label Label66{*this, "Label66"};

  // The rows' controls; index = organ row 1..16 (0 unused).
  const std::array<OrganRowControls, kOrganRowCount + 1> Rows{{
      OrganRowControls{},
      OrganRowControls{&Check1, &Label3, &Text1, &RangeMark1, &Text2, &Text31, &Label41},
      OrganRowControls{&Check2, &Label4, &Text3, &RangeMark2, &Text4, &Text32, &Label42},
      OrganRowControls{&Check3, &Label5, &Text5, &RangeMark3, &Text6, &Text33, &Label43},
      OrganRowControls{&Check4, &Label6, &Text7, &RangeMark4, &Text8, &Text34, &Label44},
      OrganRowControls{&Check5, &Label7, &Text9, &RangeMark5, &Text10, &Text35, &Label45},
      OrganRowControls{&Check6, &Label8, &Text11, &RangeMark6, &Text12, &Text36, &Label46},
      OrganRowControls{&Check7, &Label9, &Text13, &RangeMark7, &Text14, &Text37, &Label47},
      OrganRowControls{&Check8, &Label10, &Text15, &RangeMark8, &Text16, &Text38, &Label48},
      OrganRowControls{&Check9, &Label11, &Text17, &RangeMark9, &Text18, &Text39, &Label49},
      OrganRowControls{&Check10, &Label12, &Text19, &RangeMark10, &Text20, &Text40, &Label50},
      OrganRowControls{&Check11, &Label13, &Text21, &RangeMark11, &Text22, &Text41, &Label51},
      OrganRowControls{&Check12, &Label14, &Text23, &RangeMark12, &Text24, &Text42, &Label52},
      OrganRowControls{&Check16, &Label68, &Text46, &RangeMark13, &Text47, &Text48, &Label29},
      OrganRowControls{&Check13, &Label15, &Text25, &RangeMark14, &Text26, &Text43, &Label53},
      OrganRowControls{&Check14, &Label16, &Text27, &RangeMark15, &Text28, &Text44, &Label54},
      OrganRowControls{&Check15, &Label17, &Text29, &RangeMark16, &Text30, &Text45, &Label55}}};

  // Empties the rows ("0" in every box, no tick, no results) and fills them
  // from what the site's organ file gives.
  void FillOrganRows(const OrganDataResult& data);
  // The rows as the computation reads them.
  OrganRowInputs RowInputs() const;

private:
  void Form_Load();
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();

  DepthDoseProgram& program_;
};

}  // namespace vorn::pdd
