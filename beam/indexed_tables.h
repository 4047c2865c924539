// Small fixed tables indexed from 0 to their documented last index in every
// dimension, so that loops read like the algorithms (row 0, column 0 and
// ring 0 exist but are not used by the data).
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorn {

// A table (0 To LastRow, 0 To LastCol) of numbers, all 0 at first.
template <int LastRow, int LastCol>
class Table2 {
public:
  static constexpr int kLastRow = LastRow;
  static constexpr int kLastCol = LastCol;

  double& operator()(int r, int c) { return cells_[Offset(r, c)]; }
  double operator()(int r, int c) const { return cells_[Offset(r, c)]; }

  bool operator==(const Table2&) const = default;

private:
  static std::size_t Offset(int r, int c)
  {
    // A subscript beyond the table is a programming error: the routines check
    // every index that data can drive out of range and report it themselves.
    if (r < 0 || r > LastRow || c < 0 || c > LastCol) {
      throw std::out_of_range("table subscript (" + std::to_string(r) + ", " +
                              std::to_string(c) + ") out of range");
    }
    return static_cast<std::size_t>(r) * (LastCol + 1) + static_cast<std::size_t>(c);
  }

  std::array<double, (LastRow + 1) * (LastCol + 1)> cells_{};
};

// A table (0 To Last1, 0 To Last2, 0 To Last3) of numbers, all 0 at first;
// kept on the heap because the backscatter tables are large.
template <int Last1, int Last2, int Last3>
class Table3 {
public:
  Table3() : cells_(static_cast<std::size_t>(Last1 + 1) * (Last2 + 1) * (Last3 + 1), 0.0) {}

  double& operator()(int a, int b, int c) { return cells_[Offset(a, b, c)]; }
  double operator()(int a, int b, int c) const { return cells_[Offset(a, b, c)]; }

  bool operator==(const Table3&) const = default;

private:
  static std::size_t Offset(int a, int b, int c)
  {
    if (a < 0 || a > Last1 || b < 0 || b > Last2 || c < 0 || c > Last3) {
      throw std::out_of_range("table subscript (" + std::to_string(a) + ", " +
                              std::to_string(b) + ", " + std::to_string(c) +
                              ") out of range");
    }
    return (static_cast<std::size_t>(a) * (Last2 + 1) + static_cast<std::size_t>(b)) *
               (Last3 + 1) +
           static_cast<std::size_t>(c);
  }

  std::vector<double> cells_;
};

}  // namespace vorn
