#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>

#include "settings/profile_store.h"
#include "settings/settings_file.h"
#include "editor.h"

using namespace std::string_literals;

namespace {

std::string Read(const char* section, const char* key)
{
    char value[ProfileTextSize];
    std::memset(value, 'X', sizeof value);
    ReadProfileText(section, key, value);
    return value;
}

TEST(ProfileStore, ReadsGiveTheirDefaultsAndWritesWaitForOneSaveInTheFilesOwnEncoding)
{
    ScratchDirectory directory("profile-store");
    ASSERT_TRUE(BuildProfilePath());
    EXPECT_EQ(std::string(ProfilePath), directory.Path() + "\\qv3server.ini");
    EXPECT_EQ(OpenSettingsFile().Reason(), "");
    EXPECT_EQ(Read("QV3Server", "serverDesc") + std::to_string(ReadProfileFlag("QV3Server", "cloudsOn")), "\n1");
    const std::string before = "; kept\r\n[qv3server]\r\n  ServerDesc =  \" My  Server \"  \r\nempty=\r\nzero=0\0\0\r\n"
                               "zeros=00\r\nminus=-1\r\nmaxPlayers = 8\r\n\r\n[Clients]\r\nCookie=a\r\n"s;
    directory.WriteSettings(before);
    EXPECT_EQ(Read("QV3Server", "zero"), "\n") << "the file is read once, when opened";
    ASSERT_EQ(OpenSettingsFile().Reason(), "");
    EXPECT_EQ(Read("QV3Server", "serverDesc") + "|" + Read("Other", "zero"), " My  Server |\n");
    for (const auto& [key, on] : {std::pair("zero", 0), {"zeros", 1}, {"empty", 1}, {"minus", 1}, {"missing", 1}})
        EXPECT_EQ(ReadProfileFlag("QV3Server", key), on) << key;

    EXPECT_EQ(WriteProfileText("QV3Server", "MAXPLAYERS", "16") + WriteProfileFlag("QV3Server", "cloudsOn", 7), 2);
    WriteSectionList("Clients", {" Cookie=b ", ""});
    EXPECT_EQ(directory.ReadSettings(), before) << "nothing is written before the save";
    {
        // A reader that allows writing but not replacing, as a C runtime's fopen does.
        WriteBlocker reader(directory.SettingsPath(), FILE_SHARE_READ | FILE_SHARE_WRITE);
        EXPECT_EQ(SaveSettingsFile().Reason(), "");
    }
    // The key keeps the file's spelling of its name; list lines lose the blanks a read drops.
    EXPECT_EQ(directory.ReadSettings(), Replaced(before, "maxPlayers = 8\r\n\r\n[Clients]\r\nCookie=a\r\n",
                                                 "maxPlayers=16\r\ncloudsOn=1\r\n\r\n[Clients]\r\nCookie=b\r\n"));
    EXPECT_EQ(FilesIn(directory.Path()), std::vector<std::string>{"qv3server.ini"}) << "a temporary file left";
    // Text in a file with a byte-order mark reaches the pages in the ANSI code page and goes back as it was.
    const std::string files[] = {"\xEF\xBB\xBF[s]\r\nk=caf\xC3\xA9\r\nj=\xE6\x97\xA5\r\n[l]\r\n a = \xC3\xA9 \r\n",
                                 "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0c\0a\0f\0\xE9\0\r\0\n\0j\0=\0\xE5\x65\r\0\n\0"
                                 "[\0l\0]\0\r\0\n\0a\0=\0\xE9\0\r\0\n\0"s};
    for (const std::string& bytes : files) {
        directory.WriteSettings(bytes);
        ASSERT_EQ(OpenSettingsFile().Reason(), "");
        SectionBuffer list;
        ReadSectionList("l", list);
        EXPECT_EQ(Read("s", "k") + Read("s", "j") + list.text, "caf\xE9?a=\xE9\0\0"s);
        WriteProfileText("s", "k", "caf\xE9");
        WriteProfileText("s", "j", "?");
        ASSERT_EQ(SaveSettingsFile().Reason(), "");
        EXPECT_EQ(directory.ReadSettings(), bytes) << "unchanged values keep their lines";
        WriteProfileText("s", "n", "\xE9");
        ASSERT_EQ(SaveSettingsFile().Reason(), "");
        std::string value(8, '\0');
        value.resize(GetPrivateProfileStringA("s", "n", "", &value[0], 8, ProfilePath));
        EXPECT_EQ(value, "\xE9");
    }
    // A sequence cut short at a value's end reads as the platform reads it, whatever line end follows.
    for (const std::string end : {"\r\n", "", "\r\nnext=1\r\n"})
        for (const std::string cut : {"\xE2", "\xE2\x80", "\xF0\x9F"}) {
            directory.WriteSettings("\xEF\xBB\xBF[s]\r\nflag=0" + cut + end);
            ASSERT_EQ(OpenSettingsFile().Reason(), "");
            std::string platform(8, '\0');
            platform.resize(GetPrivateProfileStringA("s", "flag", "", &platform[0], 8, ProfilePath));
            EXPECT_EQ(Read("s", "flag"), platform) << testing::PrintToString(cut + end);
        }
    // In a root directory the directory already ends with a backslash; the file services accept both.
    SetCurrentDirectoryA("C:\\");
    EXPECT_TRUE(BuildProfilePath());
    SetCurrentDirectoryA(directory.Path().c_str());
    EXPECT_EQ(std::string(ProfilePath), "C:\\\\qv3server.ini");
}

// Whatever stands in the way, the dry run's answer and the write's agree, and a refused write changes
// nothing: neither the file nor what stands at the journal's name. (A file another program holds: the
// check's test; what else may stand at the journal's name, on real file systems: tests/fs.)
TEST(ProfileStore, TheDryRunsRefusalIsTheWritesOwn)
{
    ScratchDirectory directory("profile-refusal");
    const std::string path = directory.SettingsPath(), journal = path + ".tmp";
    const struct { std::string name; const char* reason; std::function<void()> prepare; } rows[] = {
        {"no file", "", [&] { DeleteFileA(path.c_str()); }},
        {"read-only", "qv3server.ini has the read-only attribute.",
         [&] { SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY); }},
        {"the operator's file at the journal's name", "qv3server.ini.tmp beside the INI file is not a journal",
         [&] { WriteBytes(journal, "a note"); }}};
    for (const auto& row : rows) {
        directory.WriteSettings("[QV3Server]\r\npassword=old\r\n");
        row.prepare();
        const std::string before = directory.ReadSettings(), beside = FileBytes(journal);
        const std::string reason = ReplaceRefusal(path.c_str()).Reason();
        const bool written = !ReplaceSettingsFile(path.c_str(), "[QV3Server]\r\npassword=new\r\n");
        EXPECT_EQ(*row.reason ? reason.substr(0, std::strlen(row.reason)) : reason, row.reason) << row.name;
        EXPECT_EQ(written, reason.empty()) << row.name << ": " << reason;
        EXPECT_EQ(directory.ReadSettings(), written ? "[QV3Server]\r\npassword=new\r\n" : before) << row.name;
        EXPECT_EQ(FileBytes(journal), beside) << row.name << ": what stands at the journal's name";
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(journal.c_str());
    }
}

}  // namespace

