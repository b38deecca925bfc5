#include "targets/target_catalogue.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <map>
#include <string>

namespace {

// `repeats`: each ID whose name (case aside) an earlier ID of the map already has -> that earlier ID.
struct MapFacts {
    const char* map; int recordCount; const char* firstName; const char* lastName; std::map<int, int> repeats;
};

const MapFacts kMaps[] = {
    {"Island", 52, "Aero 1a", "Factory 7b", {}},
    {"Marne", 227, "Le Fere", "Village43", {{95, 31}, {94, 62}, {121, 87}, {129, 91}, {122, 93}, {120, 99}}},
    {"Verdun", 212, "Neufchateau", "village47", {{70, 11}, {77, 31}, {75, 64}}},
    {"Alsace", 238, "Rougemont", "village44", {{50, 5}, {48, 9}, {55, 11}, {45, 31}}},
    {"Flanders", 411, "Ghistelles", "Village71", {{169, 19}, {180, 63}, {179, 85}, {182, 89}}},
};

// The name found, else the result; a failed lookup must leave the name pointer alone.
std::string Lookup(const char* map, int id)
{
    const char* name = "untouched";
    LookupResult result = LookupTarget(map, id, &name);
    return result == LookupResult::Found ? std::string(name)
                                         : name + std::string(result == LookupResult::OutOfRange ? "/range" : "/map");
}

}  // namespace

TEST(TargetCatalogue, OnlyExactMapNamesAreKnown)
{
    for (const char* map : {"Random", "", "island", "MARNE", "Alsace ", "Isl", "Islands"})
        EXPECT_EQ(Lookup(map, 1), "untouched/map") << "[" << map << "]";
    EXPECT_EQ(Lookup(nullptr, 1), "untouched/map");
    EXPECT_EQ(LookupTarget("Island", 1, nullptr), LookupResult::Found);
}

// Every name must reach the settings file and come back unchanged, and fit the dialog's line buffers.
TEST(TargetCatalogue, EachMapHoldsPaddedPlainNamesUnderItsValidIds)
{
    for (int m = 0; m < MapTableCount; ++m) {
        const MapFacts& facts = kMaps[m];
        EXPECT_STREQ(TargetCatalogue[m].mapName, facts.map);
        EXPECT_EQ(Lookup(facts.map, 1), facts.firstName);
        EXPECT_EQ(Lookup(facts.map, facts.recordCount - 1), facts.lastName);
        for (int id : {0, -1, INT_MIN, facts.recordCount, INT_MAX})
            EXPECT_EQ(Lookup(facts.map, id), "untouched/range") << facts.map << " " << id;
        EXPECT_EQ(std::string(TargetCatalogue[m].records[0].name, sizeof(TargetRecord)), " " + std::string(79, '\0'));
        std::map<std::string, int> firstIdOf;
        std::map<int, int> repeats;
        for (int id = 1; id < TargetCatalogue[m].recordCount; ++id) {
            const std::string whole(TargetCatalogue[m].records[id].name, sizeof(TargetRecord));
            std::string name = whole.substr(0, whole.find('\0'));
            EXPECT_EQ(whole, name + std::string(whole.size() - name.size(), '\0')) << facts.map << " " << id;
            EXPECT_TRUE(name.size() >= 2 && name.size() <= 25 && name.front() != ' ' && name.back() != ' ' &&
                        name.find("  ") == std::string::npos) << name;
            for (char& c : name) {
                EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || std::strchr(" .-'", c)) << name;
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
            int firstId = firstIdOf.emplace(name, id).first->second;
            if (firstId != id)
                repeats[id] = firstId;
        }
        EXPECT_EQ(repeats, facts.repeats) << facts.map;
    }
    EXPECT_EQ(Lookup("Flanders", 179), "lens");
}
