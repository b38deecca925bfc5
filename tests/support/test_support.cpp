#include "test_support.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <map>

#include "app/app_state.h"
#include "app/main_window.h"
#include "resource.h"

namespace {

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

// Dialogs that opened while someone waits for them, in the order they opened.
struct PendingDialog {
    std::function<void(HWND)> action;
    HWND dialog = nullptr;
    bool done = false;
};
std::vector<PendingDialog*> waiting;
std::map<UINT_PTR, PendingDialog*> timers;

void CALLBACK RunPending(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    auto found = timers.find(timer);
    if (found == timers.end())
        return;
    PendingDialog* pending = found->second;
    timers.erase(found);
    pending->action(pending->dialog);
}

LRESULT CALLBACK WatchDialogs(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && !waiting.empty()) {
        HWND window = reinterpret_cast<HWND>(wParam);
        PendingDialog* pending = waiting.back();
        if (!pending->dialog && HasClass(window, "#32770") && window != MainWindowHandle) {
            bool isPage = false;
            for (HWND page : PageTable)
                isPage = isPage || page == window;
            if (!isPage) {
                pending->dialog = window;
                // The action runs from the dialog's own message loop, once the dialog is fully shown.
                timers[SetTimer(nullptr, 0, 0, RunPending)] = pending;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

MessageBoxRecorder* recorder = nullptr;

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

UINT IconOf(HWND box)
{
    static const struct {
        LPCSTR id;
        UINT flag;
    } icons[] = {{IDI_HAND, MB_ICONHAND}, {IDI_ASTERISK, MB_ICONASTERISK},
                 {IDI_EXCLAMATION, MB_ICONEXCLAMATION}, {IDI_QUESTION, MB_ICONQUESTION}};
    for (int control : {0x14, 0x440}) {
        HWND iconControl = GetDlgItem(box, control);
        if (!iconControl)
            continue;
        HICON shown = reinterpret_cast<HICON>(SendMessageA(iconControl, STM_GETICON, 0, 0));
        for (const auto& icon : icons)
            if (shown && shown == LoadIconA(nullptr, icon.id))
                return icon.flag;
    }
    return 0;
}

}  // namespace

ScratchDirectory::ScratchDirectory(const std::string& name)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "skyvarn-" + name + "-" + std::to_string(GetCurrentProcessId());
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    previous_ = current;
    SetCurrentDirectoryA(path_.c_str());
}

ScratchDirectory::~ScratchDirectory()
{
    SetCurrentDirectoryA(previous_.c_str());
    RemoveTree(path_);
}

void ScratchDirectory::WriteSettings(const std::string& bytes) const
{
    FILE* file = std::fopen(SettingsPath().c_str(), "wb");
    if (!file)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string ScratchDirectory::ReadSettings() const
{
    std::string bytes;
    FILE* file = std::fopen(SettingsPath().c_str(), "rb");
    if (!file)
        return bytes;
    char block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.append(block, got);
    std::fclose(file);
    return bytes;
}

bool ScratchDirectory::SettingsExist() const
{
    return GetFileAttributesA(SettingsPath().c_str()) != INVALID_FILE_ATTRIBUTES;
}

WriteBlocker::WriteBlocker(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr))
{
}

WriteBlocker::~WriteBlocker()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
}

bool HasClass(HWND window, const char* className)
{
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, className) == 0;
}

bool WithNextDialog(const std::function<void(HWND)>& action, const std::function<void()>& trigger)
{
    PendingDialog pending;
    pending.action = [&](HWND dialog) {
        pending.done = true;
        action(dialog);
    };
    HHOOK hook = SetWindowsHookExA(WH_CBT, WatchDialogs, nullptr, GetCurrentThreadId());
    waiting.push_back(&pending);
    trigger();
    waiting.pop_back();
    UnhookWindowsHookEx(hook);
    return pending.done;
}

std::string MessageBoxText(HWND box)
{
    HWND text = GetDlgItem(box, 0xFFFF);
    return text ? WholeText(text) : std::string();
}

MessageBoxRecorder::MessageBoxRecorder()
    : hook_(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId()))
{
    recorder = this;
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    UnhookWindowsHookEx(hook_);
    recorder = nullptr;
}

LRESULT CALLBACK MessageBoxRecorder::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && recorder && HasClass(window, "#32770") && GetDlgItem(window, 0xFFFF) &&
        waiting.empty()) {
        recorder->boxes_.push_back({WholeText(window), MessageBoxText(window), IconOf(window)});
        SetTimer(nullptr, 0, 0, Answer);
        SetPropA(window, "skyvarn.answer", reinterpret_cast<HANDLE>(1));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK MessageBoxRecorder::Answer(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    // The box is the active window of this thread while its loop runs.
    HWND box = GetActiveWindow();
    if (box && GetPropA(box, "skyvarn.answer")) {
        RemovePropA(box, "skyvarn.answer");
        SendMessageA(box, WM_COMMAND, IDOK, 0);
    }
}

EditorWindow::EditorWindow() : window_(CreateMainWindowModeless(GetModuleHandleA(nullptr)))
{
    if (window_)
        ShowWindow(window_, SW_SHOW);
    PumpMessages();
}

EditorWindow::~EditorWindow()
{
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    for (HWND& page : PageTable)
        page = nullptr;
    MainWindowHandle = nullptr;
    PumpMessages();
}

HWND EditorWindow::Page(int index) const
{
    return PageTable[index];
}

HWND EditorWindow::Item(int page, int id) const
{
    return GetDlgItem(Page(page), id);
}

std::string EditorWindow::Text(int page, int id) const
{
    return WholeText(Item(page, id));
}

void EditorWindow::SetText(int page, int id, const std::string& text) const
{
    SetWindowTextA(Item(page, id), text.c_str());
}

bool EditorWindow::Checked(int page, int id) const
{
    return SendMessageA(Item(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void EditorWindow::Click(int page, int id) const
{
    SendMessageA(Item(page, id), BM_CLICK, 0, 0);
}

void EditorWindow::SelectItem(int page, int id, int index) const
{
    HWND control = Item(page, id);
    bool isCombo = HasClass(control, "ComboBox");
    SendMessageA(control, isCombo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(PageTable[page], WM_COMMAND, MAKEWPARAM(id, isCombo ? CBN_SELCHANGE : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
}

bool EditorWindow::Enabled(int page, int id) const
{
    return IsWindowEnabled(Item(page, id)) != FALSE;
}

void EditorWindow::SelectTab(int index) const
{
    HWND tab = GetDlgItem(window_, IDC_MAIN_TAB);
    NMHDR header = {tab, static_cast<UINT_PTR>(IDC_MAIN_TAB), static_cast<UINT>(TCN_SELCHANGING)};
    SendMessageA(window_, WM_NOTIFY, IDC_MAIN_TAB, reinterpret_cast<LPARAM>(&header));
    SendMessageA(tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    header.code = static_cast<UINT>(TCN_SELCHANGE);
    SendMessageA(window_, WM_NOTIFY, IDC_MAIN_TAB, reinterpret_cast<LPARAM>(&header));
}

void EditorWindow::Build() const
{
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_MAIN_BUILD, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window_, IDC_MAIN_BUILD)));
}
