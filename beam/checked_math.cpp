#include "beam/checked_math.h"

#include <cmath>
#include <string>

#include "platform/errors.h"

namespace vorn {

double CheckedExp(double x, std::string_view what)
{
  const double result = std::exp(x);
  if (!std::isfinite(result)) {
    throw CalcError("overflow in " + std::string(what));
  }
  return result;
}

double CheckedDivide(double numerator, double denominator, std::string_view what)
{
  if (denominator == 0.0) {
    throw CalcError("division by zero: " + std::string(what));
  }
  return RequireFinite(numerator / denominator, what);
}

double CheckedLog(double x, std::string_view what)
{
  if (!(x > 0.0) || !std::isfinite(x)) {
    throw CalcError("logarithm of a value that is not positive: " + std::string(what));
  }
  return std::log(x);
}

double RequireFinite(double value, std::string_view what)
{
  if (!std::isfinite(value)) {
    throw CalcError("overflow in " + std::string(what));
  }
  return value;
}

}  // namespace vorn
