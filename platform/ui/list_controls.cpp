#include "platform/ui/list_controls.h"

#include <algorithm>
#include <stdexcept>

#include "platform/ui/form.h"

namespace vorn::ui {

// ---------------------------------------------------------------- ItemListControl

ItemListControl::ItemListControl(Container& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds)
{
  SetBackColor(colors::WindowBackground);
  SetForeColor(colors::WindowText);
}

void ItemListControl::RequireIndex(int index, int last) const
{
  if (index < 0 || index > last)
    throw std::out_of_range(Name() + ": no list item " + std::to_string(index) + " (the list holds " +
                            std::to_string(items_.size()) + ")");
}

void ItemListControl::AddItem(std::string item, int index)
{
  if (index == -1) index = ListCount();
  RequireIndex(index, ListCount());
  items_.insert(items_.begin() + index, std::move(item));
  Changed(Prop::List);
  if (listIndex_ >= index) {
    ++listIndex_;
    Changed(Prop::ListIndex);
  }
}

void ItemListControl::RemoveItem(int index)
{
  RequireIndex(index, ListCount() - 1);
  items_.erase(items_.begin() + index);
  Changed(Prop::List);
  if (listIndex_ == index) {
    listIndex_ = -1;
    Changed(Prop::ListIndex);
  } else if (listIndex_ > index) {
    --listIndex_;
    Changed(Prop::ListIndex);
  }
}

void ItemListControl::Clear()
{
  items_.clear();
  listIndex_ = -1;
  Changed(Prop::List);
  Changed(Prop::ListIndex);
  ListCleared();
}

void ItemListControl::ReplaceItems(std::vector<std::string> items)
{
  items_ = std::move(items);
  listIndex_ = -1;
  Changed(Prop::List);
  Changed(Prop::ListIndex);
}

void ItemListControl::SelectQuietly(int index)
{
  if (listIndex_ == index) return;
  listIndex_ = index;
  Changed(Prop::ListIndex);
}

std::string ItemListControl::List(int index) const
{
  if (index < 0 || index >= ListCount()) return {};
  return items_[static_cast<std::size_t>(index)];
}

void ItemListControl::SetListIndex(int index)
{
  if (index != -1) RequireIndex(index, ListCount() - 1);
  if (listIndex_ != index) {
    listIndex_ = index;
    Changed(Prop::ListIndex);
  }
  SelectionChanged();
  if (index >= 0) Raise(Click);
}

void ItemListControl::UserChoose(int index)
{
  RequireUsable("choose from");
  RequireIndex(index, ListCount() - 1);
  RunUserEvent([this, index] {
    SetFocus();
    if (Usable()) SetListIndex(index);
  });
}

// ---------------------------------------------------------------- ComboBox

ComboBox::ComboBox(Container& parent, std::string name, Rect bounds, ComboStyle style)
    : ItemListControl(parent, std::move(name), bounds), style_(style)
{
}

void ComboBox::StoreText(std::string text)
{
  if (text_ == text) return;
  text_ = std::move(text);
  Changed(Prop::Text);
  Raise(Change);
}

void ComboBox::SetText(std::string text)
{
  const auto& items = Items();
  const auto found = std::find(items.begin(), items.end(), text);
  if (style_ == ComboStyle::DropdownList && found == items.end())
    throw std::invalid_argument(Name() + ": \"" + text + "\" is not an item of the list");
  const int index = found == items.end() ? -1 : static_cast<int>(found - items.begin());
  // The selection follows the text quietly: only a choice from the list is a click.
  SelectQuietly(index);
  StoreText(std::move(text));
}

void ComboBox::SelectionChanged()
{
  if (ListIndex() >= 0) {
    StoreText(List(ListIndex()));
  } else if (style_ == ComboStyle::DropdownList) {
    StoreText({});
  }
}

void ComboBox::UserType(std::string text)
{
  RequireUsable("type into");
  if (style_ == ComboStyle::DropdownList)
    throw std::logic_error("cannot type into " + Name() + ": it only offers its list");
  RunUserEvent([this, &text] {
    SetFocus();
    if (Usable()) SetText(std::move(text));
  });
}

// ---------------------------------------------------------------- ListBox

ListBox::ListBox(Container& parent, std::string name, Rect bounds) : ItemListControl(parent, std::move(name), bounds)
{
}

}  // namespace vorn::ui
