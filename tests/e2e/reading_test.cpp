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

// Holds a file open without sharing reads, as a program that keeps it to itself does.
class ReadBlocker {
public:
    explicit ReadBlocker(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~ReadBlocker() { Release(); }
    void Release()
    {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

// Defaults shown in place of what could not be read never replace it, also once it can be read again.
TEST(Reading, WhatCouldNotBeReadIsNeverWrittenOver)
{
    ScratchDirectory directory("e2e-unread");
    const std::string settings = "[QV3Server]\r\nserverDesc=\"Real\"\r\npassword=secret\r\n[Targets]\r\nLens\r\n";
    directory.WriteSettings(settings);
    {
        ReadBlocker blocker(directory.SettingsPath());
        Editor editor(directory.Path());
        ASSERT_TRUE(editor.Shown());
        const std::string box = editor.AnswerBox();
        EXPECT_TRUE(StartsWith(box, Unreadable)) << box;
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
        ReadBlocker blocker(directory.SettingsPath());
        EXPECT_FALSE(editor.Click(GamePageIndex, IDC_GAME_TARGETS));
        const std::string box = editor.AnswerBox();
        EXPECT_TRUE(StartsWith(box, Unreadable)) << box;
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

// Hand-edited list lines far longer than any entry the dialogs make: shown, kept through a build, and
// answered by the check.
TEST(Reading, ListLinesOfAnyLengthSurviveABuild)
{
    const std::string servers = "TCP:" + std::string(596, 'a') + "\r\nUDP:" + std::string(4996, 'b') + "\r\n";
    const std::string cookies = "Cookie=" + std::string(593, 'c') + "\r\nCookie=" + std::string(4993, 'd') + "\r\n";
    ScratchDirectory directory("e2e-long-lines");
    directory.WriteSettings("[QV3Server]\r\nserverDesc=\"Old\"\r\n[RegisterWith]\r\n" + servers + "[Clients]\r\n" + cookies);
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    for (int list : {IDC_SERVER_LIST, IDC_SERVER_COOKIE_LIST})
        EXPECT_EQ(SendMessageA(editor.Item(ServerPageIndex, list), LB_GETCOUNT, 0, 0), 2) << list;
    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "New");
    EXPECT_EQ(editor.Build(), Texts{});
    EXPECT_EQ(editor.Exit(), 1u);
    const std::string built = directory.ReadSettings();
    EXPECT_NE(built.find("\r\nserverDesc=\"New\"\r\n"), std::string::npos);
    EXPECT_NE(built.find("[RegisterWith]\r\n" + servers + "[Clients]\r\n" + cookies), std::string::npos);
    const PROCESS_INFORMATION check = StartProgram("skyvarn-check.exe", "", directory.Path().c_str());
    EXPECT_EQ(WaitForExitCode(check.hProcess), 0u) << "a build of what a build wrote changes nothing";
    CloseHandle(check.hThread);
    CloseHandle(check.hProcess);
}

}  // namespace
