#include "settings/aircraft_value.h"

#include <gtest/gtest.h>

namespace {

TEST(AircraftValue, ParsesStoredValues)
{
    const struct { const char* stored; int flag; const char* start; const char* end; } rows[] = {
        {"\n", 1, "", ""},  // what a missing key reads as
        {"", 1, "", ""},
        {"1", 1, "", ""},
        {"0", 0, "", ""},
        {"1,1916-02-01,1917-06-30", 1, "1916-02-01", "1917-06-30"},
        {"0,1916-02-01,1917-06-30", 0, "1916-02-01", "1917-06-30"},
        {"1,,1918-01-01", 1, "", "1918-01-01"},
        {"1,1917-01-01", 1, "1917-01-01", ""},
        {"1,a,b,c", 1, "a", "b,c"},
        {"1,19,17,1918", 1, "19", "17,1918"},  // a comma typed into the start date moves text on
        {"10,1917", 1, "", "1917"},
        {"yes", 1, "s", ""},
        {"0x", 0, "", ""},
        {"01917,1918", 0, "917", "1918"},
        {"1,,", 1, "", ""},
    };
    for (const auto& row : rows) {
        const AircraftValue v = ParseAircraftValue(row.stored);
        EXPECT_EQ(v.flag, row.flag) << "stored \"" << row.stored << "\"";
        EXPECT_EQ(v.start, row.start) << "stored \"" << row.stored << "\"";
        EXPECT_EQ(v.end, row.end) << "stored \"" << row.stored << "\"";
    }
}

TEST(AircraftValue, FormsBareFlagUnlessBothDatesPresent)
{
    const struct { int flag; const char* start; const char* end; const char* stored; } rows[] = {
        {1, "", "", "1"}, {0, "", "", "0"}, {1, "1917", "", "1"}, {0, "", "1918", "0"},
        {1, "1916-02-01", "1917-06-30", "1,1916-02-01,1917-06-30"},
        {0, "19160201", "19170630", "0,19160201,19170630"},
        {1, "19,17", "1918", "1,19,17,1918"},
    };
    for (const auto& row : rows) {
        const AircraftValue v{row.flag, row.start, row.end};
        EXPECT_EQ(FormAircraftValue(v), row.stored) << "flag " << row.flag << " start \"" << row.start
                                                     << "\" end \"" << row.end << "\"";
        EXPECT_EQ(IsBareAircraftFlag(v), std::string(row.stored).size() == 1) << "stored \"" << row.stored << "\"";
    }
}

TEST(AircraftValue, LoadAndStoreWithoutEditsNormalises)
{
    const struct { const char* before; const char* after; } rows[] = {
        {"\n", "1"}, {"yes", "1"}, {"10,1917", "1"}, {"1,,1918-01-01", "1"}, {"1,1917-01-01", "1"},
        {"0,1916-02-01,1917-06-30", "0,1916-02-01,1917-06-30"}, {"1,a,b,c", "1,a,b,c"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FormAircraftValue(ParseAircraftValue(row.before)), row.after) << "stored \"" << row.before << "\"";
}

TEST(AircraftValue, DatesAtTheLimitStayWithinAWholeRead)
{
    const std::string date(kAircraftDateLimit, '9');
    const std::string stored = FormAircraftValue({0, date, date});
    EXPECT_LE(stored.size(), 254u);
    const AircraftValue back = ParseAircraftValue(stored);
    EXPECT_EQ(back.flag, 0);
    EXPECT_EQ(back.start, date);
    EXPECT_EQ(back.end, date);
}

}  // namespace
