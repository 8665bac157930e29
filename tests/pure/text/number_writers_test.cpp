#include "plugin/text/number_writers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "plugin/text/fraction_writer.h"

namespace quill {
namespace {

std::string Decimal(float value, int precision, char decimal = ',', int thousands = 1) {
    NumberText text;
    const int length = WriteDecimal(value, static_cast<std::int8_t>(precision),
                                    NumberSeparators{decimal, thousands}, text);
    EXPECT_EQ(length, static_cast<int>(std::strlen(text))) << "length of " << text;
    return text;
}

struct DecimalCase {
    float value;
    int precision;
    char decimal;
    int thousands;
    const char* expected;
};

TEST(DecimalWriter, RoundsGroupsAndTrims) {
    const DecimalCase cases[] = {
        {0.0f, 0, ',', 1, "0"},
        {25.4f, 1, ',', 1, "25,4"},
        {2.5f, 0, ',', 1, "3"},  // half rounds away from zero
        {-2.5f, 0, ',', 1, "-3"},
        {1.25f, 1, ',', 1, "1,3"},
        {0.125f, 2, '.', 1, "0.13"},
        {1.005f, 2, ',', 1, "1,01"},  // 1.005f scaled by 100 is 100.5 in single precision
        {-0.001f, 2, ',', 1, "-0"},   // a negative value that rounds to zero keeps its sign
        {-0.0f, 2, ',', 1, "0"},
        {999.0f, 0, ',', 1, "999"},
        {1000.0f, 0, ',', 1, "1 000"},
        {1234.5f, 0, ',', 1, "1 235"},
        {1000.0f, 3, ',', 1, "1 000"},  // zeros and the separator dropped
        {999.96f, 1, ',', 1, "1 000"},
        {999.94f, 1, ',', 1, "999,9"},
        {12.5f, 2, '.', 1, "12.5"},
        {-1234567.5f, 0, ',', 1, "-1 234 568"},
        {34562804.0f, 0, '.', 0, "34,562,805"},  // past 2^24 the last digit is not meaningful
        {16777216.0f, 0, '.', 2, "16'777'216"},
        {1234.5f, 1, '.', 3, "1234.5"},
        {1234.5f, 1, '.', 42, "1234.5"},  // an unknown thousands code groups nothing
        {1.234567f, 6, ',', 1, "1,234567"},
        {0.000001f, 6, ',', 1, "0,000001"},
        {0.0000004f, 6, ',', 1, "0"},
        // Past seven significant digits the decimals are single precision's noise.
        {123456.789f, 6, ',', 1, "123 456,789062"},
        {0.1f, 9, ',', 1, "0,1"},  // precision above 6 is 6
        {7.25f, -3, ',', 1, "7"},  // below 0 is 0
    };
    for (const DecimalCase& c : cases) {
        EXPECT_EQ(Decimal(c.value, c.precision, c.decimal, c.thousands), c.expected)
            << c.value << " at precision " << c.precision;
    }
}

TEST(DecimalWriter, ExtremeValuesStayWithinTheBuffer) {
    const float largest = std::numeric_limits<float>::max();
    const std::string text = Decimal(largest, 6, ',', 1);
    EXPECT_EQ(text.size(), 39u + 12u) << text;  // 39 digits, 12 separators, no decimals
    EXPECT_EQ(text.substr(0, 5), "340 2");
    EXPECT_EQ(Decimal(-largest, 6, ',', 1)[0], '-');
    EXPECT_EQ(Decimal(std::numeric_limits<float>::quiet_NaN(), 2), "0");
    EXPECT_EQ(Decimal(std::numeric_limits<float>::infinity(), 2), "0");
    EXPECT_EQ(Decimal(std::numeric_limits<float>::denorm_min(), 6), "0");
}

TEST(ToleranceWriter, FourDecimalsAtMostWithoutTrailingZeros) {
    struct Case {
        float value;
        char decimal;
        const char* expected;
        int lengthBeforeTrim;
    };
    const Case cases[] = {
        {0.25f, ',', "0,25", 6},       {0.1f, ',', "0,1", 6},        {0.12f, '.', "0.12", 6},
        {1.0f, ',', "1", 6},           {0.00005f, ',', "0,0001", 6}, {0.00004f, ',', "0", 6},
        {1234.5f, ',', "1 234,5", 10}, {-0.25f, ',', "0,25", 6},
    };
    for (const Case& c : cases) {
        NumberText text;
        EXPECT_EQ(WriteTolerance(c.value, NumberSeparators{c.decimal, 1}, text), c.lengthBeforeTrim)
            << c.value;
        EXPECT_STREQ(text, c.expected) << c.value;
    }
}

std::string Fraction(float inches, bool feet, const char* inchMark = " \"",
                     const char* footMark = " \x92 ") {
    NumberText text;
    const int length = WriteFraction(inches, 32, NumberSeparators{',', 1}, feet,
                                     FractionMarks{inchMark, footMark}, text);
    EXPECT_EQ(length, static_cast<int>(std::strlen(text)));
    return text;
}

TEST(FractionWriter, InchesAndFeet) {
    struct Case {
        float inches;
        bool feet;
        const char* expected;
    };
    const Case cases[] = {
        {3.5f, false, "3 1/2 \""},
        {3.0f, false, "3  \""},
        {2.99f, false, "3  \""},  // 31.68/32 rounds to a whole inch
        {2.49f, false, "2 1/2 \""},
        {0.015625f, false, "0 1/32 \""},
        {0.0f, false, "0  \""},
        {1000.5f, false, "1 000 1/2 \""},
        {63.25f, true, "5 \x92 3 1/4 \""},
        {0.5f, true, " 1/2 \""},
        {144.0f, true, "12 \x92 0  \""},  // feet with no inches still write the 0
        {11.99f, true, "1 \x92 0  \""},
        {0.0f, true, "  \""},
        {7.75f, true, "7 3/4 \""},
        {-3.5f, false, "3 1/2 \""},
        {std::numeric_limits<float>::quiet_NaN(), false, "0  \""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Fraction(c.inches, c.feet), c.expected) << c.inches << (c.feet ? " ft" : " in");
    EXPECT_EQ(Fraction(3.5f, false, nullptr), "3 1/2");
    EXPECT_EQ(Fraction(63.25f, true, " po", " pi "), "5 pi 3 1/4 po");
}

}  // namespace
}  // namespace quill
