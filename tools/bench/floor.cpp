// The benchmark's floor for start-up: what any program needs to show the editor's window, made from the
// editor's own templates (the main window, its tab strip and all five pages, placed and centred) with no
// settings logic at all.
#include <windows.h>

#include <commctrl.h>

#include "resource.h"

namespace {

const char* const Tabs[] = {"General Settings", "Game Settings", "Allied Planes", "German Planes",
                            "Server Settings"};
const int Pages[] = {IDD_GENERAL_PAGE, IDD_GAME_PAGE, IDD_ALLIED_PLANES_PAGE, IDD_GERMAN_PLANES_PAGE,
                     IDD_SERVER_PAGE};

INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

INT_PTR CALLBACK MainProc(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        HWND tab = GetDlgItem(window, IDC_MAIN_TAB);
        for (int index = 0; index < 5; ++index) {
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>(Tabs[index]);
            SendMessageA(tab, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
        }
        RECT display;
        GetWindowRect(tab, &display);
        SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&display), 2);
        HINSTANCE instance = GetModuleHandleA(nullptr);
        for (int index = 0; index < 5; ++index) {
            HWND page = CreateDialogParamA(instance, MAKEINTRESOURCEA(Pages[index]), window, PageProc, 0);
            SetWindowPos(page, HWND_TOP, display.left, display.top, 0, 0, SWP_NOSIZE);
            if (index == 0)
                ShowWindow(page, SW_SHOW);
        }
        RECT desktop, own;
        GetWindowRect(GetDesktopWindow(), &desktop);
        GetWindowRect(window, &own);
        SetWindowPos(window, nullptr, (desktop.right - own.right) / 2, (desktop.bottom - own.bottom) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
    } else if (message == WM_CLOSE) {
        EndDialog(window, 0);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    InitCommonControls();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainProc, 0);
    return 0;
}
