#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"
#include "app/controls.h"
#include "app/pages.h"
#include "resource.h"
#include "settings/profile_store.h"
#include "settings/section_list.h"
#include "settings/value_text.h"

namespace {

const char ServersSection[] = "RegisterWith";
const char CookiesSection[] = "Clients";
const char CookiePrefix[] = "Cookie=";
const size_t CookiePrefixLength = sizeof CookiePrefix - 1;

// ASCII case only: "COOKIE=" and "cookie=" are the prefix, whatever the code page.
bool HasCookiePrefix(const std::string& line)
{
    return UpperCaseAscii(std::string_view(line).substr(0, CookiePrefixLength)) == "COOKIE=";
}

// A hand-written line without the prefix is the cookie itself: shown whole rather than clipped.
std::string CookieShownText(std::string line)
{
    if (HasCookiePrefix(line))
        RemovePrefix(line, CookiePrefixLength);
    return line;
}

void AddListLine(HWND page, int listId, const std::string& text)
{
    SendMessageA(Control(page, listId), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Every line of a list in list order, each read whole, so that long hand-edited lines survive a store.
std::vector<std::string> ListLines(HWND page, int listId, const char* prefix)
{
    std::vector<std::string> lines;
    HWND list = Control(page, listId);
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index)
        lines.push_back(prefix + ListLine(list, static_cast<int>(index)));
    return lines;
}

}  // namespace

void LoadServerPage()
{
    HWND page = PageTable[ServerPageIndex];
    if (!page)
        return;
    SectionBuffer buffer;
    std::string entry;
    ReadSectionList(ServersSection, buffer);
    while (NextSectionEntry(buffer, entry))
        AddListLine(page, IDC_SERVER_LIST, entry);
    ReadSectionList(CookiesSection, buffer);
    while (NextSectionEntry(buffer, entry))
        AddListLine(page, IDC_SERVER_COOKIE_LIST, CookieShownText(entry));
}

// Both sections are replaced on every build, so a list emptied by the operator empties its section.
void StoreServerPage()
{
    HWND page = PageTable[ServerPageIndex];
    if (!page)
        return;
    WriteSectionList(ServersSection, ListLines(page, IDC_SERVER_LIST, ""));
    WriteSectionList(CookiesSection, ListLines(page, IDC_SERVER_COOKIE_LIST, CookiePrefix));
}

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
