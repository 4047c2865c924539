// The quantity a fit adjusts (the inherent filtration or the tube voltage)
// together with its box on the main window.
#pragma once

#include <string>
#include <string_view>

#include "beam/window_port.h"

namespace vorn {

// A fit sets the condition and the box once it has its result, then
// recomputes the spectrum. When that recomputation fails, Restore puts back
// what the user had entered, so a fit that reports a failure never leaves a
// changed condition behind.
class FittedValue {
public:
  FittedValue(WindowPort& windows, double& value, MainBox box)
      : windows_(windows), value_(value), box_(box)
  {
  }

  void Set(double value, std::string_view text)
  {
    saved_value_ = value_;
    saved_text_ = windows_.MainBoxText(box_);
    is_set_ = true;
    value_ = value;
    windows_.SetMainBoxText(box_, text);
  }

  void Restore()
  {
    if (!is_set_) return;
    value_ = saved_value_;
    windows_.SetMainBoxText(box_, saved_text_);
    is_set_ = false;
  }

private:
  WindowPort& windows_;
  double& value_;
  MainBox box_;
  bool is_set_ = false;
  double saved_value_ = 0.0;
  std::string saved_text_;
};

}  // namespace vorn
