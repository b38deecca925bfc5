#include "check/target_names.h"
#include "targets/target_catalogue.h"

#include <cctype>
#include <climits>
#include <string>
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

// A name finds a target spelt so (the first, should a map list one twice), or failing that one spelt so
// in another case ("lens" and "Lens" are two targets); the placeholder and maps without targets find none.
TEST(TargetCatalogue, FindsTargetsByNameWithoutRegardToCase)
{
    const auto nameOf = [](const char* map, int id) {
        const char* name = "(none)";
        LookupTarget(map, id, &name);
        return std::string(name);
    };
    for (const MapTable& table : TargetCatalogue) {
        for (int id = 1; id < table.recordCount; ++id) {
            const std::string name = nameOf(table.mapName, id);
            std::string shouted = name;
            for (char& c : shouted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_EQ(nameOf(table.mapName, FindTargetId(table.mapName, name.c_str())), name);
            EXPECT_STRCASEEQ(nameOf(table.mapName, FindTargetId(table.mapName, shouted.c_str())).c_str(), name.c_str());
        }
        EXPECT_EQ(FindTargetId(table.mapName, " "), 0);
        EXPECT_EQ(FindTargetId(table.mapName, ""), 0);
    }
    const std::string islandFirst = nameOf("Island", 1);
    EXPECT_EQ(FindTargetId("Island", (islandFirst + " ").c_str()), 0);
    EXPECT_EQ(FindTargetId("Random", islandFirst.c_str()), 0);
    EXPECT_EQ(FindTargetId(nullptr, islandFirst.c_str()), 0);
}
