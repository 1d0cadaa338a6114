#include "chart/core/Numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace chart {
namespace {

TEST(Numeric, RoundTiesToEven) {
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Round(-1.5), -2);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(2.4999999), 2);
}

TEST(Numeric, TruncDropsFractionTowardsZero) {
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(TruncInt(-0.1), 0);
}

TEST(Numeric, ConversionsSaturateInsteadOfOverflowing) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Round(std::nan("")), 0);
  EXPECT_EQ(Round(inf), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(Trunc(-inf), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(RoundInt(1e12), std::numeric_limits<int>::max());
  EXPECT_EQ(TruncInt(-1e12), std::numeric_limits<int>::min());
  EXPECT_FALSE(FitsInt(std::nan("")));
  EXPECT_FALSE(FitsInt(2147483648.0));
  EXPECT_TRUE(FitsInt(-2147483648.0));
}

TEST(Numeric, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(3, 905, 100), 27);    // 27.15
  EXPECT_EQ(MulDiv(4, 525, 100), 21);    // 21.0
  EXPECT_EQ(MulDiv(3, 250, 100), 8);     // 7.5 rounds up, not to even
  EXPECT_EQ(MulDiv(5, 50, 100), 3);      // 2.5 rounds away from zero
  EXPECT_EQ(MulDiv(-5, 50, 100), -3);
  EXPECT_EQ(MulDiv(5, 50, -100), -3);
  EXPECT_EQ(MulDiv(1, 1, 3), 0);
  EXPECT_EQ(MulDiv(2, 1, 3), 1);
}

TEST(Numeric, MulDivReportsZeroDivisorAndOverflowAsMinusOne) {
  EXPECT_EQ(MulDiv(10, 10, 0), -1);
  EXPECT_EQ(MulDiv(std::numeric_limits<int>::max(), 4, 1), -1);
  // The product itself may exceed 32 bits as long as the quotient fits.
  EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
}

TEST(Numeric, DivTruncatesAndNeverTraps) {
  EXPECT_EQ(Div(7, 2), 3);
  EXPECT_EQ(Div(-7, 2), -3);
  EXPECT_EQ(Div(5, 0), 0);
  EXPECT_EQ(Div(std::numeric_limits<int>::min(), -1), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace chart
