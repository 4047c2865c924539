#include "tools/bsfprog/run_progress.h"

#include <algorithm>
#include <cmath>

namespace vorn::bsf {

void RunProgress::Begin(std::uint64_t total_histories)
{
  done_.store(0, std::memory_order_relaxed);
  total_.store(total_histories, std::memory_order_relaxed);
}

double RunProgress::fraction() const
{
  const std::uint64_t t = total();
  return t == 0 ? 0.0 : static_cast<double>(done()) / static_cast<double>(t);
}

std::string TimeLeftText(double elapsed_s, double fraction_done)
{
  // Below a few per cent the rate still carries the start-up of the threads.
  if (!(fraction_done >= 0.02) || !(elapsed_s >= 0.0)) return "Time left: estimating ...";
  if (fraction_done >= 1.0) return "Time left: none";
  const double left = elapsed_s * (1.0 - fraction_done) / fraction_done;
  // Appended piece by piece: GCC 12 at -O3 sees an overlap that is not there
  // in "literal" + std::string temporaries and warns (-Wrestrict).
  std::string text = "Time left: about ";
  if (left > 600.0) {
    text += std::to_string(static_cast<long long>(std::ceil(left / 60.0)));
    text += " min";
    return text;
  }
  const auto seconds = static_cast<long long>(5.0 * std::ceil(left / 5.0));
  if (seconds < 60) {
    text += std::to_string(std::max(seconds, 5LL));
    text += " s";
    return text;
  }
  const long long minutes = seconds / 60, rest = seconds % 60;
  text += std::to_string(minutes);
  text += " min";
  if (rest > 0) {
    text += ' ';
    text += std::to_string(rest);
    text += " s";
  }
  return text;
}

}  // namespace vorn::bsf
