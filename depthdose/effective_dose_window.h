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

class EffectiveDoseWindow : public ui::Form {
public:
  explicit EffectiveDoseWindow(DepthDoseProgram& program);

  ui::Label titleCaption{*this, "Label60"};
  ui::Label siteLabel{*this, "Label71"};
  ui::Label thicknessLabel{*this, "Label72"};
  ui::LineControl underTitleLine{*this, "Line1"};
  ui::LineControl underSiteLine{*this, "Line2"};

  // Column headings.
  ui::Label organHeading1Caption{*this, "Label73"};
  ui::Label organHeading2Caption{*this, "Label1"};
  ui::Label weightHeading1Caption{*this, "Label2"};
  ui::Label weightHeading2Caption{*this, "Label74"};
  ui::Label weightHeading3Caption{*this, "Label34"};
  ui::Label weightSubscriptCaption{*this, "Label35"};
  ui::Label depthHeading1Caption{*this, "Label61"};
  ui::Label depthHeading2Caption{*this, "Label33"};
  ui::Label depthHeading3Caption{*this, "Label75"};
  ui::Label percentHeading1Caption{*this, "Label36"};
  ui::Label percentHeading2Caption{*this, "Label37"};
  ui::Label percentHeading3Caption{*this, "Label38"};
  ui::Label percentHeading4Caption{*this, "Label18"};
  ui::Label percentHeading5Caption{*this, "Label39"};
  ui::Label resultHeading1Caption{*this, "Label40"};
  ui::Label resultHeading2Caption{*this, "Label76"};
  ui::Label resultHeading3Caption{*this, "Label77"};
  ui::Label resultHeading4Caption{*this, "Label56"};

