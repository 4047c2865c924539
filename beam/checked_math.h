// Arithmetic that raises a CalcError where the desktop runtime raised its
// overflow or division error, instead of carrying inf or NaN into a result.
#pragma once

#include <string_view>

namespace vorn {

// exp(x); raises CalcError naming `what` when the result overflows.
double CheckedExp(double x, std::string_view what);

// numerator / denominator; raises CalcError naming `what` when the
// denominator is 0 or the quotient is not a finite number.
double CheckedDivide(double numerator, double denominator, std::string_view what);

// Natural logarithm; raises CalcError naming `what` unless x > 0.
double CheckedLog(double x, std::string_view what);

// Raises CalcError naming `what` unless value is a finite number.
double RequireFinite(double value, std::string_view what);

}  // namespace vorn
