// Fonts of controls and drawings, and how text is measured.
#pragma once

#include <string>
#include <string_view>

namespace vorn::ui {

struct FontSpec {
  std::string name = "ＭＳ Ｐゴシック";  // the desktop's default font for windows
  double size = 9.0;                       // points
  bool bold = false;
  bool italic = false;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Size of a text in twips (1/1440 inch, 1/20 point).
struct TextExtent {
  double width = 0.0;
  double height = 0.0;  // one line
  // Where the glyphs' ink lies, down from the line's top: a text fitted
  // between rules must keep its ink, not its whole line, off them.
  double inkTop = 0.0;
  double inkBottom = 0.0;
};

// Measures text for TextWidth and TextHeight. The window binding supplies the
// real fonts' metrics; without a window system the approximation below is used.
class FontMetrics {
public:
  virtual ~FontMetrics() = default;
  virtual TextExtent Measure(const FontSpec& font, std::string_view utf8) const = 0;
};

// A deterministic stand-in for real fonts: one line is 1.2 em high, its ink
// from 0.2 em to 1.0 em down; a full-width character (CJK, kana, full-width
// forms) is 1 em wide and any other character half an em. Good enough to lay
// out text in tests.
class ApproximateFontMetrics final : public FontMetrics {
public:
  TextExtent Measure(const FontSpec& font, std::string_view utf8) const override;
};

}  // namespace vorn::ui
