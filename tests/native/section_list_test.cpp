#include "settings/section_list.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace std::string_literals;
using List = std::vector<std::string>;

static List ReadAll(SectionBuffer buffer)
{
    List entries;
    for (std::string entry; NextSectionEntry(buffer, entry) == 1;) entries.push_back(entry);
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

// The replacements run on a buffer of exact size, where a read past the NUL shows under ASan, and on a
// std::string.
TEST(TextEdits, StopAtTheEndAndNeverLoop)
{
    const struct { const char* text; std::size_t prefix; const char *set, *with, *expected; } rows[] = {
        {"Cookie=TEAM_MELEE", 7, "_", " ", "TEAM MELEE"}, {"abc", 9, "", "", ""}, {"x,a,b,c", 2, ",", "", "a"},
        {"a_b", 0, "_", "_x", "a_b"}, {"a b\xC7" "c", 1, " \xC7", "_", "_b_c"}, {"a b", 0, "b", "", "a "}};
    for (const auto& r : rows) {
        std::string text = r.text;
        RemovePrefix(text, r.prefix);
        std::vector<char> buffer(text.c_str(), text.c_str() + text.size() + 1);
        auto edit = [&](auto t) { ReplaceChars(t, r.set, r.with); return std::string(t); };
        EXPECT_EQ(edit(buffer.data()) + "|" + edit(text), r.expected + "|"s + r.expected) << r.text;
    }
}
