#include "platform/ui/font.h"

#include "platform/ui/utf8.h"

namespace vorn::ui {

TextExtent ApproximateFontMetrics::Measure(const FontSpec& font, std::string_view utf8) const
{
  const double em = font.size * 20.0;  // twips
  double width = 0.0;
  for (const char32_t c : DecodeUtf8(utf8)) width += IsFullWidth(c) ? em : em / 2.0;
  if (font.bold) width *= 1.1;
  if (utf8.empty()) return TextExtent{0.0, em * 1.2, 0.0, 0.0};
  return TextExtent{width, em * 1.2, em * 0.2, em * 1.0};
}

}  // namespace vorn::ui
