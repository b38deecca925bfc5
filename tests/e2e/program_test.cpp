#include <gtest/gtest.h>

#include <windows.h>

#include <string>

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

// The operator's Tab walks the page's controls to the cheat protection box, Space toggles it, Alt+B builds
// and Alt+X leaves.
TEST(Program, TheKeyboardWalksTheGeneralPageBuildsAndExits)
{
    ScratchDirectory directory("e2e-keyboard");
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    SetForegroundWindow(editor.Window());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == editor.Window(); }));
    HWND target = editor.Item(GeneralPageIndex, IDC_GENERAL_CHEAT_PROTECTED);
    for (int step = 0; step < 80 && editor.Focus() != target; ++step) {
        HWND before = editor.Focus();
        Key(VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return editor.Focus() != before; })) << "Tab moved nothing";
    }
    ASSERT_EQ(editor.Focus(), target);
    const bool wasChecked = editor.Checked(GeneralPageIndex, IDC_GENERAL_CHEAT_PROTECTED);
    Key(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return editor.Checked(GeneralPageIndex, IDC_GENERAL_CHEAT_PROTECTED) != wasChecked; }));
    keybd_event(VK_MENU, 0, 0, 0);   // Alt held: B builds, X leaves
    Key('B');
    Key('X');
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_EQ(editor.WaitForExit(), 1u) << "Alt+X";
    EXPECT_NE(directory.ReadSettings().find(wasChecked ? "securityEnabled=0" : "securityEnabled=1"), std::string::npos);
}

}  // namespace
