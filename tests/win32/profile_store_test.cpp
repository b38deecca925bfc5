#include <gtest/gtest.h>

#include <windows.h>

#include <sddl.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "settings/ini_text.h"
#include "settings/profile_store.h"
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

TEST(ProfileStore, PathAndReadsWithTheirDefaults)
{
    ScratchDirectory directory("profile-read");
    ASSERT_EQ(BuildProfilePath(), 1);
    EXPECT_EQ(std::string(ProfilePath), directory.Path() + "\\qv3server.ini");
    EXPECT_EQ(OpenSettingsFile(), 1);
    EXPECT_EQ(Read("QV3Server", "serverDesc") + std::to_string(ReadProfileFlag("QV3Server", "cloudsOn")), "\n1");
    directory.WriteSettings("[qv3server]\r\n  ServerDesc =  \" My  Server \"  \r\nempty=\r\n"
                            "zero=0\0\0\r\nzeros=00\r\nminus=-1\r\nlong="s + std::string(300, 'v') + "\r\n"s);
    EXPECT_EQ(Read("QV3Server", "zero"), "\n") << "the file is read once, when opened";
    ASSERT_EQ(OpenSettingsFile(), 1);
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

bool TemporaryFileLeft(const ScratchDirectory& directory)
{
    return FilesIn(directory.Path()) != std::vector<std::string>{"qv3server.ini"};
}

TEST(ProfileStore, WritesChangeTheDocumentAndOneSaveReplacesTheFile)
{
    ScratchDirectory directory("profile-write");
    ASSERT_EQ(BuildProfilePath(), 1);
    const std::string before = "; kept\r\n[QV3Server]\r\nmaxPlayers = 8\r\n\r\n[Clients]\r\nCookie=a\r\n";
    directory.WriteSettings(before);
    ASSERT_EQ(OpenSettingsFile(), 1);
    EXPECT_EQ(WriteProfileText("QV3Server", "MAXPLAYERS", "16\r\n8") + WriteProfileFlag("QV3Server", "cloudsOn", 7) +
              WriteProfileFlag("QV3Server", "torqueOn", 0) + WriteProfileText("New", "k", "v"), 4);
    WriteSectionList("Clients", {" Cookie=b ", "", "Cookie=c\nx"});
    EXPECT_EQ(directory.ReadSettings(), before) << "nothing is written before the save";
    const std::string written = "; kept\r\n[QV3Server]\r\nMAXPLAYERS=16  8\r\ncloudsOn=1\r\ntorqueOn=0\r\n\r\n"
                                "[Clients]\r\n Cookie=b \r\nCookie=c x\r\n[New]\r\nk=v\r\n";
    {
        // A reader that allows writing but not replacing, as a C runtime's fopen does.
        HANDLE reader = CreateFileA(directory.SettingsPath().c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(SaveSettingsFile(nullptr), 1);
        CloseHandle(reader);
    }
    EXPECT_EQ(directory.ReadSettings(), written);
    // A temporary file left by a killed process is reused, not piled up.
    WriteBytes(directory.SettingsPath() + ".tmp", "");
    EXPECT_EQ(SaveSettingsFile(nullptr), 1);
    EXPECT_FALSE(TemporaryFileLeft(directory));
}

// Whether the file's access list grants Everyone anything, in the list's own text form.
bool EveryoneListed(const std::string& path)
{
    char buffer[4096];
    DWORD size = 0;
    char* text = nullptr;
    if (!GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, buffer, sizeof buffer, &size) ||
        !ConvertSecurityDescriptorToStringSecurityDescriptorA(buffer, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                              &text, nullptr))
        return true;
    bool listed = std::string(text).find(";;;WD)") != std::string::npos;
    LocalFree(text);
    return listed;
}

// A file that only its owner may read (it holds the server's password) stays so after a save.
TEST(ProfileStore, AFileOnlyItsOwnerMayReadStaysSo)
{
    ScratchDirectory directory("profile-private");
    ASSERT_EQ(BuildProfilePath(), 1);
    directory.WriteSettings("[QV3Server]\r\npassword=secret\r\n");
    PSECURITY_DESCRIPTOR owner = nullptr;   // the administrators alone
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;FA;;;BA)", SDDL_REVISION_1, &owner, nullptr));
    ASSERT_TRUE(SetFileSecurityA(directory.SettingsPath().c_str(), DACL_SECURITY_INFORMATION, owner));
    LocalFree(owner);
    ASSERT_FALSE(EveryoneListed(directory.SettingsPath()));
    ASSERT_EQ(OpenSettingsFile(), 1);
    WriteProfileText("QV3Server", "password", "other");
    EXPECT_EQ(SaveSettingsFile(nullptr), 1);
    EXPECT_EQ(directory.ReadSettings(), "[QV3Server]\r\npassword=other\r\n");
    EXPECT_FALSE(EveryoneListed(directory.SettingsPath()));
    EXPECT_FALSE(TemporaryFileLeft(directory));
}

