#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "editor.h"

namespace {

struct CheckRun { int status; std::string out, err; };

// Runs skyvarn-check on `directory`, its output kept in files outside it. Started directly: under Wine a
// 64-bit command processor hands a 32-bit program one handle for both of its redirected streams.
CheckRun Check(const std::string& directory)
{
    const std::string out = directory + "-check-out.txt", err = directory + "-check-err.txt";
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    STARTUPINFOA startup = {};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = CreateFileA(out.c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
    startup.hStdError = CreateFileA(err.c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
    const PROCESS_INFORMATION process = StartProgram("skyvarn-check.exe", " \"" + directory + "\"", nullptr, startup);
    const DWORD status = WaitForExitCode(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    CheckRun run{static_cast<int>(status), FileBytes(out), FileBytes(err)};
    DeleteFileA(out.c_str());
    DeleteFileA(err.c_str());
    return run;
}

// Without a file nothing can be told. On a file in the editor's own form the check names nothing; after
// three hand edits the diff names exactly the lines a build normalises, and a build then writes its new side.
TEST(Check, NamesWhatABuildWouldNormaliseAndTheEditorThenWritesIt)
{
    ScratchDirectory directory("check-hand");
    const CheckRun none = Check(directory.Path());
    EXPECT_TRUE(none.status == 2 && none.err.find("there is no ") != std::string::npos) << none.err;
    EXPECT_TRUE(FilesIn(directory.Path()).empty());
    EXPECT_EQ(Check(directory.Path() + "\\missing").status, 2);
    auto build = [&] {
        Editor editor(directory.Path());
        ASSERT_TRUE(editor.Shown());
        EXPECT_TRUE(editor.Build().empty());
        editor.Exit();
    };
    build();
    const std::string first = directory.ReadSettings();
    std::string settings = first;
    const CheckRun same = Check(directory.Path());
    EXPECT_EQ(std::to_string(same.status) + same.out + same.err, "0");
    for (auto [from, to] : {std::pair("startTime=", "startTime=08:00"), {"cloudsOn=1", "cloudsOn=yes"},
                            {"dayRate=1.0", "dayRate=2000"}})
        settings.replace(settings.find(from), std::strlen(from), to);
    directory.WriteSettings(settings);
    const CheckRun run = Check(directory.Path());
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "--- qv3server.ini\n+++ after Build INI File\n@@ -7,14 +7,14 @@\n"
        " regionSize=\n landmarkDensity=\n startDate=--\n-startTime=08:00\n+startTime=\n nightRate=1.0\n"
        "-dayRate=2000\n+dayRate=1440.0\n gameLengthInSeconds=\n difficulty=\n gameMode=\n gameType=\n-cloudsOn=yes\n"
        "+cloudsOn=1\n torqueOn=1\n unlimitedAmmo=1\n rocketsAllowed=1\n");
    EXPECT_EQ(directory.ReadSettings(), settings) << "the check writes nothing";
    build();   // the diff's new side: only the rate differs from the first build
    EXPECT_EQ(directory.ReadSettings(), std::string(first).replace(first.find("dayRate=1.0"), 11, "dayRate=1440.0"));
    EXPECT_EQ(Check(directory.Path()).status, 0);
    HANDLE lock = CreateFileA(directory.SettingsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const CheckRun locked = Check(directory.Path());
    CloseHandle(lock);
    EXPECT_EQ(locked.status, 2);
    EXPECT_NE(locked.err.find("could not be read"), std::string::npos) << locked.err;
}

}  // namespace
