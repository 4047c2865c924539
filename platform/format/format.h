// Number text as the windows, printouts and files of the system show it.
// Everything here is independent of the C locale: the decimal point is always
// ".", whatever LC_NUMERIC the toolkit has set.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// Formats value through a pattern:
//   "0"  a digit that is always shown      "#"  a digit shown only where significant
//   "."  the decimal point                  "E+0" / "E+00" / "E-0" ... a signed exponent
//                                            of at least one / two digits ("E-" shows
//                                            the sign only when negative)
//   "%"  multiplies by 100 and shows "%"     any other character is copied unchanged
// The value is rounded half away from zero at the last digit shown, on its
// 15-significant-digit decimal form (2.675 with "0.00" gives "2.68"). Integer
// digits beyond the pattern's are all shown (Format(1234, "#0") is "1234").
// Leading integer "#"s drop; trailing "#" decimals drop trailing zeros, the
// point stays (Format(2, "##0.###") is "2."). In an exponent pattern the
// mantissa has as many integer digits as the pattern.
// A negative value that rounds to a non-zero text gets a "-" before its first
// digit; one that rounds to zero shows none. NaN and infinities give "NaN",
// "Inf" and "-Inf". An empty pattern gives NumberText(value).
std::string Format(double value, std::string_view pattern);

// Plain number text: the shortest decimal form with at most 15 significant
// digits, no leading blank ("75", "0.05", "2.5", "-3", "1E-05", "1.5E+16").
// Fixed notation for 1E-4 <= |value| < 1E15, otherwise a mantissa and an
// exponent of at least two digits.
std::string NumberText(double value);

// A number as a file's print statement writes it by itself: one blank before a
// non-negative number (in place of the sign) and one blank after it
// (" 75 ", "-3 ").
std::string PrintNumberText(double value);

// The number that leads a text: blanks skipped, digits with an optional sign,
// decimal point and exponent ("2.58E-04", "25.8e-5", "75kV" -> 75); 0 when the
// text does not start with a number. Never throws; a number beyond the range
// of a double gives an infinity of its sign, one below it 0.
double Val(std::string_view text);

// The length of the number (Val's grammar, without leading blanks) at the
// start of text; 0 when text does not start with a number.
std::size_t NumberLength(std::string_view text);

// The value of text when all of it is one number in Val's grammar (no blanks
// around it); nothing otherwise.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace vorn
