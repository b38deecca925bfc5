// Start-up and Build INI File against the floors the platform sets, measured in one run with the
// programs alternated in every round; prints medians and the median of the per-round ratios.
//  - Start-up: from process creation until the main window is shown and painted (no window of the
//    process has an update region left), against bench_floor (the editor's own templates, no settings
//    logic); an empty dialog is a reference line.
//  - Build INI File: against one read of the file and one write of the same final bytes, flushed and
//    replaced; the platform's own per-key profile writes are a peer.
// Each on a complete settings file of 1.4 KB, on the same file with 1 MB of foreign sections, and on a 1 MB
// UTF-8 file with its byte-order mark.
//  - The command line on many folders: twenty folders in one call of skyvarn-check --build against twenty
//    calls of one folder, alternated; and what each folder costs in the one call (beyond a call of one
//    folder) against one Build INI File in the editor itself.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "settings/profile_store.h"
#include "sample_settings.h"
#include "editor.h"

namespace {

const int Rounds = 60;

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string Beside(const char* name)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string self(path, length);
    return self.substr(0, self.find_last_of("\\/") + 1) + name;
}

BOOL CALLBACK AnyUpdate(HWND window, LPARAM found)
{
    if (GetUpdateRect(window, nullptr, FALSE))
        *reinterpret_cast<bool*>(found) = true;
    return !*reinterpret_cast<bool*>(found);
}

// Whether the visible window and all its children are painted.
bool Painted(HWND window)
{
    bool pending = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    if (!pending)
        EnumChildWindows(window, AnyUpdate, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

// From process creation until its window with `caption` is visible and painted; then it is closed.
double TimeStart(const std::string& program, const char* caption, const std::string& directory)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\"";
    const double begin = Now();
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                        &startup, &process))
        return -1;
    HWND window = nullptr;
    for (;;) {
        window = FindWindowA(nullptr, caption);
        if (window && IsWindowVisible(window) && Painted(window))
            break;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        Sleep(0);
    }
    const double shown = Now();
    if (window)
        PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown - begin;
}

// The floor of a build: the file held against other writers from its read to its write (a lock), one read
// of the file, and the final bytes written all or nothing into the file itself, which is what keeps its
// owner, permissions and links: written whole and flushed to a new file beside it, then written over the
// file and flushed, and the file beside it deleted.
void FloorBuild(const std::string& path, const std::string& finalBytes)
{
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    OVERLAPPED beyond = {};
    beyond.OffsetHigh = 0x40000000;
    LockFileEx(held, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &beyond);
    std::string read(GetFileSize(held, nullptr), '\0');
    DWORD done = 0;
    ReadFile(held, &read[0], static_cast<DWORD>(read.size()), &done, nullptr);
    const std::string journal = path + ".tmp";
    HANDLE file = CreateFileA(journal.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    WriteFile(file, finalBytes.data(), static_cast<DWORD>(finalBytes.size()), &done, nullptr);
    FlushFileBuffers(file);
    CloseHandle(file);
    SetFilePointer(held, 0, nullptr, FILE_BEGIN);
    WriteFile(held, finalBytes.data(), static_cast<DWORD>(finalBytes.size()), &done, nullptr);
    SetEndOfFile(held);
    FlushFileBuffers(held);
    DeleteFileA(journal.c_str());
    UnlockFileEx(held, 0, 1, 0, &beyond);
    CloseHandle(held);
}

// The platform's own way: one profile write per key, one per section.
void PeerBuild(const std::string& path, const std::string& finalBytes)
{
    std::string section;
    std::string sectionLines;
    auto flush = [&] {
        if (section == "RegisterWith" || section == "Clients")
            WritePrivateProfileSectionA(section.c_str(), (sectionLines + '\0').c_str(), path.c_str());
    };
    for (std::size_t pos = 0; pos < finalBytes.size();) {
        std::size_t end = finalBytes.find("\r\n", pos);
        if (end == std::string::npos) end = finalBytes.size();
        std::string line = finalBytes.substr(pos, end - pos);
        pos = end + 2;
        if (!line.empty() && line[0] == '[') {
            flush();
            section = line.substr(1, line.find(']') - 1);
            sectionLines.clear();
        } else if (section == "QV3Server") {
            std::size_t equals = line.find('=');
            WritePrivateProfileStringA(section.c_str(), line.substr(0, equals).c_str(),
                                       line.substr(equals + 1).c_str(), path.c_str());
        } else {
            sectionLines += line + '\0';
        }
    }
    flush();
}

struct Row {
    const char* name;
    std::vector<double> own, floor, ratio, other;
};

void Print(const Row& row, const char* floorName, const char* otherName)
{
    std::printf("%-34s %8.2f ms  %-16s %8.2f ms  ratio %.3f   %s %8.2f ms\n", row.name, Median(row.own) * 1000,
                floorName, Median(row.floor) * 1000, Median(row.ratio), otherName, Median(row.other) * 1000);
}

// Twenty folders, each with the sample file: one call for all against one call each, alternated, each
// build setting a new description so that every one writes.
void CompareManyFolders(double editorBuild)
{
    const int Folders = 20, FolderRounds = 10;
    ScratchDirectory directory("benchmark-folders");
    std::string all;
    for (int folder = 0; folder < Folders; ++folder) {
        const std::string path = directory.Path() + "\\" + std::to_string(folder);
        CreateDirectoryA(path.c_str(), nullptr);
        WriteBytes(path + "\\qv3server.ini", SampleSettings);
        all += " \"" + path + "\"";
    }
    std::vector<double> one, each, single, ratio;
    int value = 0;
    const auto time = [&](const std::string& folders) {
        const double begin = Now();
        RunProgram("skyvarn-check.exe", " --build --set serverDesc=" + std::to_string(++value) + folders);
        return Now() - begin;
    };
    const auto callEach = [&] {
        double total = 0;
        for (int folder = 0; folder < Folders; ++folder)
            total += time(" \"" + directory.Path() + "\\" + std::to_string(folder) + "\"");
        return total;
    };
    time(all);   // warm-up
    for (int round = 0; round < FolderRounds; ++round) {
        double together = 0, apart = 0;
        if (round % 2 == 0) {
            together = time(all);
            apart = callEach();
        } else {
            apart = callEach();
            together = time(all);
        }
        one.push_back(together);
        each.push_back(apart);
        ratio.push_back(apart / together);
        single.push_back(time(" \"" + directory.Path() + "\\0\""));
    }
    const double perFolder = (Median(one) - Median(single)) / (Folders - 1);
    std::printf("command line, %d folders (medians of %d rounds, alternated):\n", Folders, FolderRounds);
    std::printf("  one call for all %8.1f ms   a call each %8.1f ms   ratio %.2f\n", Median(one) * 1000,
                Median(each) * 1000, Median(ratio));
    std::printf("  a folder in the one call %6.2f ms (one folder alone %.1f ms)   Build INI File in the editor "
                "%.2f ms   ratio %.2f\n", perFolder * 1000, Median(single) * 1000, editorBuild * 1000,
                perFolder / editorBuild);
}

}  // namespace