// Text in a file with a byte-order mark reaches the pages in the ANSI code page and goes back as it was.
TEST(ProfileStore, MarkedFilesAreReadAndWrittenInTheirOwnEncoding)
{
    ScratchDirectory directory("profile-encoding");
    ASSERT_EQ(BuildProfilePath(), 1);
    const std::string files[] = {"\xEF\xBB\xBF[s]\r\nk=caf\xC3\xA9\r\nj=\xE6\x97\xA5\r\n[l]\r\n a = \xC3\xA9 \r\n",
                                 "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0c\0a\0f\0\xE9\0\r\0\n\0j\0=\0\xE5\x65\r\0\n\0"
                                 "[\0l\0]\0\r\0\n\0a\0=\0\xE9\0\r\0\n\0"s};
    for (const std::string& bytes : files) {
        directory.WriteSettings(bytes);
        ASSERT_EQ(OpenSettingsFile(), 1);
        SectionBuffer list;
        ReadSectionList("l", list);
        EXPECT_EQ(Read("s", "k") + Read("s", "j") + list.text, "caf\xE9?a=\xE9\0\0"s);
        WriteProfileText("s", "k", "caf\xE9");
        WriteProfileText("s", "j", "?");
        ASSERT_EQ(SaveSettingsFile(nullptr), 1);
        EXPECT_EQ(directory.ReadSettings(), bytes) << "unchanged values keep their lines";
        WriteProfileText("s", "n", "\xE9");
        ASSERT_EQ(SaveSettingsFile(nullptr), 1);
        std::string value(8, '\0');
        value.resize(GetPrivateProfileStringA("s", "n", "", &value[0], 8, ProfilePath));
        EXPECT_EQ(value, "\xE9");
    }
}

// A generated corpus, read by the engine and by the platform's own profile functions. The two known Wine
// deviations are left out of the comparison: Wine drops ';' lines from sections (Windows keeps them), and
// a quoted value whose unquoted length is exactly size - 1 loses its last character under Wine.
const std::string Headers[] = {"[s]", "  [ S ]  ", "[s]x", "[t", "[u]]", "[t]", "[]", "[s\0x]"s, "[\xC7]", "\t[T]"};
const std::string Names[] = {"k", " K ", "\tk\t", "key", "Key ", "", " ", "; k", "\xC7", "k\0x"s, "\0"s, "u]"};
const std::string Values[] = {"v", " v ", "\"q\"", "'q'", "\"q'", "\"", "\"\"", "a=b", " \t", "\xC7\xE9\xFF",
                              "0\0\0\0"s, "\x1Az\x1A", "\"" + std::string(253, 'x') + "\"", std::string(300, 'y'),
                              "\"" + std::string(3, 'x') + "\"", "\"ab\" c"};
const std::string Ends[] = {"\r\n", "\n", "\r", "\r\n", "\n\n", "\r\r\n", " \r\n", "\0\0\r\n"s};

