#include "targets/target_catalogue.h"

#include <climits>
#include <gtest/gtest.h>
#include <regex>

TEST(TargetCatalogue, EachMapHoldsPaddedPlainNamesUnderItsValidIds)
{
    const auto lookup = [](const char* map, int id) {  // the name found, else the result; a failure leaves the name
        const char* name = "untouched";
        const LookupResult result = LookupTarget(map, id, &name);
        if (result == LookupResult::Found) return std::string(name);
        return name + std::string(result == LookupResult::OutOfRange ? "/range" : "/map");
    };
    const struct { const char* map; int count; } maps[] = {
        {"Island", 52}, {"Marne", 227}, {"Verdun", 212}, {"Alsace", 238}, {"Flanders", 411}};
    for (const char* map : {"Random", "", "island", "Alsace ", "Isl", "Islands", static_cast<const char*>(nullptr)})
        EXPECT_EQ(lookup(map, 1), "untouched/map") << "[" << (map ? map : "null") << "]";
    EXPECT_EQ(LookupTarget("Island", 1, nullptr), LookupResult::Found);
    // Names must survive the settings file and fit the dialog: 2 to 25 plain characters, single blanks.
    const std::regex plain("(?=.{2,25}$)[A-Za-z0-9.'-]+( [A-Za-z0-9.'-]+)*");
    for (int m = 0; m < MapTableCount; ++m) {
        const auto& [map, count] = maps[m];
        EXPECT_STREQ(TargetCatalogue[m].mapName, map);
        for (int id : {0, -1, INT_MIN, count, INT_MAX})
            EXPECT_EQ(lookup(map, id), "untouched/range") << map << " " << id;
        EXPECT_STREQ(TargetCatalogue[m].names, " ");
        for (int id = 1; id < count; ++id)
            EXPECT_TRUE(std::regex_match(lookup(map, id), plain)) << map << " " << id;
    }
}
