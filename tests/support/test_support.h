#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/control_text.h"

// Shared helpers of the Win32 and end-to-end tests.

// A fresh directory of the test's own under the temporary folder, made the current directory while it
// lives, removed with everything in it afterwards.
class ScratchDirectory {
public:
    explicit ScratchDirectory(const std::string& name);
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& Path() const { return path_; }
    std::string SettingsPath() const { return path_ + "\\qv3server.ini"; }
    void WriteSettings(const std::string& bytes) const;
    std::string ReadSettings() const;   // empty when there is no file
    bool SettingsExist() const;

private:
    std::string path_;
    std::string previous_;
};

// Holds a file open without write sharing, so that every write to it fails as on a write-protected file
// (Wine ignores the read-only attribute for root).
class WriteBlocker {
public:
    explicit WriteBlocker(const std::string& path);
    ~WriteBlocker();
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// Whether the window is of the named class (case ignored), e.g. "ComboBox" or the dialog class "#32770".
bool HasClass(HWND window, const char* className);

// Runs `action` with the next dialog box (message boxes included) that this thread opens while `trigger`
// runs. The action runs inside that dialog's own message loop and must end the dialog.
// Returns false when no dialog opened.
bool WithNextDialog(const std::function<void(HWND dialog)>& action, const std::function<void()>& trigger);

// The text of a message box.
std::string MessageBoxText(HWND box);

// While alive, answers every message box this thread opens with its default button and records it.
class MessageBoxRecorder {
public:
    struct Box {
        std::string caption;
        std::string text;
        UINT icon;   // MB_ICONHAND, MB_ICONASTERISK, ... as far as it can be told from the box
    };
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    const std::vector<Box>& Boxes() const { return boxes_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Answer(HWND, UINT, UINT_PTR timer, DWORD);
    HHOOK hook_;
    std::vector<Box> boxes_;
};

// The editor's main window created in this process from the real resources, with the real start-up.
class EditorWindow {
public:
    EditorWindow();
    ~EditorWindow();
    HWND Window() const { return window_; }
    HWND Page(int index) const;
    HWND Item(int page, int id) const;
    std::string Text(int page, int id) const;
    void SetText(int page, int id, const std::string& text) const;
    bool Checked(int page, int id) const;
    void Click(int page, int id) const;                // as the operator's click: BM_CLICK
    void SelectItem(int page, int id, int index) const; // a drop-down or list selection with its notification
    bool Enabled(int page, int id) const;
    void SelectTab(int index) const;                   // with the tab control's notifications
    void Build() const;                                // "&Build INI File"

private:
    HWND window_;
};
