// The organ rows of a site as its organ file gives them: the raw values and
// what the effective-dose window's boxes show after loading.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace vorn::pdd {

inline constexpr int kOrganRowCount = 16;
using OrganArray = std::array<double, kOrganRowCount + 1>;  // (0 To 16), index 0 unused

// What one organ row shows after loading: the check box and the three boxes.
// The defaults are the reset row (unticked, "0" in every box).
struct OrganRowFill {
  bool checked = false;
  std::string near_depth = "0";  // cm below the entrance surface, "#0.0"
  std::string far_depth = "0";
  std::string percent = "0";     // plain number text
};

struct OrganDataResult {
  std::array<OrganRowFill, kOrganRowCount + 1> rows;  // index = organ row 1..16
  // Empty when the file was read whole; otherwise the message to show (OK
  // button, no icon). A missing or short file leaves every row reset; a
  // field that is not a number leaves the rows before its own filled.
  std::string message;
};

// Depth below the entrance surface (cm) of an organ file value, by its mode:
// 0 the value is the depth, 1 a fraction of the thickness, 2 a distance from
// the exit surface. Empty for any other mode.
std::optional<double> OrganDepthFromMode(double mode, double value, double thickness_cm);

}  // namespace vorn::pdd
