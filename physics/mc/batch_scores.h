// Scores with batch statistics.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorn::mc {

// Mean per history and its standard error.
struct Estimate {
  double mean = 0.0;
  double std_error = 0.0;
  // Relative standard error; infinite for a zero mean.
  double relative() const;
};

/// A set of bins scored per batch of histories. Scores go to the open batch;
/// closing a batch adds its total and its square to the statistics, from
/// which the mean per history and its standard error follow.
/// Invariant: every batch holds the same number of histories.
class BatchScores {
public:
  explicit BatchScores(std::size_t bins = 0);

  void add(std::size_t bin, double x) { open_[bin] += x; }
  double open(std::size_t bin) const { return open_[bin]; }

  // Closes the open batch of `block` (scored over `histories` histories) and
  // adds it to these statistics; `block` starts a new batch. Throws
  // std::invalid_argument on a different number of bins or histories per batch.
  void add_batch(BatchScores& block, std::uint64_t histories);

  Estimate estimate(std::size_t bin) const;
  std::size_t size() const { return open_.size(); }
  std::uint64_t batches() const { return batches_; }
  std::uint64_t histories() const { return histories_; }
  // Sum over all closed batches.
  double total(std::size_t bin) const { return sum_[bin]; }

private:
  std::vector<double> open_;
  std::vector<double> sum_;
  std::vector<double> sum_sq_;
  std::uint64_t batches_ = 0;
  std::uint64_t histories_ = 0;
  std::uint64_t histories_per_batch_ = 0;
};

}  // namespace vorn::mc
