#include "app/pages.h"
#include "app/control_text.h"

// Deletes the list's selected entry; nothing is selected afterwards, so its Remove button is disabled.
void RemoveSelectedEntry(HWND window, int listId, int buttonId)
{
    HWND list = Control(window, listId);
    HWND button = Control(window, buttonId);
    LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR)
        SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    // A disabled button loses the focus; give it to the list so the keyboard still reaches the dialog.
    if (GetFocus() == button)
        SendMessageA(GetAncestor(window, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
    EnableControl(button, FALSE);
}

// The Remove button is enabled exactly while the list has a selected entry.
void UpdateRemoveButton(HWND window, int listId, int buttonId)
{
    LRESULT selected = SendMessageA(Control(window, listId), LB_GETCURSEL, 0, 0);
    EnableControl(Control(window, buttonId), selected != LB_ERR);
}
