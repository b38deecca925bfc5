#include "settings/ini_text.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

using namespace std::string_literals;

namespace {

TEST(IniGetString, AnswersLikeTheProfileFunctions)
{
    const std::string file =
        "[Main]\r\n  Name \t= \x1A spaced value \t\r\nquoted=\"  a b \"\r\nsingle='x'\r\nlone=\"abc'\r\nempty=\r\n"
        "bare\r\ndup=first\r\ndup=second\r\ntrunc=\"abcd\"\r\n  [ other ] trailing\r\nk=other\r\n[main]\r\nlater=1\r\n"
        "[a]b]\r\n[open\r\n[s]\rk=cr\r[t]\nk=lf\n[u]\r\n\n\rk=mix\n[n]\nk=a\0b\n"s;
    const struct { const char *section, *key; std::string expected; } rows[] = {
        {"MAIN", "name", "spaced value"}, {"Main", "quoted", "  a b "}, {"Main", "single", "x"},
        {"Main", "lone", "\"abc'"}, {"Main", "empty", ""}, {"Main", "bare", ""}, {"Main", "dup", "first"},
        {"Main", "later", "d \t"}, {"missing", "k", "d \t"}, {"OTHER", "k", "other"}, {"a]b", "[open", ""},
        {"s", "k", "cr"}, {"t", "k", "lf"}, {"u", "k", "mix"}, {"n", "k", "a\0b"s},
    };
    for (const auto& r : rows)
        EXPECT_EQ(IniGetString(file, r.section, r.key, "d \t  ", 255), r.expected) << r.section << "/" << r.key;
    EXPECT_EQ(IniGetString(file, "Main", "trunc", "", 4), "abc");
    EXPECT_EQ(IniGetString(file, "Main", "trunc", "d", 0), "");
}

TEST(IniGetSection, ListsLinesWholeWithoutBlankLines)
{
    const std::string file = "[x]\nignored=1\n[List]\n\n  TCP:host \n ; note\nCookie = \"q \" \n\t\n[LIST]\nno=1\n";
    EXPECT_EQ(IniGetSection(file, "list"), "  TCP:host \0 ; note\0Cookie = \"q \" \0\0"s);
    EXPECT_EQ(IniGetSection(file, "none"), "\0"s);
}

// A null key writes the whole section from the lines; otherwise the key gets the first line as its value.
struct WriteRow { std::string before; const char *section, *key; std::vector<std::string> lines; std::string after; };

TEST(IniWrite, ChangesOnlyTheLinesItMust)
{
    const WriteRow rows[] = {
        {"[S]\r\n  key = old ; x\r\nkey=dup\r\n", "s", "KEY", {"new"}, "[S]\r\nKEY=new\r\nkey=dup\r\n"},
        {"[S]\r\nk=1\r\n\r\n[T]\r\n", "S", "added", {"v"}, "[S]\r\nk=1\r\nadded=v\r\n\r\n[T]\r\n"},
        {"[S]\r\n", "U", "k", {"a\nb"}, "[S]\r\n[U]\r\nk=a\nb\r\n"}, {"", "S", "k", {"v"}, "[S]\r\nk=v\r\n"},
        {"[S]\nx=1", "S", "y", {"2"}, "[S]\nx=1\ny=2\n"}, {"a=1\r[S]", "S", "y", {"2"}, "a=1\r[S]\ry=2\r"},
        {"[E]", "E", nullptr, {"a"}, "[E]\r\na\r\n"}, {"[E]\r\n", "New", nullptr, {}, "[E]\r\n[New]\r\n"},
        {"[L]\nold\n\n; c\n\n[B]\n[l]\n2\n", "l", nullptr, {"a", "k=2"}, "[L]\na\nk=2\n\n[B]\n[l]\n2\n"},
        {"[L]\r\nold\r\n\r\n[B]\r\n", "L", nullptr, {}, "[L]\r\n\r\n[B]\r\n"},
        {"[L]\r\n\r\n[B]\r\n", "L", nullptr, {"back"}, "[L]\r\nback\r\n\r\n[B]\r\n"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        std::string file = rows[i].before;
        rows[i].key ? IniSetString(file, rows[i].section, rows[i].key, rows[i].lines[0])
                    : IniSetSection(file, rows[i].section, rows[i].lines);
        EXPECT_EQ(file, rows[i].after) << "row " << i;
    }
}

TEST(IniText, RandomFilesNeverBreakAndWritesReadBack)
{
    const std::string alphabet = "[]=;\"' \t\r\nabAB\xC7";
    const char* names[] = {"a", "B", "ab", "sec"};
    std::mt19937 random(12345);
    for (int round = 0; round < 3000; ++round) {
        std::string file;
        for (std::size_t n = random() % 200; n > 0; --n) file += alphabet[random() % alphabet.size()];
        const std::string section = names[random() % 4], key = names[random() % 4];
        IniSetString(file, section, key, "val");
        ASSERT_EQ(IniGetString(file, section, key, "d", 255), "val") << "round " << round;
        IniSetSection(file, section, {"line", "k=v"});
        ASSERT_EQ(IniGetSection(file, section), "line\0k=v\0\0"s) << "round " << round;
    }
}

TEST(IniText, LargeFileWithALongLine)
{
    std::string file = "[S]\r\nlong=" + std::string(100 * 1024, 'x') + "\r\n";
    while (file.size() < 10 * 1024 * 1024) file += "[Filler]\r\nsomeKey=some value\r\n";
    EXPECT_EQ(IniGetString(file, "S", "long", "", 255), std::string(254, 'x'));
    IniSetSection(file, "T", {"a", "b"});
    EXPECT_EQ(IniGetSection(file, "T"), "a\0b\0\0"s);
}

}  // namespace
