#include "app/controls.h"

#include <cstring>
#include <vector>

#include "app/app_state.h"

namespace {

struct KnownControl {
    HWND page;
    int id;
    HWND control;
};

std::vector<KnownControl> KnownControls;

bool IsPage(HWND window)
{
    for (HWND page : PageTable)
        if (page && page == window)
            return true;
    return false;
}

}  // namespace

HWND Control(HWND window, int id)
{
    if (!IsPage(window))
        return GetDlgItem(window, id);
    for (const KnownControl& known : KnownControls)
        if (known.page == window && known.id == id)
            return known.control;
    HWND control = GetDlgItem(window, id);
    if (control)
        KnownControls.push_back({window, id, control});
    return control;
}

void ForgetControls()
{
    KnownControls.clear();
}

void SetControlText(HWND control, const char* text)
{
    // The control answers from its own memory; only a change goes to the window server.
    if (text[0] == '\0' ? GetWindowTextLengthA(control) == 0 : WholeText(control) == text)
        return;
    SetWindowTextA(control, text);
}

void EnableControl(HWND control, BOOL enable)
{
    if ((IsWindowEnabled(control) != FALSE) != (enable != FALSE))
        EnableWindow(control, enable);
}

std::string WholeText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(window, &text[0], length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

std::string BoundedText(HWND window, int size)
{
    std::string text(static_cast<size_t>(size), '\0');
    int got = GetWindowTextA(window, &text[0], size);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

std::string ListLine(HWND list, int index)
{
    // Asked for in UTF-16, the list's own form: the ANSI message is converted through a fixed buffer under
    // Wine, which a long hand-edited line overruns.
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length <= 0)
        return std::string();
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&wide[0]));
    if (got <= 0)
        return std::string();
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(got), nullptr, 0, nullptr, nullptr);
    std::string line(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(got), &line[0], bytes, nullptr, nullptr);
    return line;
}
