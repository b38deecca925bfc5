#include "settings/aircraft_value.h"
#include "settings/value_text.h"

#include <gtest/gtest.h>

static std::string Parsed(std::string_view text) { return std::to_string(ParseDecimal(text)); }
static std::string ToListText(std::string_view text) { return ConvertDefendSide(-5, text); }  // any non-zero
static std::string ToStoredText(std::string_view text) { return ConvertDefendSide(0, text); }
static std::string Rate(std::string_view text) { return RateStoredText(ParseDecimal(text)) + " " + RateShownText(9); }
static std::string Wrapped(std::string_view text) { return std::to_string(WrapRate(std::stoll(std::string(text)))); }

TEST(ValueText, ConvertsTextsBothWaysWithoutOverflow)
{
    const struct { std::string (*convert)(std::string_view); const char *text, *expected; } rows[] = {
        {Parsed, "", "0"}, {Parsed, "- 5", "0"}, {Parsed, "  +12x", "12"}, {Parsed, "\t-7", "-7"},
        {Parsed, "2147483647", "2147483647"}, {Parsed, "-2147483648", "-2147483648"},
        {Parsed, "2147483648", "2147483647"}, {Parsed, "-2147483649", "-2147483648"},
        {Parsed, "1234567890123456789012345678901234567890", "2147483647"},
        {UpperCaseAscii, "get_the vorak 1:`az{\xE7\xFF", "GET_THE VORAK 1:`AZ{\xE7\xFF"}, {SwapSecondsToMinutesText, "90", "1"},
        {SwapSecondsToMinutesText, "-90", "-1"}, {SwapSecondsToMinutesText, "-2147483648", "-35791394"},
        {SwapMinutesToSecondsText, "", "0"}, {SwapMinutesToSecondsText, "35791394", "2147483640"},
        {SwapMinutesToSecondsText, "35791395", "2147483640"}, {SwapMinutesToSecondsText, "-35791395", "-2147483640"},
        {ToListText, "-1", "Random"}, {ToListText, "0", "Allies"}, {ToListText, "1", "Germans"},
        {ToListText, "-1 ", "Germans"}, {ToStoredText, "Random", "-1"}, {ToStoredText, "Allies", "0"},
        {ToStoredText, "Germans", "1"}, {ToStoredText, "random", "1"}, {Rate, "30.0", "30.0 9:1"},
        // (Rates in range wrap through the spinners: the main window's test.)
        {Wrapped, "-9223372036854775808", "1440"}, {Wrapped, "9223372036854775807", "1"}};
    for (const auto& row : rows)
        EXPECT_EQ(row.convert(row.text), row.expected) << "row " << &row - rows << " \"" << row.text << "\"";
}

static std::string Shown(const AircraftValue& v) { return std::to_string(v.flag) + "|" + v.start + "|" + v.end; }

// Each stored value ("\n": a missing key) is parsed and formed again: the bare flag unless both dates are present.
TEST(AircraftValue, ParsesAndFormsStoredValues)
{
    const struct { const char* stored; std::string shown, formed; } rows[] = {
        {"\n", "1||", "1"}, {"", "1||", "1"}, {"0", "0||", "0"}, {"0x", "0||", "0"}, {"1,,", "1||", "1"},
        {"1,1916-02-01,1917-06-30", "1|1916-02-01|1917-06-30", "1,1916-02-01,1917-06-30"},
        {"0,1916-02-01,1917-06-30", "0|1916-02-01|1917-06-30", "0,1916-02-01,1917-06-30"},
        {"1,,1918-01-01", "1||1918-01-01", "1"}, {"0,,1918", "0||1918", "0"}, {"1,1917-01-01", "1|1917-01-01|", "1"},
        {"1,19,17,1918", "1|19|17,1918", "1,19,17,1918"},  // a comma typed into the start date moves text on
        {"10,1917", "1||1917", "1"}, {"yes", "1|s|", "1"}, {"01917,1918", "0|917|1918", "0,917,1918"}};
    for (const auto& row : rows) {
        const AircraftValue value = ParseAircraftValue(row.stored);
        EXPECT_EQ(Shown(value) + " " + FormAircraftValue(value), row.shown + " " + row.formed) << row.stored;
        EXPECT_EQ(IsBareAircraftFlag(value), row.formed.size() == 1) << row.stored;
    }
}
