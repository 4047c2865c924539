#include "platform/ui/text_box.h"

#include <stdexcept>

#include "platform/ui/form.h"

namespace vorn::ui {

TextBox::TextBox(Container& parent, std::string name, Rect bounds) : Control(parent, std::move(name), bounds)
{
  SetBackColor(colors::WindowBackground);
  SetForeColor(colors::WindowText);
}

void TextBox::SetText(std::string text)
{
  if (text_ == text) return;
  text_ = std::move(text);
  Changed(Prop::Text);
  Raise(Change);
}

void TextBox::SetLocked(bool locked)
{
  locked_ = locked;
  Changed(Prop::Style);
}

void TextBox::SetAlignment(ui::Alignment alignment)
{
  alignment_ = alignment;
  Changed(Prop::Style);
}

void TextBox::UserType(std::string text)
{
  RequireUsable("type into");
  if (locked_) throw std::logic_error("cannot type into " + Name() + " of " + OwnerForm().Name() + ": it is locked");
  RunUserEvent([this, &text] {
    SetFocus();
    SetText(std::move(text));
  });
}

}  // namespace vorn::ui
