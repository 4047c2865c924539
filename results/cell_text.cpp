#include "results/cell_text.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace vorn::results {
namespace {

constexpr std::string_view kEllipsis = "…";

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

struct Line {
  Cell cell;
  double size = 0.0;  // points
  std::string text;   // the cell's text, or its start with an ellipsis
  ui::Canvas::TextMeasure m;
};

// Measures a line at a size; one too wide at the smallest size is cut.
void Measure(ui::Canvas& canvas, Line& line, double width, bool cutIfWide)
{
  canvas.SetFontSize(line.size);
  line.text = line.cell.text;
  line.m = canvas.MeasureText(line.text);
  if (cutIfWide && line.m.width > width) {
    line.text = CutToWidth(canvas, line.text, width);
    line.m = canvas.MeasureText(line.text);
  }
}

// Whether the lines' ink fits a height, stacked with the gap.
bool FitsDown(const std::vector<Line>& lines, double room, double gap)
{
  double height = gap * static_cast<double>(lines.size() - 1);
  for (const Line& l : lines) height += l.m.inkBottom - l.m.inkTop;
  return height <= room;
}

// The tops of the lines: where they are given when every ink lies inside
// and apart; a single line moved just inside; stacked lines spread evenly.
std::vector<double> Tops(const std::vector<Line>& lines, const CellBox& inner, double gap)
{
  std::vector<double> tops;
  bool asGiven = true;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const double y = lines[i].cell.y;
    tops.push_back(y);
    if (y + lines[i].m.inkTop < inner.top || y + lines[i].m.inkBottom > inner.bottom) asGiven = false;
    if (i > 0 && tops[i - 1] + lines[i - 1].m.inkBottom + gap > y + lines[i].m.inkTop) asGiven = false;
  }
  if (asGiven) return tops;
  if (lines.size() == 1) {
    const Line& l = lines.front();
    tops[0] = std::max(std::min(l.cell.y, inner.bottom - l.m.inkBottom), inner.top - l.m.inkTop);
    return tops;
  }
  double inkHeights = gap * static_cast<double>(lines.size() - 1);
  for (const Line& l : lines) inkHeights += l.m.inkBottom - l.m.inkTop;
  const double spread = std::max(0.0, inner.bottom - inner.top - inkHeights) / static_cast<double>(lines.size() + 1);
  double top = inner.top + spread;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    tops[i] = top - lines[i].m.inkTop;
    top += lines[i].m.inkBottom - lines[i].m.inkTop + gap + spread;
  }
  return tops;
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

void PrintInCell(ui::Canvas& canvas, const std::vector<Cell>& cells, const CellBox& box, const FitLimits& limits)
{
  if (cells.empty()) return;
  const ui::UserScale scale = canvas.CurrentScale();
  const double mx = limits.marginTwips / scale.TwipsPerUnitX();
  const double my = limits.marginTwips / scale.TwipsPerUnitY();
  const double gap = limits.gapTwips / scale.TwipsPerUnitY();
  const CellBox inner{box.left + mx, box.top + my, box.right - mx, box.bottom - my};
  const double width = inner.right - inner.left;
  const double given = canvas.FontSize();
  auto smaller = [&](double size) { return std::max(limits.minSize, size - limits.step); };
  auto smallest = [&](double size) { return size <= limits.minSize + 1e-9; };

  std::vector<Line> lines;
  for (const Cell& cell : cells) lines.push_back({cell, given, {}, {}});
  std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.cell.y < b.cell.y; });

  // Across: each line shrinks until it fits the cell's width, or is cut.
  for (Line& line : lines) {
    Measure(canvas, line, width, smallest(line.size));
    while (line.m.width > width) {
      line.size = smaller(line.size);
      Measure(canvas, line, width, smallest(line.size));
    }
  }
  // Down: the largest lines shrink until the stack fits the cell's height,
  // and stacked lines the table's lowest band.
  double room = inner.bottom - inner.top;
  if (lines.size() > 1 && limits.lowestBand > 0.0) room = std::min(room, limits.lowestBand - 2.0 * my);
  while (!FitsDown(lines, room, gap)) {
    double largest = 0.0;
    for (const Line& line : lines) largest = std::max(largest, line.size);
    if (smallest(largest)) break;  // spread as they are
    for (Line& line : lines) {
      if (line.size < largest) continue;
      line.size = smaller(line.size);
      Measure(canvas, line, width, smallest(line.size));
    }
  }

  const std::vector<double> tops = Tops(lines, inner, gap);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    canvas.SetFontSize(line.size);
    // At its point, or as far left as the cell needs, but never left of it.
    canvas.SetCurrentX(std::max(inner.left, std::min(line.cell.x, inner.right - line.m.width)));
    canvas.SetCurrentY(tops[i]);
    canvas.Print(line.text);
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
