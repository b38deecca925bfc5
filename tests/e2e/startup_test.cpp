#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor_process.h"
#include "resource.h"
#include "test_support.h"

namespace {

TEST(Startup, SecondStartRaisesTheFirstAndLeavingWritesNothing)
{
    ScratchDirectory directory("e2e-single");
    const std::string settings = "; hand-kept\r\n[QV3Server]\r\nserverDesc=\"Old\"\r\nmaxPlayers=8\r\n\r\n";
    directory.WriteSettings(settings);
    for (bool minimisedAndCloseBox : {false, true}) {
        const char* row = minimisedAndCloseBox ? "minimised, close box" : "shown, Exit";
        EditorProcess first(directory.Path());
        ASSERT_TRUE(first.WaitForWindow()) << row;
        first.SetText(0, IDC_GENERAL_SERVER_DESC, "New");
        first.SelectTab(2);
        first.Click(2, IDC_ALLIED_SPAD_VII);
        if (minimisedAndCloseBox) {
            ShowWindow(first.Window(), SW_MINIMIZE);
            first.Sync();
            ASSERT_TRUE(IsIconic(first.Window()));
        }
        EditorProcess second(directory.Path());
        EXPECT_EQ(second.WaitForExit(), 0u) << row;
        first.Sync();
        EXPECT_FALSE(IsIconic(first.Window())) << row;
        EXPECT_TRUE(IsWindowVisible(first.Window())) << row;
        EXPECT_EQ(first.Exit(minimisedAndCloseBox), 1u) << row;
        EXPECT_EQ(directory.ReadSettings(), settings) << row;
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
        EXPECT_EQ(editor.BuildAnsweringBoxes(), std::vector<std::string>{
            "Error: An error occurred while writing to the INI file.  The INI file may be write-protected."});
    }
    EXPECT_EQ(directory.ReadSettings(), settings);
    EXPECT_TRUE(editor.BuildAnsweringBoxes().empty()) << "the next build, once the file is free";
    EXPECT_NE(directory.ReadSettings().find("serverDesc=\"Kept\""), std::string::npos);
}

TEST(Startup, OddSettingsFilesOpenAndBuild)
{
    std::string noise;
    for (unsigned seed = 12345; noise.size() < 64 * 1024; seed = seed * 1103515245u + 12345u)
        noise += static_cast<char>(seed >> 16);
    std::string big = "[QV3Server]\r\nmaxPlayers=12\r\n";
    while (big.size() < 10 * 1024 * 1024)
        big += "[Filler" + std::to_string(big.size()) + "]\r\nsomeKey=some value that fills the file\r\n";
    const std::pair<const char*, std::string> files[] = {
        {"empty", ""}, {"noise", noise}, {"ten-megabytes", big},
        {"long-line", "[QV3Server]\r\nserverDesc=" + std::string(100 * 1024, 'x') + "\r\nmaxPlayers=12\r\n"},
        {"lf-only", "[QV3Server]\nmaxPlayers=12\n[Clients]\nCookie=a\n"},
        {"twice", "[QV3Server]\r\nmaxPlayers=12\r\n[QV3Server]\r\nmaxPlayers=99\r\n"},
    };
    for (const auto& [name, bytes] : files) {
        ScratchDirectory directory(std::string("e2e-odd-") + name);
        directory.WriteSettings(bytes);
        EditorProcess editor(directory.Path());
        ASSERT_TRUE(editor.WaitForWindow()) << name;
        EXPECT_TRUE(editor.BuildAnsweringBoxes().empty()) << name;
        EXPECT_EQ(editor.Exit(), 1u) << name;
        const std::string after = directory.ReadSettings();
        EXPECT_NE(after.find("serverDesc="), std::string::npos) << name;
        const bool kept = after.find("maxPlayers=12") != std::string::npos;
        EXPECT_EQ(kept, bytes.find("maxPlayers=12") != std::string::npos) << name << ": maxPlayers";
    }
}

TEST(Startup, DirectoryTooLongForTheSettingsFileIsRefused)
{
    ScratchDirectory directory("e2e-long");
    std::string deep = directory.Path();
    // Too long for the settings file's path (255 characters), short enough to be a directory.
    while (deep.size() < 244) {
        deep += "\\" + std::string(std::min<size_t>(40, 244 - deep.size()), 'd');
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep;
    }
    EditorProcess editor(deep);
    std::vector<HWND> boxes;
    for (int attempt = 0; attempt < 1200 && boxes.empty(); ++attempt, Sleep(50))
        boxes = editor.OpenMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(MessageBoxText(boxes[0]).find("too long"), std::string::npos);
    HWND window = EditorProcess::FindMainWindow();
    EXPECT_TRUE(window == nullptr || !IsWindowVisible(window)) << "the window showed";
    PostMessageA(boxes[0], WM_COMMAND, IDOK, 0);
    EXPECT_EQ(editor.WaitForExit(), 1u);
    EXPECT_EQ(GetFileAttributesA((deep + "\\qv3server.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
