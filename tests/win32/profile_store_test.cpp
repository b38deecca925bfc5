#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "settings/ini_text.h"
#include "settings/profile_store.h"
#include "test_support.h"

namespace {

const char WriteError[] = "An error occurred while writing to the INI file.  The INI file may be write-protected.";

std::string Read(const char* section, const char* key)
{
    char value[ProfileTextSize];
    std::memset(value, 'X', sizeof value);
    ReadProfileText(section, key, value);
    return value;
}

TEST(ProfileStore, PathIsTheWorkingDirectoryAndTheFileName)
{
    ScratchDirectory directory("profile-path");
    ASSERT_EQ(BuildProfilePath(), 1);
    EXPECT_EQ(std::string(ProfilePath), directory.Path() + "\\qv3server.ini");

    // In a root directory the directory already ends with a backslash; the file services accept both.
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA("C:\\");
    EXPECT_EQ(BuildProfilePath(), 1);
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(std::string(ProfilePath), "C:\\\\qv3server.ini");
}

TEST(ProfileStore, ReadsTextAndFlagsWithTheirDefaults)
{
    ScratchDirectory directory("profile-read");
    ASSERT_EQ(BuildProfilePath(), 1);
    EXPECT_EQ(Read("QV3Server", "serverDesc"), "\n") << "no file";
    EXPECT_EQ(ReadProfileFlag("QV3Server", "cloudsOn"), 1) << "no file";

    directory.WriteSettings("[qv3server]\r\n"
                            "  ServerDesc =  \" My  Server \"  \r\n"
                            "empty=\r\n"
                            "zero=0\r\nzeros=00\r\nminus=-1\r\nlong=" + std::string(300, 'v') + "\r\n");
    EXPECT_EQ(Read("QV3Server", "serverDesc"), " My  Server ");
    EXPECT_EQ(Read("QV3Server", "empty"), "");
    EXPECT_EQ(Read("Other", "zero"), "\n");
    EXPECT_EQ(Read("QV3Server", "long"), std::string(254, 'v'));
    const struct {
        const char* key;
        int on;
    } flags[] = {{"zero", 0}, {"zeros", 1}, {"empty", 1}, {"minus", 1}, {"missing", 1}};
    for (const auto& flag : flags)
        EXPECT_EQ(ReadProfileFlag("QV3Server", flag.key), flag.on) << flag.key;
}

TEST(ProfileStore, WritesInPlaceAndAtTheEndOfTheSection)
{
    ScratchDirectory directory("profile-write");
    ASSERT_EQ(BuildProfilePath(), 1);
    directory.WriteSettings("; kept\r\n[QV3Server]\r\nmaxPlayers = 8\r\n\r\n[Clients]\r\nCookie=a\r\n");
    EXPECT_EQ(WriteProfileText("QV3Server", "MAXPLAYERS", "16"), 1);
    EXPECT_EQ(WriteProfileFlag("QV3Server", "cloudsOn", 7), 1);
    EXPECT_EQ(WriteProfileFlag("QV3Server", "torqueOn", 0), 1);
    EXPECT_EQ(WriteProfileText("New", "k", "v"), 1);
    EXPECT_EQ(directory.ReadSettings(), "; kept\r\n[QV3Server]\r\nMAXPLAYERS=16\r\ncloudsOn=1\r\ntorqueOn=0\r\n\r\n"
                                        "[Clients]\r\nCookie=a\r\n[New]\r\nk=v\r\n");
}

TEST(ProfileStore, FailedWriteTellsTheOperatorOnceAndLeavesTheFile)
{
    ScratchDirectory directory("profile-blocked");
    ASSERT_EQ(BuildProfilePath(), 1);
    const std::string before = "[QV3Server]\r\nmaxPlayers=8\r\n";
    directory.WriteSettings(before);
    {
        WriteBlocker blocker(directory.SettingsPath());
        ASSERT_TRUE(blocker.Held());
        MessageBoxRecorder recorder;
        EXPECT_EQ(WriteProfileText("QV3Server", "maxPlayers", "9"), 0);
        EXPECT_EQ(WriteProfileFlag("QV3Server", "cloudsOn", 1), 0);
        WriteSectionList("Clients", {"Cookie=x"});  // silent
        ASSERT_EQ(recorder.Boxes().size(), 2u);
        for (const auto& box : recorder.Boxes()) {
            EXPECT_EQ(box.caption, "Error");
            EXPECT_EQ(box.text, WriteError);
            EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONHAND));
        }
    }
    EXPECT_EQ(directory.ReadSettings(), before);
    // Nothing was left behind beside the settings file.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory.Path() + "\\*.~*").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

