#include "settings/ini_text.h"

#include <gtest/gtest.h>
#include <random>

using namespace std::string_literals;

TEST(IniRead, AnswersLikeTheProfileFunctions)
{
    const std::string file =
        "[Main]\r\n  Name \t= \x1A spaced value \t\r\nquoted=\"  a b \"\r\nsingle='x'\r\nnone=''\r\nlone=\"abc'\r\nbare\r\n"
        "dup=first\r\ndup=second\r\n  [ other ] trailing\r\nk=other\r\n[main]\r\nlater=1\r\n[a]b]\r\n[open\r\n"
        "[s]\rk=cr\r[t]\nk=lf\n[u]\r\n\n\rk=mix\n[n]\nk=a\0b\nz\0x==6\n"
        "[nul\0x]\n\0\0\0\nk\0=1\nafter=2\n[List]\n\n  TCP:h \n ; n\nC = \"q \" \n\t\n\0\n = v\n=w\n[LIST]\nno\n[v]\n=a\n"s;
    const struct { const char *section, *key; std::string expected; } rows[] = {
        {"MAIN", "name", "spaced value"}, {"Main", "quoted", "  a b "}, {"Main", "single", "x"}, {"Main", "none", ""},
        {"s", "k", "cr"}, {"Main", "lone", "\"abc'"}, {"Main", "bare", "d \t"}, {"Main", "dup", "first"},
        {"Main", "later", "d \t"}, {"missing", "k", "d \t"}, {"OTHER", "k", "other"}, {"a]b", "[open", "d \t"},
        {"t", "k", "lf"}, {"u", "k", "mix"}, {"n", "k", "a"}, {"n", "z", "=6"},
        {"nul", "k", "1"}, {"nul", "after", "2"}, {"list", nullptr, "TCP:h\0; n\0C=\"q \"\0\0"s}, {"missing", nullptr, "\0"s},
        {"v", nullptr, "=a\0\0"s}};   // kept: it follows no entry whose name reads as empty
    for (const auto& r : rows)
        EXPECT_EQ(r.key ? IniGetString(file, r.section, r.key, "d \t  ", 255) : IniGetSection(file, r.section),
                  r.expected) << r.section << "/" << (r.key ? r.key : "");
    EXPECT_EQ(IniGetString(file, "Main", "dup", "d", 0), "");
    // Quotes come off before a long value is cut to the buffer.
    EXPECT_EQ(IniGetString("[S]\nlong=\"" + std::string(300, 'x') + "\"", "S", "long", "", 255), std::string(254, 'x'));
}

TEST(IniWrite, ChangesOnlyTheLinesItMustInTheFilesOwnLineEnds)
{
    const struct { const char *before, *section, *key; std::vector<std::string> lines; const char* after; } rows[] = {
        {"[S]\r\n  ServerDesc =  \"x\"\r\nserverdesc=dup\r\n", "s", "serverDesc", {"\"y\""},
         "[S]\r\nServerDesc=\"y\"\r\nserverdesc=dup\r\n"},
        {"[S]\r\nk=1\r\n\r\n[T]\r\n", "S", "added", {"v"}, "[S]\r\nk=1\r\nadded=v\r\n\r\n[T]\r\n"},
        {"[S]\r\n", "U", "k", {"a\nb"}, "[S]\r\n[U]\r\nk=a b\r\n"}, {"[E]", "E", nullptr, {"a"}, "[E]\r\na\r\n"},
        {"[S]\nx=1", "S", "y", {"2"}, "[S]\nx=1\ny=2\n"}, {"a=1\r[S]", "S", "y", {"2"}, "a=1\r[S]\ry=2\r"},
        {"[E]\r\n", "New", nullptr, {}, "[E]\r\n[New]\r\n"}, {"[L]\n\n[B]", "L", nullptr, {"x"}, "[L]\nx\n\n[B]"},
        {"[L]\nold\n\n; c\n\n[B]\n[l]\n2\n", "l", nullptr, {"a", "k=2"}, "[L]\na\nk=2\n\n[B]\n[l]\n2\n"},
        {"[L]\r\nold\r\n\r\n[B]\r\n", "L", nullptr, {}, "[L]\r\n\r\n[B]\r\n"},
        {"[L]\n", "L", nullptr, {"", " \t", "a\rb", "\n", "d"}, "[L]\na b\nd\n"},
        {"[S]\nk\nk=1\n", "S", "k", {" 2\r\n3\t"}, "[S]\nk=2  3\nk=1\n"},
        // Lines as a read gives them back; a lone CR never joins the LF of a blank line behind it.
        {"[L]\n", "L", nullptr, {" x ab  ", "1='a "}, "[L]\nx ab\n1='a\n"},
        {"[L]\rold\r\n\n[B]\r", "L", nullptr, {"a", "b"}, "[L]\ra\r\nb\r\n\n[B]\r"},
        {"[L]\rold\r\n\n[B]\r", "L", nullptr, {}, "[L]\r\r\n[B]\r"},
        {"[S]\rk=1\r\n\n", "S", "j", {"2"}, "[S]\rk=1\r\nj=2\r\n\n"},
        {"[L]\n", "L", nullptr, {"=a", " =b", "c", "=d"}, "[L]\n=a\nc\n=d\n"}};
    for (const auto& r : rows) {
        std::string file = r.before;
        IniApply(file, {{r.section, !r.key, r.key ? r.key : "", r.key ? r.lines[0] : "", r.lines}});
        EXPECT_EQ(file, r.after) << testing::PrintToString(std::string(r.before));
    }
    // The line end that a key gave the last header stays when its lines are then taken away.
    std::string file = "[E]";
    IniApply(file, {{"E", false, "k", "v", {}}, {"E", true, "", "", {}}});
    EXPECT_EQ(file, "[E]\r\n");
}

