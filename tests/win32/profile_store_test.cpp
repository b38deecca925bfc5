#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "settings/ini_text.h"
#include "settings/profile_store.h"
#include "test_support.h"

namespace {

std::string Read(const char* section, const char* key)
{
    char value[ProfileTextSize];
    std::memset(value, 'X', sizeof value);
    ReadProfileText(section, key, value);
    return value;
}

TEST(ProfileStore, PathAndReadsWithTheirDefaults)
{
    ScratchDirectory directory("profile-read");
    ASSERT_EQ(BuildProfilePath(), 1);
    EXPECT_EQ(std::string(ProfilePath), directory.Path() + "\\qv3server.ini");
    EXPECT_EQ(Read("QV3Server", "serverDesc") + std::to_string(ReadProfileFlag("QV3Server", "cloudsOn")), "\n1");
    directory.WriteSettings("[qv3server]\r\n  ServerDesc =  \" My  Server \"  \r\nempty=\r\n"
                            "zero=0\r\nzeros=00\r\nminus=-1\r\nlong=" + std::string(300, 'v') + "\r\n");
    EXPECT_EQ(Read("QV3Server", "serverDesc") + "|" + Read("QV3Server", "empty") + "|" + Read("Other", "zero") + "|" +
              Read("QV3Server", "long"), " My  Server ||\n|" + std::string(254, 'v'));
    for (const auto& [key, on] : {std::pair("zero", 0), {"zeros", 1}, {"empty", 1}, {"minus", 1}, {"missing", 1}})
        EXPECT_EQ(ReadProfileFlag("QV3Server", key), on) << key;
    // In a root directory the directory already ends with a backslash; the file services accept both.
    SetCurrentDirectoryA("C:\\");
    EXPECT_EQ(BuildProfilePath(), 1);
    SetCurrentDirectoryA(directory.Path().c_str());
    EXPECT_EQ(std::string(ProfilePath), "C:\\\\qv3server.ini");
}

TEST(ProfileStore, WritesInPlaceWhileReadAndNotAtAllWhenBlocked)
{
    ScratchDirectory directory("profile-write");
    ASSERT_EQ(BuildProfilePath(), 1);
    directory.WriteSettings("; kept\r\n[QV3Server]\r\nmaxPlayers = 8\r\n\r\n[Clients]\r\nCookie=a\r\n");
    MessageBoxRecorder recorder;
    // A reader that allows writing but not replacing, as a C runtime's fopen does.
    HANDLE reader = CreateFileA(directory.SettingsPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WriteProfileText("QV3Server", "MAXPLAYERS", "16"), 1);
    CloseHandle(reader);
    EXPECT_EQ(WriteProfileFlag("QV3Server", "cloudsOn", 7) + WriteProfileFlag("QV3Server", "torqueOn", 0) +
              WriteProfileText("New", "k", "v"), 3);
    EXPECT_TRUE(recorder.Boxes().empty());
    const std::string written = "; kept\r\n[QV3Server]\r\nMAXPLAYERS=16\r\ncloudsOn=1\r\ntorqueOn=0\r\n\r\n"
                                "[Clients]\r\nCookie=a\r\n[New]\r\nk=v\r\n";
    EXPECT_EQ(directory.ReadSettings(), written);
    WriteBlocker blocker(directory.SettingsPath());
    EXPECT_EQ(WriteProfileText("QV3Server", "maxPlayers", "9") + WriteProfileFlag("QV3Server", "cloudsOn", 1), 0);
    WriteSectionList("Clients", {"Cookie=x"});   // silent
    ASSERT_EQ(recorder.Boxes().size(), 2u);
    for (const auto& box : recorder.Boxes())
        EXPECT_TRUE(box.caption == "Error" && box.icon == MB_ICONHAND && box.text == "An error occurred while "
                    "writing to the INI file.  The INI file may be write-protected.") << box.caption << box.text;
    EXPECT_EQ(directory.ReadSettings(), written);
    WIN32_FIND_DATAA found;   // nor was anything left behind beside it
    HANDLE search = FindFirstFileA((directory.Path() + "\\*.~*").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    FindClose(search);
}

// Lines without blanks, empty lines or comments: the platform trims lines, the engine keeps them whole.
std::string Normalised(const std::string& lines)
{
    std::string result, line;
    for (char c : lines) {
        if (c == '\0' && !line.empty() && line[0] != ';')
            result += line + '\0';
        line = c == '\0' ? "" : std::strchr(" \t\r\n\v\f\x1A", c) ? line : line + c;
    }
    return result;
}

TEST(ProfileStore, AnswersAsThePlatformReadsDo)
{
    const std::string corpus[] = {
        "[QV3Server]\r\nserverDesc=\"My Server\"\r\nmaxPlayers=16\r\ncloudsOn=1\r\n"
        "[RegisterWith]\r\nTCP:host.example\r\nUDP:10.0.0.1\r\n[Clients]\r\nCookie=abc\r\n",
        "  [ QV3Server ]  \r\n  maxPlayers   =   16   \r\n\tcloudsOn\t=\t0\t\r\n\r\n\r\n[b]\r\nx=1\r\n",
        "[qv3SERVER]\r\nMAXplayers=4\r\n[QV3Server]\r\nmaxPlayers=5\r\n", "[s]\r\nk=v", "k=v\r\n[s]\r\nk=w\r\n",
        "[s]\r\nd=\"a b\"\r\ns='c d'\r\nmixed=\"e'\r\none=\"\r\ntwo=\"\"\r\nin=a\"b\"\r\n",
        "[s]\r\nk=first\r\nk=second\r\n[s]\r\nk=third\r\nother=1\r\n", "[s]\nk=lf\nbare line\n[t]\nz=1\n",
        "[s]\r\n; comment=1\r\nk=v ; not a comment\r\n#hash=2\r\n", "[s]\r\nk==v=w\r\n=nokey\r\nkey=\r\n",
        "[s]\r\nk=" + std::string(400, 'a') + "\r\nq=\"" + std::string(300, 'b') + "\"\r\n",
        "[s]\r\nk=\xC7\xE9\xFF\r\n\xC7=\xC7\r\n"};
    const char* sections[] = {"QV3Server", "qv3server", "s", "S", "t", "b", "RegisterWith", "Clients", "none"};
    const char* keys[] = {"serverDesc", "maxPlayers", "cloudsOn", "k", "K", "d", "s", "mixed", "one", "two", "in",
                          "q", "other", "z", "x", "; comment", "#hash", "key", "\xC7", "nokey", "missing"};
    ScratchDirectory directory("profile-corpus");
    ASSERT_EQ(BuildProfilePath(), 1);
    for (const std::string& bytes : corpus) {
        directory.WriteSettings(bytes);
        for (const char* section : sections) {
            for (const char* key : keys)
                for (DWORD size : {255u, 5u, 2u}) {
                    std::string platform(size, '\0');
                    platform.resize(GetPrivateProfileStringA(section, key, "\n", &platform[0], size, ProfilePath));
                    EXPECT_EQ(IniGetString(bytes, section, key, "\n", size), platform)
                        << "file " << &bytes - corpus << " [" << section << "] " << key << " size " << size;
                }
            std::string platform(8192, '\0');
            platform.resize(GetPrivateProfileSectionA(section, &platform[0], 8192, ProfilePath));
            EXPECT_EQ(Normalised(IniGetSection(bytes, section)), Normalised(platform))
                << "file " << &bytes - corpus << " [" << section << "]";
        }
    }
}

}  // namespace
