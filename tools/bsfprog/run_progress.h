// How far a run has come, shared between the transport's worker threads and
// the window that shows it; and the user's request to stop.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "physics/mc/tally.h"

namespace vorn::bsf {

class RunProgress {
public:
  void Begin(std::uint64_t total_histories);
  void AddDone(std::uint64_t histories) { done_.fetch_add(histories, std::memory_order_relaxed); }
  std::uint64_t done() const { return done_.load(std::memory_order_relaxed); }
  std::uint64_t total() const { return total_.load(std::memory_order_relaxed); }
  // Share of the histories done, 0 before the run begins.
  double fraction() const;

  void RequestCancel() { cancel_.store(true, std::memory_order_relaxed); }
  bool cancel_requested() const { return cancel_.load(std::memory_order_relaxed); }

private:
  std::atomic<std::uint64_t> done_{0};
  std::atomic<std::uint64_t> total_{0};
  std::atomic<bool> cancel_{false};
};

// Thrown out of the run when the user asked it to stop.
class RunCancelled : public std::runtime_error {
public:
  RunCancelled() : std::runtime_error("the calculation was stopped before it finished") {}
};

/// Scores nothing: counts the histories of every merged batch into the
/// progress, and stops the run at the next history once a cancel is asked.
class ProgressTally : public mc::Tally {
public:
  explicit ProgressTally(RunProgress& progress) : Tally(kSource), progress_(progress) {}
  std::unique_ptr<mc::Tally> clone_empty() const override { return std::make_unique<ProgressTally>(progress_); }
  void add_batch(mc::Tally&, std::uint64_t histories) override { progress_.AddDone(histories); }
  void on_source(const mc::Photon&, const mc::World&) override
  {
    if (progress_.cancel_requested()) throw RunCancelled();
  }

private:
  RunProgress& progress_;
};

// The estimated time left, from the time spent so far and the share done:
// "Time left: estimating ..." until 2 % is done, then "Time left: about
// 40 s" or "Time left: about 3 min 20 s" (rounded up to 5 s, whole minutes
// above 10 minutes).
std::string TimeLeftText(double elapsed_s, double fraction_done);

}  // namespace vorn::bsf
