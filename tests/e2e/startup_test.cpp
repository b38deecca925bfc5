#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "editor_process.h"
#include "resource.h"
#include "test_support.h"

namespace {

const char WriteError[] =
    "Error: An error occurred while writing to the INI file.  The INI file may be write-protected.";

int CountMainWindows()
{
    int count = 0;
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, nullptr, "Skyvarn - Arena Server Configuration")) != nullptr)
        ++count;
    return count;
}

TEST(Startup, SecondStartRaisesTheFirstAndEndsWithZero)
{
    ScratchDirectory directory("e2e-single");
    EditorProcess first(directory.Path());
    ASSERT_TRUE(first.WaitForWindow());
    for (bool minimised : {false, true}) {
        if (minimised) {
            ShowWindow(first.Window(), SW_MINIMIZE);
            first.Sync();
            ASSERT_TRUE(IsIconic(first.Window()));
        }
        EditorProcess second(directory.Path());
        ASSERT_TRUE(second.Started());
        EXPECT_EQ(second.WaitForExit(), 0u) << (minimised ? "minimised" : "shown");
        first.Sync();
        EXPECT_EQ(CountMainWindows(), 1);
        EXPECT_FALSE(IsIconic(first.Window())) << "not restored";
        EXPECT_TRUE(IsWindowVisible(first.Window()));
    }
    EXPECT_EQ(first.Exit(), 1u);
    EXPECT_FALSE(directory.SettingsExist()) << "a start without building wrote the file";
}

TEST(Startup, LeavingWithoutBuildingWritesNothing)
{
    ScratchDirectory directory("e2e-leave");
    {
        EditorProcess editor(directory.Path());
        ASSERT_TRUE(editor.WaitForWindow());
        EXPECT_EQ(editor.Exit(), 1u);
    }
    EXPECT_FALSE(directory.SettingsExist());

    const std::string settings = "; hand-kept\r\n[QV3Server]\r\nserverDesc=\"Old\"\r\nmaxPlayers=8\r\n\r\n";
    directory.WriteSettings(settings);
    for (bool closeBox : {false, true}) {
        EditorProcess editor(directory.Path());
        ASSERT_TRUE(editor.WaitForWindow());
        editor.SetText(0, IDC_GENERAL_SERVER_DESC, "New");
        editor.SelectTab(2);
        editor.Click(2, IDC_ALLIED_SPAD_VII);
        EXPECT_EQ(editor.Exit(closeBox), closeBox ? 1u : 1u);
        EXPECT_EQ(directory.ReadSettings(), settings) << (closeBox ? "close box" : "Exit");
    }
}

TEST(Startup, WriteProtectedFileShowsTheErrorOnceAndStaysAsItWas)
{
    ScratchDirectory directory("e2e-protected");
    const std::string settings = "[QV3Server]\r\nserverDesc=\"Kept\"\r\n[Clients]\r\nCookie=a\r\n";
    directory.WriteSettings(settings);
    EditorProcess editor(directory.Path());
    ASSERT_TRUE(editor.WaitForWindow());
    {
        WriteBlocker blocker(directory.SettingsPath());
        ASSERT_TRUE(blocker.Held());
        std::vector<std::string> boxes = editor.BuildAnsweringBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], WriteError);
    }
    EXPECT_EQ(directory.ReadSettings(), settings);
    // Once the file can be written again, the next build goes through.
    EXPECT_TRUE(editor.BuildAnsweringBoxes().empty());
    EXPECT_NE(directory.ReadSettings().find("serverDesc=\"Kept\""), std::string::npos);
    editor.Exit();
}

TEST(Startup, OddSettingsFilesOpenAndBuild)
{
    std::string noise;
    unsigned seed = 12345;
    for (int i = 0; i < 64 * 1024; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise += static_cast<char>(seed >> 16);
    }
    std::string big = "[QV3Server]\r\nmaxPlayers=12\r\n";
    while (big.size() < 10 * 1024 * 1024)
        big += "[Filler" + std::to_string(big.size()) + "]\r\nsomeKey=some value that fills the file\r\n";
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"empty", ""},
        {"noise", noise},
        {"ten-megabytes", big},
        {"long-line", "[QV3Server]\r\nserverDesc=" + std::string(100 * 1024, 'x') + "\r\nmaxPlayers=12\r\n"},
        {"lf-only", "[QV3Server]\nmaxPlayers=12\n[Clients]\nCookie=a\n"},
        {"cr-only", "[QV3Server]\rmaxPlayers=12\r[Clients]\rCookie=a\r"},
        {"twice", "[QV3Server]\r\nmaxPlayers=12\r\n[QV3Server]\r\nmaxPlayers=99\r\n"},
    };
    for (const auto& file : files) {
        ScratchDirectory directory(std::string("e2e-odd-") + file.name);
        directory.WriteSettings(file.bytes);
        EditorProcess editor(directory.Path());
        ASSERT_TRUE(editor.WaitForWindow()) << file.name;
        EXPECT_TRUE(editor.BuildAnsweringBoxes().empty()) << file.name;
        EXPECT_EQ(editor.Exit(), 1u) << file.name;
        const std::string after = directory.ReadSettings();
        EXPECT_NE(after.find("serverDesc="), std::string::npos) << file.name;
        if (file.bytes.find("maxPlayers=12") != std::string::npos) {
            EXPECT_NE(after.find("maxPlayers=12"), std::string::npos) << file.name;
        }
    }
}

TEST(Startup, DirectoryTooLongForTheSettingsFileIsRefused)
{
    ScratchDirectory directory("e2e-long");
    std::string deep = directory.Path();
    // Longer than the settings file's path can bear (255 characters), short enough to be a directory.
    while (deep.size() < 244) {
        deep += "\\" + std::string(std::min<size_t>(40, 245 - deep.size() - 1), 'd');
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep;
    }
    EditorProcess editor(deep);
    ASSERT_TRUE(editor.Started());
    // The program explains and ends; it never shows its window.
    std::vector<HWND> boxes;
    for (int attempt = 0; attempt < 1200 && boxes.empty(); ++attempt) {
        boxes = editor.OpenMessageBoxes();
        if (boxes.empty())
            Sleep(50);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(MessageBoxText(boxes[0]).find("too long"), std::string::npos);
    HWND window = EditorProcess::FindMainWindow();
    EXPECT_TRUE(window == nullptr || !IsWindowVisible(window));
    PostMessageA(boxes[0], WM_COMMAND, IDOK, 0);
    EXPECT_EQ(editor.WaitForExit(), 1u);
    EXPECT_EQ(GetFileAttributesA((deep + "\\qv3server.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
