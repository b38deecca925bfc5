#include "editor_process.h"

#include <windows.h>

#include <commctrl.h>

#include "resource.h"
#include "test_support.h"

namespace {

const char Caption[] = "Skyvarn - Arena Server Configuration";

// A control that tells the pages apart, in tab order.
const int PageMarkers[] = {IDC_GENERAL_SERVER_DESC, IDC_GAME_TARGET_SWAP_TIME, IDC_ALLIED_MORANE_BULLET,
                           IDC_GERMAN_FOKKER_EIII, IDC_SERVER_LIST};

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindows(HWND window, LPARAM data)
{
    Search* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId)
        search->found.push_back(window);
    return TRUE;
}

struct SentMessage {
    HWND target;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

DWORD WINAPI SendFromWorker(void* data)
{
    SentMessage* sent = static_cast<SentMessage*>(data);
    SendMessageA(sent->target, sent->message, sent->wParam, sent->lParam);
    delete sent;
    return 0;
}

}  // namespace

std::vector<HWND> EditorProcess::Dialogs() const
{
    Search search = {process_.dwProcessId, {}};
    EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&search));
    std::vector<HWND> dialogs;
    for (HWND window : search.found)
        if (window != window_ && HasClass(window, "#32770") && IsWindowVisible(window))
            dialogs.push_back(window);
    return dialogs;
}

// Sends from a worker thread, so that a modal loop the message starts in the program cannot hold the test.
// With `answered`, every message box is answered with OK and recorded; without, the send is left pending as
// soon as a new dialog opens.
bool EditorProcess::SendAndWatch(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                                 std::vector<std::string>* answered) const
{
    const size_t dialogsBefore = Dialogs().size();
    HANDLE worker = CreateThread(nullptr, 0, SendFromWorker, new SentMessage{target, message, wParam, lParam},
                                 0, nullptr);
    // A bound only against a program that hangs; nothing is measured.
    for (int attempt = 0; attempt < 12000; ++attempt) {
        if (WaitForSingleObject(worker, 10) == WAIT_OBJECT_0) {
            CloseHandle(worker);
            return true;
        }
        if (answered) {
            for (HWND box : OpenMessageBoxes()) {
                answered->push_back(WholeText(box) + ": " + MessageBoxText(box));
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                for (int wait = 0; wait < 1200 && IsWindow(box) && IsWindowVisible(box); ++wait)
                    Sleep(5);
            }
        } else if (Dialogs().size() > dialogsBefore) {
            // The message opened a modal dialog; the worker's send ends when that dialog does.
            pending_.push_back(worker);
            return false;
        }
    }
    pending_.push_back(worker);
    return false;
}

std::string EditorProcess::ProgramPath()
{
    // The run names the build under test (the i686 release, say); by default the one beside the tests.
    char named[MAX_PATH];
    DWORD namedLength = GetEnvironmentVariableA("SKYVARN_EDITOR", named, MAX_PATH);
    if (namedLength > 0 && namedLength < MAX_PATH)
        return std::string(named, namedLength);
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string self(path, length);
    return self.substr(0, self.find_last_of("\\/") + 1) + "skyvarn-config.exe";
}

HWND EditorProcess::FindMainWindow()
{
    return FindWindowA(nullptr, Caption);
}

EditorProcess::EditorProcess(const std::string& directory)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string program = ProgramPath();
    std::string commandLine = "\"" + program + "\"";
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process_))
        process_ = {};
}

EditorProcess::~EditorProcess()
{
    if (!process_.hProcess)
        return;
    for (HANDLE worker : pending_) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(worker, 60000);
        CloseHandle(worker);
    }
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, INFINITE);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool EditorProcess::WaitForWindow()
{
    if (!process_.hProcess)
        return false;
    WaitForInputIdle(process_.hProcess, 60000);
    // A bound only against a program that hangs; nothing is measured.
    for (int attempt = 0; attempt < 1200 && !window_; ++attempt) {
        HWND candidate = FindMainWindow();
        DWORD owner = 0;
        if (candidate)
            GetWindowThreadProcessId(candidate, &owner);
        if (candidate && owner == process_.dwProcessId && IsWindowVisible(candidate))
            window_ = candidate;
        else if (WaitForSingleObject(process_.hProcess, 50) == WAIT_OBJECT_0)
            return false;
    }
    if (window_)
        Sync();
    return window_ != nullptr;
}

