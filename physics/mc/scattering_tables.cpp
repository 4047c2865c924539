#include "physics/mc/scattering_tables.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vorn::mc {

IncoherentFunctionTable::IncoherentFunctionTable(const std::function<double(double)>& S_over_limit, double x_max,
                                                 int n)
    : x_max_(x_max)
{
  if (!(x_max > 0.0) || n < 2) throw std::invalid_argument("IncoherentFunctionTable: needs x_max > 0 and n >= 2");
  values_.resize(static_cast<std::size_t>(n));
  const double dx = x_max / (n - 1);
  for (int i = 0; i < n; ++i) values_[i] = std::clamp(S_over_limit(dx * i), 0.0, 1.0);
  inv_dx_ = 1.0 / dx;
  last_ = static_cast<double>(n - 1);
}

double IncoherentFunctionTable::max_between(double x_lo, double x_hi) const
{
  // Linear between the nodes: the ends and the nodes inside.
  double m = std::max((*this)(x_lo), (*this)(x_hi));
  const double first = std::ceil(std::max(0.0, x_lo) * inv_dx_);
  const double last = std::min(std::floor(x_hi * inv_dx_), last_);
  for (double i = first; i <= last; i += 1.0) m = std::max(m, values_[static_cast<std::size_t>(i)]);
  return m;
}

CoherentFormTable::CoherentFormTable(const std::function<double(double)>& F2, double x_max, int n) : x_max_(x_max)
{
  if (!(x_max > 0.0) || n < 2) throw std::invalid_argument("CoherentFormTable: needs x_max > 0 and n >= 2");
  const double dx = x_max / (n - 1);
  inv_dx_ = 1.0 / dx;
  s_.resize(static_cast<std::size_t>(n));
  F2_.resize(static_cast<std::size_t>(n));
  cum_.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double x = dx * i;
    s_[i] = x * x;
    F2_[i] = F2(x);
    if (!(F2_[i] >= 0.0)) throw std::invalid_argument("CoherentFormTable: F^2 must be >= 0");
  }
  cum_[0] = 0.0;
  for (std::size_t i = 1; i < s_.size(); ++i) cum_[i] = cum_[i - 1] + 0.5 * (F2_[i - 1] + F2_[i]) * (s_[i] - s_[i - 1]);
  guide_.resize(s_.size());
  std::size_t m = 1;
  for (std::size_t b = 0; b < guide_.size(); ++b) {
    const double start = cum_.back() * static_cast<double>(b) / static_cast<double>(guide_.size());
    while (m + 1 < cum_.size() && cum_[m] <= start) ++m;
    guide_[b] = m;
  }
}

double CoherentFormTable::F2(double x) const
{
  const double pos = x * inv_dx_;
  if (pos >= static_cast<double>(F2_.size() - 1)) return F2_.back();
  const auto i = static_cast<std::size_t>(pos);
  const double f = pos - static_cast<double>(i);
  return F2_[i] + f * (F2_[i + 1] - F2_[i]);
}

std::size_t CoherentFormTable::interval_of_s(double s) const
{
  const double pos = std::sqrt(std::max(0.0, s)) * inv_dx_;
  auto i = static_cast<std::size_t>(pos);
  if (i + 1 >= s_.size()) i = s_.size() - 2;
  // sqrt and the grid may disagree in the last bit.
  while (i > 0 && s_[i] > s) --i;
  while (i + 2 < s_.size() && s_[i + 1] <= s) ++i;
  return i;
}

double CoherentFormTable::cumulative(double s) const
{
  const std::size_t i = interval_of_s(s);
  const double f = (s - s_[i]) / (s_[i + 1] - s_[i]);
  return cum_[i] + f * (cum_[i + 1] - cum_[i]);
}

double CoherentFormTable::sample_s(double s_max, double u) const
{
  const double target = u * cumulative(s_max);
  // The first node m in 1 .. i_max + 1 whose cumulative exceeds the target
  // (i_max + 1 when none does), from the guide's start: interval m - 1.
  const std::size_t i_max = interval_of_s(s_max);
  const double position = cum_.back() > 0.0 ? target / cum_.back() * static_cast<double>(guide_.size()) : 0.0;
  std::size_t m = guide_[std::min(static_cast<std::size_t>(std::max(position, 0.0)), guide_.size() - 1)];
  while (m > 1 && cum_[m - 1] > target) --m;
  while (m <= i_max && cum_[m] <= target) ++m;
  m = std::min(m, i_max + 1);
  const std::size_t i = m - 1;
  const double width = cum_[i + 1] - cum_[i];
  const double f = width > 0.0 ? (target - cum_[i]) / width : 0.0;
  return std::min(s_max, s_[i] + f * (s_[i + 1] - s_[i]));
}

}  // namespace vorn::mc
