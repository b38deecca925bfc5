#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "editor_process.h"
#include "resource.h"
#include "sample_settings.h"
#include "test_support.h"

using namespace std::string_literals;

namespace {

// Builds once in a freshly started editor and gives back the file.
std::string BuildOnce(const ScratchDirectory& directory, std::vector<std::string>* boxes = nullptr)
{
    EditorProcess editor(directory.Path());
    if (!editor.WaitForWindow())
        return "(no window)";
    std::vector<std::string> shown = editor.BuildAnsweringBoxes();
    if (boxes)
        *boxes = shown;
    editor.Exit();
    return directory.ReadSettings();
}

std::vector<std::string> FilesIn(const std::string& path)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

TEST(SettingsFile, ANewFileHasWholeLinesAndEveryFurtherBuildWritesTheSameBytes)
{
    ScratchDirectory directory("e2e-new-file");
    EditorProcess editor(directory.Path());
    ASSERT_TRUE(editor.WaitForWindow());
    EXPECT_TRUE(editor.BuildAnsweringBoxes().empty());
    const std::string first = directory.ReadSettings();
    for (std::size_t pos = first.find('\n'); pos != std::string::npos; pos = first.find('\n', pos + 1))
        ASSERT_EQ(first[pos - 1], '\r') << "a bare line feed at " << pos << ":\n" << first;
    for (const char* line : {"\nserverDesc=\"\"\r\n", "\nmaxPlayers=\r\n", "\nnightRate=1.0\r\n", "\ncloudsOn=1\r\n"})
        EXPECT_NE(first.find(line), std::string::npos) << line;
    EXPECT_TRUE(editor.BuildAnsweringBoxes().empty());
    EXPECT_EQ(directory.ReadSettings(), first) << "second build in the same run";
    // A line break that reached a box by program or paste cannot break the file's lines.
    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "one\r\ntwo");
    editor.SetText(GeneralPageIndex, IDC_GENERAL_MAX_PLAYERS, "8\n");
    EXPECT_TRUE(editor.BuildAnsweringBoxes().empty());
    std::string edited = directory.ReadSettings();
    for (const char* line : {"\nserverDesc=\"one  two\"\r\n", "\nmaxPlayers=8 \r\nclientTimeoutSec"})
        EXPECT_NE(edited.find(line), std::string::npos) << line << "\n" << edited;
    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "");
    editor.SetText(GeneralPageIndex, IDC_GENERAL_MAX_PLAYERS, "");
    EXPECT_TRUE(editor.BuildAnsweringBoxes().empty());
    editor.Exit();
    EXPECT_EQ(BuildOnce(directory), first) << "build after a restart";
    EXPECT_EQ(FilesIn(directory.Path()), std::vector<std::string>{"qv3server.ini"});
}

// Files as operators hand them over: each builds to the expected lines, and then stays as it is.
TEST(SettingsFile, HandMadeFilesAreReadAsTheProfileServiceReadsThem)
{
    const std::string sample = SampleSettings;
    const struct { const char* name; std::string bytes; std::vector<std::string> present, absent; } files[] = {
        {"byte-order-mark", "\xEF\xBB\xBF" + sample, {"\xEF\xBB\xBF[QV3Server]\r\n", "\nmaxPlayers=32\r\n"},
         {"\n[QV3Server]"}},
        {"padded-sections", "[QV3Server]\r\nmaxPlayers=4\r\n[Clients]\r\n  Cookie = abc  \r\n[RegisterWith]\r\n"
         "   TCP:host  \r\n", {"\r\nCookie=abc\r\n", "\r\nTCP:host\r\n"}, {"Cookie=Cookie", " TCP"}},
        {"nul-bytes", "[QV3Server]\r\ncloudsOn=0\0\0\0\r\n[RegisterWith]\r\nTCP:a\r\n\0\0\r\nTCP:b\r\nUDP:c\r\n"s,
         {"\ncloudsOn=0", "\nTCP:a\r\nTCP:b\r\nUDP:c\r\n"}, {"cloudsOn=1"}},
        {"bare-keys", "[QV3Server]\r\nmaxPlayers\r\ntorqueOn\r\n", {"\nmaxPlayers=\r\n", "\ntorqueOn=1\r\n"}, {}},
    };
    for (const auto& file : files) {
        ScratchDirectory directory(std::string("e2e-hand-") + file.name);
        directory.WriteSettings(file.bytes);
        const std::string built = BuildOnce(directory);
        for (const std::string& line : file.present)
            EXPECT_NE(built.find(line), std::string::npos) << file.name << ": " << line << "\n" << built;
        for (const std::string& line : file.absent)
            EXPECT_EQ(built.find(line), std::string::npos) << file.name << ": " << line << "\n" << built;
        EXPECT_EQ(BuildOnce(directory), built) << file.name << ": the second build";
    }
}

