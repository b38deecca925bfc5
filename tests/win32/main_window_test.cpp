#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <tuple>

#include "app/app_state.h"
#include "editor.h"
#include "resource.h"
#include "targets/target_dialog.h"

namespace {

// The last "View Bitmap" request, with its file name copied while it was alive; no viewer ever starts.
SHELLEXECUTEINFOA bitmapRequest;
std::string bitmapFile;
BOOL WINAPI RecordBitmapRequest(SHELLEXECUTEINFOA* request)
{
    bitmapRequest = *request;
    bitmapFile = request->lpFile ? request->lpFile : "(none)";
    return TRUE;
}

// The window is centred, has the real dialog font's size and its icon in both sizes; the pages sit over the
// tab control, inside it, at the origin. Tabs only hide and show pages, so that what was typed survives them.
TEST(MainWindow, IsCentredInItsFontsWidthPagesSitInTheTabTabsKeepEditsAndMapsShowTheirPicture)
{
    ScratchDirectory directory("main-window");
    Editor editor;
    HWND tab = GetDlgItem(editor.Window(), IDC_MAIN_TAB);
    RECT tabRect, own, desktop;
    GetWindowRect(editor.Window(), &own);
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(own.right - own.left, 485) << "not the real dialog font (Wine's fallback for it is much wider)";
    EXPECT_NEAR(own.left + own.right, desktop.right, 1) << "centred across";
    EXPECT_NEAR(own.top + own.bottom, desktop.bottom, 1) << "centred down";
    for (WPARAM size : {ICON_BIG, ICON_SMALL}) EXPECT_TRUE(SendMessageA(editor.Window(), WM_GETICON, size, 0)) << size;
    GetWindowRect(tab, &tabRect);
    MapWindowPoints(nullptr, editor.Window(), reinterpret_cast<POINT*>(&tabRect), 2);
    for (int index = 0; index < PageCount; ++index) {
        HWND page = editor.Page(index), above = GetWindow(tab, GW_HWNDPREV);
        RECT placed;
        GetWindowRect(page, &placed);
        MapWindowPoints(nullptr, editor.Window(), reinterpret_cast<POINT*>(&placed), 2);
        while (above && above != page) above = GetWindow(above, GW_HWNDPREV);   // painted over the tab control
        ASSERT_NE(page, nullptr) << "page " << index;
        EXPECT_EQ(std::make_pair(placed.left, placed.top), std::make_pair(PageOrigin.x, PageOrigin.y)) << index;
        EXPECT_TRUE(PtInRect(&tabRect, POINT{placed.left, placed.top}) &&
                    PtInRect(&tabRect, POINT{placed.right - 1, placed.bottom - 1})) << "page " << index;
        EXPECT_EQ(above, page) << "page " << index << " is painted over the tab control";
    }

    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "typed, not built");
    editor.SetText(GamePageIndex, IDC_GAME_PLAYERS_PER_TARGET, "7");
    for (int index : {0, 1, 2, 3, 4, 0, 4, 2}) {
        editor.SelectTab(index);
        for (int other = 0; other < PageCount; ++other)
            EXPECT_EQ(IsWindowVisible(editor.Page(other)) != FALSE, other == index) << index << ", " << other;
    }
    EXPECT_EQ(editor.Text(GeneralPageIndex, IDC_GENERAL_SERVER_DESC) + "|" +
              editor.Text(GamePageIndex, IDC_GAME_PLAYERS_PER_TARGET), "typed, not built|7");
    EXPECT_TRUE(FilesIn(directory.Path()).empty());
    // "View Bitmap" hands the shell the current map's picture; the shell, loaded only then, answers.
    SHELLEXECUTEINFOA missing = {};
    missing.cbSize = sizeof missing;
    missing.fMask = SEE_MASK_FLAG_NO_UI;
    missing.lpFile = "none.bmp";
    SetLastError(0);
    EXPECT_FALSE(BitmapOpener(&missing));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    BitmapOpener = RecordBitmapRequest;
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_MAP, 2);
    ViewMapBitmap(editor.Window());
    EXPECT_EQ(bitmapFile, "landmarks\\Alsace.bmp");
    const SHELLEXECUTEINFOA& r = bitmapRequest;
    EXPECT_EQ(std::tie(r.cbSize, r.fMask, r.hwnd, r.lpVerb, r.lpParameters, r.lpDirectory, r.nShow),
              std::make_tuple(DWORD{sizeof r}, ULONG{0}, editor.Window(), LPCSTR{}, LPCSTR{}, LPCSTR{}, int{SW_SHOW}));
}

}  // namespace