  // Organ rows, top to bottom (declared in the order the Tab key visits them).
  // Row 1
  ui::CheckBox organ1Check{*this, "Check1"};
  ui::Label organ1WeightLabel{*this, "Label3"};
  ui::TextBox organ1NearDepthBox{*this, "Text1"};
  ui::Label organ1RangeCaption{*this, "RangeMark1"};
  ui::TextBox organ1FarDepthBox{*this, "Text2"};
  ui::TextBox organ1PercentBox{*this, "Text31"};
  ui::Label organ1DoseLabel{*this, "Label41"};
  // Row 2
  ui::CheckBox organ2Check{*this, "Check2"};
  ui::Label organ2WeightLabel{*this, "Label4"};
  ui::TextBox organ2NearDepthBox{*this, "Text3"};
  ui::Label organ2RangeCaption{*this, "RangeMark2"};
  ui::TextBox organ2FarDepthBox{*this, "Text4"};
  ui::TextBox organ2PercentBox{*this, "Text32"};
  ui::Label organ2DoseLabel{*this, "Label42"};
  // Row 3
  ui::CheckBox organ3Check{*this, "Check3"};
  ui::Label organ3WeightLabel{*this, "Label5"};
  ui::TextBox organ3NearDepthBox{*this, "Text5"};
  ui::Label organ3RangeCaption{*this, "RangeMark3"};
  ui::TextBox organ3FarDepthBox{*this, "Text6"};
  ui::TextBox organ3PercentBox{*this, "Text33"};
  ui::Label organ3DoseLabel{*this, "Label43"};
  // Row 4
  ui::CheckBox organ4Check{*this, "Check4"};
  ui::Label organ4WeightLabel{*this, "Label6"};
  ui::TextBox organ4NearDepthBox{*this, "Text7"};
  ui::Label organ4RangeCaption{*this, "RangeMark4"};
  ui::TextBox organ4FarDepthBox{*this, "Text8"};
  ui::TextBox organ4PercentBox{*this, "Text34"};
  ui::Label organ4DoseLabel{*this, "Label44"};
  // Row 5
  ui::CheckBox organ5Check{*this, "Check5"};
  ui::Label organ5WeightLabel{*this, "Label7"};
  ui::TextBox organ5NearDepthBox{*this, "Text9"};
  ui::Label organ5RangeCaption{*this, "RangeMark5"};
  ui::TextBox organ5FarDepthBox{*this, "Text10"};
  ui::TextBox organ5PercentBox{*this, "Text35"};
  ui::Label organ5DoseLabel{*this, "Label45"};
  // Row 6
  ui::CheckBox organ6Check{*this, "Check6"};
  ui::Label organ6WeightLabel{*this, "Label8"};
  ui::TextBox organ6NearDepthBox{*this, "Text11"};
  ui::Label organ6RangeCaption{*this, "RangeMark6"};
  ui::TextBox organ6FarDepthBox{*this, "Text12"};
  ui::TextBox organ6PercentBox{*this, "Text36"};
  ui::Label organ6DoseLabel{*this, "Label46"};
  // Row 7
  ui::CheckBox organ7Check{*this, "Check7"};
  ui::Label organ7WeightLabel{*this, "Label9"};
  ui::TextBox organ7NearDepthBox{*this, "Text13"};
  ui::Label organ7RangeCaption{*this, "RangeMark7"};
  ui::TextBox organ7FarDepthBox{*this, "Text14"};
  ui::TextBox organ7PercentBox{*this, "Text37"};
  ui::Label organ7DoseLabel{*this, "Label47"};
  // Row 8
  ui::CheckBox organ8Check{*this, "Check8"};
  ui::Label organ8WeightLabel{*this, "Label10"};
  ui::TextBox organ8NearDepthBox{*this, "Text15"};
  ui::Label organ8RangeCaption{*this, "RangeMark8"};
  ui::TextBox organ8FarDepthBox{*this, "Text16"};
  ui::TextBox organ8PercentBox{*this, "Text38"};
  ui::Label organ8DoseLabel{*this, "Label48"};
  // Row 9
  ui::CheckBox organ9Check{*this, "Check9"};
  ui::Label organ9WeightLabel{*this, "Label11"};
  ui::TextBox organ9NearDepthBox{*this, "Text17"};
  ui::Label organ9RangeCaption{*this, "RangeMark9"};
  ui::TextBox organ9FarDepthBox{*this, "Text18"};
  ui::TextBox organ9PercentBox{*this, "Text39"};
  ui::Label organ9DoseLabel{*this, "Label49"};
  // Row 10
  ui::CheckBox organ10Check{*this, "Check10"};
  ui::Label organ10WeightLabel{*this, "Label12"};
  ui::TextBox organ10NearDepthBox{*this, "Text19"};
  ui::Label organ10RangeCaption{*this, "RangeMark10"};
  ui::TextBox organ10FarDepthBox{*this, "Text20"};
  ui::TextBox organ10PercentBox{*this, "Text40"};
  ui::Label organ10DoseLabel{*this, "Label50"};
  // Row 11
  ui::CheckBox organ11Check{*this, "Check11"};
  ui::Label organ11WeightLabel{*this, "Label13"};
  ui::TextBox organ11NearDepthBox{*this, "Text21"};
  ui::Label organ11RangeCaption{*this, "RangeMark11"};
  ui::TextBox organ11FarDepthBox{*this, "Text22"};
  ui::TextBox organ11PercentBox{*this, "Text41"};
  ui::Label organ11DoseLabel{*this, "Label51"};
  // Row 12
  ui::CheckBox organ12Check{*this, "Check12"};
  ui::Label organ12WeightLabel{*this, "Label14"};
  ui::TextBox organ12NearDepthBox{*this, "Text23"};
  ui::Label organ12RangeCaption{*this, "RangeMark12"};
  ui::TextBox organ12FarDepthBox{*this, "Text24"};
  ui::TextBox organ12PercentBox{*this, "Text42"};
  ui::Label organ12DoseLabel{*this, "Label52"};
  // Row 13
  ui::CheckBox organ13Check{*this, "Check16"};
  ui::Label organ13WeightLabel{*this, "Label68"};
  ui::TextBox organ13NearDepthBox{*this, "Text46"};
  ui::Label organ13RangeCaption{*this, "RangeMark13"};
  ui::TextBox organ13FarDepthBox{*this, "Text47"};
  ui::TextBox organ13PercentBox{*this, "Text48"};
  ui::Label organ13DoseLabel{*this, "Label29"};
  // Row 14
  ui::CheckBox organ14Check{*this, "Check13"};
  ui::Label organ14WeightLabel{*this, "Label15"};
  ui::TextBox organ14NearDepthBox{*this, "Text25"};
  ui::Label organ14RangeCaption{*this, "RangeMark14"};
  ui::TextBox organ14FarDepthBox{*this, "Text26"};
  ui::TextBox organ14PercentBox{*this, "Text43"};
  ui::Label organ14DoseLabel{*this, "Label53"};
  // Row 15
  ui::CheckBox organ15Check{*this, "Check14"};
  ui::Label organ15WeightLabel{*this, "Label16"};
  ui::TextBox organ15NearDepthBox{*this, "Text27"};
  ui::Label organ15RangeCaption{*this, "RangeMark15"};
  ui::TextBox organ15FarDepthBox{*this, "Text28"};
  ui::TextBox organ15PercentBox{*this, "Text44"};
  ui::Label organ15DoseLabel{*this, "Label54"};
  // Row 16
  ui::CheckBox organ16Check{*this, "Check15"};
  ui::Label organ16WeightLabel{*this, "Label17"};
  ui::TextBox organ16NearDepthBox{*this, "Text29"};
  ui::Label organ16RangeCaption{*this, "RangeMark16"};
  ui::TextBox organ16FarDepthBox{*this, "Text30"};
  ui::TextBox organ16PercentBox{*this, "Text45"};
  ui::Label organ16DoseLabel{*this, "Label55"};

