#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "app/controls.h"
#include "app/pages.h"
#include "registration/list_entry.h"
#include "resource.h"

namespace {

void UpdateAddCookieOk(HWND dialog)
{
    EnableWindow(GetDlgItem(dialog, IDOK), GetWindowTextLengthA(GetDlgItem(dialog, IDC_ADD_COOKIE_TEXT)) > 0);
}

// Appends at the end and leaves the list's selection alone; the same cookie may be listed twice.
void AddCookieEntry(HWND dialog)
{
    // Bounded again when read: text set by another program (a paste tool, an automation) is not bound by
    // the typing limit.
    std::string cookie = FormCookie(BoundedText(GetDlgItem(dialog, IDC_ADD_COOKIE_TEXT), ListEntryLimit + 1));
    SendMessageA(PageItem(ServerPageIndex, IDC_SERVER_COOKIE_LIST), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(cookie.c_str()));
}

void AddCookieCommand(HWND dialog, int id, int code)
{
    switch (id) {
    case IDOK:
        // Honoured only while the OK rule holds, however the command arrives.
        if (!IsWindowEnabled(GetDlgItem(dialog, IDOK)))
            break;
        AddCookieEntry(dialog);
        EndDialog(dialog, 1);
        return;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return;
    default:
        break;
    }
    if (code == EN_UPDATE)
        UpdateAddCookieOk(dialog);
}

}  // namespace

INT_PTR CALLBACK AddCookieDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        SendDlgItemMessageA(dialog, IDC_ADD_COOKIE_TEXT, EM_LIMITTEXT, ListEntryLimit, 0);
    else if (message == WM_COMMAND)
        AddCookieCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    return 0;
}
