#include "platform/ui/utf8.h"

namespace vorn::ui {

std::u32string DecodeUtf8(std::string_view text)
{
  std::u32string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    char32_t c = lead;
    if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      c = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      c = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      c = lead & 0x07u;
    }
    bool valid = extra > 0 && i + extra < text.size();
    for (std::size_t k = 1; valid && k <= extra; ++k) {
      const auto cont = static_cast<unsigned char>(text[i + k]);
      if ((cont & 0xC0u) != 0x80u) valid = false;
      c = (c << 6) | (cont & 0x3Fu);
    }
    if (valid) {
      out.push_back(c);
      i += extra + 1;
    } else {
      out.push_back(lead);
      ++i;
    }
  }
  return out;
}

bool IsFullWidth(char32_t c)
{
  if (c >= 0xFF61 && c <= 0xFF9F) return false;  // half-width katakana
  return (c >= 0x1100 && c <= 0x115F) ||          // Hangul jamo
         (c >= 0x2E80 && c <= 0xA4CF) ||          // CJK radicals .. Yi: kana, ideographs
         (c >= 0xAC00 && c <= 0xD7A3) ||          // Hangul syllables
         (c >= 0xF900 && c <= 0xFAFF) ||          // CJK compatibility ideographs
         (c >= 0xFE30 && c <= 0xFE4F) ||          // CJK compatibility forms
         (c >= 0xFF00 && c <= 0xFF60) ||          // full-width forms
         (c >= 0xFFE0 && c <= 0xFFE6) ||
         c == 0x2015;                             // the horizontal bar of empty cells
}

}  // namespace vorn::ui
