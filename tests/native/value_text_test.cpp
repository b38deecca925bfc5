#include "settings/value_text.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

std::string Parsed(std::string_view text) { return std::to_string(ParseDecimal(text)); }
std::string ToListText(std::string_view text) { return ConvertDefendSide(1, text); }
std::string ToStoredText(std::string_view text) { return ConvertDefendSide(0, text); }

TEST(ValueText, ConvertsTextsBothWaysWithoutOverflow)
{
    const struct { std::string (*convert)(std::string_view); const char *text, *expected; } rows[] = {
        {Parsed, "", "0"}, {Parsed, "x", "0"}, {Parsed, "-", "0"}, {Parsed, "- 5", "0"}, {Parsed, "  +12x", "12"},
        {Parsed, "\t-7", "-7"}, {Parsed, "30.0", "30"}, {Parsed, "2147483647", "2147483647"},
        {Parsed, "-2147483648", "-2147483648"}, {Parsed, "2147483648", "2147483647"},
        {Parsed, "-2147483649", "-2147483648"}, {Parsed, "1234567890123456789012345678901234567890", "2147483647"},
        {UpperCaseAscii, "get_the vorak 1:30", "GET_THE VORAK 1:30"}, {SwapSecondsToMinutesText, "90", "1"},
        {UpperCaseAscii, "\xE7" "a\xFFz", "\xE7" "A\xFFZ"}, {SwapSecondsToMinutesText, "59", "0"},
        {SwapSecondsToMinutesText, "-90", "-1"}, {SwapSecondsToMinutesText, "\n", "0"},
        {SwapSecondsToMinutesText, "-2147483648", "-35791394"}, {SwapMinutesToSecondsText, "5", "300"},
        {SwapMinutesToSecondsText, "", "0"}, {SwapMinutesToSecondsText, "-1", "-60"},
        {SwapMinutesToSecondsText, "35791395", "2147483640"}, {SwapMinutesToSecondsText, "-35791395", "-2147483640"},
        {SwapMinutesToSecondsText, "99999999999", "2147483640"},
        {ToListText, "-1", "Random"}, {ToListText, "0", "Allies"}, {ToListText, "1", "Germans"},
        {ToListText, "2", "Germans"}, {ToListText, "\n", "Germans"}, {ToListText, "-1 ", "Germans"},
        {ToStoredText, "Random", "-1"}, {ToStoredText, "Allies", "0"}, {ToStoredText, "Germans", "1"},
        {ToStoredText, "", "1"}, {ToStoredText, "random", "1"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(rows[i].convert(rows[i].text), rows[i].expected) << "row " << i << " \"" << rows[i].text << "\"";
    EXPECT_EQ(ConvertDefendSide(-5, "0"), "Allies") << "any non-zero direction gives list text";
}

TEST(Rate, FormatsAndWrapsIntoTheSpinRange)
{
    EXPECT_EQ(RateStoredText(30) + " " + RateShownText(2000), "30.0 2000:1");
    const struct { long long proposed; int expected; } rows[] = {
        {1441, 1}, {0, 1440}, {1, 1}, {1440, 1440}, {700, 700}, {LLONG_MIN, 1440}, {LLONG_MAX, 1},
    };
    for (const auto& row : rows) EXPECT_EQ(WrapRate(row.proposed), row.expected) << "proposed " << row.proposed;
}

}  // namespace
