#include "app/check_window.h"

#include <commctrl.h>

#include <string>

#include "app/app_state.h"
#include "app/main_window.h"
#include "resource.h"

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
                                      MainWindowProc, 0);
}