TEST(ProfileStore, WritesWhileAnotherProgramReadsTheFile)
{
    ScratchDirectory directory("profile-reader");
    ASSERT_EQ(BuildProfilePath(), 1);
    directory.WriteSettings("[QV3Server]\r\nmaxPlayers=8\r\n");
    // A reader that allows writing but not replacing, as a C runtime's fopen does.
    HANDLE reader = CreateFileA(directory.SettingsPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    MessageBoxRecorder recorder;
    EXPECT_EQ(WriteProfileText("QV3Server", "maxPlayers", "16"), 1);
    CloseHandle(reader);
    EXPECT_TRUE(recorder.Boxes().empty());
    EXPECT_EQ(directory.ReadSettings(), "[QV3Server]\r\nmaxPlayers=16\r\n");
}

// The engine answers as the platform's own profile reads do, on ordinary and odd files. Where it differs
// on purpose (section lines are handed over whole, so lists survive), the platform's trimming is applied
// to its answer before comparing.
struct CorpusFile {
    const char* name;
    std::string bytes;
};

std::vector<CorpusFile> Corpus()
{
    return {
        {"ordinary", "[QV3Server]\r\nserverDesc=\"My Server\"\r\nmaxPlayers=16\r\ncloudsOn=1\r\n"
                     "[RegisterWith]\r\nTCP:host.example\r\nUDP:10.0.0.1\r\n[Clients]\r\nCookie=abc\r\n"},
        {"spacing", "  [ QV3Server ]  \r\n  maxPlayers   =   16   \r\n\tcloudsOn\t=\t0\t\r\n\r\n\r\n[b]\r\nx=1\r\n"},
        {"case", "[qv3SERVER]\r\nMAXplayers=4\r\n[QV3Server]\r\nmaxPlayers=5\r\n"},
        {"quotes", "[s]\r\nd=\"a b\"\r\ns='c d'\r\nmixed=\"e'\r\none=\"\r\ntwo=\"\"\r\nin=a\"b\"\r\n"},
        {"duplicates", "[s]\r\nk=first\r\nk=second\r\n[s]\r\nk=third\r\nother=1\r\n"},
        {"lf-only", "[s]\nk=lf\nbare line\n[t]\nz=1\n"},
        {"no-final-newline", "[s]\r\nk=v"},
        {"no-section", "k=v\r\n[s]\r\nk=w\r\n"},
        {"comments", "[s]\r\n; comment=1\r\nk=v ; not a comment\r\n#hash=2\r\n"},
        {"equals", "[s]\r\nk==v=w\r\n=nokey\r\nkey=\r\n"},
        {"long", "[s]\r\nk=" + std::string(400, 'a') + "\r\nq=\"" + std::string(300, 'b') + "\"\r\n"},
        {"high-bytes", "[s]\r\nk=\xC7\xE9\xFF\r\n\xC7=\xC7\r\n"},
    };
}

std::string PlatformString(const char* section, const char* key, const char* fallback, DWORD size)
{
    std::string value(size, '\0');
    DWORD length = GetPrivateProfileStringA(section, key, fallback, &value[0], size, ProfilePath);
    value.resize(length);
    return value;
}

// The platform's view of a section: trimmed lines, "key=value" trimmed around '=', no comment lines.
std::string Normalised(const std::string& sectionText)
{
    auto trim = [](std::string text) {
        const char* blanks = " \t\r\n\v\f\x1A";
        size_t first = text.find_first_not_of(blanks);
        if (first == std::string::npos)
            return std::string();
        return text.substr(first, text.find_last_not_of(blanks) - first + 1);
    };
    std::string result;
    for (size_t pos = 0; pos < sectionText.size() && sectionText[pos] != '\0';) {
        std::string line = sectionText.substr(pos, sectionText.find('\0', pos) - pos);
        pos += line.size() + 1;
        line = trim(line);
        if (line.empty() || line[0] == ';')
            continue;
        size_t equals = line.find('=');
        if (equals != std::string::npos)
            line = trim(line.substr(0, equals)) + "=" + trim(line.substr(equals + 1));
        result += line + '\0';
    }
    return result + '\0';
}

TEST(ProfileStore, AnswersAsThePlatformReadsDo)
{
    ScratchDirectory directory("profile-corpus");
    ASSERT_EQ(BuildProfilePath(), 1);
    const char* sections[] = {"QV3Server", "qv3server", "s", "S", "t", "b", "RegisterWith", "Clients", "none"};
    const char* keys[] = {"serverDesc", "maxPlayers", "cloudsOn", "k", "K", "d", "s", "mixed", "one", "two", "in",
                          "q", "other", "z", "x", "; comment", "#hash", "key", "\xC7", "nokey", "missing"};
    for (const CorpusFile& file : Corpus()) {
        directory.WriteSettings(file.bytes);
        for (const char* section : sections) {
            for (const char* key : keys) {
                for (DWORD size : {255u, 5u, 2u}) {
                    std::string ours = IniGetString(file.bytes, section, key, "\n", size);
                    EXPECT_EQ(ours, PlatformString(section, key, "\n", size))
                        << file.name << " [" << section << "] " << key << " size " << size;
                }
            }
            std::vector<char> platform(8192, '\0');
            DWORD length = GetPrivateProfileSectionA(section, platform.data(), 8192, ProfilePath);
            EXPECT_EQ(Normalised(IniGetSection(file.bytes, section)), std::string(platform.data(), length) + '\0')
                << file.name << " [" << section << "]";
        }
    }
}

}  // namespace