void EditorProcess::Sync() const
{
    DWORD_PTR result;
    SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
}

HWND EditorProcess::Page(int index) const
{
    HWND child = nullptr;
    while ((child = FindWindowExA(window_, child, "#32770", nullptr)) != nullptr)
        if (GetDlgItem(child, PageMarkers[index]))
            return child;
    return nullptr;
}

HWND EditorProcess::Item(int page, int id) const
{
    return GetDlgItem(Page(page), id);
}

void EditorProcess::SetText(int page, int id, const std::string& text) const
{
    SendMessageA(Item(page, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool EditorProcess::Checked(int page, int id) const
{
    return SendMessageA(Item(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int EditorProcess::Selection(int page, int id) const
{
    HWND control = Item(page, id);
    bool isCombo = HasClass(control, "ComboBox");
    return static_cast<int>(SendMessageA(control, isCombo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

std::vector<std::wstring> EditorProcess::Lines(HWND list)
{
    std::vector<std::wstring> lines;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (WPARAM index = 0; static_cast<LRESULT>(index) < count; ++index) {
        std::wstring line(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)) + 1, L'\0');
        line.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&line[0]))));
        lines.push_back(line);
    }
    return lines;
}

bool EditorProcess::Click(int page, int id) const
{
    return ClickWindow(Item(page, id));
}

bool EditorProcess::ClickWindow(HWND button) const
{
    return SendAndWatch(button, BM_CLICK, 0, 0, nullptr);
}

void EditorProcess::SelectItem(int page, int id, int index) const
{
    HWND control = Item(page, id);
    bool isCombo = HasClass(control, "ComboBox");
    SendMessageA(control, isCombo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(Page(page), WM_COMMAND, MAKEWPARAM(id, isCombo ? CBN_SELCHANGE : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
}

void EditorProcess::SelectTab(int index) const
{
    // The tab control's own notifications carry pointers, so let it send them: a click on the tab.
    HWND tab = GetDlgItem(window_, IDC_MAIN_TAB);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                 process_.dwProcessId);
    RECT itemRect = {};
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote, &itemRect, sizeof itemRect, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    LPARAM point = MAKELPARAM((itemRect.left + itemRect.right) / 2, (itemRect.top + itemRect.bottom) / 2);
    SendMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(tab, WM_LBUTTONUP, 0, point);
}

std::vector<HWND> EditorProcess::OpenMessageBoxes() const
{
    std::vector<HWND> boxes;
    for (HWND dialog : Dialogs())
        if (GetDlgItem(dialog, 0xFFFF))   // a message box's text
            boxes.push_back(dialog);
    return boxes;
}

HWND EditorProcess::FindDialog(const std::string& caption) const
{
    for (HWND dialog : Dialogs())
        if (WholeText(dialog) == caption)
            return dialog;
    return nullptr;
}

std::vector<std::string> EditorProcess::BuildAnsweringBoxes() const
{
    std::vector<std::string> texts;
    SendAndWatch(window_, WM_COMMAND, MAKEWPARAM(IDC_MAIN_BUILD, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window_, IDC_MAIN_BUILD)), &texts);
    return texts;
}

DWORD EditorProcess::Exit(bool closeBox)
{
    if (closeBox)
        PostMessageA(window_, WM_CLOSE, 0, 0);
    else
        PostMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_MAIN_EXIT, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window_, IDC_MAIN_EXIT)));
    return WaitForExit();
}

DWORD EditorProcess::WaitForExit()
{
    if (!process_.hProcess)
        return 0xFFFFFFFF;
    if (WaitForSingleObject(process_.hProcess, 60000) != WAIT_OBJECT_0)
        return 0xFFFFFFFE;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}
