#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "editor.h"
#include "sample_settings.h"

namespace {

struct CheckRun {
    DWORD status = 0xFFFFFFFF;
    std::string out, err;
};

// Runs skyvarn-check on `directory`, its output kept in files of each run's own outside that directory (a
// console's helper process may hold the last run's files a moment longer).
CheckRun Check(const std::string& directory)
{
    static int runs = 0;
    const std::string checker = Editor::ProgramPath("skyvarn-check.exe"), stem = directory + "-check" +
                                std::to_string(++runs), outPath = stem + "-out.txt", errPath = stem + "-err.txt";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    startup.hStdError = CreateFileA(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + checker + "\" \"" + directory + "\"";
    CheckRun run;
    if (CreateProcessA(checker.c_str(), &commandLine[0], nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &run.status);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    run.out = FileBytes(outPath);
    run.err = FileBytes(errPath);
    DeleteFileA(outPath.c_str());
    DeleteFileA(errPath.c_str());
    return run;
}

// The diff names exactly the normalised lines, and a build in the editor then writes exactly its new side.
TEST(Check, NamesWhatABuildWouldNormaliseAndTheEditorThenWritesIt)
{
    ScratchDirectory directory("check-hand");
    std::string settings = SampleSettings;
    for (auto [from, to] : {std::pair("startTime=6:30", "startTime=08:00"), {"cloudsOn=1", "cloudsOn=yes"},
                            {"dayRate=60.0", "dayRate=2000"}})
        settings.replace(settings.find(from), std::strlen(from), to);
    directory.WriteSettings(settings);
    CheckRun run = Check(directory.Path());
    EXPECT_EQ(run.status, 1u) << run.err;
    const std::string expected = "--- qv3server.ini\n+++ after Build INI File\n@@ -8,14 +8,14 @@\n"
        " regionSize=MEDIUM\n landmarkDensity=MODERATE\n startDate=1917-04-15\n-startTime=08:00\n+startTime=\n"
        " nightRate=30.0\n-dayRate=2000\n+dayRate=1440.0\n gameLengthInSeconds=3600\n difficulty=VETERAN\n"
        " gameMode=ADVANCED\n gameType=TEAM_MELEE\n-cloudsOn=yes\n+cloudsOn=1\n torqueOn=1\n unlimitedAmmo=0\n"
        " rocketsAllowed=1\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(directory.ReadSettings(), settings) << "the check writes nothing";
    {
        Editor editor(directory.Path());
        ASSERT_TRUE(editor.Shown());
        EXPECT_TRUE(editor.Build().empty());
        editor.Exit();
    }
    const std::string built = directory.ReadSettings();
    for (std::size_t pos = run.out.find("\n+", 30); pos != std::string::npos; pos = run.out.find("\n+", pos + 1))
        EXPECT_NE(built.find("\n" + run.out.substr(pos + 2, run.out.find('\n', pos + 1) - pos - 2) + "\r\n"),
                  std::string::npos) << run.out.substr(pos);
    const CheckRun again = Check(directory.Path());
    EXPECT_EQ(again.status, 0u) << "a file in the editor's own form";
    EXPECT_EQ(again.out + again.err, "");
    EXPECT_EQ(directory.ReadSettings(), built);
}

TEST(Check, NoFileOrALockedFileCannotBeTold)
{
    ScratchDirectory directory("check-none");
    CheckRun none = Check(directory.Path());
    EXPECT_EQ(none.status, 2u);
    EXPECT_NE(none.err.find("there is no "), std::string::npos) << none.err;
    EXPECT_TRUE(FilesIn(directory.Path()).empty());
    directory.WriteSettings(SampleSettings);
    HANDLE lock = CreateFileA(directory.SettingsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    CheckRun locked = Check(directory.Path());
    CloseHandle(lock);
    EXPECT_EQ(locked.status, 2u);
    EXPECT_NE(locked.err.find("cannot read "), std::string::npos) << locked.err;
    EXPECT_EQ(Check(directory.Path() + "\\missing").status, 2u);
}

}  // namespace
