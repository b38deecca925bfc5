#include "settings/section_list.h"

#include "settings/ini_text.h"

#include <gtest/gtest.h>

#include <random>

using namespace std::string_literals;

namespace {

std::vector<std::string> ReadAll(SectionBuffer buffer)
{
    std::vector<std::string> entries;
    std::string entry;
    while (NextSectionEntry(buffer, entry) == 1) entries.push_back(entry);
    return entries;
}

using List = std::vector<std::string>;

TEST(NextSectionEntry, SplitsDropsTabsAndComments)
{
    EXPECT_EQ(ReadAll({"a\tb\0\tc\t\0d /note\0\0"s}), (List{"ab", "c", "d "}));
    EXPECT_EQ(ReadAll({"/only comment\0next\0\0"s}), (List{"", "next"}));
    EXPECT_EQ(ReadAll({"\0x\0\0"s}), (List{"", "x"}));
    EXPECT_EQ(ReadAll({"\xC7" "a\xC7\0\t\0\0"s}), (List{"\xC7" "a\xC7", ""}));
    EXPECT_EQ(ReadAll({"no terminator"s}), (List{"no terminator"}));
    EXPECT_EQ(ReadAll({"2024\0\0" "05\0\0"s}), (List{"2024", "", "05"}));  // a date split with an empty part
    EXPECT_EQ(ReadAll({""s}), List{});
    EXPECT_EQ(ReadAll({"\0"s}), List{});
}

TEST(NextSectionEntry, EndIsFinalAndChangesNothing)
{
    SectionBuffer buffer{"a\0\0"s};
    std::string entry;
    ASSERT_EQ(NextSectionEntry(buffer, entry), 1);
    EXPECT_EQ(NextSectionEntry(buffer, entry) + NextSectionEntry(buffer, entry), 0);
    EXPECT_EQ(entry, "a");
    EXPECT_EQ(buffer.text, "a\0\0"s);
}

TEST(SectionList, WritesAndReadsBackThroughTheFileText)
{
    EXPECT_EQ(SectionLines({"", "a1", "", "b2", " \t ", "c3"}), (List{"a1", "b2", "c3"}));
    std::string file = "[Other]\r\nx=1\r\n";
    IniSetSection(file, "RegisterWith", SectionLines({"a1", "b2", "c3"}));
    EXPECT_EQ(IniGetSection(file, "RegisterWith"), "a1\0b2\0c3\0\0"s);
    EXPECT_EQ(ReadAll({IniGetSection(file, "RegisterWith")}), (List{"a1", "b2", "c3"}));

    // Entries without TAB, '/' or line breaks survive whole: blanks, '=', ';' and 0xC7 anywhere in them.
    // (Not a leading '[': a line "[...]" is a section header.)
    std::mt19937 random(2024);
    const std::string inner = "ab Z:.;=\xC7\x01\x7F\xFF\"'[]";
    const std::string outer = "ab\xC7]\"'; =";
    for (int round = 0; round < 2000; ++round) {
        List entries(random() % 6);
        const std::size_t longest = round % 100 == 0 ? 100 * 1024 / (entries.size() + 1) : 40;
        for (std::string& entry : entries) {
            entry = outer[random() % outer.size()];
            const std::size_t middle = random() % longest;
            for (std::size_t n = 0; n < middle; ++n) entry += inner[random() % inner.size()];
            if (middle > 0 || random() % 2) entry += outer[random() % outer.size()];
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

TEST(RemovePrefix, DropsLeadingCharactersAndStopsAtTheEnd)
{
    char cookie[] = "Cookie=abc";
    RemovePrefix(cookie, 7);
    RemovePrefix(cookie, 0);
    EXPECT_STREQ(cookie, "abc");
    char shortText[] = "abc";  // exact size: a read past the NUL would show under ASan
    RemovePrefix(shortText, 9);
    EXPECT_STREQ(shortText, "");
    std::string text = "abc";
    RemovePrefix(text, 2);
    EXPECT_EQ(text, "c");
    RemovePrefix(text, 9);
    EXPECT_EQ(text, "");
}

TEST(ReplaceChars, ReplacesOrCutsAndAlwaysEnds)
{
    char type[] = "TEAM_MELEE";
    ReplaceChars(type, "_", " ");
    EXPECT_STREQ(type, "TEAM MELEE");
    char list[] = "a,b,c";
    ReplaceChars(list, ",", "");
    EXPECT_STREQ(list, "a");
    EXPECT_STREQ(list + 2, "b,c");  // bytes behind the cut stay
    char loop[] = "a_b";
    ReplaceChars(loop, "_", "_x");
    EXPECT_STREQ(loop, "a_b");
    std::string text = "a b\xC7" "c";
    ReplaceChars(text, " \xC7", "_");
    EXPECT_EQ(text, "a_b_c");
    ReplaceChars(text, "b", "");
    EXPECT_EQ(text, "a_");
}

}  // namespace
