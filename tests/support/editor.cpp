#include "editor.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/main_window.h"
#include "resource.h"

namespace {

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// A control that tells the pages apart, in tab order.
const int PageMarkers[] = {IDC_GENERAL_SERVER_DESC, IDC_GAME_TARGET_SWAP_TIME, IDC_ALLIED_MORANE_BULLET,
                           IDC_GERMAN_FOKKER_EIII, IDC_SERVER_LIST};

// A program beside the editor under test.
std::string ProgramPath(const std::string& name)
{
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("SKYVARN_EDITOR", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string beside(path, length);
    return beside.substr(0, beside.find_last_of("\\/") + 1) + name;
}

}  // namespace

ScratchDirectory::ScratchDirectory(const std::string& name)
    : path_((std::filesystem::temp_directory_path() / ("skyvarn-" + name + "-" + std::to_string(GetCurrentProcessId())))
                .string()),
      previous_(std::filesystem::current_path().string())
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    std::filesystem::create_directory(path_, ignored);
    std::filesystem::current_path(path_, ignored);
}

ScratchDirectory::~ScratchDirectory()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        if (!entry.is_directory(ignored)) names.push_back(entry.path().filename().string());
    return names;
}

std::string TextOf(HWND window)
{
    std::string text(static_cast<size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(static_cast<size_t>(SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]))));
    return text;
}

Editor::Editor() : window_(CreateMainWindowModeless(GetModuleHandleA(nullptr)))
{
    ShowWindow(window_, SW_SHOW);
    PumpMessages();
}

// The standard handles `startup` names are inherited; a null process when it cannot start.
static PROCESS_INFORMATION StartProgram(const std::string& name, const std::string& arguments, const char* directory,
                                        STARTUPINFOA startup)
{
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + ProgramPath(name) + "\"" + arguments;
    PROCESS_INFORMATION process = {};
    const BOOL inherit = (startup.dwFlags & STARTF_USESTDHANDLES) != 0;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, inherit, 0, nullptr, directory, &startup, &process))
        process = {};
    return process;
}

