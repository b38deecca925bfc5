#include "settings/ini_text.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

using namespace std::string_literals;

namespace {

struct ReadCase {
    std::string file, section, key, fallback;
    std::size_t size;
    std::string expected;
};

TEST(IniGetString, AnswersLikeTheProfileFunctions)
{
    const std::string file =
        "top=before any section\r\n"
        "[Main]\r\n"
        "  Name \t= \x1A spaced value \t\r\n"
        "quoted=\"  a b \"\r\n"
        "single='x'\r\nlone=\"abc'\r\nempty=\r\nbare\r\n"
        "dup=first\r\ndup=second\r\ntrunc=\"abcd\"\r\nbyte=\xC7\x01\xFF\r\n"
        "  [ other ] trailing\r\nk=other\r\n"
        "[main]\r\nlater=ignored\r\n"
        "[a]b]\r\n[open\r\n";
    const ReadCase cases[] = {
        {file, "MAIN", "name", "d", 255, "spaced value"},
        {file, "Main", "quoted", "d", 255, "  a b "},
        {file, "Main", "single", "d", 255, "x"},
        {file, "Main", "lone", "d", 255, "\"abc'"},
        {file, "Main", "empty", "d", 255, ""},
        {file, "Main", "bare", "d", 255, ""},
        {file, "Main", "dup", "d", 255, "first"},
        {file, "Main", "trunc", "d", 5, "abcd"},
        {file, "Main", "trunc", "d", 4, "abc"},
        {file, "Main", "byte", "d", 255, "\xC7\x01\xFF"},
        {file, "Main", "name", "d", 0, ""},
        {file, "Main", "later", "\n", 255, "\n"},
        {file, "Main", "top", "ab \t  ", 255, "ab \t"},
        {file, "OTHER", "k", "d", 255, "other"},
        {file, "a]b", "[open", "d", 255, ""},
        {file, "missing", "k", "d  ", 255, "d"},
        {"[s]\rk=cr\r[t]\nk=lf\n[u]\r\n\n\rk=mix", "s", "k", "d", 255, "cr"},
        {"[s]\rk=cr\r[t]\nk=lf\n[u]\r\n\n\rk=mix", "t", "k", "d", 255, "lf"},
        {"[s]\rk=cr\r[t]\nk=lf\n[u]\r\n\n\rk=mix", "u", "k", "d", 255, "mix"},
        {"[s]\nk=a\0b\n"s, "s", "k", "d", 255, "a\0b"s},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const ReadCase& c = cases[i];
        EXPECT_EQ(IniGetString(c.file, c.section, c.key, c.fallback, c.size), c.expected) << "row " << i;
    }
}

TEST(IniGetSection, ListsLinesWholeWithoutBlankLines)
{
    const std::string file = "[x]\nignored=1\n[List]\n\n  TCP:host \n ; note\nCookie = \"q \" \n\t\n[LIST]\nno=1\n";
    EXPECT_EQ(IniGetSection(file, "list"), "  TCP:host \0 ; note\0Cookie = \"q \" \0\0"s);
    EXPECT_EQ(IniGetSection(file, "none"), "\0"s);
    EXPECT_EQ(IniGetSection("[e]\r\n\r\n[f]\r\na\r\n", "e"), "\0"s);
}

TEST(IniSetString, ChangesOnlyTheLineItMust)
{
    std::string file = "; head\r\n[S]\r\n  key = old ; x\r\nkey=dup\r\n\r\n[T]\r\n";
    IniSetString(file, "s", "KEY", "new");
    EXPECT_EQ(file, "; head\r\n[S]\r\nKEY=new\r\nkey=dup\r\n\r\n[T]\r\n");
    IniSetString(file, "S", "added", "v");
    EXPECT_EQ(file, "; head\r\n[S]\r\nKEY=new\r\nkey=dup\r\nadded=v\r\n\r\n[T]\r\n");
    IniSetString(file, "U", "k", "a\nb");
    EXPECT_EQ(file, "; head\r\n[S]\r\nKEY=new\r\nkey=dup\r\nadded=v\r\n\r\n[T]\r\n[U]\r\nk=a\nb\r\n");

    std::string lf = "[S]\nx=1";
    IniSetString(lf, "S", "y", "2");
    EXPECT_EQ(lf, "[S]\nx=1\ny=2\n");
    std::string cr = "a=1\r[S]";
    IniSetString(cr, "S", "y", "2");
    IniSetString(cr, "N", "z", "");
    EXPECT_EQ(cr, "a=1\r[S]\ry=2\r[N]\rz=\r");
    std::string none;
    IniSetString(none, "S", "k", "v");
    EXPECT_EQ(none, "[S]\r\nk=v\r\n");
}

TEST(IniSetSection, ReplacesContentAndKeepsTheRest)
{
    std::string file = "[A]\r\nkeep=1\r\n[L]\r\nold\r\n\r\n; c\r\nx=1\r\n\r\n[B]\r\n[l]\r\nsecond\r\n";
    IniSetSection(file, "l", {"TCP:one", "two=2"});
    EXPECT_EQ(file, "[A]\r\nkeep=1\r\n[L]\r\nTCP:one\r\ntwo=2\r\n\r\n[B]\r\n[l]\r\nsecond\r\n");
    IniSetSection(file, "L", {});
    EXPECT_EQ(file, "[A]\r\nkeep=1\r\n[L]\r\n\r\n[B]\r\n[l]\r\nsecond\r\n");
    IniSetSection(file, "L", {"back"});
    EXPECT_EQ(file, "[A]\r\nkeep=1\r\n[L]\r\nback\r\n\r\n[B]\r\n[l]\r\nsecond\r\n");

    std::string tail = "[E]";
    IniSetSection(tail, "E", {"a"});
    IniSetSection(tail, "New", {});
    EXPECT_EQ(tail, "[E]\r\na\r\n[New]\r\n");
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
        IniGetString(file, section, key, "d", random() % 8);
        IniGetSection(file, section);
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
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(IniGetString(file, "S", "long", "", 255), std::string(254, 'x'));
        IniSetString(file, "S", "k" + std::to_string(i), "v");
        IniSetSection(file, "T", {"a", "b"});
        EXPECT_EQ(IniGetSection(file, "T"), "a\0b\0\0"s);
    }
}

}  // namespace
