#include "settings/aircraft_value.h"

#include <gtest/gtest.h>

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
