#include "check/target_names.h"
#include "targets/target_catalogue.h"

#include <cctype>
#include <climits>
#include <string>
#include <gtest/gtest.h>
#include <regex>

// Names must survive the settings file and fit the dialog: 2 to 25 plain characters, single blanks. A name
// finds a target spelt so (the first, should a map list one twice), or failing that one spelt so in another
// case ("lens" and "Lens" are two targets); the placeholder, other IDs and other maps find none.
TEST(TargetCatalogue, EachMapHoldsPlainNamesUnderItsValidIdsFoundByNameInAnyCase)
{
    const auto lookup = [](const char* map, int id) {  // the name found, else the result; a failure leaves the name
        const char* name = "untouched";
        const LookupResult result = LookupTarget(map, id, &name);
        if (result == LookupResult::Found) return std::string(name);
        return name + std::string(result == LookupResult::OutOfRange ? "/range" : "/map");
    };
    const std::string islandFirst = lookup("Island", 1);
    for (const char* map : {"Random", "", "island", "Alsace ", "Isl", "Islands", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(lookup(map, 1), "untouched/map") << "[" << (map ? map : "null") << "]";
        EXPECT_EQ(FindTargetId(map, islandFirst.c_str()), 0) << "[" << (map ? map : "null") << "]";
    }
    EXPECT_EQ(LookupTarget("Island", 1, nullptr), LookupResult::Found);
    EXPECT_EQ(FindTargetId("Island", (islandFirst + " ").c_str()), 0);
    const struct { const char* map; int count; } maps[] = {
        {"Island", 52}, {"Marne", 227}, {"Verdun", 212}, {"Alsace", 238}, {"Flanders", 411}};
    const std::regex plain("(?=.{2,25}$)[A-Za-z0-9.'-]+( [A-Za-z0-9.'-]+)*");
    for (const auto& [map, count] : maps) {
        for (int id : {0, -1, INT_MIN, count, INT_MAX})
            EXPECT_EQ(lookup(map, id), "untouched/range") << map << " " << id;
        for (const char* none : {" ", ""})
            EXPECT_EQ(FindTargetId(map, none), 0) << map;
        for (int id = 1; id < count; ++id) {
            const std::string name = lookup(map, id);
            std::string shouted = name;
            for (char& c : shouted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_TRUE(std::regex_match(name, plain)) << map << " " << id;
            EXPECT_EQ(lookup(map, FindTargetId(map, name.c_str())), name);
            EXPECT_STRCASEEQ(lookup(map, FindTargetId(map, shouted.c_str())).c_str(), name.c_str());
        }
    }
}
