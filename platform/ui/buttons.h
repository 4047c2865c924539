// Command buttons, option buttons and check boxes.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace vorn::ui {

class CommandButton final : public Control {
public:
  CommandButton(Container& parent, std::string name, Rect bounds = {}) : Control(parent, std::move(name), bounds) {}

  ui::Kind Kind() const override { return ui::Kind::CommandButton; }
  bool TakesFocus() const override { return true; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

private:
  std::string caption_;
};

// Option buttons form one group per container (the form, a frame or a picture
// box): selecting one clears the others of the same container.
class OptionButton final : public Control {
public:
  OptionButton(Container& parent, std::string name, Rect bounds = {}) : Control(parent, std::move(name), bounds) {}

  ui::Kind Kind() const override { return ui::Kind::OptionButton; }
  bool TakesFocus() const override { return true; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Value() const { return value_; }
  // true: selects this button, clears the others of its group and runs its
  // Click routine, as a click would (also when it was selected already).
  // false: clears the selection of this button without running any routine.
  void SetValue(bool value);

protected:
  void OnUserClick() override;

private:
  void Select();

  std::string caption_;
  bool value_ = false;
};

inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;
inline constexpr int vbGrayed = 2;

class CheckBox final : public Control {
public:
  CheckBox(Container& parent, std::string name, Rect bounds = {}) : Control(parent, std::move(name), bounds) {}

  ui::Kind Kind() const override { return ui::Kind::CheckBox; }
  bool TakesFocus() const override { return true; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // vbUnchecked, vbChecked or vbGrayed.
  int Value() const { return value_; }
  // Runs the Click routine when the value changes; std::invalid_argument
  // outside 0..2.
  void SetValue(int value);

protected:
  // A click unchecks a checked box and checks any other (a grayed one too).
  void OnUserClick() override;

private:
  std::string caption_;
  int value_ = vbUnchecked;
};

}  // namespace vorn::ui
