#include "settings/value_text.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(ParseDecimal, FollowsTheUsualParseAndSaturates)
{
    const struct { const char* text; int expected; } rows[] = {
        {"", 0}, {"x", 0}, {"\n", 0}, {"-", 0}, {"+", 0}, {" \t12", 12}, {"  +12x", 12}, {"-7", -7},
        {"30.0", 30}, {"0042", 42}, {"1 2", 1}, {"- 5", 0},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
        {"2147483648", INT_MAX}, {"-2147483649", INT_MIN},
        {"99999999999999999999", INT_MAX}, {"-99999999999999999999", INT_MIN},
        {"1234567890123456789012345678901234567890", INT_MAX},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseDecimal(row.text), row.expected) << "text \"" << row.text << "\"";
}

TEST(UpperCaseAscii, ChangesOnlyAsciiLetters)
{
    EXPECT_EQ(UpperCaseAscii("get_the vorak 1:30"), "GET_THE VORAK 1:30");
    EXPECT_EQ(UpperCaseAscii("\xE7" "a\xFF" "z"), "\xE7" "A\xFF" "Z");
    EXPECT_EQ(UpperCaseAscii(std::string("a\0b", 3)), std::string("A\0B", 3));
}

TEST(SwapTime, ConvertsBetweenSecondsAndMinutes)
{
    const struct { const char* seconds; const char* minutes; } shown[] = {
        {"90", "1"}, {"59", "0"}, {"-90", "-1"}, {"300", "5"}, {"\n", "0"}, {"-2147483648", "-35791394"},
    };
    for (const auto& row : shown)
        EXPECT_EQ(SwapSecondsToMinutesText(row.seconds), row.minutes) << "seconds \"" << row.seconds << "\"";

    const struct { const char* minutes; const char* seconds; } stored[] = {
        {"5", "300"}, {"", "0"}, {"-1", "-60"}, {"35791394", "2147483640"}, {"35791395", "2147483640"},
        {"-35791395", "-2147483640"}, {"99999999999", "2147483640"}, {"-99999999999", "-2147483640"},
    };
    for (const auto& row : stored)
        EXPECT_EQ(SwapMinutesToSecondsText(row.minutes), row.seconds) << "minutes \"" << row.minutes << "\"";
}

TEST(ConvertDefendSide, MapsExactTextsBothWays)
{
    const struct { int toList; const char* text; const char* expected; } rows[] = {
        {1, "-1", "Random"}, {1, "0", "Allies"}, {1, "1", "Germans"}, {1, "2", "Germans"},
        {1, "Germans", "Germans"}, {1, "\n", "Germans"}, {1, "-1 ", "Germans"}, {-5, "0", "Allies"},
        {0, "Random", "-1"}, {0, "Allies", "0"}, {0, "Germans", "1"}, {0, "", "1"}, {0, "random", "1"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ConvertDefendSide(row.toList, row.text), row.expected)
            << "direction " << row.toList << " text \"" << row.text << "\"";
}

TEST(Rate, FormatsAndWraps)
{
    EXPECT_EQ(RateStoredText(30), "30.0");
    EXPECT_EQ(RateShownText(2000), "2000:1");

    const struct { long long proposed; int expected; } rows[] = {
        {1441, 1}, {0, 1440}, {1420 + 40, 1}, {30 - 40, 1440}, {1, 1}, {1440, 1440}, {700, 700},
        {LLONG_MIN, 1440}, {LLONG_MAX, 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(WrapRate(row.proposed), row.expected) << "proposed " << row.proposed;
}

}  // namespace
