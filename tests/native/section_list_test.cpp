#include "settings/section_list.h"

#include "settings/ini_text.h"

#include <gtest/gtest.h>

#include <random>

using namespace std::string_literals;

namespace {

using List = std::vector<std::string>;

List ReadAll(SectionBuffer buffer)
{
    List entries;
    std::string entry;
    while (NextSectionEntry(buffer, entry) == 1) entries.push_back(entry);
    return entries;
}

TEST(NextSectionEntry, SplitsDropsTabsAndCommentsAndEndsForGood)
{
    EXPECT_EQ(ReadAll({"a\tb\0\tc\t\0d /note\0/only comment\0\xC7" "a\xC7\0\t\0\0"s}),
              (List{"ab", "c", "d ", "", "\xC7" "a\xC7", ""}));
    EXPECT_EQ(ReadAll({"2024\0\0" "05\0\0"s}), (List{"2024", "", "05"}));  // a date split with an empty part
    EXPECT_EQ(ReadAll({"no terminator"s}), (List{"no terminator"}));
    for (const std::string& empty : {""s, "\0"s}) EXPECT_EQ(ReadAll({empty}), List{});

    SectionBuffer buffer{"a\0\0"s};
    std::string entry;
    ASSERT_EQ(NextSectionEntry(buffer, entry), 1);
    EXPECT_EQ(NextSectionEntry(buffer, entry) + NextSectionEntry(buffer, entry), 0);
    EXPECT_EQ(entry + "|" + buffer.text, "a|a\0\0"s) << "nothing changes at the end";
}

// Entries survive whole, whatever their bytes, unless they hold TAB, '/', line breaks or start as a header.
TEST(SectionLines, DropsOnlyEmptyEntriesAndReadBackThroughTheFileText)
{
    EXPECT_EQ(SectionLines({"", "a1", "", "b2", " \t ", "c3"}), (List{"a1", "b2", "c3"}));
    const std::string chars = "ab Z:.;=\xC7\x01\x7F\xFF\"'[]";
    std::mt19937 random(2024);
    for (int round = 0; round < 2000; ++round) {
        List entries(random() % 6);
        const std::size_t longest = round % 100 == 0 ? 100 * 1024 / (entries.size() + 1) : 40;
        for (std::string& entry : entries) {
            for (std::size_t n = random() % longest; n > 0; --n) entry += chars[random() % chars.size()];
            const std::size_t first = entry.find_first_not_of(' ');
            if (first != std::string::npos && entry[first] == '[') entry[first] = 'a';
        }
        std::string text = round % 3 == 0 ? "" : "[Before]\nk=v\n";
        if (round % 2) text += "[After]\r\nk=v\r\n";
        IniSetSection(text, "List", SectionLines(entries));
        ASSERT_EQ(ReadAll({IniGetSection(text, "List")}), SectionLines(entries)) << "round " << round;
        ASSERT_EQ(IniGetString(text, "After", "k", "", 255), round % 2 ? "v" : "") << "round " << round;
    }
}

TEST(TextEdits, StopAtTheEndAndNeverLoop)
{
    char cookie[] = "Cookie=abc", shortText[] = "abc";  // exact size: a read past the NUL shows under ASan
    std::string text = "abc", all = "abc";
    RemovePrefix(cookie, 7);
    RemovePrefix(shortText, 9);
    RemovePrefix(text, 2);
    RemovePrefix(all, 9);
    EXPECT_EQ(cookie + "|"s + shortText + "|" + text + "|" + all, "abc||c|");

    char type[] = "TEAM_MELEE", list[] = "a,b,c", loop[] = "a_b";
    std::string spaced = "a b\xC7" "c", cut = "a b";
    ReplaceChars(type, "_", " ");
    ReplaceChars(list, ",", "");  // an empty replacement cuts
    ReplaceChars(loop, "_", "_x");
    ReplaceChars(spaced, " \xC7", "_");
    ReplaceChars(cut, "b", "");
    EXPECT_EQ(type + "|"s + list + "|" + loop + "|" + spaced + "|" + cut, "TEAM MELEE|a|a_b|a_b_c|a ");
}

}  // namespace
