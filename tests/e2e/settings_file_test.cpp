#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <future>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "editor.h"
#include "resource.h"

using Texts = std::vector<std::string>;

namespace {

TEST(SettingsFile, AFileThatMustNotChangeGetsOneMessageAndKeepsItsBytesAndAttributes)
{
    const std::string dates = "FOKKER_EIII=1," + std::string(200, 's');
    const std::string settings = "[QV3Server]\r\nserverDesc=\"Old\"\r\nmaxPlayers=32\r\n" + dates + ",end\r\n";
    ScratchDirectory directory("e2e-attributes");
    directory.WriteSettings(settings);
    const std::string path = directory.SettingsPath();
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "Other");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(editor.Build(), Texts{"Error: An error occurred while writing to the INI file.  The INI file may be "
                                    "write-protected."});
    EXPECT_EQ(directory.ReadSettings(), settings);
    EXPECT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(FilesIn(directory.Path()), Texts{"qv3server.ini"}) << "a failed build leaves nothing beside the file";

    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    // Dates too long to be read back whole are refused before anything is written.
    editor.SetText(GermanPlanesPageIndex, IDC_GERMAN_FOKKER_EIII_END, std::string(60, 'e'));
    EXPECT_EQ(editor.Build(), Texts{"Error: The dates of FOKKER_EIII are too long to be stored: together they may "
                                    "hold at most 251 characters. Shorten them, then build the INI file again."});
    EXPECT_EQ(directory.ReadSettings(), settings);
    editor.SetText(GermanPlanesPageIndex, IDC_GERMAN_FOKKER_EIII_END, "1918");
    EXPECT_EQ(editor.Build(), Texts{}) << "the next build, once the file can be written";
    EXPECT_NE(directory.ReadSettings().find("\nserverDesc=\"Other\"\r\nmaxPlayers=32\r\n" + dates + ",1918\r\n"),
              std::string::npos);
    EXPECT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

// Up to the path limit a build replaces the file in one step and leaves nothing beside it; past it the
// program refuses to start and touches no file.
TEST(SettingsFile, FoldersUpToThePathLimitKeepOneFileAndLongerOnesAreRefused)
{
    ScratchDirectory directory("e2e-deep");
    // 241 characters: the longest folder whose settings file still fits the path limit.
    for (size_t length : {241u, 242u}) {
        const std::string folder = directory.Path() + "\\" + std::string(length - directory.Path().size() - 1, 'e');
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        for (bool exists : {false, true}) {
            Editor editor(folder);
            if (length > 241) {
                EXPECT_NE(editor.AnswerBox().find("too long to hold the settings file"), std::string::npos);
                EXPECT_EQ(editor.WaitForExit(), 1u);
                EXPECT_EQ(GetFileAttributesA((folder + "\\qv3server.ini").c_str()), INVALID_FILE_ATTRIBUTES);
                break;
            }
            ASSERT_TRUE(editor.Shown()) << length;
            EXPECT_EQ(editor.Build(), Texts{}) << length << " exists " << exists;
            editor.Exit();
            EXPECT_EQ(FilesIn(folder), Texts{"qv3server.ini"}) << length;
        }
    }
}

// A second start raises the first editor, even minimised, and ends; the first one left by its close box
// writes nothing of what was typed.
TEST(Program, ASecondStartRaisesTheFirstAndLeavingWritesNothing)
{
    ScratchDirectory directory("e2e-single");
    const std::string settings = "; hand-kept\r\n[QV3Server]\r\nserverDesc=\"Old\"\r\nmaxPlayers=8\r\n\r\n";
    directory.WriteSettings(settings);
    Editor first(directory.Path());
    ASSERT_TRUE(first.Shown());
    first.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "New");
    first.SelectTab(AlliedPlanesPageIndex);
    first.Click(AlliedPlanesPageIndex, IDC_ALLIED_SPAD_VII);
    ShowWindow(first.Window(), SW_MINIMIZE);
    first.Sync();
    ASSERT_TRUE(IsIconic(first.Window()));
    Editor second(directory.Path());
    EXPECT_EQ(second.WaitForExit(), 0u);
    first.Sync();
    EXPECT_FALSE(IsIconic(first.Window()));
    EXPECT_TRUE(IsWindowVisible(first.Window()));
    EXPECT_EQ(first.Exit(true), 1u);
    EXPECT_EQ(directory.ReadSettings(), settings);
}

const std::string Unreadable =
    "Error: The INI file qv3server.ini exists but could not be read: another program may hold it open.";