template <typename T, std::size_t N>
const T& Pick(std::mt19937& random, const T (&items)[N])
{
    return items[random() % N];
}

std::string RandomFile(std::mt19937& random)
{
    std::string file = random() % 6 == 0 ? "\xEF\xBB\xBF" : "";
    for (auto lines = random() % 30; lines > 0; --lines) {
        switch (random() % 6) {
        case 0: file += Pick(random, Headers); break;
        case 1: file += Pick(random, Names); break;   // a line without "="
        default: file += Pick(random, Names) + (random() % 2 ? "=" : " = ") + Pick(random, Values); break;
        }
        file += Pick(random, Ends);
    }
    return file;
}

// Our section text without ';' entries, which Wine leaves out.
std::string WithoutComments(const std::string& section)
{
    std::string result;
    for (std::size_t pos = 0; pos < section.size() && section[pos] != '\0'; pos = section.find('\0', pos) + 1)
        if (section[pos] != ';') result += section.c_str() + pos + "\0"s;
    return result + '\0';
}

bool QuotedOfLength(const std::string& file, const char* section, const std::string& key, std::size_t length)
{
    std::string raw;
    return IniGetRawValue(file, section, key, raw) && raw.size() == length + 2 && (raw[0] == '"' || raw[0] == '\'') &&
           raw.back() == raw[0];
}

TEST(ProfileStore, DifferentialCorpusOf200FilesSeed11MatchesThePlatformReads)
{
    ScratchDirectory directory("profile-corpus");
    const char* sections[] = {"s", "S", "t", "u]", "", "s\0x", "\xC7", "none"};
    const std::string keys[] = {"k", "K", "key", "\xC7", "; k", "u]", "missing"};
    std::mt19937 random(11);
    int differences = 0;
    for (int round = 0; round < 200 && differences < 20; ++round) {
        const std::string bytes = RandomFile(random);
        // A name of its own for each file, so that no cached copy of an earlier file can answer.
        const std::string path = directory.Path() + "\\corpus" + std::to_string(round) + ".ini";
        WriteBytes(path, bytes);
        std::snprintf(ProfilePath, sizeof ProfilePath, "%s", path.c_str());
        ASSERT_EQ(OpenSettingsFile(), 1);
        const std::string text = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
        auto differ = [&](const std::string& ours, const std::string& platform, const std::string& what) {
            if (ours == platform) return;
            ++differences;
            ADD_FAILURE() << "round " << round << " " << what << ": engine " << testing::PrintToString(ours)
                          << ", platform " << testing::PrintToString(platform) << "\nfile "
                          << testing::PrintToString(bytes);
        };
        for (const char* section : sections) {
            for (const std::string& key : keys) {
                std::string platform(ProfileTextSize, '\0');
                platform.resize(GetPrivateProfileStringA(section, key.c_str(), "\n", &platform[0], ProfileTextSize,
                                                         ProfilePath));
                if (!QuotedOfLength(text, section, key, ProfileTextSize - 1))
                    differ(Read(section, key.c_str()), platform, "[" + std::string(section) + "] " + key);
                for (DWORD size : {5u, 2u}) {   // the short buffers on a quarter of the files
                    if (round % 4) break;
                    std::string small(size, '\0');
                    small.resize(GetPrivateProfileStringA(section, key.c_str(), "d", &small[0], size, ProfilePath));
                    if (text.size() == bytes.size() && !QuotedOfLength(text, section, key, size - 1))
                        differ(IniGetString(text, section, key, "d", size), small, key + " size " + std::to_string(size));
                }
            }
            std::string platform(65536, '\0');
            platform.resize(GetPrivateProfileSectionA(section, &platform[0], 65536, ProfilePath));
            SectionBuffer ours;
            ReadSectionList(section, ours);
            differ(WithoutComments(ours.text), platform + '\0', "section [" + std::string(section) + "]");
        }
    }
}

}  // namespace
