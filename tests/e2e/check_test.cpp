#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "editor_process.h"
#include "sample_settings.h"
#include "test_support.h"

namespace {

struct CheckRun {
    DWORD status = 0xFFFFFFFF;
    std::string out;
    std::string err;
};

std::string ReadAndRemove(const std::string& path)
{
    std::string text;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char chunk[4096];
        for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, got);
        std::fclose(file);
    }
    DeleteFileA(path.c_str());
    return text;
}

// Runs skyvarn-check (beside the tests) on `directory`, its output kept in files outside that directory.
CheckRun Check(const std::string& directory)
{
    const std::string program = EditorProcess::ProgramPath();
    const std::string checker = program.substr(0, program.find_last_of('\\') + 1) + "skyvarn-check.exe";
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    // Names of each run's own: a console's helper process may hold the last run's files a moment longer.
    static int runs = 0;
    const std::string stem = std::string(temp) + "skyvarn-check-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++runs);
    const std::string outPath = stem + "-out.txt", errPath = stem + "-err.txt";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    HANDLE err = CreateFileA(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = err;
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
    CloseHandle(out);
    CloseHandle(err);
    run.out = ReadAndRemove(outPath);
    run.err = ReadAndRemove(errPath);
    return run;
}

TEST(Check, AFileInTheEditorsFormNeedsNoChange)
{
    ScratchDirectory directory("check-same");
    directory.WriteSettings(SampleSettings);
    CheckRun run = Check(directory.Path());
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(directory.ReadSettings(), SampleSettings);
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
        EditorProcess editor(directory.Path());
        ASSERT_TRUE(editor.WaitForWindow());
        EXPECT_TRUE(editor.BuildAnsweringBoxes().empty());
        editor.Exit();
    }
    const std::string built = directory.ReadSettings();
    for (std::size_t pos = run.out.find("\n+", 30); pos != std::string::npos; pos = run.out.find("\n+", pos + 1))
        EXPECT_NE(built.find("\n" + run.out.substr(pos + 2, run.out.find('\n', pos + 1) - pos - 2) + "\r\n"),
                  std::string::npos) << run.out.substr(pos);
    CheckRun again = Check(directory.Path());
    EXPECT_EQ(again.status, 0u) << again.out << again.err;
}

TEST(Check, NoFileOrALockedFileCannotBeTold)
{
    ScratchDirectory directory("check-none");
    CheckRun none = Check(directory.Path());
    EXPECT_EQ(none.status, 2u);
    EXPECT_NE(none.err.find("there is no "), std::string::npos) << none.err;
    EXPECT_FALSE(directory.SettingsExist());
    directory.WriteSettings(SampleSettings);
    HANDLE lock = CreateFileA(directory.SettingsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    CheckRun locked = Check(directory.Path());
    CloseHandle(lock);
    EXPECT_EQ(locked.status, 2u);
    EXPECT_NE(locked.err.find("cannot read "), std::string::npos) << locked.err;
    EXPECT_EQ(Check(directory.Path() + "\\missing").status, 2u);
}

}  // namespace