// Defaults shown in place of what could not be read never replace it, also once it can be read again; nor
// does a cut-off write that the file no longer fits, which is kept aside at start-up.
TEST(Reading, WhatCouldNotBeReadOrAppliedIsNeverWrittenOver)
{
    ScratchDirectory directory("e2e-unread");
    const std::string settings = "[QV3Server]\r\nserverDesc=\"Real\"\r\npassword=secret\r\n[Targets]\r\nLens\r\n";
    directory.WriteSettings(settings);
    {
        WriteBlocker blocker(directory.SettingsPath(), 0);
        Editor editor(directory.Path());
        ASSERT_TRUE(editor.Shown());
        const std::string box = editor.AnswerBox();
        EXPECT_EQ(box.find(Unreadable), 0u) << box;
        EXPECT_NE(box.find("start the editor again"), std::string::npos) << box;
        blocker.Release();
        const Texts refused = editor.Build();
        ASSERT_EQ(refused.size(), 1u);
        EXPECT_NE(refused[0].find("could not be read when the editor started"), std::string::npos) << refused[0];
        EXPECT_EQ(editor.Build().size(), 1u) << "every build of the run";
        EXPECT_EQ(directory.ReadSettings(), settings);
        EXPECT_EQ(editor.Exit(), 1u);
    }

    WriteBytes(directory.SettingsPath() + ".tmp", JournalFor("[QV3Server]\r\npassword=old\r\n", "[QV3Server]\r\npassword=older\r\n"));
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    EXPECT_EQ(editor.AnswerBox(), "Error: A write of the INI file qv3server.ini was cut off, but the file has "
                                  "changed since (by hand or by another program), so that write was not "
                                  "completed: its journal was kept aside as qv3server.ini.not-applied, and "
                                  "the file stays as it is.");
    EXPECT_EQ(directory.ReadSettings(), settings);
    // Target Management opened while the file is held: its empty list never replaces the file's.
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_GAME_TYPE, 0);   // "Team Melee"
    editor.SelectTab(GamePageIndex);
    HWND dialog = nullptr;
    {
        WriteBlocker blocker(directory.SettingsPath(), 0);
        EXPECT_FALSE(editor.Click(GamePageIndex, IDC_GAME_TARGETS));
        const std::string box = editor.AnswerBox();
        EXPECT_EQ(box.find(Unreadable), 0u) << box;
        dialog = editor.Dialog("Target Management - Random");
        ASSERT_NE(dialog, nullptr);
    }
    EXPECT_FALSE(editor.Click(GetDlgItem(dialog, IDC_TARGET_DONE)));
    const std::string refused = editor.AnswerBox();
    EXPECT_NE(refused.find("could not be read when Target Management opened"), std::string::npos) << refused;
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
    EXPECT_TRUE(editor.Click(GetDlgItem(dialog, IDCANCEL)));
    EXPECT_EQ(directory.ReadSettings(), settings);
    // The main window read the file at start-up, not the journal: its build goes on as ever.
    EXPECT_EQ(editor.Build(), Texts{});
    EXPECT_NE(directory.ReadSettings().find("\r\npassword=secret\r\n"), std::string::npos);
    EXPECT_EQ(FilesIn(directory.Path()), (Texts{"qv3server.ini", "qv3server.ini.not-applied"}));
}

