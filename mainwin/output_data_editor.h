// The output-data editor: the exposure per mAs at 1 m of the output data in
// use for twelve tube voltages and the three rectification types, with the
// filtration of the measurement, saved as a new output-data file (*.op) that
// then becomes the data in use.
//
// Boxes: outputBoxes[t][k] the output (C/kg per mAs) of rectification type
// t + 1 at 40 + 10 k kV; filterBoxes[t] the aluminium and copper filtration
// (mm) of type t + 1; fileNameBox the file name without ".op"; commentBox the
// comment.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "beam/output_data.h"
#include "mainwin/entry_check.h"
#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

namespace output_data_editor_layout {
// Output box of rectification type t (1..3) at voltage row k (1..12).
constexpr ui::Rect OutputBox(int t, int k) { return {960.0 + 1560.0 * (t - 1), 1140.0 + 390.0 * (k - 1), 1440, 345}; }
// Filtration box of type t: row 1 aluminium, row 2 copper.
constexpr ui::Rect FilterBox(int t, int row)
{
  return {960.0 + 1560.0 * (t - 1), 6240.0 + 390.0 * (row - 1), 1440, 345};
}
}  // namespace output_data_editor_layout

inline constexpr int kRectificationTypes = 3;

// The output boxes of one rectification type (1..3), 40 kV at the top; their
// names run on from type to type: "Text1" .. "Text12" for type 1.
using OutputColumn = std::array<ui::TextBox, kOutputPoints>;

// The filtration of the measurement of one rectification type (1..3), mm.
struct FiltrationBoxes {
  FiltrationBoxes(ui::Container& window, int type)
      : al{window, "Text" + std::to_string(35 + 2 * type), output_data_editor_layout::FilterBox(type, 1)},
        cu{window, "Text" + std::to_string(36 + 2 * type), output_data_editor_layout::FilterBox(type, 2)}
  {
  }
  ui::TextBox al;
  ui::TextBox cu;
};

class OutputDataEditor : public ui::Form {
public:
  explicit OutputDataEditor(MainProgram& program);

  // outputBoxes[t][k]: type t + 1 at 40 + 10 k kV ("Text1" .. "Text36", type by type).
  std::array<OutputColumn, kRectificationTypes> outputBoxes = MakeOutputBoxes(*this);
  // filterBoxes[t]: the aluminium and copper of type t + 1 ("Text37" .. "Text42").
  std::array<FiltrationBoxes, kRectificationTypes> filterBoxes =
      ui::MakeControls<FiltrationBoxes>(*this, std::array<int, kRectificationTypes>{1, 2, 3});
  ui::TextBox fileNameBox{*this, "Text43", {5880, 1440, 4080, 345}};  // without ".op"
  ui::TextBox commentBox{*this, "Text44", {5880, 2760, 4080, 345}};
  ui::CommandButton saveButton{*this, "Command1", {5880, 6240, 1860, 480}};
  ui::CommandButton cancelButton{*this, "Command2", {8100, 6240, 1860, 480}};

private:
  static std::array<OutputColumn, kRectificationTypes> MakeOutputBoxes(ui::Container& window);

  // Enter walks down a rectification column, to that column's filtration,
  // the file name, the comment and Save.
  void ConnectEnterChain();
  void SaveButton_Click();
  void CancelButton_Click() { Hide(); }
  std::optional<EntryRefusal> FirstBadEntry();

  ui::Label& AddLabel(const std::string& name, ui::Rect place, std::string_view caption);

  MainProgram& program_;
  const DialogTexts& texts_;
  std::vector<std::unique_ptr<ui::Label>> labels_;  // headings and row labels
};

}  // namespace vorn::mainwin
