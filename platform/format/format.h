// Number text as the windows, printouts and files of the system show it.
#pragma once

#include <string>
#include <string_view>

namespace vorn {

// Formats value through a pattern:
//   "0"  a digit that is always shown      "#"  a digit shown only where significant
//   "."  the decimal point                  "E+0" / "E+00" / "E-0" ... a signed exponent
//                                            of at least one / two digits ("E-" shows
//                                            the sign only when negative)
//   "%"  multiplies by 100 and shows "%"     any other character is copied unchanged
// The value is rounded half away from zero at the last digit shown. Integer
// digits beyond the pattern's are all shown (Format(1234, "#0") is "1234").
// A negative value that rounds to a non-zero text gets a leading "-".
std::string Format(double value, std::string_view pattern);

// Plain number text: the shortest decimal form with at most 15 significant
// digits, no leading blank ("75", "0.05", "2.5", "-3", "1E-05", "1.5E+16").
std::string NumberText(double value);

// A number as a file's print statement writes it by itself: one blank before a
// non-negative number (in place of the sign) and one blank after it
// (" 75 ", "-3 ").
std::string PrintNumberText(double value);

// The number that leads a text: blanks skipped, digits with an optional sign,
// decimal point and exponent ("2.58E-04", "25.8e-5", "75kV" -> 75); 0 when the
// text does not start with a number.
double Val(std::string_view text);

}  // namespace vorn