// What another program wrote since the editor read the file is not written over without a question, by a
// build (keys and lists of the pages) or by Done (the target list); No writes nothing. A change only to
// lines the editor does not own, a removed key and a value the editor writes anyway need no question.
TEST(OtherWriters, TheEditorAsksBeforeWritingOverTheirValues)
{
    ScratchDirectory directory("e2e-others");
    const std::string settings = "[QV3Server]\r\nmaxPlayers=8\r\npassword=old\r\nclientTimeoutSec=30\r\n"
                                 "gameType=TEAM_MELEE\r\nmanuallyChooseTargets=1\r\n[RegisterWith]\r\nTCP:old\r\n";
    directory.WriteSettings(settings);
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    directory.WriteSettings("; by hand\r\n" + Replaced(settings, "clientTimeoutSec=30\r\n", ""));
    EXPECT_EQ(editor.Build(), Texts{});
    const std::string mine = directory.ReadSettings();
    EXPECT_EQ(mine.find("; by hand\r\n[QV3Server]\r\nmaxPlayers=8\r\npassword=old\r\n"), 0u) << mine;

    EXPECT_EQ(RunProgram("skyvarn-check.exe", " --build --set maxPlayers=50 --set password=new --set "
                         "clientTimeoutSec=30 --servers TCP:new", directory.Path().c_str()).status, 1);
    const std::string theirs = directory.ReadSettings();
    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "Mine");
    editor.SetText(GeneralPageIndex, IDC_GENERAL_CLIENT_TIMEOUT, "30");
    const Texts asked = {"Changed by Another Program: Another program has changed these settings of qv3server.ini "
                         "since the editor read the file: maxPlayers, password and [RegisterWith].  Build INI File "
                         "would write the values shown here over them.\n\nWrite over them?  (No writes nothing.)"};
    EXPECT_EQ(editor.Build(IDNO), asked);
    EXPECT_EQ(directory.ReadSettings(), theirs);
    EXPECT_EQ(editor.Build(IDYES), asked);
    EXPECT_EQ(directory.ReadSettings(), Replaced(mine, "serverDesc=\"\"", "serverDesc=\"Mine\""));
    EXPECT_EQ(editor.Build(), Texts{}) << "what the editor wrote is its own";

    // Target Management owns the target list: a list another program wrote since it opened is asked for.
    editor.SelectTab(GamePageIndex);
    EXPECT_FALSE(editor.Click(GamePageIndex, IDC_GAME_TARGETS));
    HWND dialog = editor.Dialog("Target Management - Random");
    ASSERT_NE(dialog, nullptr);
    directory.WriteSettings(directory.ReadSettings() + "[Targets]\r\nLens\r\n");
    EXPECT_FALSE(editor.Click(GetDlgItem(dialog, IDC_TARGET_DONE)));
    EXPECT_EQ(editor.AnswerBox(1200, IDYES),
              "Changed by Another Program: Another program has changed this setting of qv3server.ini since Target "
              "Management read it: [Targets].  Done would write the list shown here over it.\n\nWrite over it?  "
              "(No writes nothing.)");
    for (int wait = 0; wait < 1200 && IsWindow(dialog); ++wait)   // a bound against a hang only
        Sleep(5);
    EXPECT_FALSE(IsWindow(dialog)) << "Done ends the dialog once written";
    EXPECT_EQ(directory.ReadSettings().find("Lens"), std::string::npos);
    EXPECT_EQ(editor.Exit(), 1u);
}

// A measurement: checks that each set a key of their own, started at once beside an editor that builds,
// in several rounds. Nothing is lost: every check's change is in the file afterwards, and the editor's
// own edit too unless it asked first (answered No here); no check says anything but that it wrote.
TEST(OtherWriters, RaceSeed33Rounds6)
{
    ScratchDirectory directory("e2e-race");
    Editor::BuildOnce(directory);
    unsigned seed = 33;
    int lost = 0, falseAnswers = 0, asked = 0;
    for (int round = 0; round < 6; ++round) {
        Editor editor(directory.Path());
        ASSERT_TRUE(editor.Shown());
        const std::string mine = "round " + std::to_string(round);
        editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, mine);
        Texts sets;
        std::vector<std::future<ProgramRun>> checks;
        for (const char* key : {"maxPlayers", "clientTimeoutSec", "password", "minKillsToScore"}) {
            sets.push_back(key + ("=" + std::to_string(round * 10 + sets.size())));
            const std::string arguments = " --build --set " + sets.back() + " \"" + directory.Path() + "\"";
            checks.push_back(std::async(std::launch::async, [arguments] { return RunProgram("skyvarn-check.exe", arguments); }));
        }
        seed = seed * 1103515245u + 12345u;
        Sleep((seed >> 16) % 1500);   // to land the build anywhere among the checks
        const Texts boxes = editor.Build(IDNO);
        asked += boxes.empty() ? 0 : 1;
        for (const std::string& box : boxes)
            falseAnswers += box.find("Changed by Another Program: ") == 0 ? 0 : 1;
        for (std::future<ProgramRun>& check : checks)
            falseAnswers += check.get().status == 1 ? 0 : 1;
        const std::string file = directory.ReadSettings();
        for (const std::string& set : sets)
            lost += file.find("\n" + set + "\r\n") == std::string::npos ? 1 : 0;
        lost += boxes.empty() && file.find("serverDesc=\"" + mine + "\"") == std::string::npos ? 1 : 0;
        EXPECT_EQ(FilesIn(directory.Path()), Texts{"qv3server.ini"}) << "round " << round;
        editor.Exit();
    }
    std::printf("race: seed 33, 6 rounds of 4 checks and a build: %d lost, %d false answers, %d questions\n", lost,
                falseAnswers, asked);
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(falseAnswers, 0);
}

}  // namespace
