// The output-data editor: the exposure per mAs at 1 m of the output data in
// use for twelve tube voltages and the three rectification types, with the
// filtration of the measurement, saved as a new output-data file (*.op) that
// then becomes the data in use.
//
// Boxes: type1Output40kVBox-type1Output150kVBox, type2Output40kVBox-type2Output150kVBox, type3Output40kVBox-type3Output150kVBox the outputs (C/kg per mAs)
// of rectification types 1, 2, 3 at 40 ... 150 kV; type1AlFilterBox/type1CuFilterBox,
// type2AlFilterBox/type2CuFilterBox, type3AlFilterBox/type3CuFilterBox the aluminium and copper filtration (mm) of
// types 1, 2, 3; fileNameBox the file name without ".op"; commentBox the comment.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "mainwin/entry_check.h"
#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

namespace output_data_editor_layout {
// Output box of rectification type t (1..3) at voltage row k (1..12).
constexpr ui::Rect OutputBox(int t, int k) { return {960.0 + 1560.0 * (t - 1), 1140.0 + 390.0 * (k - 1), 1440, 345}; }
// Filtration box of type t: row 1 aluminium, row 2 copper.
constexpr ui::Rect FilterBox(int t, int row) { return {960.0 + 1560.0 * (t - 1), 6240.0 + 390.0 * (row - 1), 1440, 345}; }
}  // namespace output_data_editor_layout

class OutputDataEditor : public ui::Form {
public:
  explicit OutputDataEditor(MainProgram& program);

  static constexpr int kBoxes = 44;

