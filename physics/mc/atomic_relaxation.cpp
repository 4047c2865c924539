#include "physics/mc/atomic_relaxation.h"

#include <xraylib.h>

#include <stdexcept>
#include <string>

namespace vorn::mc {

namespace {

// xraylib reports a missing entry through its error object; for lines that
// simply means "none", so a failed call gives 0.
template <class Fn>
double OrZero(Fn fn, int Z, int line)
{
  xrl_error* error = nullptr;
  const double value = fn(Z, line, &error);
  if (error != nullptr) {
    xrl_error_free(error);
    return 0.0;
  }
  return value;
}

}  // namespace

std::vector<FluorescenceLine> KLines(int Z)
{
  if (Z < 1 || Z > 98) throw std::invalid_argument("K lines: no element with Z = " + std::to_string(Z));
  std::vector<FluorescenceLine> lines;
  double total = 0.0;
  for (const int group : {KA_LINE, KB_LINE}) {
    const double E = OrZero(LineEnergy, Z, group);
    const double rate = OrZero(RadRate, Z, group);
    if (E > 0.0 && rate > 0.0) {
      lines.push_back({E, rate});
      total += rate;
    }
  }
  for (FluorescenceLine& line : lines) line.probability /= total;
  return lines;
}

}  // namespace vorn::mc