int main()
{
    std::string foreign;
    for (int index = 0; foreign.size() < 1024 * 1024; ++index)
        foreign += "[Foreign" + std::to_string(index) + "]\r\nsomeKey=some value that fills the file\r\n"
                   "otherKey=another value of the same kind\r\n";
    // A file with a byte-order mark takes the same one pass, its unchanged values kept as they stand.
    std::string marked = std::string("\xEF\xBB\xBF") + SampleSettings;
    for (int index = 0; marked.size() < 1024 * 1024; ++index)
        marked += "[Fremd" + std::to_string(index) + "]\r\nschl\xC3\xBCssel=\xC3\x86r\xC3\xB8 \xE6\x9D\xB1\xE4\xBA\xAC\r\n";
    const std::pair<const char*, std::string> files[] = {{"1.4 KB", SampleSettings},
                                                         {"1.4 KB + 1 MB foreign", SampleSettings + foreign},
                                                         {"1 MB, UTF-8 with its mark", marked}};
    double editorBuild = 0;   // on the first file, the sample every folder of the command line's part holds
    for (const auto& [label, bytes] : files) {
        ScratchDirectory directory("benchmark");
        directory.WriteSettings(bytes);
        Row start{"start-up until painted", {}, {}, {}, {}};
        const std::string editor = Beside("skyvarn-config.exe"), floor = Beside("bench_floor.exe"),
                          empty = Beside("bench_baseline.exe");
        TimeStart(editor, MainWindowCaption, directory.Path());   // warm-up of both
        TimeStart(floor, MainWindowCaption, directory.Path());
        for (int round = 0; round < Rounds; ++round) {
            // Each goes first in every other round, so that what the one before leaves the system doing
            // (its exit, the X server's clean-up) weighs on both alike.
            double own = 0, least = 0;
            if (round % 2 == 0) {
                own = TimeStart(editor, MainWindowCaption, directory.Path());
                least = TimeStart(floor, MainWindowCaption, directory.Path());
            } else {
                least = TimeStart(floor, MainWindowCaption, directory.Path());
                own = TimeStart(editor, MainWindowCaption, directory.Path());
            }
            start.own.push_back(own);
            start.floor.push_back(least);
            start.ratio.push_back(own / least);
            start.other.push_back(TimeStart(empty, "Skyvarn benchmark baseline", directory.Path()));
        }

        Row build{"Build INI File", {}, {}, {}, {}};
        {
            Editor window;
            window.Build();
            const std::string finalBytes = directory.ReadSettings();
            // A build that succeeds opens no box, so the click is sent straight from here: the driver's
            // worker thread and window search would add their own cost to the editor's.
            const HWND button = GetDlgItem(window.Window(), IDC_MAIN_BUILD);
            for (int round = 0; round < Rounds; ++round) {
                double begin = Now();
                SendMessageA(button, BM_CLICK, 0, 0);
                const double own = Now() - begin;
                begin = Now();
                FloorBuild(directory.SettingsPath(), finalBytes);
                const double least = Now() - begin;
                begin = Now();
                PeerBuild(directory.SettingsPath(), finalBytes);
                build.other.push_back(Now() - begin);
                directory.WriteSettings(finalBytes);
                build.own.push_back(own);
                build.floor.push_back(least);
                build.ratio.push_back(own / least);
            }
        }
        if (editorBuild == 0)
            editorBuild = Median(build.own);
        std::printf("settings file of %s (medians of %d rounds, programs alternated):\n", label, Rounds);
        Print(start, "floor", "empty dialog");
        Print(build, "read+write", "per-key writes");
    }
    CompareManyFolders(editorBuild);
    return 0;
}