static DWORD WaitForExitCode(HANDLE process)
{
    DWORD code = 0xFFFFFFFF;
    if (process && WaitForSingleObject(process, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process, &code);
    return code;
}

ProgramRun RunProgram(const std::string& name, const std::string& arguments, const char* directory)
{
    static std::atomic<int> runs{0};
    const std::string base = (std::filesystem::temp_directory_path() / "skyvarn-run-").string() +
                             std::to_string(GetCurrentProcessId()) + "-" + std::to_string(runs++);
    const std::string out = base + "-out.txt", err = base + "-err.txt";
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    STARTUPINFOA startup = {};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = CreateFileA(out.c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
    startup.hStdError = CreateFileA(err.c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
    const PROCESS_INFORMATION process = StartProgram(name, arguments, directory, startup);
    const DWORD status = WaitForExitCode(process.hProcess);
    for (HANDLE handle : {process.hThread, process.hProcess, startup.hStdOutput, startup.hStdError})
        CloseHandle(handle);
    const ProgramRun run = {static_cast<int>(status), FileBytes(out), FileBytes(err)};
    DeleteFileA(out.c_str());
    DeleteFileA(err.c_str());
    return run;
}

std::string JournalFor(const std::string& before, const std::string& after)
{
    const auto checksum = [](const std::string& text, size_t begin, size_t end) {
        uint64_t hash = 14695981039346656037ull;
        size_t at = begin;
        for (end = std::min(end, text.size()); at + 8 <= end; at += 8) {
            uint64_t word = 0;
            for (int byte = 7; byte >= 0; --byte) word = word << 8 | static_cast<unsigned char>(text[at + byte]);
            hash = (hash ^ word) * 1099511628211ull;
            hash ^= hash >> 29;
        }
        for (; at < end; ++at) hash = (hash ^ static_cast<unsigned char>(text[at])) * 1099511628211ull;
        return hash;
    };
    const auto put = [](std::string& out, uint64_t number) {
        for (int byte = 0; byte < 8; ++byte) out += static_cast<char>(number >> (8 * byte));
    };
    std::string journal = "SKYVARN JOURNAL\n";
    put(journal, after.size());
    put(journal, before.size());
    for (size_t block = 0; block < before.size(); block += 4096)
        put(journal, checksum(before, block, block + 4096));
    const size_t common = std::min(before.size(), after.size());
    put(journal, checksum(before, common, (common / 4096 + 1) * 4096));
    journal += after;
    put(journal, checksum(journal, 0, journal.size()));
    return journal;
}

Editor::Editor(const std::string& directory) : process_(StartProgram("skyvarn-config.exe", "", directory.c_str(), {})) {}

Editor::~Editor()
{
    if (!process_.hProcess) {
        if (IsWindow(window_))
            DestroyWindow(window_);
        PumpMessages();
        return;
    }
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, INFINITE);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::string Editor::BuildOnce(const ScratchDirectory& directory)
{
    Editor editor(directory.Path());
    EXPECT_TRUE(editor.Shown());
    EXPECT_EQ(editor.Build(), std::vector<std::string>{});
    EXPECT_EQ(editor.Exit(), 1u);
    return directory.ReadSettings();
}

bool Editor::Shown()
{
    if (!process_.hProcess)
        return window_ != nullptr;
    WaitForInputIdle(process_.hProcess, 60000);
    // A bound only against a program that hangs; nothing is measured.
    for (int attempt = 0; attempt < 1200 && !window_; ++attempt) {
        HWND candidate = FindWindowA(nullptr, MainWindowCaption);
        DWORD owner = 0;
        GetWindowThreadProcessId(candidate, &owner);
        if (candidate && owner == process_.dwProcessId && IsWindowVisible(candidate))
            window_ = candidate;
        else if (WaitForSingleObject(process_.hProcess, 50) == WAIT_OBJECT_0)
            return false;
    }
    Sync();
    return window_ != nullptr;
}

HWND Editor::Focus() const
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
    return info.hwndFocus;
}

HWND Editor::Page(int index) const
{
    HWND child = nullptr;
    while ((child = FindWindowExA(window_, child, "#32770", nullptr)) != nullptr)
        if (GetDlgItem(child, PageMarkers[index]))
            return child;
    return nullptr;
}

void Editor::SelectItem(int page, int id, int index) const
{
    HWND control = Item(page, id);
    char name[32] = "";
    GetClassNameA(control, name, sizeof name);
    const bool isCombo = lstrcmpiA(name, "ComboBox") == 0;   // case ignored
    SendMessageA(control, isCombo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(Page(page), WM_COMMAND, MAKEWPARAM(id, isCombo ? CBN_SELCHANGE : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
}

std::vector<HWND> Editor::Dialogs() const
{
    std::vector<HWND> dialogs;
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "#32770", nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process_.dwProcessId && window != window_ && IsWindowVisible(window))
            dialogs.push_back(window);
    }
    return dialogs;
}

// Clicks from a worker thread, so that a modal loop the click starts in the program cannot hold the test.
// With `answered`, every message box is answered and recorded; without, the click is left pending as soon
// as a new dialog opens.
bool Editor::Press(HWND button, std::vector<std::string>* answered, int answer) const
{
    if (!process_.hProcess) {
        SendMessageA(button, BM_CLICK, 0, 0);
        return true;
    }
    const size_t dialogsBefore = Dialogs().size();
    std::future<void> sent = std::async(std::launch::async, [=] { SendMessageA(button, BM_CLICK, 0, 0); });
    // A bound only against a program that hangs; nothing is measured.
    for (int attempt = 0; attempt < 12000; ++attempt) {
        if (sent.wait_for(std::chrono::milliseconds(10)) == std::future_status::ready)
            return true;
        if (answered) {
            for (std::string box; !(box = AnswerBox(1, answer)).empty();)
                answered->push_back(box);
        } else if (Dialogs().size() > dialogsBefore) {
            break;   // a modal dialog opened; the worker's send ends with it
        }
    }
    pending_.push_back(std::move(sent));   // waited for when the editor goes, after the program has ended
    return false;
}

std::vector<std::string> Editor::Build(int answer) const
{
    std::vector<std::string> boxes;
    Press(GetDlgItem(window_, IDC_MAIN_BUILD), &boxes, answer);
    return boxes;
}

HWND Editor::Dialog(const std::string& caption) const
{
    for (int attempt = 0; attempt < 1200; ++attempt, Sleep(5))
        for (HWND dialog : Dialogs())
            if (TextOf(dialog) == caption)
                return dialog;
    return nullptr;
}

std::string Editor::AnswerBox(int attempts, int answer) const
{
    for (int attempt = 0; attempt < attempts; ++attempt, Sleep(5)) {
        for (HWND dialog : Dialogs()) {
            // A message box: a text of id 0xFFFF (as the program's labels have), and no field or list.
            HWND text = GetDlgItem(dialog, 0xFFFF);
            if (!text || FindWindowExA(dialog, nullptr, "Edit", nullptr) ||
                FindWindowExA(dialog, nullptr, "ListBox", nullptr))
                continue;
            const std::string box = TextOf(dialog) + ": " + TextOf(text);
            PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(answer), 0);
            // Until it is gone or hidden (a bound only against a program that hangs).
            for (int wait = 0; wait < 1200 && IsWindow(dialog) && IsWindowVisible(dialog); ++wait)
                Sleep(5);
            return box;
        }
    }
    return "";
}

DWORD Editor::Exit()
{
    PostMessageA(GetDlgItem(window_, IDC_MAIN_EXIT), BM_CLICK, 0, 0);
    return WaitForExit();
}

DWORD Editor::WaitForExit() { return WaitForExitCode(process_.hProcess); }