// A journal completes only the write it was cut from: over the old text, or over what that write leaves
// cut off (the new end behind the old text, then the new text over it from the start to a block's edge or
// to its own end); what anything else made of the file stays, and the journal is kept aside, unapplied. A
// reading turn writes and renames nothing, and reads what the next writer will find.
TEST(ProfileStore, AJournalCompletesOnlyTheWriteItWasCutFrom)
{
    ScratchDirectory directory("profile-journal");
    const std::string path = directory.SettingsPath(), journal = path + ".tmp";
    std::string old, shorter, longer;
    for (int line = 0; old.size() < 9000; ++line) old += "key" + std::to_string(line) + "=old value\r\n";
    for (int line = 0; shorter.size() < 6000; ++line) shorter += "key" + std::to_string(line) + "=new\r\n";
    for (int line = 0; longer.size() < 12000; ++line) longer += "key" + std::to_string(line) + "=a new value\r\n";
    std::string edited = old;
    edited[8500] = 'X';   // by hand, after the cut-off write
    const struct { const char* name; std::string file, after; Turn turn; JournalNote::Kind note; } rows[] = {
        {"the old text", old, longer, Turn::Writing, JournalNote::Completed},
        {"part of the new end behind the old text", old + longer.substr(old.size(), 700), longer, Turn::Writing,
         JournalNote::Completed},
        {"the new text over the first block", longer.substr(0, 4096) + old.substr(4096) + longer.substr(old.size()),
         longer, Turn::Writing, JournalNote::Completed},
        {"the new text over the start, not yet cut", shorter + old.substr(shorter.size()), shorter, Turn::Writing,
         JournalNote::Completed},
        {"the new text: only the journal was left", shorter, shorter, Turn::Writing, JournalNote::None},
        {"edited by hand", edited, longer, Turn::Writing, JournalNote::KeptAside},
        {"the new text over the start, to no block's edge", longer.substr(0, 4000) + old.substr(4000) +
         longer.substr(old.size()), longer, Turn::Writing, JournalNote::KeptAside},
        {"the new text over the start, a later block edited", shorter + edited.substr(shorter.size()), shorter,
         Turn::Writing, JournalNote::KeptAside},
        {"the old text, in a reading turn", old, shorter, Turn::Reading, JournalNote::Pending},
        {"edited by hand, in a reading turn", edited, shorter, Turn::Reading, JournalNote::WouldBeKeptAside},
    };
    for (const auto& row : rows) {
        directory.WriteSettings(row.file);
        WriteBytes(journal, JournalFor(old, row.after));
        std::string read;
        JournalNote note;
        {
            SettingsFileTurn turn(path.c_str(), row.turn);
            ASSERT_EQ(turn.Refusal().Reason(), "") << row.name;
            EXPECT_EQ(ReadSettingsFile(path.c_str(), read, note).Reason(), "") << row.name;
        }
        const bool kept = note.kind == JournalNote::KeptAside || note.kind == JournalNote::WouldBeKeptAside;
        EXPECT_EQ(note.kind, row.note) << row.name;
        EXPECT_EQ(read, kept || row.note == JournalNote::None ? row.file : row.after) << row.name;
        EXPECT_EQ(directory.ReadSettings(), row.turn == Turn::Reading || kept ? row.file : row.after) << row.name;
        EXPECT_EQ(FileBytes(journal).empty(), row.turn == Turn::Writing) << row.name << ": the journal";
        if (note.kind == JournalNote::KeptAside) {
            EXPECT_EQ(note.keptAs, "qv3server.ini.not-applied") << row.name;
            EXPECT_EQ(FileBytes(path + ".not-applied"), JournalFor(old, row.after)) << row.name;
            DeleteFileA((path + ".not-applied").c_str());
        }
        DeleteFileA(journal.c_str());
    }
    // A second journal kept aside takes the next free name.
    for (const char* name : {"qv3server.ini.not-applied", "qv3server.ini.not-applied-2"}) {
        directory.WriteSettings(edited);
        WriteBytes(journal, JournalFor(old, shorter));
        std::string read;
        JournalNote note;
        EXPECT_EQ(ReadSettingsFile(path.c_str(), read, note).Reason(), "");
        EXPECT_EQ(note.keptAs, name);
    }
    EXPECT_EQ(directory.ReadSettings(), edited);
}
