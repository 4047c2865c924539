// Tabulated atomic scattering functions of a material, for sampling.
#pragma once

#include <functional>
#include <vector>

namespace vorn::mc {

/// The incoherent scattering function of a material divided by its limit at
/// large momentum transfer: a rejection probability in [0, 1] for Klein-Nishina
/// samples. Tabulated on a uniform grid in x.
/// Invariant: at least two points, values in [0, 1].
class IncoherentFunctionTable {
public:
  // S_over_limit(x) sampled at n uniform points on [0, x_max]; values are
  // clamped to [0, 1]. Throws std::invalid_argument on x_max <= 0 or n < 2.
  IncoherentFunctionTable(const std::function<double(double)>& S_over_limit, double x_max, int n);

  // Beyond x_max the function is taken as 1 (all electrons free).
  double operator()(double x) const
  {
    const double pos = x * inv_dx_;
    if (pos >= last_) return values_.back();
    const auto i = static_cast<std::size_t>(pos);
    const double f = pos - static_cast<double>(i);
    return values_[i] + f * (values_[i + 1] - values_[i]);
  }
  double x_max() const { return x_max_; }
  // The largest value of the function as interpolated over [x_lo, x_hi].
  double max_between(double x_lo, double x_hi) const;

private:
  std::vector<double> values_;
  double x_max_;
  double inv_dx_;
  double last_;
};

/// The squared atomic form factor of a material, F^2(x), with its cumulative
/// integral over s = x^2, for sampling the momentum transfer of coherent
/// scattering (the density in s is proportional to F^2).
/// Invariant: at least two points, F^2 >= 0, cumulative non-decreasing.
class CoherentFormTable {
public:
  // F2(x) sampled at n uniform points on [0, x_max]. Throws
  // std::invalid_argument on x_max <= 0, n < 2 or a negative value.
  CoherentFormTable(const std::function<double(double)>& F2, double x_max, int n);

  double F2(double x) const;
  // Integral of F^2 ds from 0 to s (s = x^2), s <= x_max^2.
  double cumulative(double s) const;
  // The s in [0, s_max] where the cumulative reaches u * cumulative(s_max), u in [0, 1).
  double sample_s(double s_max, double u) const;
  double x_max() const { return x_max_; }

private:
  std::size_t interval_of_s(double s) const;

  std::vector<double> s_;    // x_i^2
  std::vector<double> F2_;
  std::vector<double> cum_;  // integral of F^2 ds up to s_i (trapezoid)
  // For a target cumulative c in bucket floor(c / cum_.back() x buckets):
  // the first node whose cumulative lies above the bucket's start, where the
  // search for c begins (a node or two on average).
  std::vector<std::size_t> guide_;
  double x_max_;
  double inv_dx_;
};

}  // namespace vorn::mc
