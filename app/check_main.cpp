#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "app/main_window.h"
#include "settings/line_diff.h"
#include "settings/profile_store.h"
#include "settings/settings_file.h"

// skyvarn-check [DIR]: what "&Build INI File" would change in DIR's qv3server.ini (the working directory
// by default), as a unified diff. It loads the editor's own pages from the file, hidden, runs the build's
// own store sequence into memory and writes nothing. Exit status 0: no change; 1: changes; 2: cannot tell.

namespace {

int CannotTell(const std::string& reason)
{
    std::fprintf(stderr, "skyvarn-check: %s\n", reason.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 2)
        return CannotTell("usage: skyvarn-check [DIR]");
    if (argc == 2 && !SetCurrentDirectoryA(argv[1]))
        return CannotTell(std::string("cannot open the folder ") + argv[1]);
    if (!BuildProfilePath())
        return CannotTell("the folder's path is too long to hold qv3server.ini");
    if (GetFileAttributesA(ProfilePath) == INVALID_FILE_ATTRIBUTES)
        return CannotTell(std::string("there is no ") + ProfilePath);
    if (!OpenSettingsFile())
        return CannotTell(std::string(UnreadableFileReason) + " Close the program that holds it, then check again.");
    const std::string refused = ReplaceRefusal(ProfilePath);
    if (!refused.empty())
        return CannotTell("a build would be refused: " + refused);

    // The editor's start-up, never shown; its caption changed at once, so that an editor started
    // meanwhile does not take this window for a running editor.
    HWND window = CreateMainWindowModeless(GetModuleHandleA(nullptr));
    if (!window)
        return CannotTell("cannot create the editor's window");
    SetWindowTextA(window, "skyvarn-check");
    // The pages were loaded from the document as read at start-up; a build stores into it as it stands.
    const std::string before = SettingsDocumentText();
    const std::string refusal = StoreAllPages();
    if (!refusal.empty())
        return CannotTell("a build would be refused: " + refusal);
    const std::string diff = UnifiedDiff(before, SettingsDocumentText(), "qv3server.ini", "after Build INI File");
    DestroyWindow(window);

    // Lines end in LF alone on every platform, so that the output reads the same under Wine.
    _setmode(_fileno(stdout), _O_BINARY);
    std::fwrite(diff.data(), 1, diff.size(), stdout);
    return diff.empty() ? 0 : 1;
}
