#include "chart/format/FormatFloat.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace chart {
namespace {

struct FormatCase {
  const char* format;
  double value;
  const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << '"' << c.format << "\" " << c.value << " -> \"" << c.expected << '"';
}

class FormatFloatWithCommaAndPoint : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFloatWithCommaAndPoint, Writes) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatFloat(c.format, c.value, ",", "."), c.expected);
}

// The axis label format and what it must show for values the label loop produces.
INSTANTIATE_TEST_SUITE_P(
    AxisLabelFormat, FormatFloatWithCommaAndPoint,
    ::testing::Values(FormatCase{"#,##0.###", 1023, "1,023"},
                      FormatCase{"#,##0.###", 0.2000000000000001, "0.2"},
                      FormatCase{"#,##0.###", 5.551115123125783e-17, "0"},
                      FormatCase{"#,##0.###", -0.0004, "0"},
                      FormatCase{"#,##0.###", -0.7999999999999998, "-0.8"},
                      FormatCase{"#,##0.###", 1234567.8915, "1,234,567.892"},
                      FormatCase{"#,##0.###", 0, "0"},
                      FormatCase{"#,##0.###", -0.0, "0"},
                      FormatCase{"#,##0.###", 999.9995, "1,000"},
                      FormatCase{"#,##0.###", -999999.9996, "-1,000,000"},
                      FormatCase{"#,##0.###", 0.0005, "0.001"},
                      FormatCase{"#,##0.###", -0.0005, "-0.001"},
                      FormatCase{"#,##0.###", 100, "100"},
                      FormatCase{"#,##0.###", 1000, "1,000"},
                      FormatCase{"#,##0.###", 12345678901234567890.0, "12,345,678,901,234,567,000"},
                      FormatCase{"#,##0.###", 1e-300, "0"},
                      FormatCase{"#,##0.###", 2.5, "2.5"},
                      FormatCase{"#,##0.###", 0.1 + 0.2, "0.3"}));

INSTANTIATE_TEST_SUITE_P(
    OtherFormats, FormatFloatWithCommaAndPoint,
    ::testing::Values(FormatCase{"##0.## %", 12.345, "12.35 %"},
                      FormatCase{"##0.## %", 0.5, "0.5 %"},
                      FormatCase{"##0.## %", 100, "100 %"},
                      FormatCase{"##0.## %", 12345, "12345 %"},  // digits beyond the placeholders
                      FormatCase{"0.###", 3.14159, "3.142"},
                      FormatCase{"0.###", -2, "-2"},
                      FormatCase{"0.00", 2, "2.00"},
                      FormatCase{"0.0#", 2, "2.0"},
                      FormatCase{"0.0#", 2.125, "2.13"},  // half away from zero, not to even
                      FormatCase{"0.0#", 2.135, "2.14"},
                      FormatCase{"000", 7, "007"},
                      FormatCase{"#", 0, ""},
                      FormatCase{"#.##", 0.5, ".5"},
                      FormatCase{"0", 2.5, "3"},
                      FormatCase{"0", -2.5, "-3"},
                      FormatCase{"0", 0.49, "0"},
                      FormatCase{"$#,##0.00", 1234.5, "$1,234.50"},
                      FormatCase{"0.0 'kg'", 1.25, "1.3 kg"},
                      FormatCase{"\"#\"0", 5, "#5"},
                      FormatCase{"0;(0)", -5, "(5)"},
                      FormatCase{"0;(0)", 5, "5"},
                      FormatCase{"0.0;-0.0;'zero'", 0.01, "zero"},
                      FormatCase{"0.0;-0.0;'zero'", -3, "-3.0"},
                      FormatCase{"#,##0", 1234567, "1,234,567"},
                      FormatCase{"#,##0", -1234, "-1,234"}));

INSTANTIATE_TEST_SUITE_P(
    Scientific, FormatFloatWithCommaAndPoint,
    ::testing::Values(FormatCase{"0.00E+00", 1234.5, "1.23E+03"},
                      FormatCase{"0.00E+00", 1235, "1.24E+03"},
                      FormatCase{"0.00E+00", 9.996, "1.00E+01"},
                      FormatCase{"0.00E+00", -0.000123, "-1.23E-04"},
                      FormatCase{"0.00E-00", 1234.5, "1.23E03"},
                      FormatCase{"0.##e+0", 0.5, "5e-1"},
                      FormatCase{"00.0E+0", 1234.5, "12.3E+2"},
                      FormatCase{"0.0E+00", 0, "0.0E+00"},
                      FormatCase{"0.0E+000", 1e300, "1.0E+300"}));

// Without an integer placeholder the integer digits still show before the point; a zero
// integer part shows none. A scientific mantissa is then 0.ddd and never empty.
INSTANTIATE_TEST_SUITE_P(
    NoIntegerPlaceholder, FormatFloatWithCommaAndPoint,
    ::testing::Values(FormatCase{".00", 12.5, "12.50"},
                      FormatCase{".00", 0.5, ".50"},
                      FormatCase{".00", -0.5, "-.50"},
                      FormatCase{".##", 999.999, "1000"},
                      FormatCase{",.#", 12345.67, "12,345.7"},
                      FormatCase{"'x'.0", 7, "x7.0"},
                      FormatCase{".##E+00", 12.5, ".13E+02"},
                      FormatCase{".##E+00", -0.004, "-.4E-02"},
                      FormatCase{".##E+00", 0.995, ".1E+01"},
                      FormatCase{".00E+00", 0, ".00E+00"},
                      FormatCase{".##E+00", 0, "0E+00"},
                      FormatCase{"#.##E+00", 0, "0E+00"},
                      FormatCase{"E+00", 12.5, "1E+01"}));

TEST(FormatFloat, UsesTheGivenSeparatorsWhateverTheirLength) {
  EXPECT_EQ(FormatFloat("#,##0.###", 1234567.8915, ".", ","), "1.234.567,892");
  EXPECT_EQ(FormatFloat("#,##0.###", 1234.5, "\u00A0", ","), "1\u00A0234,5");
  EXPECT_EQ(FormatFloat("#,##0.###", 1234.5, "", "."), "1234.5");
  EXPECT_EQ(FormatFloat("##0.## %", 0.25, " ", ","), "0,25 %");
}

TEST(FormatFloat, NonFiniteValuesHaveFixedTexts) {
  EXPECT_EQ(FormatFloat("#,##0.###", std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(FormatFloat("#,##0.###", std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FormatFloat("#,##0.###", -std::numeric_limits<double>::infinity()), "-INF");
}

TEST(FormatFloat, ExtremeFiniteValues) {
  const std::string big = FormatFloat("#,##0.###", std::numeric_limits<double>::max());
  EXPECT_EQ(big.substr(0, 8), "179,769,");
  EXPECT_EQ(big.size(), 309u + 102u);  // 309 digits and 102 separators
  EXPECT_EQ(FormatFloat("0.###", std::numeric_limits<double>::denorm_min()), "0");
  EXPECT_EQ(FormatFloat("0.###", -std::numeric_limits<double>::denorm_min()), "0");
}

}  // namespace
}  // namespace chart
