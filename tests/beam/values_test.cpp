// The small value types and checked arithmetic of the computing module.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "beam/checked_math.h"
#include "beam/field_side.h"
#include "platform/errors.h"

namespace vorn {
namespace {

TEST(FieldSide, HoldsALengthOrTheDash)
{
  const FieldSide length = 43.2;
  EXPECT_TRUE(length.IsNumber());
  EXPECT_EQ(length.Cm("FieldLength"), 43.2);

  const FieldSide dash = FieldSide::Dash();
  EXPECT_FALSE(dash.IsNumber());
  EXPECT_NE(dash, FieldSide(0.0));  // the dash is not a zero-length side
  try {
    dash.Cm("FieldWidth");
    FAIL() << "a dash was used as a number";
  } catch (const CalcError& e) {
    EXPECT_NE(std::string(e.what()).find("FieldWidth"), std::string::npos) << e.what();
  }
}

TEST(CheckedMath, RaisesWhereTheRuntimeRaisedAndNeverReturnsInfOrNan)
{
  EXPECT_DOUBLE_EQ(CheckedExp(1.0, "x"), std::exp(1.0));
  EXPECT_EQ(CheckedExp(-1000.0, "x"), 0.0);  // underflow is no error
  EXPECT_THROW(CheckedExp(710.0, "x"), CalcError);

  EXPECT_DOUBLE_EQ(CheckedDivide(1.0, 4.0, "x"), 0.25);
  EXPECT_THROW(CheckedDivide(1.0, 0.0, "x"), CalcError);
  EXPECT_THROW(CheckedDivide(0.0, 0.0, "x"), CalcError);
  EXPECT_THROW(CheckedDivide(1e300, 1e-300, "x"), CalcError);

  EXPECT_DOUBLE_EQ(CheckedLog(std::exp(2.0), "x"), 2.0);
  EXPECT_THROW(CheckedLog(0.0, "x"), CalcError);
  EXPECT_THROW(CheckedLog(-1.0, "x"), CalcError);
  EXPECT_THROW(RequireFinite(std::nan(""), "x"), CalcError);

  try {
    CheckedDivide(1.0, 0.0, "the FSD of 0");
    FAIL();
  } catch (const CalcError& e) {
    EXPECT_NE(std::string(e.what()).find("the FSD of 0"), std::string::npos);
  }
}

}  // namespace
}  // namespace vorn
