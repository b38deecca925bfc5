#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "app/controls.h"
#include "app/pages.h"
#include "registration/list_entry.h"
#include "resource.h"

namespace {

bool TypeChosen(HWND dialog)
{
    return IsDlgButtonChecked(dialog, IDC_ADD_SERVER_TCP) == BST_CHECKED ||
           IsDlgButtonChecked(dialog, IDC_ADD_SERVER_UDP) == BST_CHECKED;
}

// OK only with a server type and an address; a lone blank counts as an address.
void UpdateAddServerOk(HWND dialog)
{
    bool ready = TypeChosen(dialog) && GetWindowTextLengthA(GetDlgItem(dialog, IDC_ADD_SERVER_ADDRESS)) > 0;
    EnableWindow(GetDlgItem(dialog, IDOK), ready);
}

// Appends at the end and leaves the list's selection alone; the same server may be listed twice.
void AddServerEntry(HWND dialog)
{
    // Read as into a buffer of an entry's size, and cut to that size behind its prefix: text set by another
    // program (a paste tool, an automation) is not bound by the typing limit.
    std::string entry = FormServerEntry(IsDlgButtonChecked(dialog, IDC_ADD_SERVER_TCP) == BST_CHECKED,
                                        BoundedText(GetDlgItem(dialog, IDC_ADD_SERVER_ADDRESS), ListEntryLimit + 1));
    SendMessageA(PageItem(ServerPageIndex, IDC_SERVER_LIST), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(entry.c_str()));
}

void AddServerCommand(HWND dialog, int id, int code)
{
    switch (id) {
    case IDOK:
        // Honoured only while the OK rule holds, however the command arrives.
        if (!IsWindowEnabled(GetDlgItem(dialog, IDOK)))
            break;
        AddServerEntry(dialog);
        EndDialog(dialog, 1);
        return;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return;
    case IDC_ADD_SERVER_TCP:
    case IDC_ADD_SERVER_UDP:
        UpdateAddServerOk(dialog);
        break;
    default:
        break;
    }
    // Every keystroke, paste and deletion in the address field.
    if (code == EN_UPDATE)
        UpdateAddServerOk(dialog);
}

}  // namespace

INT_PTR CALLBACK AddServerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        SendDlgItemMessageA(dialog, IDC_ADD_SERVER_ADDRESS, EM_LIMITTEXT, ServerAddressLimit, 0);
    else if (message == WM_COMMAND)
        AddServerCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    // Also for WM_INITDIALOG: the dialog manager sets no focus, and the dialog opens as its template is.
    return 0;
}
