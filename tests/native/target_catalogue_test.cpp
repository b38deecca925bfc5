#include "targets/target_catalogue.h"

#include <cctype>
#include <climits>
#include <gtest/gtest.h>
#include <map>
#include <regex>

TEST(TargetCatalogue, EachMapHoldsPaddedPlainNamesUnderItsValidIds)
{
    const auto lookup = [](const char* map, int id) {  // the name found, else the result; a failure leaves the name
        const char* name = "untouched";
        const LookupResult result = LookupTarget(map, id, &name);
        if (result == LookupResult::Found) return std::string(name);
        return name + std::string(result == LookupResult::OutOfRange ? "/range" : "/map");
    };
    const struct { const char* map; int count; const char *first, *last; std::map<int, int> repeats; } maps[] = {
        {"Island", 52, "Aero 1a", "Factory 7b", {}},
        {"Marne", 227, "Le Fere", "Village43", {{95, 31}, {94, 62}, {121, 87}, {129, 91}, {122, 93}, {120, 99}}},
        {"Verdun", 212, "Neufchateau", "village47", {{70, 11}, {77, 31}, {75, 64}}},
        {"Alsace", 238, "Rougemont", "village44", {{50, 5}, {48, 9}, {55, 11}, {45, 31}}},
        {"Flanders", 411, "Ghistelles", "Village71", {{169, 19}, {180, 63}, {179, 85}, {182, 89}}}};
    for (const char* map : {"Random", "", "island", "Alsace ", "Isl", "Islands", static_cast<const char*>(nullptr)})
        EXPECT_EQ(lookup(map, 1), "untouched/map") << "[" << (map ? map : "null") << "]";
    EXPECT_EQ(LookupTarget("Island", 1, nullptr), LookupResult::Found);
    // Names must survive the settings file and fit the dialog: 2 to 25 plain characters, single blanks.
    const std::regex plain("(?=.{2,25}$)[A-Za-z0-9.'-]+( [A-Za-z0-9.'-]+)*");
    for (int m = 0; m < MapTableCount; ++m) {
        const auto& [map, count, first, last, expectedRepeats] = maps[m];
        EXPECT_STREQ(TargetCatalogue[m].mapName, map);
        EXPECT_EQ(lookup(map, 1) + "|" + lookup(map, count - 1), std::string(first) + "|" + last);
        for (int id : {0, -1, INT_MIN, count, INT_MAX})
            EXPECT_EQ(lookup(map, id), "untouched/range") << map << " " << id;
        EXPECT_STREQ(TargetCatalogue[m].names, " ");
        std::map<std::string, int> firstIdOf;
        std::map<int, int> repeats;
        for (int id = 1; id < count; ++id) {
            std::string name = lookup(map, id);
            EXPECT_TRUE(std::regex_match(name, plain)) << map << " " << id;
            for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (const int firstId = firstIdOf.emplace(name, id).first->second; firstId != id) repeats[id] = firstId;
        }
        EXPECT_EQ(repeats, expectedRepeats) << map;
    }
}