  ui::LineControl aboveCommandsLine{*this, "Line3"};
  ui::CommandButton resetButton{*this, "Command3"};
  ui::CommandButton okButton{*this, "Command1"};
  ui::Label totalCaption{*this, "Label58"};
  ui::Label totalLabel{*this, "Label57"};
  ui::Label totalUnit{*this, "Label67"};
  ui::CommandButton exitButton{*this, "Command2"};
  ui::LineControl aboveProcedureLine{*this, "Line4"};
  ui::Label procedureHeadingCaption{*this, "Label65"};
  ui::Label procedureStep1Caption{*this, "Label59"};
  ui::Label procedureStep2Caption{*this, "Label62"};
  ui::Label procedureStep3Caption{*this, "Label63"};
  ui::Label procedureStep4Caption{*this, "Label64"};
  ui::Label procedureStep5Caption{*this, "Label66"};

  // The rows' controls; index = organ row 1..16 (0 unused).
  const std::array<OrganRowControls, kOrganRowCount + 1> Rows{{
      OrganRowControls{},
      OrganRowControls{&organ1Check, &organ1WeightLabel, &organ1NearDepthBox, &organ1RangeCaption, &organ1FarDepthBox, &organ1PercentBox, &organ1DoseLabel},
      OrganRowControls{&organ2Check, &organ2WeightLabel, &organ2NearDepthBox, &organ2RangeCaption, &organ2FarDepthBox, &organ2PercentBox, &organ2DoseLabel},
      OrganRowControls{&organ3Check, &organ3WeightLabel, &organ3NearDepthBox, &organ3RangeCaption, &organ3FarDepthBox, &organ3PercentBox, &organ3DoseLabel},
      OrganRowControls{&organ4Check, &organ4WeightLabel, &organ4NearDepthBox, &organ4RangeCaption, &organ4FarDepthBox, &organ4PercentBox, &organ4DoseLabel},
      OrganRowControls{&organ5Check, &organ5WeightLabel, &organ5NearDepthBox, &organ5RangeCaption, &organ5FarDepthBox, &organ5PercentBox, &organ5DoseLabel},
      OrganRowControls{&organ6Check, &organ6WeightLabel, &organ6NearDepthBox, &organ6RangeCaption, &organ6FarDepthBox, &organ6PercentBox, &organ6DoseLabel},
      OrganRowControls{&organ7Check, &organ7WeightLabel, &organ7NearDepthBox, &organ7RangeCaption, &organ7FarDepthBox, &organ7PercentBox, &organ7DoseLabel},
      OrganRowControls{&organ8Check, &organ8WeightLabel, &organ8NearDepthBox, &organ8RangeCaption, &organ8FarDepthBox, &organ8PercentBox, &organ8DoseLabel},
      OrganRowControls{&organ9Check, &organ9WeightLabel, &organ9NearDepthBox, &organ9RangeCaption, &organ9FarDepthBox, &organ9PercentBox, &organ9DoseLabel},
      OrganRowControls{&organ10Check, &organ10WeightLabel, &organ10NearDepthBox, &organ10RangeCaption, &organ10FarDepthBox, &organ10PercentBox, &organ10DoseLabel},
      OrganRowControls{&organ11Check, &organ11WeightLabel, &organ11NearDepthBox, &organ11RangeCaption, &organ11FarDepthBox, &organ11PercentBox, &organ11DoseLabel},
      OrganRowControls{&organ12Check, &organ12WeightLabel, &organ12NearDepthBox, &organ12RangeCaption, &organ12FarDepthBox, &organ12PercentBox, &organ12DoseLabel},
      OrganRowControls{&organ13Check, &organ13WeightLabel, &organ13NearDepthBox, &organ13RangeCaption, &organ13FarDepthBox, &organ13PercentBox, &organ13DoseLabel},
      OrganRowControls{&organ14Check, &organ14WeightLabel, &organ14NearDepthBox, &organ14RangeCaption, &organ14FarDepthBox, &organ14PercentBox, &organ14DoseLabel},
      OrganRowControls{&organ15Check, &organ15WeightLabel, &organ15NearDepthBox, &organ15RangeCaption, &organ15FarDepthBox, &organ15PercentBox, &organ15DoseLabel},
      OrganRowControls{&organ16Check, &organ16WeightLabel, &organ16NearDepthBox, &organ16RangeCaption, &organ16FarDepthBox, &organ16PercentBox, &organ16DoseLabel}}};

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