// The edits of a build made in one pass give the very bytes of the same writes made one by one, on files
// whose lines end in any mix of CR, LF and CR LF, with and without a rule that keeps unchanged values.
void ExpectOnePassGivesOneByOne(unsigned seed, int rounds)
{
    const std::string tokens[] = {"[", "]", "=", ";", "\"", "'", " ", "\t", "\r", "\n", "\r\n", "a", "b", "A", "B", "\xC7"};
    // Every tenth round also writes lines that do not read back as written: a header " a" reads as "a", a
    // key "[a" with a value "b]" reads as a header, and "" (the lines before the first header) has none.
    const std::string names[] = {"a", "B", "ab", "sec", "A", " a", "", "[a", "b]"};
    const IniSameValue sameText = [](std::string_view stored, std::string_view written) { return stored == written; };
    std::mt19937 random(seed);
    for (int round = 0; round < rounds; ++round) {
        std::string file;
        // Half the files are made of lines that mean something, half of bytes that mostly do not.
        const std::string lines[] = {"[a]", "[B]", "[sec]", " [ab] ", "k=1", "a=x", "B = y", "=v", "", " ", "x", "\t"};
        const std::string ends[] = {"\r", "\n", "\r\n"};
        for (std::size_t n = random() % (round % 2 ? 100 : 12); n > 0; --n)
            file += round % 2 ? tokens[random() % std::size(tokens)]
                              : lines[random() % std::size(lines)] + ends[random() % std::size(ends)];
        if (round % 3 == 0) file += "[ab]\r\nk=1\r\n[sec]\nx";
        if (round % 3 == 1) file = "\r[a]\rz\n\n" + file;   // lines ended unlike the file's first
        std::vector<IniEdit> edits(random() % 8);
        const bool wild = round % 10 == 0;
        for (IniEdit& edit : edits) {
            edit.section = names[random() % (wild ? 9 : 5)];
            edit.wholeSection = random() % 4 == 0;
            edit.key = names[random() % (wild ? 9 : 4)];
            edit.value = names[random() % (wild ? 9 : 4)] + (random() % 2 ? "\n" : "");
            // List lines of bytes a read gives back as they are: no blanks, '=', TAB, '/', line breaks or ']'
            // (but in the wild rounds).
            for (auto n = random() % 3; n > 0; --n) {
                edit.lines.push_back(names[random() % (wild ? 9 : 5)]);
                for (auto more = random() % 4; more > 0; --more)
                    edit.lines.back() += "Z:.;\xC7\x01\x7F\xFF\"'[]"[random() % (wild ? 12 : 11)];
            }
        }
        const IniSameValue same = round % 2 ? sameText : nullptr;
        std::string oneByOne = file, inOnePass = file;
        for (const IniEdit& edit : edits) IniApply(oneByOne, {edit}, same);
        IniApply(inOnePass, edits, same);
        ASSERT_EQ(inOnePass, oneByOne) << "seed " << seed << " round " << round << ": " << testing::PrintToString(file);
        // However broken the file, what the last edit wrote reads back.
        if (edits.empty() || wild) continue;
        const IniEdit& last = edits.back();
        std::string written;
        for (const std::string& line : last.lines) written += line + '\0';
        ASSERT_EQ(last.wholeSection ? IniGetSection(inOnePass, last.section) : IniGetString(inOnePass, last.section,
                  last.key, "d", 255), last.wholeSection ? written + '\0' : last.value.substr(0, last.value.find('\n')))
            << "seed " << seed << " round " << round << ": " << testing::PrintToString(file);
    }
}

TEST(IniApply, GivesWhatTheWritesOneByOneGiveSeed777Rounds20000) { ExpectOnePassGivesOneByOne(777, 20000); }
