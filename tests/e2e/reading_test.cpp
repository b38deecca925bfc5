#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "editor.h"
#include "resource.h"

using Texts = std::vector<std::string>;

namespace {

const std::string Unreadable =
    "Error: The INI file qv3server.ini exists but could not be read: another program may hold it open.";

// Defaults shown in place of what could not be read never replace it, also once it can be read again.
TEST(Reading, WhatCouldNotBeReadIsNeverWrittenOver)
{
    ScratchDirectory directory("e2e-unread");
    const std::string settings = "[QV3Server]\r\nserverDesc=\"Real\"\r\npassword=secret\r\n[Targets]\r\nLens\r\n";
    directory.WriteSettings(settings);
    {
        WriteBlocker blocker(directory.SettingsPath(), 0);
        Editor editor(directory.Path());
        ASSERT_TRUE(editor.Shown());
        const std::string box = editor.AnswerBox();
        EXPECT_EQ(box.find(Unreadable), 0u) << box;
        EXPECT_NE(box.find("start the editor again"), std::string::npos) << box;
        blocker.Release();
        const Texts refused = editor.Build();
        ASSERT_EQ(refused.size(), 1u);
        EXPECT_NE(refused[0].find("could not be read when the editor started"), std::string::npos) << refused[0];
        EXPECT_EQ(editor.Build().size(), 1u) << "every build of the run";
        EXPECT_EQ(directory.ReadSettings(), settings);
        EXPECT_EQ(editor.Exit(), 1u);
    }

    // Target Management opened while the file is held: its empty list never replaces the file's.
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_GAME_TYPE, 0);   // "Team Melee"
    editor.SelectTab(GamePageIndex);
    HWND dialog = nullptr;
    {
        WriteBlocker blocker(directory.SettingsPath(), 0);
        EXPECT_FALSE(editor.Click(GamePageIndex, IDC_GAME_TARGETS));
        const std::string box = editor.AnswerBox();
        EXPECT_EQ(box.find(Unreadable), 0u) << box;
        dialog = editor.Dialog("Target Management - Random");
        ASSERT_NE(dialog, nullptr);
    }
    EXPECT_FALSE(editor.Click(GetDlgItem(dialog, IDC_TARGET_DONE)));
    const std::string refused = editor.AnswerBox();
    EXPECT_NE(refused.find("could not be read when Target Management opened"), std::string::npos) << refused;
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
    EXPECT_TRUE(editor.Click(GetDlgItem(dialog, IDCANCEL)));
    EXPECT_EQ(directory.ReadSettings(), settings);
    // The main window read the file at start-up: its build goes on as ever.
    EXPECT_EQ(editor.Build(), Texts{});
    EXPECT_NE(directory.ReadSettings().find("\r\npassword=secret\r\n"), std::string::npos);
}

// One file as no editor would write it: padded list lines and others far longer than any entry the dialogs
// make, a 100 KB line, 64 KB of noise and 10 MB of foreign sections. The lists are shown whole and kept
// through a build without a message, the long value cut to the box; the check then finds nothing to change.
TEST(Reading, ListLinesOfAnyLengthSurviveABuild)
{
    const std::string servers = "TCP:" + std::string(596, 'a') + "\r\nUDP:" + std::string(4996, 'b') + "\r\n";
    const std::string cookies = "Cookie=" + std::string(593, 'c') + "\r\nCookie=" + std::string(4993, 'd') + "\r\n";
    std::string odd = "[RegisterWith]\r\n   TCP:host  \r\n" + servers + "[Clients]\r\n  Cookie = abc  \r\n" + cookies +
                      "[QV3Server]\r\nserverDesc=" + std::string(100 * 1024, 'x') + "\r\nmaxPlayers=12\r\n";
    for (unsigned seed = 12345; odd.size() < 164 * 1024; seed = seed * 1103515245u + 12345u)
        odd += static_cast<char>(seed >> 16);
    while (odd.size() < 10 * 1024 * 1024)
        odd += "[Filler" + std::to_string(odd.size()) + "]\r\nsomeKey=some value that fills the file\r\n";
    ScratchDirectory directory("e2e-long-lines");
    directory.WriteSettings(odd);
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    for (int list : {IDC_SERVER_LIST, IDC_SERVER_COOKIE_LIST})
        EXPECT_EQ(SendMessageA(editor.Item(ServerPageIndex, list), LB_GETCOUNT, 0, 0), 3) << list;
    EXPECT_EQ(editor.Build(), Texts{});
    EXPECT_EQ(editor.Exit(), 1u);
    const std::string built = directory.ReadSettings();
    for (const std::string& part : {"[RegisterWith]\r\nTCP:host\r\n" + servers + "[Clients]\r\nCookie=abc\r\n" + cookies,
                                    "\nserverDesc=\"" + std::string(254, 'x') + "\"\r\nmaxPlayers=12\r\n",
                                    std::string("\n[Filler")})
        EXPECT_NE(built.find(part), std::string::npos) << part.substr(0, 60);
    EXPECT_EQ(RunProgram("skyvarn-check.exe", "", directory.Path().c_str()).status, 0)
        << "a build of what a build wrote changes nothing";
}

}  // namespace
