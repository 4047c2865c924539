// Plain number text, the print form of a number and Val.
#include "platform/format/format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace vorn {
namespace {

TEST(NumberText, ShortestFormWithAtMostFifteenDigits)
{
  EXPECT_EQ(NumberText(75.0), "75");
  EXPECT_EQ(NumberText(0.05), "0.05");
  EXPECT_EQ(NumberText(2.5), "2.5");
  EXPECT_EQ(NumberText(-3.0), "-3");
  EXPECT_EQ(NumberText(100.0), "100");
  EXPECT_EQ(NumberText(33.97), "33.97");
  EXPECT_EQ(NumberText(0.1), "0.1");
  EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");  // 0.30000000000000004 in binary
  EXPECT_EQ(NumberText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(NumberText(2.0 / 3.0), "0.666666666666667");
  EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
  EXPECT_EQ(NumberText(0.0001), "0.0001");
  EXPECT_EQ(NumberText(0.000123), "0.000123");
  EXPECT_EQ(NumberText(-12.125), "-12.125");
}

TEST(NumberText, ZeroHasNoSign)
{
  EXPECT_EQ(NumberText(0.0), "0");
  EXPECT_EQ(NumberText(-0.0), "0");
}

TEST(NumberText, VerySmallAndVeryLargeUseAnExponent)
{
  EXPECT_EQ(NumberText(0.00001), "1E-05");
  EXPECT_EQ(NumberText(-2.5e-7), "-2.5E-07");
  EXPECT_EQ(NumberText(1.5e16), "1.5E+16");
  EXPECT_EQ(NumberText(1e15), "1E+15");
  EXPECT_EQ(NumberText(999999999999999.9), "1E+15");  // rounds up to 16 digits
  EXPECT_EQ(NumberText(1e100), "1E+100");
  EXPECT_EQ(NumberText(std::numeric_limits<double>::max()), "1.79769313486232E+308");
  EXPECT_EQ(NumberText(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
}

TEST(NumberText, NonFiniteValues)
{
  EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), "NaN");
  EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), "Inf");
  EXPECT_EQ(NumberText(-std::numeric_limits<double>::infinity()), "-Inf");
}

TEST(NumberText, FifteenDigitDecimalsReadBackExactly)
{
  // Numbers made from decimal text of up to 15 significant digits must come
  // back from their plain text unchanged; the reference is from_chars of the
  // generated text, not this library.
  std::mt19937_64 rng(20260101);
  std::uniform_int_distribution<int> digits(1, 15);
  std::uniform_int_distribution<int> exponent(-40, 40);
  for (int i = 0; i < 20000; ++i) {
    long long limit = 1;
    for (int d = digits(rng); d > 0; --d) limit *= 10;
    const long long m = std::uniform_int_distribution<long long>(1, limit - 1)(rng);
    const std::string text = std::to_string(m) + "e" + std::to_string(exponent(rng));
    double reference = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), reference);
    const double value = (i % 2 == 0) ? reference : -reference;
    ASSERT_EQ(Val(NumberText(value)), value) << text << " -> " << NumberText(value);
  }
}

TEST(PrintNumberText, BlankInPlaceOfThePlusSignAndOneAfter)
{
  EXPECT_EQ(PrintNumberText(75.0), " 75 ");
  EXPECT_EQ(PrintNumberText(-3.0), "-3 ");
  EXPECT_EQ(PrintNumberText(0.0), " 0 ");
  EXPECT_EQ(PrintNumberText(0.05), " 0.05 ");
  EXPECT_EQ(PrintNumberText(-2.5e-7), "-2.5E-07 ");
  EXPECT_EQ(PrintNumberText(1.5e16), " 1.5E+16 ");
}

TEST(Val, LeadingNumberOfAText)
{
  EXPECT_EQ(Val("75"), 75.0);
  EXPECT_EQ(Val("75kV"), 75.0);
  EXPECT_EQ(Val("1,5"), 1.0);
  EXPECT_EQ(Val("-2.5"), -2.5);
  EXPECT_EQ(Val("+7"), 7.0);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("-.5"), -0.5);
  EXPECT_EQ(Val("5."), 5.0);
  EXPECT_EQ(Val("00012"), 12.0);
  EXPECT_EQ(Val("2.58E-04"), 2.58e-4);
  EXPECT_EQ(Val("25.8e-5"), 25.8e-5);
  EXPECT_EQ(Val("1.5e+3x"), 1500.0);
  EXPECT_EQ(Val("1 2"), 1.0);
  EXPECT_EQ(Val("1.2.3"), 1.2);
}

TEST(Val, BlanksAndTabsBeforeTheNumberAreSkipped)
{
  EXPECT_EQ(Val("   42"), 42.0);
  EXPECT_EQ(Val("\t 42 "), 42.0);
  EXPECT_EQ(Val(" - 4"), 0.0);  // no blank between sign and digits
}

TEST(Val, AnExponentNeedsDigits)
{
  EXPECT_EQ(Val("12E"), 12.0);
  EXPECT_EQ(Val("12E+"), 12.0);
  EXPECT_EQ(Val("12e-x"), 12.0);
  EXPECT_EQ(Val("12E2"), 1200.0);
}

TEST(Val, TextWithoutALeadingNumberGivesZero)
{
  EXPECT_EQ(Val(""), 0.0);
  EXPECT_EQ(Val("abc"), 0.0);
  EXPECT_EQ(Val("."), 0.0);
  EXPECT_EQ(Val("-"), 0.0);
  EXPECT_EQ(Val("+."), 0.0);
  EXPECT_EQ(Val("E5"), 0.0);
  EXPECT_EQ(Val("inf"), 0.0);
  EXPECT_EQ(Val("nan"), 0.0);
  EXPECT_EQ(Val("0x1A"), 0.0);
  EXPECT_EQ(Val("\xEF\xBC\x91\xEF\xBC\x92"), 0.0);  // full-width digits
  EXPECT_EQ(Val("\n5"), 0.0);
}

TEST(Val, OutOfRangeNumbersNeverThrow)
{
  EXPECT_EQ(Val("1E400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("-1E400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("0.001E312"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("1E-400"), 0.0);
  EXPECT_EQ(Val("1000E-330"), 0.0);
  EXPECT_EQ(Val("0E999999999999999999999"), 0.0);
  EXPECT_EQ(Val("1E99999999999999999999999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val(std::string(400, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(ParseNumber, WholeTextMustBeOneNumber)
{
  EXPECT_EQ(ParseNumber("12"), 12.0);
  EXPECT_EQ(ParseNumber("-1.5E-3"), -0.0015);
  EXPECT_EQ(ParseNumber("12x"), std::nullopt);
  EXPECT_EQ(ParseNumber("12E"), std::nullopt);
  EXPECT_EQ(ParseNumber(" 12"), std::nullopt);
  EXPECT_EQ(ParseNumber(""), std::nullopt);
  EXPECT_EQ(ParseNumber("."), std::nullopt);
  EXPECT_EQ(NumberLength("2.58E-04 rest"), 8u);
  EXPECT_EQ(NumberLength("x2"), 0u);
}

}  // namespace
}  // namespace vorn
