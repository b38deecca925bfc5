#include "targets/target_catalogue.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct MapFacts {
    const char* map;
    int recordCount;
    const char* firstName;
    const char* lastName;
    size_t longestName;
};

const MapFacts kMaps[] = {
    {"Island", 52, "Aero 1a", "Factory 7b", 14},
    {"Marne", 227, "Le Fere", "Village43", 23},
    {"Verdun", 212, "Neufchateau", "village47", 25},
    {"Alsace", 238, "Rougemont", "village44", 22},
    {"Flanders", 411, "Ghistelles", "Village71", 20},
};

std::string Lookup(const char* map, int id)
{
    const char* name = nullptr;
    if (LookupTarget(map, id, &name) != LookupResult::Found)
        return "<not found>";
    return name;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

TEST(TargetCatalogue, EachMapHasItsCountsAndEndNames)
{
    ASSERT_EQ(MapTableCount, 5);
    for (int i = 0; i < MapTableCount; ++i) {
        const MapFacts& facts = kMaps[i];
        SCOPED_TRACE(facts.map);
        // The table list keeps the search order.
        EXPECT_STREQ(TargetCatalogue[i].mapName, facts.map);
        EXPECT_EQ(TargetCatalogue[i].recordCount, facts.recordCount);
        EXPECT_EQ(Lookup(facts.map, 1), facts.firstName);
        EXPECT_EQ(Lookup(facts.map, facts.recordCount - 1), facts.lastName);
    }
}

TEST(TargetCatalogue, IdsOutsideEachMapAreOutOfRange)
{
    for (const MapFacts& facts : kMaps) {
        for (int id : {0, -1, facts.recordCount, facts.recordCount + 1, INT_MIN, INT_MAX}) {
            SCOPED_TRACE(std::string(facts.map) + " " + std::to_string(id));
            const char* name = "untouched";
            EXPECT_EQ(LookupTarget(facts.map, id, &name), LookupResult::OutOfRange);
            EXPECT_STREQ(name, "untouched");
        }
    }
}

TEST(TargetCatalogue, OnlyExactMapNamesAreKnown)
{
    const char* unknown[] = {"Random", "", "island", "MARNE", "verdun", "Alsace ", " Flanders",
                             "Flanders\t", "Isl", "Islands", "Flanders\r\n"};
    for (const char* map : unknown) {
        SCOPED_TRACE(std::string("[") + map + "]");
        const char* name = "untouched";
        // A known-map ID would resolve if the name matched, so the result is about the name.
        EXPECT_EQ(LookupTarget(map, 1, &name), LookupResult::NoSuchMap);
        EXPECT_STREQ(name, "untouched");
    }
    EXPECT_EQ(LookupTarget(nullptr, 1, nullptr), LookupResult::NoSuchMap);
}

TEST(TargetCatalogue, NullNamePointerOnlyGetsTheResult)
{
    EXPECT_EQ(LookupTarget("Island", 1, nullptr), LookupResult::Found);
    EXPECT_EQ(LookupTarget("Island", 0, nullptr), LookupResult::OutOfRange);
    EXPECT_EQ(LookupTarget("Random", 1, nullptr), LookupResult::NoSuchMap);
}

TEST(TargetCatalogue, SameTargetIsSpelledPerMap)
{
    EXPECT_EQ(Lookup("Marne", 133), "Bridge 1");
    EXPECT_EQ(Lookup("Verdun", 103), "bridge1");
    EXPECT_EQ(Lookup("Alsace", 87), "bridge1");
    EXPECT_EQ(Lookup("Flanders", 232), "Bridge1");
    EXPECT_EQ(Lookup("Alsace", 167), "Bridge82");
    EXPECT_EQ(Lookup("Verdun", 22), "Marimba's Ferme");
    EXPECT_EQ(Lookup("Flanders", 87), "Camblain L'Abbey");
    EXPECT_EQ(Lookup("Flanders", 155), "Villers-Bretonneux");
}

// The target dialog refuses names equal but for case, so the repeated names must be exactly
// these: a shifted or mistyped record shows up here as a missing or extra pair.
TEST(TargetCatalogue, RepeatedNamesAreExactlyTheKnownPairs)
{
    const std::map<std::string, std::set<std::vector<int>>> expected = {
        {"Island", {}},
        {"Marne", {{31, 95}, {62, 94}, {87, 121}, {91, 129}, {93, 122}, {99, 120}}},
        {"Verdun", {{11, 70}, {31, 77}, {64, 75}}},
        {"Alsace", {{5, 50}, {9, 48}, {11, 55}, {31, 45}}},
        {"Flanders", {{19, 169}, {63, 180}, {85, 179}, {89, 182}}},
    };
    for (const MapFacts& facts : kMaps) {
        SCOPED_TRACE(facts.map);
        std::map<std::string, std::vector<int>> idsByName;
        for (int id = 1; id < facts.recordCount; ++id)
            idsByName[Lower(Lookup(facts.map, id))].push_back(id);
        std::set<std::vector<int>> repeated;
        for (const auto& entry : idsByName) {
            if (entry.second.size() > 1)
                repeated.insert(entry.second);
        }
        EXPECT_EQ(repeated, expected.at(facts.map));
    }
    EXPECT_EQ(Lookup("Marne", 31), "Laon");
    EXPECT_EQ(Lookup("Marne", 95), "Laon");
    EXPECT_EQ(Lookup("Flanders", 85), "Lens");
    EXPECT_EQ(Lookup("Flanders", 179), "lens");
}

// Every name must survive the settings file's list encoding and fit the dialog's buffers.
TEST(TargetCatalogue, EveryRecordIsAPaddedPlainName)
{
    for (int m = 0; m < MapTableCount; ++m) {
        const MapTable& table = TargetCatalogue[m];
        size_t longest = 0;
        for (int id = 0; id < table.recordCount; ++id) {
            SCOPED_TRACE(std::string(table.mapName) + " " + std::to_string(id));
            const TargetRecord& record = table.records[id];
            const void* end = std::memchr(record.name, '\0', sizeof record.name);
            ASSERT_NE(end, nullptr);
            const size_t length = static_cast<size_t>(static_cast<const char*>(end) - record.name);
            for (size_t i = length; i < sizeof record.name; ++i)
                EXPECT_EQ(record.name[i], '\0');
            if (id == 0) {
                EXPECT_STREQ(record.name, " ");
                continue;
            }
            const std::string name(record.name, length);
            EXPECT_GE(name.size(), 2u);
            EXPECT_LE(name.size(), 25u);
            EXPECT_NE(name.front(), ' ');
            EXPECT_NE(name.back(), ' ');
            EXPECT_EQ(name.find("  "), std::string::npos);
            for (char c : name) {
                EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == ' ' || c == '.' ||
                            c == '-' || c == '\'')
                    << "character " << static_cast<int>(static_cast<unsigned char>(c));
            }
            // The lookup hands out the record itself, not a copy.
            const char* found = nullptr;
            ASSERT_EQ(LookupTarget(table.mapName, id, &found), LookupResult::Found);
            EXPECT_EQ(found, record.name);
            if (name.size() > longest)
                longest = name.size();
        }
        EXPECT_EQ(longest, kMaps[m].longestName) << table.mapName;
    }
}
