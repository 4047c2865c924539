// Helpers of the fit tests: exact measured values and the box texts that
// give them.
#pragma once

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "platform/format/format.h"

namespace vorn::testing {

// A box text whose leading number times `scale` is exactly `value` (the
// fits read a box with Val and, for a half-value layer in mm, times 0.1).
inline std::optional<std::string> BoxTextFor(double value, double scale)
{
  constexpr double kInf = std::numeric_limits<double>::infinity();
  double up = value / scale;
  double down = up;
  for (int k = 0; k < 200; ++k) {
    for (const double candidate : {up, down}) {
      char text[64];
      std::snprintf(text, sizeof text, "%.17g", candidate);
      if (Val(text) * scale == value) return std::string(text);
    }
    up = std::nextafter(up, kInf);
    down = std::nextafter(down, -kInf);
  }
  return std::nullopt;
}

// A value m strictly above a and at most b with exactly m - a == b - m in
// floating point, near their mean; nothing when no double in reach ties.
inline std::optional<double> ExactMidpoint(double a, double b)
{
  constexpr double kInf = std::numeric_limits<double>::infinity();
  double up = 0.5 * (a + b);
  double down = up;
  for (int k = 0; k < 200; ++k) {
    for (const double c : {up, down}) {
      if (c > a && c <= b && c - a == b - c) return c;
    }
    up = std::nextafter(up, kInf);
    down = std::nextafter(down, -kInf);
  }
  return std::nullopt;
}

}  // namespace vorn::testing
