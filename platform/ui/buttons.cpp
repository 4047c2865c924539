#include "platform/ui/buttons.h"

#include <stdexcept>

namespace vorn::ui {

void CommandButton::SetCaption(std::string caption)
{
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed(Prop::Caption);
}

void OptionButton::SetCaption(std::string caption)
{
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed(Prop::Caption);
}

void OptionButton::Select()
{
  for (Control* sibling : Parent().Children()) {
    if (sibling == this || sibling->Kind() != ui::Kind::OptionButton) continue;
    auto* other = static_cast<OptionButton*>(sibling);
    if (other->value_) {
      other->value_ = false;
      other->Changed(Prop::Value);
    }
  }
  if (!value_) {
    value_ = true;
    Changed(Prop::Value);
  }
  Raise(Click);
}

void OptionButton::SetValue(bool value)
{
  if (value) {
    Select();
    return;
  }
  if (!value_) return;
  value_ = false;
  Changed(Prop::Value);
}

void OptionButton::OnUserClick() { Select(); }

void CheckBox::SetCaption(std::string caption)
{
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed(Prop::Caption);
}

void CheckBox::SetValue(int value)
{
  if (value < vbUnchecked || value > vbGrayed)
    throw std::invalid_argument(Name() + ": a check box value is 0, 1 or 2, not " + std::to_string(value));
  if (value_ == value) return;
  value_ = value;
  Changed(Prop::Value);
  Raise(Click);
}

void CheckBox::OnUserClick()
{
  value_ = value_ == vbChecked ? vbUnchecked : vbChecked;
  Changed(Prop::Value);
  Raise(Click);
}

}  // namespace vorn::ui
