#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "app/app_state.h"
#include "resource.h"
#include "test_support.h"

namespace {

// The template size of every page, in dialog units.
const SIZE PageSizes[PageCount] = {{302, 237}, {302, 231}, {302, 237}, {302, 237}, {302, 237}};

POINT ClientOrigin(HWND child, HWND parent)
{
    RECT rect;
    GetWindowRect(child, &rect);
    POINT origin = {rect.left, rect.top};
    ScreenToClient(parent, &origin);
    return origin;
}

bool IsAbove(HWND window, HWND other)
{
    for (HWND above = GetWindow(other, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV))
        if (above == window)
            return true;
    return false;
}

TEST(MainWindow, PagesSitAtTheOriginAtTheirTemplateSizeAboveTheTabs)
{
    ScratchDirectory directory("main-window-pages");
    EditorWindow editor;
    ASSERT_NE(editor.Window(), nullptr);
    HWND tab = GetDlgItem(editor.Window(), IDC_MAIN_TAB);
    EXPECT_EQ(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), PageCount);

    RECT tabRect;
    GetWindowRect(tab, &tabRect);
    MapWindowPoints(nullptr, editor.Window(), reinterpret_cast<POINT*>(&tabRect), 2);
    for (int index = 0; index < PageCount; ++index) {
        HWND page = editor.Page(index);
        ASSERT_NE(page, nullptr) << "page " << index;
        EXPECT_EQ(IsWindowVisible(page) != FALSE, index == 0) << "page " << index;
        POINT origin = ClientOrigin(page, editor.Window());
        EXPECT_EQ(origin.x, PageOrigin.x) << "page " << index;
        EXPECT_EQ(origin.y, PageOrigin.y) << "page " << index;
        EXPECT_TRUE(PtInRect(&tabRect, origin)) << "page " << index << " lies outside the tab control";
        RECT expected = {0, 0, PageSizes[index].cx, PageSizes[index].cy};
        MapDialogRect(page, &expected);
        RECT actual;
        GetClientRect(page, &actual);
        EXPECT_EQ(actual.right, expected.right) << "page " << index;
        EXPECT_EQ(actual.bottom, expected.bottom) << "page " << index;
        EXPECT_TRUE(IsAbove(page, tab)) << "page " << index << " is below the tab control";
    }
}

TEST(MainWindow, TabsOnlyHideAndShowPagesSoEditsSurvive)
{
    ScratchDirectory directory("main-window-tabs");
    EditorWindow editor;
    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "typed, not built");
    editor.SetText(GamePageIndex, IDC_GAME_PLAYERS_PER_TARGET, "7");
    for (int round = 0; round < 2; ++round) {
        for (int index = 0; index < PageCount; ++index) {
            editor.SelectTab(index);
            for (int other = 0; other < PageCount; ++other)
                EXPECT_EQ(IsWindowVisible(editor.Page(other)) != FALSE, other == index)
                    << "tab " << index << ", page " << other;
        }
    }
    EXPECT_EQ(editor.Text(GeneralPageIndex, IDC_GENERAL_SERVER_DESC), "typed, not built");
    EXPECT_EQ(editor.Text(GamePageIndex, IDC_GAME_PLAYERS_PER_TARGET), "7");
    EXPECT_FALSE(directory.SettingsExist());
}

TEST(MainWindow, CaptionAndButtonsAreTheProgramsOwn)
{
    ScratchDirectory directory("main-window-caption");
    EditorWindow editor;
    EXPECT_EQ(WindowText(editor.Window()), "Skyvarn - Arena Server Configuration");
    EXPECT_EQ(WindowText(GetDlgItem(editor.Window(), IDC_MAIN_BUILD)), "&Build INI File");
    EXPECT_EQ(WindowText(GetDlgItem(editor.Window(), IDC_MAIN_EXIT)), "E&xit");
    // Centred on the screen (within rounding).
    RECT desktop;
    RECT own;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(editor.Window(), &own);
    EXPECT_LE(std::abs((own.left - desktop.left) - (desktop.right - own.right)), 1);
    EXPECT_LE(std::abs((own.top - desktop.top) - (desktop.bottom - own.bottom)), 1);
}

}  // namespace
