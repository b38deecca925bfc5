#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "editor_process.h"
#include "resource.h"
#include "test_support.h"

namespace {

// Read wide: ANSI item texts do not cross processes intact.
std::wstring LineOf(HWND list, int index)
{
    std::wstring line(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0)) + 1, L'\0');
    line.resize(static_cast<size_t>(
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&line[0]))));
    return line;
}

}  // namespace

TEST(TargetDialogProgram, TargetAddedInTheProgramIsWrittenByDone)
{
    const std::string general = "[QV3Server]\r\nrandomizeMap=0\r\nuseMap=MARNE\r\ngameType=TEAM_MELEE\r\n";
    ScratchDirectory directory("target-e2e");
    directory.WriteSettings(general + "[Targets]\r\nGhistelles\r\n");
    EditorProcess editor(directory.Path());
    ASSERT_TRUE(editor.WaitForWindow());
    editor.SelectTab(GamePageIndex);
    EXPECT_FALSE(editor.Click(GamePageIndex, IDC_GAME_TARGETS)) << "no dialog opened";
    HWND dialog = editor.FindDialog("Target Management - Marne");
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    SendMessageA(GetDlgItem(dialog, IDC_TARGET_ID), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("31"));
    ASSERT_TRUE(editor.ClickWindow(GetDlgItem(dialog, IDC_TARGET_ADD))) << "a message box opened";
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(LineOf(list, 0), L"Ghistelles");
    EXPECT_EQ(LineOf(list, 1), L"Laon");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_TARGET_ID)), "");
    EXPECT_TRUE(editor.ClickWindow(GetDlgItem(dialog, IDC_TARGET_DONE)));
    EXPECT_EQ(directory.ReadSettings(), general + "[Targets]\r\nGhistelles\r\nLaon\r\n");
    EXPECT_NE(editor.Exit(), 0xFFFFFFFEu);
}
