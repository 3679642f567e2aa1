#include "model/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace morvane {
namespace {

TEST(NumberFormat, GeneralFormatOfTrickyValues) {
  const struct {
    double Value;
    const char* Text;
  } cases[] = {
      {200.0, "200"}, {12.5, "12.5"}, {-0.25, "-0.25"}, {0.0, "0"}, {-0.0, "0"}, {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"}, {99999.99999999999, "100000"},
      {123456.7890123456, "123456.789012346"}, {999999999999999.0, "999999999999999"},
      {std::nextafter(1e15, 0.0), "1E15"}, {1e15, "1E15"}, {1.5e20, "1.5E20"},
      {123456789012345678.0, "1.23456789012346E17"}, {0.0001, "0.0001"}, {std::nextafter(0.0001, 0.0), "0.0001"},
      {0.00012345, "0.00012345"}, {1e-5, "1E-5"}, {-7.5e-5, "-7.5E-5"},
      {3.5527136788005009e-15, "3.5527136788005E-15"}, {-1e-300, "-1E-300"}, {5e-324, "4.94065645841247E-324"},
      {DBL_MAX, "1.79769313486231E308"}, {-DBL_MAX, "-1.79769313486231E308"},
      {std::numeric_limits<double>::quiet_NaN(), "0"}, {std::numeric_limits<double>::infinity(), "0"},
      {-std::numeric_limits<double>::infinity(), "0"},
  };
  for (const auto& c : cases) {
    const std::string text = FormatGeneral(c.Value);
    EXPECT_EQ(text, c.Text) << "for " << c.Value;
    EXPECT_TRUE(ParseNumber(text).has_value()) << text << " does not read back";
  }
}

TEST(NumberFormat, ParsersAreStrict) {
  const struct {
    const char* Text;
    double Value;
  } accepted[] = {
      {"12", 12},       {"-0.25", -0.25},     {"+3", 3},      {"1E15", 1e15}, {"1e-5", 1e-5},
      {"1.5E+20", 1.5e20}, {"1.", 1},         {".5", 0.5},    {"-0", 0},      {"007", 7},
  };
  for (const auto& c : accepted) {
    const std::optional<double> value = ParseNumber(c.Text);
    ASSERT_TRUE(value.has_value()) << c.Text;
    EXPECT_EQ(*value, c.Value) << c.Text;
  }
  for (const char* text : {"", "-", "+", ".", "abc", "12px", "1,5", "inf", "-INF", "nan", "NaN", "infinity",
                           "0x10", "1e", "1e+", "E5", " 12", "12 ", "--1", "+-1", "1E400", "1E-400", "1..2"}) {
    EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
  }

  // Integers fit 32 bits.
  for (const auto& [text, value] : {std::pair{"0", 0}, {"-7", -7}, {"+7", 7}, {"2147483647", 2147483647},
                                    {"-2147483648", -2147483647 - 1}}) {
    EXPECT_EQ(ParseInteger(text), value) << text;
  }
  for (const char* text : {"", "-", "2147483648", "-2147483649", "1.5", "1e3", "12a", " 1", "1 ", "+-1", "0x1"}) {
    EXPECT_FALSE(ParseInteger(text).has_value()) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace morvane