// A UTF-16 file stays UTF-16, and its text stays readable to the platform's own reads.
TEST(SettingsFile, AUtf16FileIsWrittenAsUtf16)
{
    ScratchDirectory directory("e2e-utf16");
    const std::string text = "[QV3Server]\r\nserverDesc=\"Caf\xE9\"\r\nmaxPlayers=12\r\n";
    std::string bytes = "\xFF\xFE";
    for (char c : text) bytes += c, bytes += '\0';
    directory.WriteSettings(bytes);
    const std::string built = BuildOnce(directory);
    EXPECT_EQ(built.compare(0, 2, "\xFF\xFE"), 0);
    char value[32] = "";
    GetPrivateProfileStringA("QV3Server", "serverDesc", "", value, sizeof value, directory.SettingsPath().c_str());
    EXPECT_STREQ(value, "Caf\xE9");
    GetPrivateProfileStringA("QV3Server", "cloudsOn", "", value, sizeof value, directory.SettingsPath().c_str());
    EXPECT_STREQ(value, "1");
    EXPECT_EQ(BuildOnce(directory), built);
}

TEST(SettingsFile, AFileThatMustNotChangeGetsOneMessageAndKeepsItsBytesAndAttributes)
{
    const std::string error = "Error: An error occurred while writing to the INI file.  The INI file may be "
                              "write-protected.";
    ScratchDirectory directory("e2e-attributes");
    directory.WriteSettings(SampleSettings);
    const std::string path = directory.SettingsPath();
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    std::vector<std::string> boxes;
    BuildOnce(directory, &boxes);
    EXPECT_EQ(boxes, std::vector<std::string>{error});
    EXPECT_EQ(directory.ReadSettings(), SampleSettings);
    EXPECT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);

    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    const std::string built = BuildOnce(directory, &boxes);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(built, SampleSettings) << "the sample is in the editor's own form";
    EXPECT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(FilesIn(directory.Path()), std::vector<std::string>{"qv3server.ini"});
}

// Near the path limit the build still replaces the file in one step, and leaves nothing beside it.
TEST(SettingsFile, FoldersNearThePathLimitKeepOneFile)
{
    ScratchDirectory directory("e2e-deep");
    std::string deep = directory.Path();
    while (deep.size() < 200) {
        deep += "\\" + std::string(std::min<size_t>(40, 200 - deep.size()), 'd');
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep;
    }
    // 241 characters: the longest folder whose settings file still fits the path limit.
    for (std::size_t length : {236u, 241u}) {
        const std::string folder = deep + "\\" + std::string(length - deep.size() - 1, 'e');
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        for (bool exists : {false, true}) {
            EditorProcess editor(folder);
            ASSERT_TRUE(editor.WaitForWindow()) << length;
            EXPECT_TRUE(editor.BuildAnsweringBoxes().empty()) << length << " exists " << exists;
            editor.Exit();
            EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"qv3server.ini"}) << length;
        }
    }
}

TEST(SettingsFile, AnAircraftValueTooLongToReadBackIsRefused)
{
    ScratchDirectory directory("e2e-long-dates");
    const std::string settings = "[QV3Server]\r\nFOKKER_EIII=1," + std::string(200, 's') + ",end\r\n";
    directory.WriteSettings(settings);
    EditorProcess editor(directory.Path());
    ASSERT_TRUE(editor.WaitForWindow());
    editor.SetText(GermanPlanesPageIndex, IDC_GERMAN_FOKKER_EIII_END, std::string(60, 'e'));
    std::vector<std::string> boxes = editor.BuildAnsweringBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].find("Error: The dates of FOKKER_EIII are too long"), 0u) << boxes[0];
    EXPECT_EQ(directory.ReadSettings(), settings);
    editor.SetText(GermanPlanesPageIndex, IDC_GERMAN_FOKKER_EIII_END, "1918");
    EXPECT_TRUE(editor.BuildAnsweringBoxes().empty());
    EXPECT_NE(directory.ReadSettings().find("\nFOKKER_EIII=1," + std::string(200, 's') + ",1918\r\n"),
              std::string::npos);
}

}  // namespace