  ui::TextBox type1Output40kVBox{*this, "Text1", output_data_editor_layout::OutputBox(1, 1)};
  ui::TextBox type1Output50kVBox{*this, "Text2", output_data_editor_layout::OutputBox(1, 2)};
  ui::TextBox type1Output60kVBox{*this, "Text3", output_data_editor_layout::OutputBox(1, 3)};
  ui::TextBox type1Output70kVBox{*this, "Text4", output_data_editor_layout::OutputBox(1, 4)};
  ui::TextBox type1Output80kVBox{*this, "Text5", output_data_editor_layout::OutputBox(1, 5)};
  ui::TextBox type1Output90kVBox{*this, "Text6", output_data_editor_layout::OutputBox(1, 6)};
  ui::TextBox type1Output100kVBox{*this, "Text7", output_data_editor_layout::OutputBox(1, 7)};
  ui::TextBox type1Output110kVBox{*this, "Text8", output_data_editor_layout::OutputBox(1, 8)};
  ui::TextBox type1Output120kVBox{*this, "Text9", output_data_editor_layout::OutputBox(1, 9)};
  ui::TextBox type1Output130kVBox{*this, "Text10", output_data_editor_layout::OutputBox(1, 10)};
  ui::TextBox type1Output140kVBox{*this, "Text11", output_data_editor_layout::OutputBox(1, 11)};
  ui::TextBox type1Output150kVBox{*this, "Text12", output_data_editor_layout::OutputBox(1, 12)};
  ui::TextBox type2Output40kVBox{*this, "Text13", output_data_editor_layout::OutputBox(2, 1)};
  ui::TextBox type2Output50kVBox{*this, "Text14", output_data_editor_layout::OutputBox(2, 2)};
  ui::TextBox type2Output60kVBox{*this, "Text15", output_data_editor_layout::OutputBox(2, 3)};
  ui::TextBox type2Output70kVBox{*this, "Text16", output_data_editor_layout::OutputBox(2, 4)};
  ui::TextBox type2Output80kVBox{*this, "Text17", output_data_editor_layout::OutputBox(2, 5)};
  ui::TextBox type2Output90kVBox{*this, "Text18", output_data_editor_layout::OutputBox(2, 6)};
  ui::TextBox type2Output100kVBox{*this, "Text19", output_data_editor_layout::OutputBox(2, 7)};
  ui::TextBox type2Output110kVBox{*this, "Text20", output_data_editor_layout::OutputBox(2, 8)};
  ui::TextBox type2Output120kVBox{*this, "Text21", output_data_editor_layout::OutputBox(2, 9)};
  ui::TextBox type2Output130kVBox{*this, "Text22", output_data_editor_layout::OutputBox(2, 10)};
  ui::TextBox type2Output140kVBox{*this, "Text23", output_data_editor_layout::OutputBox(2, 11)};
  ui::TextBox type2Output150kVBox{*this, "Text24", output_data_editor_layout::OutputBox(2, 12)};
  ui::TextBox type3Output40kVBox{*this, "Text25", output_data_editor_layout::OutputBox(3, 1)};
  ui::TextBox type3Output50kVBox{*this, "Text26", output_data_editor_layout::OutputBox(3, 2)};
  ui::TextBox type3Output60kVBox{*this, "Text27", output_data_editor_layout::OutputBox(3, 3)};
  ui::TextBox type3Output70kVBox{*this, "Text28", output_data_editor_layout::OutputBox(3, 4)};
  ui::TextBox type3Output80kVBox{*this, "Text29", output_data_editor_layout::OutputBox(3, 5)};
  ui::TextBox type3Output90kVBox{*this, "Text30", output_data_editor_layout::OutputBox(3, 6)};
  ui::TextBox type3Output100kVBox{*this, "Text31", output_data_editor_layout::OutputBox(3, 7)};
  ui::TextBox type3Output110kVBox{*this, "Text32", output_data_editor_layout::OutputBox(3, 8)};
  ui::TextBox type3Output120kVBox{*this, "Text33", output_data_editor_layout::OutputBox(3, 9)};
  ui::TextBox type3Output130kVBox{*this, "Text34", output_data_editor_layout::OutputBox(3, 10)};
  ui::TextBox type3Output140kVBox{*this, "Text35", output_data_editor_layout::OutputBox(3, 11)};
  ui::TextBox type3Output150kVBox{*this, "Text36", output_data_editor_layout::OutputBox(3, 12)};
  ui::TextBox type1AlFilterBox{*this, "Text37", output_data_editor_layout::FilterBox(1, 1)};
  ui::TextBox type1CuFilterBox{*this, "Text38", output_data_editor_layout::FilterBox(1, 2)};
  ui::TextBox type2AlFilterBox{*this, "Text39", output_data_editor_layout::FilterBox(2, 1)};
  ui::TextBox type2CuFilterBox{*this, "Text40", output_data_editor_layout::FilterBox(2, 2)};
  ui::TextBox type3AlFilterBox{*this, "Text41", output_data_editor_layout::FilterBox(3, 1)};
  ui::TextBox type3CuFilterBox{*this, "Text42", output_data_editor_layout::FilterBox(3, 2)};
  ui::TextBox fileNameBox{*this, "Text43", {5880, 1440, 4080, 345}};  // file name without ".op"
  ui::TextBox commentBox{*this, "Text44", {5880, 2760, 4080, 345}};  // comment
  ui::CommandButton saveButton{*this, "Command1", {5880, 6240, 1860, 480}};  // Save
  ui::CommandButton cancelButton{*this, "Command2", {8100, 6240, 1860, 480}};  // Cancel

  // Box n (1..44).
  ui::TextBox& Box(int n) const { return *boxes_.at(static_cast<std::size_t>(n)); }

private:
  // One Enter routine for the 44 boxes: Enter walks down a rectification
  // column, to that column's filtration, the file name, the comment and Save.
  void Text_KeyDown(int box, int keyCode);
  ui::Control& EnterTarget(int box);
  void SaveButton_Click();
  void CancelButton_Click() { Hide(); }
  std::optional<EntryRefusal> FirstBadEntry();

  ui::Label& AddLabel(const std::string& name, ui::Rect place, std::string_view caption);

  MainProgram& program_;
  const DialogTexts& texts_;
  std::array<ui::TextBox*, kBoxes + 1> boxes_{};  // index 0 unused
  std::vector<std::unique_ptr<ui::Label>> labels_;  // headings and row labels
};

}  // namespace vorn::mainwin
