#include "platform/ui/color.h"

#include <array>
#include <stdexcept>
#include <string>

namespace vorn::ui {

Color QBColor(int n)
{
  static constexpr std::array<Color, 16> palette = {
      Rgb(0, 0, 0),       Rgb(0, 0, 128),     Rgb(0, 128, 0),     Rgb(0, 128, 128),
      Rgb(128, 0, 0),     Rgb(128, 0, 128),   Rgb(128, 128, 0),   Rgb(192, 192, 192),
      Rgb(128, 128, 128), Rgb(0, 0, 255),     Rgb(0, 255, 0),     Rgb(0, 255, 255),
      Rgb(255, 0, 0),     Rgb(255, 0, 255),   Rgb(255, 255, 0),   Rgb(255, 255, 255)};
  if (n < 0 || n > 15) throw std::invalid_argument("QBColor: no palette colour " + std::to_string(n));
  return palette[static_cast<std::size_t>(n)];
}

}  // namespace vorn::ui
