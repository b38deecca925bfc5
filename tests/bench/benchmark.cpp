// Start-up and Build INI File, each measured against a baseline in the same run:
//  (a) the editor's start until its window shows, against a program that shows an empty dialog from a
//      template, the two started alternately;
//  (b) Build INI File on a complete settings file, against the same key and section writes made
//      directly with the profile functions.
// Prints the medians and the two ratios.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/main_window.h"
#include "settings/profile_store.h"
#include "sample_settings.h"
#include "test_support.h"

namespace {

const int Rounds = 15;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
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

// From the start of the process until its window is visible; then the program is closed.
double TimeStart(const std::string& program, const char* caption, const std::string& directory)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\"";
    LARGE_INTEGER begin;
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                        &startup, &process))
        return -1;
    HWND window = nullptr;
    while (!(window = FindWindowA(nullptr, caption)) || !IsWindowVisible(window)) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        Sleep(1);
    }
    LARGE_INTEGER shown;
    QueryPerformanceCounter(&shown);
    if (window)
        PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return Seconds(begin, shown);
}

// The same writes as Build INI File, straight through the profile functions.
struct KeyWrite {
    std::string section;
    std::string key;
    std::string value;
};

std::vector<KeyWrite> KeysOf(const std::string& settings)
{
    std::vector<KeyWrite> writes;
    size_t start = settings.find("[QV3Server]\r\n") + 13;
    size_t end = settings.find("[", start);
    for (size_t pos = start; pos < end;) {
        size_t lineEnd = settings.find("\r\n", pos);
        std::string line = settings.substr(pos, lineEnd - pos);
        size_t equals = line.find('=');
        writes.push_back({"QV3Server", line.substr(0, equals), line.substr(equals + 1)});
        pos = lineEnd + 2;
    }
    return writes;
}

}  // namespace

int main()
{
    ScratchDirectory directory("benchmark");
    directory.WriteSettings(SampleSettings);

    std::vector<double> baseline;
    std::vector<double> editor;
    TimeStart(Beside("bench_baseline.exe"), "Skyvarn benchmark baseline", directory.Path());  // warm-up
    TimeStart(Beside("skyvarn-config.exe"), "Skyvarn - Arena Server Configuration", directory.Path());
    for (int round = 0; round < Rounds; ++round) {
        baseline.push_back(
            TimeStart(Beside("bench_baseline.exe"), "Skyvarn benchmark baseline", directory.Path()));
        editor.push_back(
            TimeStart(Beside("skyvarn-config.exe"), "Skyvarn - Arena Server Configuration", directory.Path()));
    }

    std::vector<double> builds;
    std::vector<double> floors;
    {
        EditorWindow window;
        std::vector<KeyWrite> keys = KeysOf(SampleSettings);
        std::vector<std::string> servers = {"TCP:master.example.net", "UDP:10.1.2.3"};
        std::vector<std::string> cookies = {"Cookie=alpha", "Cookie=beta"};
        for (int round = 0; round < Rounds; ++round) {
            LARGE_INTEGER begin;
            LARGE_INTEGER end;
            QueryPerformanceCounter(&begin);
            window.Build();
            QueryPerformanceCounter(&end);
            builds.push_back(Seconds(begin, end));

            QueryPerformanceCounter(&begin);
            OpenSettingsFile();
            for (const KeyWrite& write : keys)
                WriteProfileText(write.section.c_str(), write.key.c_str(), write.value.c_str());
            WriteSectionList("RegisterWith", servers);
            WriteSectionList("Clients", cookies);
            SaveSettingsFile(nullptr);
            QueryPerformanceCounter(&end);
            floors.push_back(Seconds(begin, end));
        }
    }

    double baselineMedian = Median(baseline);
    double editorMedian = Median(editor);
    double buildMedian = Median(builds);
    double floorMedian = Median(floors);
    std::printf("start-up:  editor %.1f ms, empty-dialog baseline %.1f ms, ratio %.2f\n", editorMedian * 1000,
                baselineMedian * 1000, editorMedian / baselineMedian);
    std::printf("build:     Build INI File %.2f ms, direct profile writes %.2f ms, ratio %.2f\n",
                buildMedian * 1000, floorMedian * 1000, buildMedian / floorMedian);
    std::printf("(medians of %d alternated rounds)\n", Rounds);
    return 0;
}
