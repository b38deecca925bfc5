#include <windows.h>

#include <commctrl.h>

#include "app/app_state.h"
#include "app/controls.h"
#include "app/pages.h"
#include "resource.h"
#include "settings/value_text.h"

namespace {

void RunDialog(HWND page, int templateId, DLGPROC procedure)
{
    DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(templateId), page, procedure, 0);
}

// Routes by control identifier alone, whatever the notification code.
void RouteCommand(HWND page, int id)
{
    switch (id) {
    case IDC_SERVER_ADD_SERVER:
        RunDialog(page, IDD_ADD_SERVER, AddServerDialogProc);
        break;
    case IDC_SERVER_REMOVE_SERVER:
        RemoveSelectedEntry(page, IDC_SERVER_LIST, IDC_SERVER_REMOVE_SERVER);
        break;
    case IDC_SERVER_ADD_COOKIE:
        RunDialog(page, IDD_ADD_COOKIE, AddCookieDialogProc);
        break;
    case IDC_SERVER_REMOVE_COOKIE:
        RemoveSelectedEntry(page, IDC_SERVER_COOKIE_LIST, IDC_SERVER_REMOVE_COOKIE);
        break;
    case IDC_GAME_MANUALLY_CHOOSE_TARGETS:
        ApplyManualTargetsToggle(page);
        break;
    case IDC_GAME_TARGETS:
        RunDialog(page, IDD_TARGET_MANAGEMENT, TargetDialogProc);
        break;
    default:
        break;
    }
}

void RouteSelectionChange(HWND page, int id)
{
    switch (id) {
    case IDC_GENERAL_GAME_TYPE:
        UpdateGameTypeControls();
        break;
    case IDC_SERVER_LIST:
        UpdateRemoveButton(page, IDC_SERVER_LIST, IDC_SERVER_REMOVE_SERVER);
        break;
    case IDC_SERVER_COOKIE_LIST:
        UpdateRemoveButton(page, IDC_SERVER_COOKIE_LIST, IDC_SERVER_REMOVE_COOKIE);
        break;
    default:
        break;
    }
}

// Keeps a rate's text in step with its spinner. The spinner would wrap an accelerated step by its own
// rule; steering the step to the wrapped number keeps the stored position and the shown text equal.
void SpinRate(HWND page, int spinnerId, NMUPDOWN* change)
{
    int rateBox;
    if (spinnerId == IDC_GENERAL_DAY_RATE_SPIN)
        rateBox = IDC_GENERAL_DAY_RATE;
    else if (spinnerId == IDC_GENERAL_NIGHT_RATE_SPIN)
        rateBox = IDC_GENERAL_NIGHT_RATE;
    else
        return;
    int rate = WrapRate(static_cast<long long>(change->iPos) + change->iDelta);
    SetControlText(Control(page, rateBox), RateShownText(rate).c_str());
    change->iDelta = rate - change->iPos;
}

}  // namespace

INT_PTR CALLBACK PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        // Over the tab control, at its template size; the page is still hidden.
        SetWindowPos(page, HWND_TOP, PageOrigin.x, PageOrigin.y, 0, 0, SWP_NOSIZE);
        break;
    case WM_COMMAND:
        RouteCommand(page, LOWORD(wParam));
        if (HIWORD(wParam) == CBN_SELCHANGE)  // also LBN_SELCHANGE: both are 1
            RouteSelectionChange(page, LOWORD(wParam));
        break;
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == UDN_DELTAPOS)
            SpinRate(page, LOWORD(wParam), reinterpret_cast<NMUPDOWN*>(lParam));
        break;
    }
    default:
        break;
    }
    return 0;
}

void InitRateSpinners()
{
    static const int spinners[] = {IDC_GENERAL_DAY_RATE_SPIN, IDC_GENERAL_NIGHT_RATE_SPIN};
    HWND page = PageTable[GeneralPageIndex];
    if (!page)
        return;
    for (int spinner : spinners)
        SendMessageA(Control(page, spinner), UDM_SETRANGE, 0, MAKELPARAM(kRateHighest, kRateLowest));
    // Single steps at first; once an arrow is held for a second, steps of 40.
    UDACCEL acceleration[2] = {{0, 1}, {1, 40}};
    for (int spinner : spinners)
        SendMessageA(Control(page, spinner), UDM_SETACCEL, 2, reinterpret_cast<LPARAM>(acceleration));
}
