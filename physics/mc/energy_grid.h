// The energy grid on which the transport tabulates its interaction data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorn::mc {

// Where an energy falls on the grid: the interval [E_i, E_i+1] and the linear
// weight f of its upper end. A table value is q_i + f (q_i+1 - q_i).
struct GridPoint {
  std::size_t i = 0;
  double f = 0.0;
};

/// Log-spaced energies with a pair of points around every absorption edge, so
/// that interpolation never smears an edge over a grid interval.
/// Invariant: at least two points, strictly increasing, first E_min, last E_max.
class EnergyGrid {
public:
  // `points_per_decade` log-spaced points from E_min to E_max [keV], plus the
  // points E_edge (1 -/+ kEdgeOffset) for every edge strictly inside the range.
  // Throws std::invalid_argument on E_min <= 0, E_max <= E_min or too few points.
  EnergyGrid(double E_min_keV, double E_max_keV, int points_per_decade, const std::vector<double>& edges_keV);

  // Relative distance of the two points placed around each edge.
  static constexpr double kEdgeOffset = 1e-7;

  double E_min() const { return E_.front(); }
  double E_max() const { return E_.back(); }
  std::size_t size() const { return E_.size(); }
  double operator[](std::size_t i) const { return E_[i]; }
  const std::vector<double>& energies() const { return E_; }

  // Precondition: E_min <= E <= E_max (checked by the callers that take
  // energies from outside; the transport never leaves the range).
  GridPoint locate(double E_keV) const;

  // Linear interpolation of a table tabulated on this grid.
  static double interpolate(const std::vector<double>& table, GridPoint g)
  {
    return table[g.i] + g.f * (table[g.i + 1] - table[g.i]);
  }

private:
  std::vector<double> E_;
  std::vector<double> inv_width_;           // 1 / (E_i+1 - E_i)
  // Buckets by the bit pattern of the energy, which grows with the energy:
  // bucket b holds the energies whose bits, less those of E_min, shifted
  // right by bucket_shift_, are b (at most half as wide as the log spacing),
  // and bucket_first_[b] is the grid interval of its lowest energy. locate()
  // needs no logarithm and scans a step or two.
  std::vector<std::size_t> bucket_first_;
  std::uint64_t bits_min_ = 0;
  int bucket_shift_ = 0;
};

}  // namespace vorn::mc
