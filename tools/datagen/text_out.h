// Number and line helpers shared by the table writers.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vorn::datagen {

inline constexpr std::string_view kCrLf = "\r\n";

// value in scientific notation with `significant` digits ("1.23456E+03");
// independent of the locale (the C locale is never changed here).
inline std::string Sci(double value, int significant = 6)
{
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.*E", significant - 1, value);
  return buffer;
}

// value with a fixed number of decimals, right-aligned in width characters.
inline std::string Fixed(double value, int width, int decimals)
{
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  return buffer;
}

}  // namespace vorn::datagen
