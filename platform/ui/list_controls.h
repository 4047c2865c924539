// Combo boxes and list boxes: a list of text items with one selected item
// (ListIndex, -1 for none).
#pragma once

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace vorn::ui {

// The item list shared by combo boxes, list boxes and file list boxes.
class ItemListControl : public Control {
public:
  bool TakesFocus() const override { return true; }

  // Adds an item at the end, or before the item at `index` (0..ListCount).
  // Throws std::out_of_range for another index.
  void AddItem(std::string item, int index = -1);
  // Throws std::out_of_range for an index that holds no item. Removing the
  // selected item leaves nothing selected.
  void RemoveItem(int index);
  // Empties the list; nothing is selected.
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  // The item at `index`, or an empty text where there is none.
  std::string List(int index) const;
  const std::vector<std::string>& Items() const { return items_; }
  int ListIndex() const { return listIndex_; }
  // Selects an item from code (-1: none) and runs the Click routine for an
  // item, as the old runtime did. Throws std::out_of_range outside -1..ListCount-1.
  void SetListIndex(int index);

  // The user picks the item at `index` from the list: the focus moves here,
  // then the item is selected and Click runs.
  void UserChoose(int index);

protected:
  ItemListControl(Container& parent, std::string name, Rect bounds);

  // Called after the selection changed (the combo box shows the item's text).
  virtual void SelectionChanged() {}
  // Called after Clear.
  virtual void ListCleared() {}
  void ReplaceItems(std::vector<std::string> items);  // nothing selected afterwards
  // Changes the selection without SelectionChanged or Click.
  void SelectQuietly(int index);

private:
  void RequireIndex(int index, int last) const;

  std::vector<std::string> items_;
  int listIndex_ = -1;
};

enum class ComboStyle { DropdownCombo = 0, DropdownList = 2 };

// A combo box: a list plus a text. In the DropdownCombo style the text is an
// input box of its own (typed text need not be in the list); in DropdownList
// the text is always the selected item's.
class ComboBox final : public ItemListControl {
public:
  ComboBox(Container& parent, std::string name, Rect bounds = {}, ComboStyle style = ComboStyle::DropdownCombo);

  ui::Kind Kind() const override { return ui::Kind::ComboBox; }
  ComboStyle Style() const { return style_; }

  const std::string& Text() const { return text_; }
  // Sets the text; ListIndex follows: the first item equal to the text, or -1.
  // Raises Change when the text differs. In the DropdownList style the text
  // must be an item (std::invalid_argument otherwise).
  void SetText(std::string text);

  Event<> Change;

  // The user types into the box so that it holds this text (DropdownCombo only).
  void UserType(std::string text);

protected:
  void SelectionChanged() override;
  // Clearing a combo box also empties its text.
  void ListCleared() override { StoreText({}); }

private:
  void StoreText(std::string text);

  ComboStyle style_;
  std::string text_;
};

class ListBox final : public ItemListControl {
public:
  ListBox(Container& parent, std::string name, Rect bounds = {});
  ui::Kind Kind() const override { return ui::Kind::ListBox; }
  // The selected item, or an empty text.
  std::string Text() const { return List(ListIndex()); }
};

}  // namespace vorn::ui
