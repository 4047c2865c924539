#include "results/cell_text.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace vorn::results {
namespace {

constexpr std::string_view kEllipsis = "…";

struct Placed {
  std::string text;
  double x = 0.0;
  double y = 0.0;
};

// The first n characters (not bytes) of a UTF-8 text.
std::string FirstCharacters(std::string_view text, std::size_t n)
{
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {  // starts a character
      if (count == n) return std::string(text.substr(0, i));
      ++count;
    }
  }
  return std::string(text);
}

std::size_t CharacterCount(std::string_view text)
{
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The longest start of the text that, with an ellipsis after it, fits the width.
std::string CutToWidth(const ui::Canvas& canvas, std::string_view text, double width)
{
  for (std::size_t n = CharacterCount(text); n-- > 0;) {
    std::string cut = FirstCharacters(text, n);
    while (!cut.empty() && cut.back() == ' ') cut.pop_back();
    cut += kEllipsis;
    if (canvas.MeasureText(cut).width <= width) return cut;
  }
  return std::string(kEllipsis);
}

// The lines placed inside `inner` at the canvas's present font size, or
// nothing when they need a smaller font. With `last` set they are placed
// anyway: a line too wide is cut, lines too tall are spread over the cell.
std::optional<std::vector<Placed>> Arrange(const ui::Canvas& canvas, const std::vector<Cell>& lines,
                                           const CellBox& inner, double gap, bool last)
{
  std::vector<Placed> placed;
  std::vector<ui::Canvas::TextMeasure> measures;
  const double width = inner.right - inner.left;
  for (const Cell& line : lines) {
    std::string text = line.text;
    ui::Canvas::TextMeasure m = canvas.MeasureText(text);
    if (m.width > width) {
      if (!last) return std::nullopt;
      text = CutToWidth(canvas, text, width);
      m = canvas.MeasureText(text);
    }
    // At its point, or as far left as the cell needs, but never left of it.
    const double x = std::max(inner.left, std::min(line.x, inner.right - m.width));
    placed.push_back({std::move(text), x, line.y});
    measures.push_back(m);
  }

  bool asGiven = true;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const double inkTop = placed[i].y + measures[i].inkTop;
    const double inkBottom = placed[i].y + measures[i].inkBottom;
    if (inkTop < inner.top || inkBottom > inner.bottom) asGiven = false;
    if (i > 0 && placed[i - 1].y + measures[i - 1].inkBottom + gap > inkTop) asGiven = false;
  }
  if (asGiven) return placed;

  double inkHeights = gap * static_cast<double>(placed.size() - 1);
  for (const ui::Canvas::TextMeasure& m : measures) inkHeights += m.inkBottom - m.inkTop;
  const double room = inner.bottom - inner.top;
  if (inkHeights > room && !last) return std::nullopt;
  if (placed.size() == 1) {
    // Moved just inside the cell, its top kept where it cannot all fit.
    Placed& p = placed.front();
    p.y = std::min(p.y, inner.bottom - measures.front().inkBottom);
    p.y = std::max(p.y, inner.top - measures.front().inkTop);
    return placed;
  }
  // Stacked lines share the cell's height evenly.
  const double spread = std::max(0.0, room - inkHeights) / static_cast<double>(placed.size() + 1);
  double top = inner.top + spread;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    placed[i].y = top - measures[i].inkTop;
    top += measures[i].inkBottom - measures[i].inkTop + gap + spread;
  }
  return placed;
}

double OnRule(const ui::Canvas& canvas, const FitLimits& limits)
{
  return 2.0 * limits.marginTwips / canvas.CurrentScale().TwipsPerUnitX();
}

}  // namespace

Ruling::Ruling(std::vector<ui::LineEnds> rules, CellBox area) : rules_(std::move(rules)), area_(area) {}

CellBox Ruling::CellAt(double x, double y, double height, double onRule) const
{
  CellBox box = area_;
  // Above and below: the rules across x, on either side of the ink's middle.
  const double middle = y + height / 2.0;
  for (const ui::LineEnds& r : rules_) {
    if (r.y1 != r.y2 || std::min(r.x1, r.x2) > x || std::max(r.x1, r.x2) < x) continue;
    if (r.y1 <= middle) {
      box.top = std::max(box.top, r.y1);
    } else {
      box.bottom = std::min(box.bottom, r.y1);
    }
  }
  // Left and right: the rules down that the ink, kept between those, crosses.
  const double from = std::max(y, box.top);
  const double to = std::max(from, std::min(y + height, box.bottom));
  for (const ui::LineEnds& r : rules_) {
    if (r.x1 != r.x2 || std::min(r.y1, r.y2) >= std::max(to, from + 1e-9) || std::max(r.y1, r.y2) <= from) continue;
    if (r.x1 <= x + onRule) {
      box.left = std::max(box.left, r.x1);
    } else {
      box.right = std::min(box.right, r.x1);
    }
  }
  return box;
}

void PrintInCell(ui::Canvas& canvas, const std::vector<Cell>& lines, const CellBox& box, const FitLimits& limits)
{
  if (lines.empty()) return;
  const ui::UserScale scale = canvas.CurrentScale();
  const double mx = limits.marginTwips / scale.TwipsPerUnitX();
  const double my = limits.marginTwips / scale.TwipsPerUnitY();
  const double gap = limits.gapTwips / scale.TwipsPerUnitY();
  const CellBox inner{box.left + mx, box.top + my, box.right - mx, box.bottom - my};

  std::vector<Cell> stacked = lines;
  std::stable_sort(stacked.begin(), stacked.end(), [](const Cell& a, const Cell& b) { return a.y < b.y; });

  const double given = canvas.FontSize();
  for (double size = given;; size = std::max(limits.minSize, size - limits.step)) {
    canvas.SetFontSize(size);
    const bool last = size <= limits.minSize + 1e-9;
    if (const std::optional<std::vector<Placed>> placed = Arrange(canvas, stacked, inner, gap, last)) {
      for (const Placed& p : *placed) {
        canvas.SetCurrentX(p.x);
        canvas.SetCurrentY(p.y);
        canvas.Print(p.text);
      }
      break;
    }
  }
  canvas.SetFontSize(given);
}

void PrintInCells(ui::Canvas& canvas, const std::vector<Cell>& texts, const Ruling& ruling, const FitLimits& limits)
{
  const double onRule = OnRule(canvas, limits);
  for (const Cell& text : texts) {
    // The rules its ink would cross at the given size (it only shrinks).
    const ui::Canvas::TextMeasure m = canvas.MeasureText(text.text);
    PrintInCell(canvas, {text}, ruling.CellAt(text.x, text.y + m.inkTop, m.inkBottom - m.inkTop, onRule), limits);
  }
}

void PrintRowInCells(ui::Canvas& canvas, const std::vector<Cell>& cells, const Ruling& ruling, double rowY,
                     const FitLimits& limits)
{
  const double onRule = OnRule(canvas, limits);
  std::vector<std::pair<CellBox, std::vector<Cell>>> groups;
  for (const Cell& cell : cells) {
    const CellBox box = ruling.CellAt(cell.x, rowY, 0.0, onRule);
    const auto it = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == box; });
    if (it == groups.end()) {
      groups.push_back({box, {cell}});
    } else {
      it->second.push_back(cell);
    }
  }
  for (const auto& [box, lines] : groups) PrintInCell(canvas, lines, box, limits);
}

}  // namespace vorn::results
