#include "settings/section_list.h"
#include "settings/ini_text.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

using namespace std::string_literals;
using List = std::vector<std::string>;

static List ReadAll(SectionBuffer buffer)
{
    List entries;
    for (std::string entry; NextSectionEntry(buffer, entry) == 1;) entries.push_back(entry);
    return entries;
}

static List Split(const std::string& section)
{
    List entries;
    for (std::size_t pos = 0; pos + 1 < section.size(); pos = section.find('\0', pos) + 1)
        entries.push_back(section.c_str() + pos);
    return entries;
}

TEST(NextSectionEntry, SplitsDropsTabsAndCommentsAndEndsForGood)
{
    EXPECT_EQ(ReadAll({"a\tb\0\0\tc\t\0d /x\0/c\0\xC7\0\tz"s}), (List{"ab", "", "c", "d ", "", "\xC7", "z"}));
    for (const std::string& empty : {""s, "\0"s}) EXPECT_EQ(ReadAll({empty}), List{});
    SectionBuffer buffer{"a\0\0"s};
    std::string entry;
    for (int expected : {1, 0, 0}) EXPECT_EQ(NextSectionEntry(buffer, entry), expected);
    EXPECT_EQ(entry + "|" + std::to_string(buffer.position), "a|2") << "nothing changes at the end";
}

TEST(SectionList, EntriesReadBackThroughTheFileText)
{
    // Entries without blanks, '=', TAB, '/', line breaks or ']' read back exactly; any entry at all reads
    // back the same after a second write of what was read.
    const std::string exact = "abZ:.;\xC7\x01\x7F\xFF\"'[", any = exact + " =\t]/\r\n\x1A";
    std::mt19937 random(2024);
    for (int round = 0; round < 2000; ++round) {
        const std::string& chars = round % 2 ? exact : any;
        List entries(random() % 6);
        for (std::string& entry : entries)
            for (auto n = random() % (round % 100 ? 40 : 20000); n > 0; --n) entry += chars[random() % chars.size()];
        std::string text = round % 4 < 2 ? "[List]\r\nold\r\n\r\n[After]\nk=v\n" : "";
        IniSetSection(text, "List", entries);
        List read = Split(IniGetSection(text, "List"));
        if (round % 2) {
            entries.erase(std::remove(entries.begin(), entries.end(), ""), entries.end());
            ASSERT_EQ(read, entries) << "round " << round;
        }
        IniSetSection(text, "List", read);
        ASSERT_EQ(Split(IniGetSection(text, "List")), read) << "round " << round;
    }
}

// Each edit runs on a buffer of exact size, where a read past the NUL shows under ASan, and on a std::string.
TEST(TextEdits, StopAtTheEndAndNeverLoop)
{
    const struct { const char* text; std::size_t prefix; const char *set, *with, *expected; } rows[] = {
        {"Cookie=TEAM_MELEE", 7, "_", " ", "TEAM MELEE"}, {"abc", 9, "", "", ""}, {"x,a,b,c", 2, ",", "", "a"},
        {"a_b", 0, "_", "_x", "a_b"}, {"a b\xC7" "c", 1, " \xC7", "_", "_b_c"}, {"a b", 0, "b", "", "a "}};
    for (const auto& r : rows) {
        std::vector<char> buffer(r.text, r.text + std::strlen(r.text) + 1);
        auto edit = [&](auto t) { RemovePrefix(t, r.prefix); ReplaceChars(t, r.set, r.with); return std::string(t); };
        EXPECT_EQ(edit(buffer.data()) + "|" + edit(std::string(r.text)), r.expected + "|"s + r.expected) << r.text;
    }
}
