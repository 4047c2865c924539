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

bool IsValidUtf8(std::string_view text)
{
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    // The range of the second byte narrows for the leads whose plain range
    // would allow an overlong form, a surrogate or a code point above U+10FFFF.
    std::size_t extra = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;  // a continuation byte, C0, C1 or F5..FF as lead
    }
    if (i + extra >= text.size()) return false;
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if (second < low || second > high) return false;
    for (std::size_t k = 2; k <= extra; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0u) != 0x80u) return false;
    }
    i += extra + 1;
  }
  return true;
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
