#include "physics/mc/batch_scores.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace vorn::mc {

double Estimate::relative() const
{
  return mean != 0.0 ? std::abs(std_error / mean) : std::numeric_limits<double>::infinity();
}

BatchScores::BatchScores(std::size_t bins) : open_(bins, 0.0), sum_(bins, 0.0), sum_sq_(bins, 0.0) {}

void BatchScores::add_batch(BatchScores& block, std::uint64_t histories)
{
  if (block.open_.size() != open_.size()) throw std::invalid_argument("BatchScores: batches differ in their bins");
  if (histories == 0) throw std::invalid_argument("BatchScores: a batch needs at least one history");
  if (histories_per_batch_ == 0) histories_per_batch_ = histories;
  if (histories != histories_per_batch_)
    throw std::invalid_argument("BatchScores: every batch must hold the same number of histories");
  for (std::size_t i = 0; i < open_.size(); ++i) {
    const double x = block.open_[i];
    sum_[i] += x;
    sum_sq_[i] += x * x;
    block.open_[i] = 0.0;
  }
  ++batches_;
  histories_ += histories;
}

Estimate BatchScores::estimate(std::size_t bin) const
{
  if (histories_ == 0) return {0.0, std::numeric_limits<double>::infinity()};
  const double n = static_cast<double>(batches_);
  const double m = static_cast<double>(histories_per_batch_);
  const double mean_batch = sum_[bin] / n;
  const Estimate e{mean_batch / m, std::numeric_limits<double>::infinity()};
  if (batches_ < 2) return e;
  // Variance of the batch totals, then of their mean; per history by 1/m.
  const double var = std::max(0.0, (sum_sq_[bin] / n - mean_batch * mean_batch)) * n / (n - 1.0);
  return {e.mean, std::sqrt(var / n) / m};
}

}  // namespace vorn::mc
