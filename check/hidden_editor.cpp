#include "check/hidden_editor.h"

#include <commctrl.h>

#include <string>

#include "app/app_state.h"
#include "app/controls.h"
#include "app/main_window.h"
#include "app/pages.h"
#include "resource.h"
#include "settings/profile_store.h"

namespace {

// A copy of the dialog template `words` (DIALOG or DIALOGEX form, `count` words) with `caption` in place of
// its own, its controls realigned; empty when the template cannot be read.
std::vector<WORD> TemplateWithCaption(const WORD* words, std::size_t count, const char* caption)
{
    // DIALOGEX begins with version 1 and the signature 0xFFFF; its style stands after the help ID and the
    // extended style, where DIALOG's stands first.
    const bool extended = count > 2 && words[0] == 1 && words[1] == 0xFFFF;
    const std::size_t styleAt = extended ? 6 : 0;
    std::size_t at = extended ? 13 : 9;
    bool sound = at <= count;
    auto skipText = [&] {
        while (sound && at < count && words[at] != 0) ++at;
        sound = sound && at < count;
        ++at;
    };
    auto skipNameOrOrdinal = [&] {
        if (sound && at < count && words[at] == 0xFFFF) at += 2;
        else skipText();
    };
    skipNameOrOrdinal();   // menu
    skipNameOrOrdinal();   // window class
    const std::size_t captionAt = at;
    skipText();
    const std::size_t captionEnd = at;
    if (sound && (words[styleAt] & DS_SETFONT)) {
        at += extended ? 3 : 1;   // point size; weight, italic and character set
        skipText();               // typeface
    }
    if (!sound || at > count)
        return {};
    // The controls start on a 4-byte boundary: the copy keeps them there, whatever the new caption's length.
    const std::size_t controlsAt = at + (at % 2);
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, caption, -1, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, caption, -1, &wide[0], static_cast<int>(wide.size()));
    std::vector<WORD> copy(words, words + captionAt);
    copy.insert(copy.end(), wide.begin(), wide.end());   // with its terminating NUL
    copy.insert(copy.end(), words + captionEnd, words + at);
    if (copy.size() % 2) copy.push_back(0);
    if (controlsAt < count) copy.insert(copy.end(), words + controlsAt, words + count);
    return copy;
}

// Leaves every list of the pages as a new page has it: no selection, no lines. The loads set every other
// control, but select only what a value names.
void ResetPages()
{
    for (HWND page : PageTable) {
        for (HWND child = GetWindow(page, GW_CHILD); page && child; child = GetWindow(child, GW_HWNDNEXT)) {
            char kind[16] = "";
            GetClassNameA(child, kind, sizeof kind);
            if (lstrcmpiA(kind, "ComboBox") == 0)
                SendMessageA(child, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            else if (lstrcmpiA(kind, "ListBox") == 0)
                SendMessageA(child, LB_RESETCONTENT, 0, 0);
        }
    }
}

}  // namespace

HWND CreateHiddenMainWindow(HINSTANCE instance, const char* caption)
{
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(IDD_MAIN), RT_DIALOG);
    HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
    const WORD* words = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    if (!words)
        return nullptr;
    const std::vector<WORD> copy = TemplateWithCaption(words, SizeofResource(instance, resource) / sizeof(WORD), caption);
    if (copy.empty())
        return nullptr;
    InitCommonControls();
    AppInstance = instance;
    return CreateDialogIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()), nullptr,
                                      MainWindowProc, LoadTheDocumentHeld);
}

void LoadHiddenPages()
{
    ResetPages();
    LoadPages();
    UpdateGameTypeControls();
}

void ReplaceListLines(int listId, const std::vector<std::string>& lines)
{
    HWND list = PageItem(ServerPageIndex, listId);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

std::vector<std::string> ListLines(int listId)
{
    std::vector<std::string> lines;
    HWND list = PageItem(ServerPageIndex, listId);
    for (LRESULT index = 0, count = SendMessageA(list, LB_GETCOUNT, 0, 0); index < count; ++index)
        lines.push_back(ListLine(list, static_cast<int>(index)));
    return lines;
}

std::vector<std::string> SortedAsTheTargetList(const std::vector<std::string>& lines)
{
    // A sorted list box of its own, as the dialog's is: its order is the platform's comparison.
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_SORT | LBS_HASSTRINGS, 0, 0, 0, 0,
                                PageTable[GamePageIndex], nullptr, AppInstance, nullptr);
    for (const std::string& line : lines)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    std::vector<std::string> sorted;
    for (LRESULT index = 0, count = SendMessageA(list, LB_GETCOUNT, 0, 0); index < count; ++index)
        sorted.push_back(ListLine(list, static_cast<int>(index)));
    DestroyWindow(list);
    return list ? sorted : lines;
}
