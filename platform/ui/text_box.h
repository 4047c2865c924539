// An input box.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace vorn::ui {

class TextBox final : public Control {
public:
  TextBox(Container& parent, std::string name, Rect bounds = {});

  ui::Kind Kind() const override { return ui::Kind::TextBox; }
  bool TakesFocus() const override { return true; }

  const std::string& Text() const { return text_; }
  // Raises Change when the text differs from before.
  void SetText(std::string text);
  // A locked box shows its text but the user cannot edit it.
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);
  ui::Alignment Alignment() const { return alignment_; }
  void SetAlignment(ui::Alignment alignment);

  Event<> Change;

  // The user edits the box so that it holds this text: the focus moves here,
  // then the text changes (Change).
  void UserType(std::string text);

private:
  std::string text_;
  bool locked_ = false;
  ui::Alignment alignment_ = ui::Alignment::Left;
};

}  // namespace vorn::ui
