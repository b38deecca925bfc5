// Screenshots of the editor for the user guide: the five pages and the three small dialogs, taken from
// the real program on a sample settings file and saved as PNG files in the (Unix) folder given.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "resource.h"
#include "sample_settings.h"
#include "editor.h"

namespace {

// The X server holds what Wine has drawn, so the picture is taken there: Wine starts the Unix programs
// of ImageMagick for it.
bool SaveWindow(HWND window, const std::string& path)
{
    Sleep(500);  // let the window finish painting
    RECT rect;
    GetWindowRect(window, &rect);
    char geometry[64];
    std::snprintf(geometry, sizeof geometry, "%ldx%ld+%ld+%ld", rect.right - rect.left, rect.bottom - rect.top,
                  rect.left, rect.top);
    // Wine cannot wait for a Unix process, so the picture is written under another name and renamed
    // when complete; its arrival is what is waited for.
    std::string command = "/bin/sh -c \"import -window root miff:- | convert - -crop " + std::string(geometry) +
                          " +repage -strip '" + path + ".part.png' && mv '" + path + ".part.png' '" + path + "'\"";
    std::remove(("Z:" + path).c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int attempt = 0; attempt < 600; ++attempt) {
        if (GetFileAttributesA(("Z:" + path).c_str()) != INVALID_FILE_ATTRIBUTES)
            break;
        Sleep(50);
    }
    std::printf("%s\n", path.c_str());
    return true;
}

// Opens a dialog with a page's button, saves it and cancels it.
bool SaveDialog(const Editor& editor, int page, int button, const std::string& caption,
                const std::string& path)
{
    editor.SelectTab(page);
    editor.Click(page, button);
    HWND dialog = nullptr;
    for (int attempt = 0; attempt < 200 && !dialog; ++attempt) {
        dialog = editor.Dialog(caption);
        if (!dialog)
            Sleep(50);
    }
    if (!dialog)
        return false;
    bool saved = SaveWindow(dialog, path);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    for (int attempt = 0; attempt < 200 && IsWindow(dialog); ++attempt)
        Sleep(50);
    return saved;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::string out = argv[1];

    ScratchDirectory directory("screenshots");
    directory.WriteSettings(SampleSettings);
    Editor editor(directory.Path());
    if (!editor.Shown())
        return 1;
    const char* pages[PageCount] = {"general", "game", "allied-planes", "german-planes", "server"};
    bool ok = true;
    for (int index = 0; index < PageCount; ++index) {
        editor.SelectTab(index);
        ok = SaveWindow(editor.Window(), out + "/page-" + pages[index] + ".png") && ok;
    }
    ok = SaveDialog(editor, ServerPageIndex, IDC_SERVER_ADD_SERVER, "Add New Server", out + "/add-server.png") && ok;
    ok = SaveDialog(editor, ServerPageIndex, IDC_SERVER_ADD_COOKIE, "Add New Cookie", out + "/add-cookie.png") && ok;
    ok = SaveDialog(editor, GamePageIndex, IDC_GAME_TARGETS, "Target Management - Flanders",
                    out + "/target-management.png") && ok;
    editor.SelectTab(GeneralPageIndex);
    editor.Exit();
    return ok ? 0 : 1;
}
