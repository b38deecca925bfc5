#pragma once
#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "resource.h"

// What the Win32 and end-to-end tests share: a directory of their own, a file held against writes, and one
// driver of the editor's main window, made in the test process or in the real program started beside it.

inline void WriteBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
std::string FileBytes(const std::string& path);   // empty when there is no file
// `text` with the first `from` replaced by `to`; marked when there is none, so that a comparison fails.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text + "(no " + from + ")" : text.replace(at, from.size(), to);
}

// A fresh directory under the temporary folder, the current directory while it lives, removed afterwards.
class ScratchDirectory {
public:
    explicit ScratchDirectory(const std::string& name);
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& Path() const { return path_; }
    std::string SettingsPath() const { return path_ + "\\qv3server.ini"; }
    void WriteSettings(const std::string& bytes) const { WriteBytes(SettingsPath(), bytes); }
    std::string ReadSettings() const { return FileBytes(SettingsPath()); }

private:
    std::string path_, previous_;
};

// Holds a file open without write sharing, so that every write to it fails as on a write-protected file
// (Wine ignores the read-only attribute for root); with `share` 0 reads fail too, as with a program that
// keeps the file to itself, and with FILE_SHARE_WRITE it only keeps the file from being replaced.
class WriteBlocker {
public:
    explicit WriteBlocker(const std::string& path, DWORD share = FILE_SHARE_READ)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~WriteBlocker() { Release(); }
    void Release() { CloseHandle(handle_); handle_ = INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// The names of the files in a folder.
std::vector<std::string> FilesIn(const std::string& folder);

// A window's text by WM_GETTEXT, which also reaches the controls of another process.
std::string TextOf(HWND window);

// Runs the program `name` beside the editor under test (SKYVARN_EDITOR when set, else beside the tests) with
// `arguments` (each after a blank) in `directory` (null: this one's) until it ends, its standard output and
// error kept apart in files outside it; the status 0xFFFFFFFF when it does not end (a bound against a hang).
// Several may run at once.
struct ProgramRun { int status; std::string out, err; };
ProgramRun RunProgram(const std::string& name, const std::string& arguments, const char* directory = nullptr);

// The journal that a write of `after` over `before` leaves beside the file when it is cut off, byte for byte
// as the program makes and reads it.
std::string JournalFor(const std::string& before, const std::string& after);

class Editor {
public:
    Editor();                                        // in this process, with the real start-up
    explicit Editor(const std::string& directory);   // the real program, started in `directory`
    ~Editor();                                       // ends the program if it still runs

    // Waits until the program's window is shown; false when it ended first.
    bool Shown();
    HWND Window() const { return window_; }
    HWND Page(int index) const;
    HWND Item(int page, int id) const { return GetDlgItem(Page(page), id); }
    std::string Text(int page, int id) const { return TextOf(Item(page, id)); }
    void SetText(int page, int id, const std::string& text) const
    {
        SendMessageA(Item(page, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    bool Enabled(int page, int id) const { return IsWindowEnabled(Item(page, id)) != FALSE; }
    void SelectItem(int page, int id, int index) const;   // with the notification the control sends
    // As a click on the tab: focusing a tab selects it, with the notifications a click sends (their
    // pointers could not cross processes).
    void SelectTab(int index) const
    {
        SendMessageA(GetDlgItem(window_, IDC_MAIN_TAB), TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0);
    }
    // A click on a button. In the program: true once handled, false when it opened a dialog (left open).
    bool Click(HWND button) const { return Press(button, nullptr); }
    bool Click(int page, int id) const { return Click(Item(page, id)); }
    // "&Build INI File", each message box of the program answered with `answer`; their "caption: text".
    std::vector<std::string> Build(int answer = IDOK) const;
    // The program's open dialog with this caption (waited for a while), or null.
    HWND Dialog(const std::string& caption) const;
    // Waits for a message box of the program, answers it with `answer`; its "caption: text", "" when none came.
    std::string AnswerBox(int attempts = 1200, int answer = IDOK) const;
    DWORD Exit();   // "E&xit"; the program's exit code
    DWORD WaitForExit();
    // The program has handled everything sent so far.
    void Sync() const { SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 60000, nullptr); }
    HWND Focus() const;  // the program's focused window

    // Starts the program in `directory`, builds once without a message box and leaves; the file then.
    static std::string BuildOnce(const ScratchDirectory& directory);

private:
    std::vector<HWND> Dialogs() const;   // the program's visible dialogs other than the main window
    bool Press(HWND button, std::vector<std::string>* answered, int answer = IDOK) const;

    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
    mutable std::vector<std::future<void>> pending_;   // sends left waiting on a dialog
};
