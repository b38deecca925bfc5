#include "settings/aircraft_value.h"

#include <gtest/gtest.h>

namespace {

std::string Shown(const AircraftValue& value)
{
    return std::to_string(value.flag) + "|" + value.start + "|" + value.end;
}

TEST(AircraftValue, ParsesStoredValues)
{
    const struct { const char *stored, *shown; } rows[] = {
        {"\n", "1||"}, {"", "1||"}, {"1", "1||"}, {"0", "0||"}, {"0x", "0||"}, {"1,,", "1||"},  // "\n": a missing key
        {"1,1916-02-01,1917-06-30", "1|1916-02-01|1917-06-30"}, {"0,1916-02-01,1917-06-30", "0|1916-02-01|1917-06-30"},
        {"1,,1918-01-01", "1||1918-01-01"}, {"1,1917-01-01", "1|1917-01-01|"}, {"1,a,b,c", "1|a|b,c"},
        {"1,19,17,1918", "1|19|17,1918"},  // a comma typed into the start date moves text on
        {"10,1917", "1||1917"}, {"yes", "1|s|"}, {"01917,1918", "0|917|1918"},
    };
    for (const auto& row : rows) EXPECT_EQ(Shown(ParseAircraftValue(row.stored)), row.shown) << "stored " << row.stored;
}

TEST(AircraftValue, FormsBareFlagUnlessBothDatesPresent)
{
    const struct { AircraftValue value; const char* stored; } rows[] = {
        {{1, "", ""}, "1"}, {{0, "", ""}, "0"}, {{1, "1917", ""}, "1"}, {{0, "", "1918"}, "0"},
        {{1, "1916-02-01", "1917-06-30"}, "1,1916-02-01,1917-06-30"}, {{1, "19,17", "1918"}, "1,19,17,1918"},
        {{0, "19160201", "19170630"}, "0,19160201,19170630"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FormAircraftValue(row.value), row.stored) << Shown(row.value);
        EXPECT_EQ(IsBareAircraftFlag(row.value), std::string(row.stored).size() == 1) << Shown(row.value);
    }
}

TEST(AircraftValue, DatesAtTheLimitStayWithinAWholeRead)
{
    const std::string date(kAircraftDateLimit, '9');
    const std::string stored = FormAircraftValue({0, date, date});
    EXPECT_LE(stored.size(), 254u);
    EXPECT_EQ(Shown(ParseAircraftValue(stored)), "0|" + date + "|" + date);
}

}  // namespace
