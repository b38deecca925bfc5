#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The real skyvarn-config.exe, started as a process of its own in a given directory and driven from the
// test process by window messages.
class EditorProcess {
public:
    // Starts the program that lies beside the test program, in `directory`.
    explicit EditorProcess(const std::string& directory);
    ~EditorProcess();   // ends the program if it still runs
    EditorProcess(const EditorProcess&) = delete;
    EditorProcess& operator=(const EditorProcess&) = delete;

    // Waits until the main window exists; false when the program ended or never showed it.
    bool WaitForWindow();
    HWND Window() const { return window_; }
    // Waits until the program has handled everything sent so far (it is back in a message loop).
    void Sync() const;

    HWND Page(int index) const;
    HWND Item(int page, int id) const;
    void SetText(int page, int id, const std::string& text) const;
    bool Checked(int page, int id) const;
    int Selection(int page, int id) const;
    // A list box's lines, read wide (the ANSI item texts do not cross processes intact).
    static std::vector<std::wstring> Lines(HWND list);
    // A click (BM_CLICK) sent from a worker thread. Returns true once the program has handled it, or false
    // as soon as the click has opened a dialog of the program's own (which holds the click until it closes).
    bool Click(int page, int id) const;
    bool ClickWindow(HWND button) const;
    void SelectItem(int page, int id, int index) const;         // selection with its notification
    void SelectTab(int index) const;

    // "&Build INI File", answering every message box it shows with OK; returns "caption: text" of each.
    std::vector<std::string> BuildAnsweringBoxes() const;
    // Message boxes of the program that are open now.
    std::vector<HWND> OpenMessageBoxes() const;
    // The program's open dialog (other than the main window) with this caption, or null.
    HWND FindDialog(const std::string& caption) const;

    // Posts "E&xit" (or WM_CLOSE when `closeBox`) and waits for the process to end; its exit code.
    DWORD Exit(bool closeBox = false);
    // Waits for the process to end by itself; its exit code.
    DWORD WaitForExit();

    // The program under test: SKYVARN_EDITOR when set, else the skyvarn-config.exe beside the test program.
    static std::string ProgramPath();
    static HWND FindMainWindow();

private:
    // The program's visible top-level dialogs other than its main window.
    std::vector<HWND> Dialogs() const;
    bool SendAndWatch(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                      std::vector<std::string>* answered) const;

    mutable std::vector<HANDLE> pending_;
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};
