// Format patterns against hand-worked values. Each row was worked out on
// paper from the decimal value: round half away from zero at the last digit
// the pattern shows, then place the digits.
#include "platform/format/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace vorn {
namespace {

struct Row {
  double value;
  const char* pattern;
  const char* expected;
};

void ExpectRows(const std::vector<Row>& rows)
{
  for (const Row& row : rows) {
    EXPECT_EQ(Format(row.value, row.pattern), row.expected)
        << "Format(" << row.value << ", \"" << row.pattern << "\")";
  }
}

TEST(Format, ExponentPatternsNormaliseTheMantissa)
{
  ExpectRows({
      {2.58e-4, "0.00E+0", "2.58E-4"},
      {2.58e-4, "0.00E+00", "2.58E-04"},
      {-2.58e-4, "0.00E+0", "-2.58E-4"},
      {1.0, "0.00E+0", "1.00E+0"},
      {123456.0, "0.00E+0", "1.23E+5"},
      {1.235e-5, "0.00E+0", "1.24E-5"},   // half rounds up
      {1.2349e-5, "0.00E+0", "1.23E-5"},
      {9.996e-5, "0.00E+0", "1.00E-4"},   // the carry moves the exponent
      {9.994e-5, "0.00E+0", "9.99E-5"},
      {1.5e12, "0.00E+00", "1.50E+12"},
      {6.5e-9, "0.00E+00", "6.50E-09"},
      {1e100, "0.00E+00", "1.00E+100"},    // more exponent digits than the pattern's
      {1e-300, "0.00E+00", "1.00E-300"},
      {2.58e-4, "0.00E+00 ", "2.58E-04 "},
      {12345.678, "0.000E+00", "1.235E+04"},
      {-0.5, "0.000E+00", "-5.000E-01"},
  });
}

TEST(Format, ZeroInExponentPatternsHasExponentZero)
{
  ExpectRows({
      {0.0, "0.00E+0", "0.00E+0"},
      {0.0, "0.00E+00", "0.00E+00"},
      {0.0, "0.000E+00", "0.000E+00"},
      {-0.0, "0.000E+00", "0.000E+00"},
  });
}

TEST(Format, ExponentSignAndLetterVariants)
{
  ExpectRows({
      {1234.0, "0.0E-00", "1.2E03"},    // "E-" shows only a negative sign
      {0.00123, "0.0E-00", "1.2E-03"},
      {1234.0, "0.0e+0", "1.2e+3"},
      {1234.0, "00.0E+0", "12.3E+2"},   // two integer digits in the mantissa
      {0.05, "0.0E+0", "5.0E-2"},
  });
}

TEST(Format, FixedPatternsWithOptionalLeadingDigits)
{
  ExpectRows({
      {5.0, "##0.00", "5.00"},
      {1234.567, "##0.00", "1234.57"},
      {0.0, "##0.00", "0.00"},
      {2.5, "#0.000", "2.500"},
      {12.3456, "#0.000", "12.346"},
      {123.4565, "#0.000", "123.457"},
      {5.0, "#00.00", "05.00"},
      {35.124, "#00.00", "35.12"},
      {135.5, "#00.00", "135.50"},
      {99.995, "#00.00", "100.00"},
      {0.0005, "##0.000", "0.001"},
      {12.25, "##0.0", "12.3"},
      {0.04, "##0.0", "0.0"},
      {1234.5, "#0.0", "1234.5"},
      {0.05, "#0.0", "0.1"},
      {12.34, "###0.0", "12.3"},
      {0.96, "###0.0", "1.0"},
      {75.0, "#00.0", "75.0"},
      {5.0, "#00.0", "05.0"},
      {150.0, "#00.0", "150.0"},
      {75.0, "#00", "75"},
      {5.0, "#00", "05"},
      {7.4, "#00", "07"},
      {99.5, "#00", "100"},
      {200.0, "#00", "200"},
  });
}

TEST(Format, FixedPatternsWithLeadingZeros)
{
  ExpectRows({
      {0.0625, "0.000", "0.063"},
      {1.0005, "0.000", "1.001"},
      {2.675, "0.00", "2.68"},
      {0.5, "0000.0", "0000.5"},
      {150.0, "0000.0", "0150.0"},
      {1.23456789e-3, "0.00000", "0.00123"},
      {0.000005, "0.00000", "0.00001"},
      {0.0000049, "0.00000", "0.00000"},
      {1.0, "0.00000", "1.00000"},
      {80.0, "000.0", "080.0"},
      {12.25, "000.0", "012.3"},
      {1000.04, "000.0", "1000.0"},
      {1000000.0, "00000000000", "00001000000"},
      {12345678901.0, "00000000000", "12345678901"},
      {1e12, "00000000000", "1000000000000"},
      {9.96, "00.0", "10.0"},
      {5.0, "00.0", "05.0"},
      {5.432, "00.00", "05.43"},
      {2.5, "0", "3"},
      {0.4, "0", "0"},
  });
}

TEST(Format, DecimalValuesRoundAsTheyRead)
{
  // Each value lies just below the half in binary; its decimal text is the half.
  ExpectRows({
      {2.675, "#0.00", "2.68"},
      {1.005, "#0.00", "1.01"},
      {0.125, "#0.00", "0.13"},
      {0.1205, "#0.00#", "0.121"},
      {1.45, "0.0", "1.5"},
      {8.345, "0.00", "8.35"},
  });
}

TEST(Format, TrailingOptionalDecimalsDropZerosButKeepThePoint)
{
  ExpectRows({
      {1.5, "##0.###", "1.5"},
      {2.0, "##0.###", "2."},
      {0.1234, "##0.###", "0.123"},
      {0.0625, "##0.###", "0.063"},
      {0.0004, "##0.###", "0."},
      {0.1, "##0.###", "0.1"},
      {0.05, "#0.00#", "0.05"},
      {0.125, "#0.00#", "0.125"},
      {1.0, "#0.00#", "1.00"},
      {0.1234, "#0.00#", "0.123"},
      {75.0, "###.# ", "75. "},
      {40.5, "###.# ", "40.5 "},
      {150.0, "###.# ", "150. "},
      {0.5, "###.# ", ".5 "},
      {1234.0, "###.# ", "1234. "},
  });
}

TEST(Format, LiteralsAndPercentStayInPlace)
{
  ExpectRows({
      {0.25, " 00.00", " 00.25"},
      {12.5, " 00.00", " 12.50"},
      {100.0, "  000.00", "  100.00"},
      {5.125, "  000.00", "  005.13"},
      {1234.5, "  000.00", "  1234.50"},
      {12.5, "##0.0cm", "12.5cm"},
      {0.0, "##0.0cm", "0.0cm"},
      {0.5, "##0.00%", "50.00%"},
      {0.123456, "##0.00%", "12.35%"},
      {1.5, "##0.00%", "150.00%"},
      {0.0, "##0.00%", "0.00%"},
      {0.00005, "##0.00%", "0.01%"},
      {-0.25, "##0.00%", "-25.00%"},
      {2.0, "0.0 mm", "2.0 mm"},
  });
}

TEST(Format, NegativeValues)
{
  ExpectRows({
      {-1.234, "#0.00", "-1.23"},
      {-0.005, "##0.00", "-0.01"},
      {-0.004, "##0.00", "0.00"},   // rounds to zero: no sign
      {-0.0004, "#0.000", "0.000"},
      {-0.04, "#0.0", "0.0"},
      {-0.05, "#0.0", "-0.1"},
      {-2.5, "0", "-3"},
      {-0.4, "0", "0"},
      {-5.0, "#00", "-05"},
      {-1234.5, "#0.0", "-1234.5"},
      {-1.5, " 00.00", " -01.50"},   // the sign goes before the first digit
      {-0.5, "###.#", "-.5"},
      {-0.0, "0.00", "0.00"},
  });
}

TEST(Format, LargeAndSmallValues)
{
  ExpectRows({
      {1e20, "#0.00", "100000000000000000000.00"},
      // Only 15 significant digits are kept; the rest are zeros.
      {123456789012345678901.0, "#0.0", "123456789012346000000.0"},
      {1e-300, "0.000", "0.000"},
      {-1e-300, "0.000", "0.000"},
      {5e-324, "0.00E+00", "4.94E-324"},
      {1.7976931348623157e308, "0.00E+00", "1.80E+308"},
  });
  const std::string huge = Format(1e300, "#0.0");
  EXPECT_EQ(huge.size(), 303u);
  EXPECT_EQ(huge.substr(0, 2), "10");
  EXPECT_EQ(huge.substr(huge.size() - 2), ".0");
}

TEST(Format, NonFiniteValuesGiveReadableText)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const char* pattern : {"0.00", "0.00E+00", "##0.00%", ""}) {
    EXPECT_EQ(Format(nan, pattern), "NaN") << pattern;
    EXPECT_EQ(Format(inf, pattern), "Inf") << pattern;
    EXPECT_EQ(Format(-inf, pattern), "-Inf") << pattern;
  }
  // Finite, but beyond a double once the percent sign multiplies it.
  EXPECT_EQ(Format(1e307, "0%"), "Inf");
}

TEST(Format, PatternsWithoutPlaceholders)
{
  EXPECT_EQ(Format(2.5, ""), "2.5");
  EXPECT_EQ(Format(12.5, ".00"), "12.50");
  EXPECT_EQ(Format(0.5, ".00"), ".50");
}

TEST(Format, ExponentPatternTextReadsBackToTheValue)
{
  // Three significant digits survive a write and read through "0.00E+00".
  for (const double value : {2.58e-4, 1.11e-6, 9.99e+9, 4.5e-2, 7.77e-12}) {
    EXPECT_DOUBLE_EQ(Val(Format(value, "0.00E+00")), value) << value;
  }
}

}  // namespace
}  // namespace vorn
