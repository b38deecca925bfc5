#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "app/app_state.h"
#include "editor_process.h"
#include "resource.h"
#include "test_support.h"

namespace {

// The index of `text` in a drop-down list of the other process, read wide: ANSI item texts do not cross
// processes intact.
int ChoiceIndex(HWND combo, const std::wstring& text)
{
    LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (int index = 0; index < count; ++index) {
        LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length < 0)
            continue;
        std::wstring item(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item[0]));
        item.resize(static_cast<size_t>(length));
        if (item == text)
            return index;
    }
    return -1;
}

std::wstring LineOf(HWND list, int index)
{
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return std::wstring();
    std::wstring line(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&line[0]));
    line.resize(static_cast<size_t>(length));
    return line;
}

// Sync alone is not enough after a posted click: the program answers the sent message before it takes
// the posted one from its queue. So wait for the click's effect, bounded only against a hung program.
bool WaitUntil(const EditorProcess& editor, const std::function<bool()>& done)
{
    for (int attempt = 0; attempt < 400; ++attempt) {
        editor.Sync();
        if (done())
            return true;
        Sleep(25);
    }
    return false;
}

}  // namespace

TEST(TargetDialogProgram, AddedTargetIsWrittenByDone)
{
    ScratchDirectory directory("target-e2e");
    directory.WriteSettings("[Targets]\r\nGhistelles\r\n");
    EditorProcess editor(directory.Path());
    ASSERT_TRUE(editor.WaitForWindow());

    int marne = ChoiceIndex(editor.Item(GeneralPageIndex, IDC_GENERAL_MAP), L"Marne");
    int teamMelee = ChoiceIndex(editor.Item(GeneralPageIndex, IDC_GENERAL_GAME_TYPE), L"Team Melee");
    ASSERT_GE(marne, 0);
    ASSERT_GE(teamMelee, 0);
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_MAP, marne);
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_GAME_TYPE, teamMelee);
    editor.SelectTab(GamePageIndex);
    if (!editor.Checked(GamePageIndex, IDC_GAME_MANUALLY_CHOOSE_TARGETS))
        editor.Click(GamePageIndex, IDC_GAME_MANUALLY_CHOOSE_TARGETS);

    editor.Click(GamePageIndex, IDC_GAME_TARGETS);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil(editor, [&] {
        dialog = editor.FindDialog("Target Management - Marne");
        return dialog != nullptr;
    }));
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);

    SendMessageA(GetDlgItem(dialog, IDC_TARGET_ID), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("31"));
    PostMessageA(GetDlgItem(dialog, IDC_TARGET_ADD), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil(editor, [&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 2; }));
    EXPECT_EQ(LineOf(list, 0), L"Ghistelles");
    EXPECT_EQ(LineOf(list, 1), L"Laon");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_TARGET_ID)), "");

    PostMessageA(GetDlgItem(dialog, IDC_TARGET_DONE), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil(editor, [&] { return !IsWindow(dialog); }));
    EXPECT_EQ(directory.ReadSettings(), "[Targets]\r\nGhistelles\r\nLaon\r\n");

    EXPECT_NE(editor.Exit(), 0xFFFFFFFEu);
}
