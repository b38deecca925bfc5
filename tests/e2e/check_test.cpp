#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "editor.h"
#include "sample_settings.h"

namespace {

struct CheckRun {
    int status;
    std::string out, err;
};

// Runs skyvarn-check on `directory` through the command processor, its output kept in files outside it.
CheckRun Check(const std::string& directory)
{
    const std::string stem = directory + "-check", out = stem + "-out.txt", err = stem + "-err.txt";
    const int status = std::system(("\"\"" + Editor::ProgramPath("skyvarn-check.exe") + "\" \"" + directory + "\" >\"" +
                                    out + "\" 2>\"" + err + "\"\"").c_str());
    CheckRun run{status, FileBytes(out), FileBytes(err)};
    DeleteFileA(out.c_str());
    DeleteFileA(err.c_str());
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
    EXPECT_EQ(run.status, 1) << run.err;
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
    EXPECT_EQ(again.status, 0) << "a file in the editor's own form";
    EXPECT_EQ(again.out + again.err, "");
    EXPECT_EQ(directory.ReadSettings(), built);
}

TEST(Check, NoFileOrALockedFileCannotBeTold)
{
    ScratchDirectory directory("check-none");
    CheckRun none = Check(directory.Path());
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("there is no "), std::string::npos) << none.err;
    EXPECT_TRUE(FilesIn(directory.Path()).empty());
    directory.WriteSettings(SampleSettings);
    HANDLE lock = CreateFileA(directory.SettingsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    CheckRun locked = Check(directory.Path());
    CloseHandle(lock);
    EXPECT_EQ(locked.status, 2);
    EXPECT_NE(locked.err.find("cannot read "), std::string::npos) << locked.err;
    EXPECT_EQ(Check(directory.Path() + "\\missing").status, 2);
}

}  // namespace
