// A field side as the main window keeps it: a length in cm, or the text "-"
// that the "else" field preset leaves until the user fills in the box.
#pragma once

#include <string_view>

namespace vorn {

class FieldSide {
public:
  constexpr FieldSide() = default;
  // Implicit on purpose: `FieldLength = 43.2` reads like the window code.
  constexpr FieldSide(double cm) : cm_(cm) {}  // NOLINT(google-explicit-constructor)

  // The text "-": not a number until the box is left with one.
  static constexpr FieldSide Dash()
  {
    FieldSide side;
    side.is_dash_ = true;
    return side;
  }

  constexpr bool IsNumber() const { return !is_dash_; }

  // The length in cm. A dash cannot take part in a calculation: it raises
  // CalcError naming the field (`name`, e.g. "FieldLength").
  double Cm(std::string_view name) const;

  constexpr bool operator==(const FieldSide&) const = default;

private:
  double cm_ = 0.0;
  bool is_dash_ = false;
};

}  // namespace vorn
