#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "editor_process.h"
#include "resource.h"
#include "test_support.h"

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
    SendMessageA(GetDlgItem(dialog, IDC_TARGET_ID), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("31"));
    ASSERT_TRUE(editor.ClickWindow(GetDlgItem(dialog, IDC_TARGET_ADD))) << "a message box opened";
    EXPECT_EQ(EditorProcess::Lines(GetDlgItem(dialog, IDC_TARGET_LIST)),
              std::vector<std::wstring>({L"Ghistelles", L"Laon"}));
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_TARGET_ID), WM_GETTEXTLENGTH, 0, 0), 0) << "ID box not cleared";
    {
        // A file that cannot be written is reported, and the list stays open with what was chosen.
        WriteBlocker blocker(directory.SettingsPath());
        EXPECT_FALSE(editor.ClickWindow(GetDlgItem(dialog, IDC_TARGET_DONE))) << "no message";
        std::vector<HWND> boxes;
        for (int attempt = 0; attempt < 1200 && boxes.empty(); ++attempt, Sleep(5)) {
            boxes = editor.OpenMessageBoxes();
            boxes.erase(std::remove(boxes.begin(), boxes.end(), dialog), boxes.end());   // its labels look alike
        }
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(MessageBoxText(boxes[0]),
                  "An error occurred while writing to the INI file.  The INI file may be write-protected.");
        PostMessageA(boxes[0], WM_COMMAND, IDOK, 0);
        for (int attempt = 0; attempt < 1200 && IsWindow(boxes[0]); ++attempt)
            Sleep(5);
        editor.Sync();
        EXPECT_TRUE(IsWindowVisible(dialog));
    }
    EXPECT_EQ(directory.ReadSettings(), general + "[Targets]\r\nGhistelles\r\n");
    EXPECT_TRUE(editor.ClickWindow(GetDlgItem(dialog, IDC_TARGET_DONE)));
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(directory.ReadSettings(), general + "[Targets]\r\nGhistelles\r\nLaon\r\n");
    EXPECT_NE(editor.Exit(), 0xFFFFFFFEu);
}
