#include "settings/ini_text.h"
#include "settings/section_list.h"
#include "settings/text_encoding.h"

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
    // Several keys in one walk read as each alone, a key asked twice and a missing one among them.
    const std::vector<std::string> keys = {"name", "bare", "dup", "later", "DUP", "quoted", "nothing"};
    std::vector<std::string> alone;
    for (const std::string& key : keys) alone.push_back(IniGetString(file, "Main", key, "d \t  ", 255));
    EXPECT_EQ(IniGetStrings(file, "Main", keys, "d \t  ", 255), alone);
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

TEST(TextEncoding, MarksChooseTheEncodingAndTheTextIsWhatTheEngineReads)
{
    const struct { std::string bytes; TextEncoding encoding; std::string text; } rows[] = {
        {"[a]\r\n", TextEncoding::Ansi, "[a]\r\n"}, {"\xEF\xBB\xBF[a]\xE9", TextEncoding::Utf8, "[a]\xE9"},
        {"\xFF\xFE[\0\xE9\0"s, TextEncoding::Utf16LittleEndian, "[\xC3\xA9"},
        {"\xFE\xFF\0[\xD8\x3D\xDE\x00"s, TextEncoding::Utf16BigEndian, "[\xF0\x9F\x98\x80"},
        {"\xFF\xFE\0\xD8\0\xDC"s, TextEncoding::Utf16LittleEndian, "\xF0\x90\x80\x80"},   // U+10000, the first of four bytes
        {"\xEF\xBB", TextEncoding::Ansi, "\xEF\xBB"}, {"", TextEncoding::Ansi, ""}};
    for (const auto& r : rows) {
        SettingsText decoded = DecodeSettingsText(r.bytes);
        EXPECT_EQ(decoded.encoding, r.encoding) << testing::PrintToString(r.bytes);
        EXPECT_EQ(decoded.text, r.text) << testing::PrintToString(r.bytes);
    }
}

// A build that changes no line must give back the file's very bytes, however malformed.
TEST(TextEncoding, EveryFileComesBackByteForByte)
{
    const std::string marks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
    const std::string bytes = "\0\r\n[]=a\x7F\x80\xBF\xC3\xD8\xDC\xE0\xED\xF0\xF4\xF8\xFF"s;
    std::mt19937 random(7);
    for (int round = 0; round < 4000; ++round) {
        std::string file = marks[round % 4];
        for (auto n = random() % 64; n > 0; --n) file += bytes[random() % bytes.size()];
        ASSERT_EQ(EncodeSettingsText(DecodeSettingsText(file)), file) << testing::PrintToString(file);
    }
    // Text added in a UTF-16 file goes in as UTF-16.
    SettingsText text = DecodeSettingsText("\xFF\xFE"s);
    text.text = "k=\xC3\xA9";
    EXPECT_EQ(EncodeSettingsText(text), "\xFF\xFEk\0=\0\xE9\0"s);
}
