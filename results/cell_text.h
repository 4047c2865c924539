// Texts in the cells of a ruled table (the result window's grid, the printed
// sheet). A text keeps its point where its ink fits between the cell's rules;
// where it does not, it moves within its cell, then its font shrinks a step
// at a time down to a readable minimum, and a text still too wide is cut
// with an ellipsis. So no text crosses a rule or runs into the next column,
// whatever the fonts at hand, and the texts themselves stay as they are
// wherever there is room.
#pragma once

#include <vector>

#include "platform/ui/canvas.h"
#include "platform/ui/geometry.h"
#include "results/row_cells.h"

namespace vorn::results {

// A rectangle in the canvas's scale, y downward: a cell between its rules.
struct CellBox {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
  friend bool operator==(const CellBox&, const CellBox&) = default;
};

// The rules of a table (straight lines across or down) and the area it is
// drawn on, which bounds the cells at the table's open edges.
class Ruling {
public:
  Ruling(std::vector<ui::LineEnds> rules, CellBox area);

  // The cell of a text that starts at x and whose ink runs down from y for
  // `height`: between the nearest rules left and right that cross that
  // height and the nearest above and below that cross x. A text that starts
  // on a rule (within `onRule`, across) lies in the cell to its right.
  CellBox CellAt(double x, double y, double height, double onRule) const;

private:
  std::vector<ui::LineEnds> rules_;
  CellBox area_;
};

// How far a text may shrink, and how much air it keeps from a rule and from
// the other line of its cell.
struct FitLimits {
  double minSize = 7.5;       // points
  double step = 0.75;         // points: whole pixels on the screen
  double marginTwips = 20.0;  // between the ink and a rule
  double gapTwips = 20.0;     // between the ink of stacked lines
  // Where > 0: the lowest band of the table (canvas units). Stacked lines
  // are sized for it wherever they stand, so the lines of a cell have one
  // size in every row, not a smaller one in the lowest band.
  double lowestBand = 0.0;
};

// Prints the lines of one cell (one, or several stacked), fitted into the
// box, in the canvas's font at its size or smaller; the canvas's font size is
// the same afterwards.
void PrintInCell(ui::Canvas& canvas, const std::vector<Cell>& lines, const CellBox& box, const FitLimits& limits);

// Prints texts that each stand alone in their cell (headings, totals).
void PrintInCells(ui::Canvas& canvas, const std::vector<Cell>& texts, const Ruling& ruling, const FitLimits& limits);

// Prints the cells of a table row whose text line lies at rowY: each text
// goes into the cell of the row's band that holds its x, and the texts of one
// cell (an upper and a lower line) are fitted together.
void PrintRowInCells(ui::Canvas& canvas, const std::vector<Cell>& cells, const Ruling& ruling, double rowY,
                     const FitLimits& limits);

}  // namespace vorn::results
