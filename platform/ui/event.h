// One event of a control or form: the slot that a form connects to its event
// routine in its constructor, for example
//   calculateButton.Click = [this] { CalculateButton_Click(); };
//   targetAngleBox.KeyDown = [this](int keyCode, int) { TargetAngleBox_KeyDown(keyCode); };
// Each event has one routine, as in the old runtime; assigning again replaces it.
#pragma once

#include <functional>
#include <utility>

namespace vorn::ui {

template <class... Args>
class Event {
public:
  Event() = default;
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  template <class F>
  Event& operator=(F&& routine)
  {
    routine_ = std::function<void(Args...)>(std::forward<F>(routine));
    return *this;
  }

  explicit operator bool() const { return static_cast<bool>(routine_); }

  // Runs the routine, if one is connected. The control model raises events
  // through this; a form calls its own event routines directly instead.
  void Raise(Args... args) const
  {
    if (routine_) routine_(args...);
  }

private:
  std::function<void(Args...)> routine_;
};

}  // namespace vorn::ui
