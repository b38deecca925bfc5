#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "editor.h"
#include "resource.h"

namespace {

TEST(Program, ASecondStartRaisesTheFirstAndLeavingWritesNothing)
{
    ScratchDirectory directory("e2e-single");
    const std::string settings = "; hand-kept\r\n[QV3Server]\r\nserverDesc=\"Old\"\r\nmaxPlayers=8\r\n\r\n";
    directory.WriteSettings(settings);
    for (bool minimisedAndCloseBox : {false, true}) {
        Editor first(directory.Path());
        ASSERT_TRUE(first.Shown()) << minimisedAndCloseBox;
        first.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "New");
        first.SelectTab(AlliedPlanesPageIndex);
        first.Click(AlliedPlanesPageIndex, IDC_ALLIED_SPAD_VII);
        if (minimisedAndCloseBox) {
            ShowWindow(first.Window(), SW_MINIMIZE);
            first.Sync();
            ASSERT_TRUE(IsIconic(first.Window()));
        }
        Editor second(directory.Path());
        EXPECT_EQ(second.WaitForExit(), 0u) << minimisedAndCloseBox;
        first.Sync();
        EXPECT_TRUE(!IsIconic(first.Window()) && IsWindowVisible(first.Window())) << minimisedAndCloseBox;
        EXPECT_EQ(first.Exit(minimisedAndCloseBox), 1u) << minimisedAndCloseBox;
        EXPECT_EQ(directory.ReadSettings(), settings) << minimisedAndCloseBox;
    }
}

// Keys go in as the operator's keyboard gives them, to the foreground window.
void Key(BYTE key)
{
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
}

// A bound only against a program that never gets there; nothing is measured.
template <typename Done>
bool WaitUntil(Done done)
{
    for (int attempt = 0; attempt < 1000 && !done(); ++attempt)
        Sleep(10);
    return done();
}

// Tabs until the focus stands on `target`; returns the General page's controls passed on the way.
std::vector<int> TabTo(const Editor& editor, HWND target)
{
    auto focus = [&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(editor.Window(), nullptr), &info);
        return info.hwndFocus;
    };
    std::vector<int> visited;
    for (int step = 0; step < 80 && focus() != target; ++step) {
        HWND before = focus();
        Key(VK_TAB);
        if (!WaitUntil([&] { return focus() != before; }))
            break;
        if (GetParent(focus()) == editor.Page(GeneralPageIndex))
            visited.push_back(GetDlgCtrlID(focus()));
    }
    return visited;
}

TEST(Program, TheKeyboardWalksTheGeneralPageBuildsAndExits)
{
    ScratchDirectory directory("e2e-keyboard");
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    SetForegroundWindow(editor.Window());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == editor.Window(); }));
    // From the page's last control round to its top.
    TabTo(editor, editor.Item(GeneralPageIndex, IDC_GENERAL_ROCKETS_ALLOWED));
    EXPECT_EQ(TabTo(editor, editor.Item(GeneralPageIndex, IDC_GENERAL_CHEAT_PROTECTED)),
              std::vector<int>({IDC_GENERAL_SERVER_DESC, IDC_GENERAL_CLIENT_TIMEOUT, IDC_GENERAL_PASSWORD,
                                IDC_GENERAL_CHEAT_PROTECTED}));
    const bool wasChecked = editor.Checked(GeneralPageIndex, IDC_GENERAL_CHEAT_PROTECTED);
    Key(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return editor.Checked(GeneralPageIndex, IDC_GENERAL_CHEAT_PROTECTED) != wasChecked; }));
    TabTo(editor, editor.Item(GeneralPageIndex, IDC_GENERAL_MAP));
    ASSERT_EQ(editor.Selection(GeneralPageIndex, IDC_GENERAL_MAP), 0);
    Key(VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return editor.Selection(GeneralPageIndex, IDC_GENERAL_MAP) == 1; }));
    keybd_event(VK_MENU, 0, 0, 0);   // Alt held: B builds, X leaves
    Key('B');
    Key('X');
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_EQ(editor.WaitForExit(), 1u) << "Alt+X";
    const std::string settings = directory.ReadSettings();
    EXPECT_NE(settings.find("randomizeMap=0\r\nuseMap=FLANDERS\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find(wasChecked ? "securityEnabled=0" : "securityEnabled=1"), std::string::npos) << settings;
}

// A list that cannot be written is reported, and the dialog stays open with what was chosen.
TEST(Program, TargetsDoneOnAFileThatCannotBeWrittenKeepsTheDialog)
{
    const std::string general = "[QV3Server]\r\nrandomizeMap=0\r\nuseMap=MARNE\r\ngameType=TEAM_MELEE\r\n";
    ScratchDirectory directory("e2e-targets");
    directory.WriteSettings(general + "[Targets]\r\nGhistelles\r\n");
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    editor.SelectTab(GamePageIndex);
    EXPECT_FALSE(editor.Click(GamePageIndex, IDC_GAME_TARGETS)) << "no dialog opened";
    HWND dialog = editor.Dialog("Target Management - Marne");
    ASSERT_NE(dialog, nullptr);
    SendDlgItemMessageA(dialog, IDC_TARGET_ID, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("31"));
    ASSERT_TRUE(editor.Click(GetDlgItem(dialog, IDC_TARGET_ADD))) << "a message box opened";
    {
        WriteBlocker blocker(directory.SettingsPath());
        EXPECT_FALSE(editor.Click(GetDlgItem(dialog, IDC_TARGET_DONE))) << "no message";
        EXPECT_EQ(editor.AnswerBox(), "Error: An error occurred while writing to the INI file.  The INI file may be "
                                      "write-protected.");
        editor.Sync();
        EXPECT_TRUE(IsWindowVisible(dialog));
    }
    EXPECT_EQ(directory.ReadSettings(), general + "[Targets]\r\nGhistelles\r\n");
    EXPECT_TRUE(editor.Click(GetDlgItem(dialog, IDC_TARGET_DONE)));
    EXPECT_EQ(directory.ReadSettings(), general + "[Targets]\r\nGhistelles\r\nLaon\r\n");
}

}  // namespace
