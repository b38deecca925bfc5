#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/app_state.h"
#include "resource.h"
#include "test_support.h"

namespace {

TEST(MainWindow, PagesSitInsideTheTabAtTheOriginAndTemplateSizeOfACentredWindow)
{
    const SIZE templateSizes[PageCount] = {{302, 237}, {302, 231}, {302, 237}, {302, 237}, {302, 237}};
    ScratchDirectory directory("main-window-pages");
    EditorWindow editor;
    HWND tab = GetDlgItem(editor.Window(), IDC_MAIN_TAB);
    RECT tabRect, desktop, own;
    GetWindowRect(tab, &tabRect);
    MapWindowPoints(nullptr, editor.Window(), reinterpret_cast<POINT*>(&tabRect), 2);
    for (int index = 0; index < PageCount; ++index) {
        HWND page = editor.Page(index);
        RECT placed, size, expected = {0, 0, templateSizes[index].cx, templateSizes[index].cy};
        GetWindowRect(page, &placed);
        MapWindowPoints(nullptr, editor.Window(), reinterpret_cast<POINT*>(&placed), 1);
        GetClientRect(page, &size);
        MapDialogRect(page, &expected);
        EXPECT_TRUE(placed.left == PageOrigin.x && placed.top == PageOrigin.y &&
                    PtInRect(&tabRect, POINT{placed.left, placed.top})) << "page " << index;
        EXPECT_TRUE(size.right == expected.right && size.bottom == expected.bottom) << "page " << index;
        EXPECT_EQ(IsWindowVisible(page) != FALSE, index == 0) << "page " << index;
        HWND above = GetWindow(tab, GW_HWNDPREV);   // below the tab control a page is painted over
        while (above && above != page) above = GetWindow(above, GW_HWNDPREV);
        EXPECT_TRUE(page && above == page) << "page " << index;
    }
    GetWindowRect(editor.Window(), &own);
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_NEAR(own.left + own.right, desktop.left + desktop.right, 1) << "centred across";
    EXPECT_NEAR(own.top + own.bottom, desktop.top + desktop.bottom, 1) << "centred down";
}

// With Wine's own fonts missing, "MS Sans Serif" falls back to a much wider font: labels are cut and the
// window is wider than on Windows. The dialog font must be the real one, at its Windows metrics.
TEST(MainWindow, DialogsGetTheRealMsSansSerif)
{
    ScratchDirectory directory("main-window-font");
    EditorWindow editor;
    HDC dc = GetDC(editor.Window());
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(editor.Window(), WM_GETFONT, 0, 0)));
    char face[LF_FACESIZE] = "";
    GetTextFaceA(dc, sizeof face, face);
    SelectObject(dc, previous);
    ReleaseDC(editor.Window(), dc);
    RECT units = {0, 0, 4, 8};
    MapDialogRect(editor.Window(), &units);
    RECT own;
    GetWindowRect(editor.Window(), &own);
    EXPECT_EQ(std::string(face) + " " + std::to_string(units.right) + "x" + std::to_string(units.bottom) + " " +
              std::to_string(own.right - own.left), "MS Sans Serif 6x13 485");
}

TEST(MainWindow, TabsOnlyHideAndShowPagesSoEditsSurvive)
{
    ScratchDirectory directory("main-window-tabs");
    EditorWindow editor;
    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "typed, not built");
    editor.SetText(GamePageIndex, IDC_GAME_PLAYERS_PER_TARGET, "7");
    for (int index : {1, 2, 3, 4, 0, 4, 2}) {
        editor.SelectTab(index);
        for (int other = 0; other < PageCount; ++other)
            EXPECT_EQ(IsWindowVisible(editor.Page(other)) != FALSE, other == index) << index << ", " << other;
    }
    EXPECT_EQ(editor.Text(GeneralPageIndex, IDC_GENERAL_SERVER_DESC) + "|" +
              editor.Text(GamePageIndex, IDC_GAME_PLAYERS_PER_TARGET), "typed, not built|7");
    EXPECT_FALSE(directory.SettingsExist());
}

}  // namespace
