// The output-data editor: the exposure per mAs at 1 m of the output data in
// use for twelve tube voltages and the three rectification types, with the
// filtration of the measurement, saved as a new output-data file (*.op) that
// then becomes the data in use.
//
// Boxes: Text1-Text12, Text13-Text24, Text25-Text36 the outputs (C/kg per mAs)
// of rectification types 1, 2, 3 at 40 ... 150 kV; Text37/Text38,
// Text39/Text40, Text41/Text42 the aluminium and copper filtration (mm) of
// types 1, 2, 3; Text43 the file name without ".op"; Text44 the comment.
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

namespace form7_layout {
// Output box of rectification type t (1..3) at voltage row k (1..12).
constexpr ui::Rect OutputBox(int t, int k) { return {960.0 + 1560.0 * (t - 1), 1140.0 + 390.0 * (k - 1), 1440, 345}; }
// Filtration box of type t: row 1 aluminium, row 2 copper.
constexpr ui::Rect FilterBox(int t, int row) { return {960.0 + 1560.0 * (t - 1), 6240.0 + 390.0 * (row - 1), 1440, 345}; }
}  // namespace form7_layout

class Form7 : public ui::Form {
public:
  explicit Form7(MainProgram& program);

  static constexpr int kBoxes = 44;

  ui::TextBox Text1{*this, "Text1", form7_layout::OutputBox(1, 1)};
  ui::TextBox Text2{*this, "Text2", form7_layout::OutputBox(1, 2)};
  ui::TextBox Text3{*this, "Text3", form7_layout::OutputBox(1, 3)};
  ui::TextBox Text4{*this, "Text4", form7_layout::OutputBox(1, 4)};
  ui::TextBox Text5{*this, "Text5", form7_layout::OutputBox(1, 5)};
  ui::TextBox Text6{*this, "Text6", form7_layout::OutputBox(1, 6)};
  ui::TextBox Text7{*this, "Text7", form7_layout::OutputBox(1, 7)};
  ui::TextBox Text8{*this, "Text8", form7_layout::OutputBox(1, 8)};
  ui::TextBox Text9{*this, "Text9", form7_layout::OutputBox(1, 9)};
  ui::TextBox Text10{*this, "Text10", form7_layout::OutputBox(1, 10)};
  ui::TextBox Text11{*this, "Text11", form7_layout::OutputBox(1, 11)};
  ui::TextBox Text12{*this, "Text12", form7_layout::OutputBox(1, 12)};
  ui::TextBox Text13{*this, "Text13", form7_layout::OutputBox(2, 1)};
  ui::TextBox Text14{*this, "Text14", form7_layout::OutputBox(2, 2)};
  ui::TextBox Text15{*this, "Text15", form7_layout::OutputBox(2, 3)};
  ui::TextBox Text16{*this, "Text16", form7_layout::OutputBox(2, 4)};
  ui::TextBox Text17{*this, "Text17", form7_layout::OutputBox(2, 5)};
  ui::TextBox Text18{*this, "Text18", form7_layout::OutputBox(2, 6)};
  ui::TextBox Text19{*this, "Text19", form7_layout::OutputBox(2, 7)};
  ui::TextBox Text20{*this, "Text20", form7_layout::OutputBox(2, 8)};
  ui::TextBox Text21{*this, "Text21", form7_layout::OutputBox(2, 9)};
  ui::TextBox Text22{*this, "Text22", form7_layout::OutputBox(2, 10)};
  ui::TextBox Text23{*this, "Text23", form7_layout::OutputBox(2, 11)};
  ui::TextBox Text24{*this, "Text24", form7_layout::OutputBox(2, 12)};
  ui::TextBox Text25{*this, "Text25", form7_layout::OutputBox(3, 1)};
  ui::TextBox Text26{*this, "Text26", form7_layout::OutputBox(3, 2)};
  ui::TextBox Text27{*this, "Text27", form7_layout::OutputBox(3, 3)};
  ui::TextBox Text28{*this, "Text28", form7_layout::OutputBox(3, 4)};
  ui::TextBox Text29{*this, "Text29", form7_layout::OutputBox(3, 5)};
  ui::TextBox Text30{*this, "Text30", form7_layout::OutputBox(3, 6)};
  ui::TextBox Text31{*this, "Text31", form7_layout::OutputBox(3, 7)};
  ui::TextBox Text32{*this, "Text32", form7_layout::OutputBox(3, 8)};
  ui::TextBox Text33{*this, "Text33", form7_layout::OutputBox(3, 9)};
  ui::TextBox Text34{*this, "Text34", form7_layout::OutputBox(3, 10)};
  ui::TextBox Text35{*this, "Text35", form7_layout::OutputBox(3, 11)};
  ui::TextBox Text36{*this, "Text36", form7_layout::OutputBox(3, 12)};
  ui::TextBox Text37{*this, "Text37", form7_layout::FilterBox(1, 1)};
  ui::TextBox Text38{*this, "Text38", form7_layout::FilterBox(1, 2)};
  ui::TextBox Text39{*this, "Text39", form7_layout::FilterBox(2, 1)};
  ui::TextBox Text40{*this, "Text40", form7_layout::FilterBox(2, 2)};
  ui::TextBox Text41{*this, "Text41", form7_layout::FilterBox(3, 1)};
  ui::TextBox Text42{*this, "Text42", form7_layout::FilterBox(3, 2)};
  ui::TextBox Text43{*this, "Text43", {5880, 1440, 4080, 345}};  // file name without ".op"
  ui::TextBox Text44{*this, "Text44", {5880, 2760, 4080, 345}};  // comment
  ui::CommandButton Command1{*this, "Command1", {5880, 6240, 1860, 480}};  // Save
  ui::CommandButton Command2{*this, "Command2", {8100, 6240, 1860, 480}};  // Cancel

  // Box n (1..44).
  ui::TextBox& Box(int n) const { return *boxes_.at(static_cast<std::size_t>(n)); }

private:
  // One Enter routine for the 44 boxes: Enter walks down a rectification
  // column, to that column's filtration, the file name, the comment and Save.
  void Text_KeyDown(int box, int keyCode);
  ui::Control& EnterTarget(int box);
  void Command1_Click();
  void Command2_Click() { Hide(); }
  std::optional<EntryRefusal> FirstBadEntry();

  ui::Label& AddLabel(const std::string& name, ui::Rect place, std::string_view caption);

  MainProgram& program_;
  const DialogTexts& texts_;
  std::array<ui::TextBox*, kBoxes + 1> boxes_{};  // index 0 unused
  std::vector<std::unique_ptr<ui::Label>> labels_;  // headings and row labels
};

}  // namespace vorn::mainwin
