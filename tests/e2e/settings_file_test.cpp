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

TEST(SettingsFile, ANewFileHoldsTheDefaultsInWholeLines)
{
    ScratchDirectory directory("e2e-new-file");
    Texts boxes;
    const std::string first = Editor::BuildOnce(directory, &boxes);
    EXPECT_EQ(boxes, Texts{});
    // Without a file: the keys in the store's order, a missing text key as an empty value.
    const std::string defaults =
        "[QV3Server]\r\nserverDesc=\"\"\r\nmaxPlayers=\r\nclientTimeoutSec=\r\npassword=\r\nrandomizeMap=1\r\n"
        "regionSize=\r\nlandmarkDensity=\r\nstartDate=--\r\nstartTime=\r\nnightRate=1.0\r\ndayRate=1.0\r\n"
        "gameLengthInSeconds=\r\ndifficulty=\r\ngameMode=\r\ngameType=\r\ncloudsOn=1\r\ntorqueOn=1\r\n"
        "unlimitedAmmo=1\r\nrocketsAllowed=1\r\nlimitedFuel=1\r\nsecurityEnabled=1\r\nminAerosPerSide=\r\n"
        "maxPlaneTypes=\r\nminKillsToScore=\r\nhistoricAircraftDates=1\r\nhideTeamIndicators=1\r\nbalanceLandmarks=1\r\n";
    EXPECT_EQ(first.substr(0, defaults.size()), defaults);
    for (size_t pos = first.find('\n'); pos != std::string::npos; pos = first.find('\n', pos + 1))
        ASSERT_EQ(first[pos - 1], '\r') << "a bare line feed at " << pos << ":\n" << first;
    EXPECT_EQ(FilesIn(directory.Path()), Texts{"qv3server.ini"});
}

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
    EXPECT_EQ(editor.Build(), Texts{WriteErrorBox});
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
    for (size_t length : {236u, 241u, 244u}) {
        const std::string folder = directory.Path() + "\\" + std::string(length - directory.Path().size() - 1, 'e');
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        for (bool exists : {false, true}) {
            Editor editor(folder);
            if (length > 241) {
                EXPECT_TRUE(editor.AnswerBox().find("too long to hold the settings file") != std::string::npos);
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

TEST(Program, ASecondStartRaisesTheFirstAndLeavingWritesNothing)
{
    ScratchDirectory directory("e2e-single");
    const std::string settings = "; hand-kept\r\n[QV3Server]\r\nserverDesc=\"Old\"\r\nmaxPlayers=8\r\n\r\n";
    directory.WriteSettings(settings);
    for (bool minimisedAndCloseBox : {false, true}) {
        Editor first(directory.Path());
        ASSERT_TRUE(first.Shown()) << minimisedAndCloseBox;
        first.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "New");
        first.SelectTab(AlliedPlanesPageIndex);
        first.Click(AlliedPlanesPageIndex, IDC_ALLIED_SPAD_VII);
        if (minimisedAndCloseBox) {
            ShowWindow(first.Window(), SW_MINIMIZE);
            first.Sync();
            ASSERT_TRUE(IsIconic(first.Window()));
        }
        Editor second(directory.Path());
        EXPECT_EQ(second.WaitForExit(), 0u) << minimisedAndCloseBox;
        first.Sync();
        EXPECT_FALSE(IsIconic(first.Window())) << minimisedAndCloseBox;
        EXPECT_TRUE(IsWindowVisible(first.Window())) << minimisedAndCloseBox;
        EXPECT_EQ(first.Exit(minimisedAndCloseBox), 1u) << minimisedAndCloseBox;
        EXPECT_EQ(directory.ReadSettings(), settings) << minimisedAndCloseBox;
    }
}

const std::string Unreadable =
    "Error: The INI file qv3server.ini exists but could not be read: another program may hold it open.";

// Defaults shown in place of what could not be read never replace it, also once it can be read again.
TEST(Reading, WhatCouldNotBeReadIsNeverWrittenOver)
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

    // Target Management opened while the file is held: its empty list never replaces the file's.
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
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
    // The main window read the file at start-up: its build goes on as ever.
    EXPECT_EQ(editor.Build(), Texts{});
    EXPECT_NE(directory.ReadSettings().find("\r\npassword=secret\r\n"), std::string::npos);
}

// One file as no editor would write it: padded list lines and others far longer than any entry the dialogs
// make, a 100 KB line, 64 KB of noise and 10 MB of foreign sections. The lists are shown whole and kept
// through a build without a message, the long value cut to the box; the check then finds nothing to change.
TEST(Reading, ListLinesOfAnyLengthSurviveABuild)
{
    const std::string servers = "TCP:" + std::string(596, 'a') + "\r\nUDP:" + std::string(4996, 'b') + "\r\n";
    const std::string cookies = "Cookie=" + std::string(593, 'c') + "\r\nCookie=" + std::string(4993, 'd') + "\r\n";
    std::string odd = "[RegisterWith]\r\n   TCP:host  \r\n" + servers + "[Clients]\r\n  Cookie = abc  \r\n" + cookies +
                      "[QV3Server]\r\nserverDesc=" + std::string(100 * 1024, 'x') + "\r\nmaxPlayers=12\r\n";
    for (unsigned seed = 12345; odd.size() < 164 * 1024; seed = seed * 1103515245u + 12345u)
        odd += static_cast<char>(seed >> 16);
    while (odd.size() < 10 * 1024 * 1024)
        odd += "[Filler" + std::to_string(odd.size()) + "]\r\nsomeKey=some value that fills the file\r\n";
    ScratchDirectory directory("e2e-long-lines");
    directory.WriteSettings(odd);
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    for (int list : {IDC_SERVER_LIST, IDC_SERVER_COOKIE_LIST})
        EXPECT_EQ(SendMessageA(editor.Item(ServerPageIndex, list), LB_GETCOUNT, 0, 0), 3) << list;
    EXPECT_EQ(editor.Build(), Texts{});
    EXPECT_EQ(editor.Exit(), 1u);
    const std::string built = directory.ReadSettings();
    for (const std::string& part : {"[RegisterWith]\r\nTCP:host\r\n" + servers + "[Clients]\r\nCookie=abc\r\n" + cookies,
                                    "\nserverDesc=\"" + std::string(254, 'x') + "\"\r\nmaxPlayers=12\r\n",
                                    std::string("\n[Filler")})
        EXPECT_NE(built.find(part), std::string::npos) << part.substr(0, 60);
    EXPECT_EQ(RunProgram("skyvarn-check.exe", "", directory.Path().c_str()).status, 0)
        << "a build of what a build wrote changes nothing";
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
    EXPECT_EQ(editor.AnswerBox(1200, IDNO),
              "Changed by Another Program: Another program has changed this setting of qv3server.ini since Target "
              "Management read it: [Targets].  Done would write the list shown here over it.\n\nWrite over it?  "
              "(No writes nothing.)");
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
    EXPECT_NE(directory.ReadSettings().find("[Targets]\r\nLens\r\n"), std::string::npos);
    EXPECT_FALSE(editor.Click(GetDlgItem(dialog, IDC_TARGET_DONE)));
    EXPECT_EQ(editor.AnswerBox(1200, IDYES).find("Changed by Another Program"), 0u);
    for (int wait = 0; wait < 1200 && IsWindow(dialog); ++wait)   // a bound against a hang only
        Sleep(5);
    EXPECT_FALSE(IsWindow(dialog)) << "Done ends the dialog once written";
    EXPECT_EQ(directory.ReadSettings().find("Lens"), std::string::npos);
    EXPECT_EQ(editor.Exit(), 1u);
}

// A cut-off write that the file no longer fits is kept aside at start-up and said; the operator's own
// file at the journal's name is never touched, and a build says what to do with it.
TEST(OtherWriters, AJournalThatNoLongerFitsIsKeptAsideAndTheOperatorsFileKept)
{
    ScratchDirectory directory("e2e-journal");
    const std::string settings = "[QV3Server]\r\npassword=repaired\r\n", journal = directory.SettingsPath() + ".tmp";
    directory.WriteSettings(settings);
    WriteBytes(journal, JournalFor("[QV3Server]\r\npassword=old\r\n", "[QV3Server]\r\npassword=older\r\n"));
    {
        Editor editor(directory.Path());
        ASSERT_TRUE(editor.Shown());
        EXPECT_EQ(editor.AnswerBox(), "Error: A write of the INI file qv3server.ini was cut off, but the file has "
                                      "changed since (by hand or by another program), so that write was not "
                                      "completed: its journal was kept aside as qv3server.ini.not-applied, and "
                                      "the file stays as it is.");
        EXPECT_EQ(editor.Text(GeneralPageIndex, IDC_GENERAL_PASSWORD), "repaired");
        EXPECT_EQ(directory.ReadSettings(), settings);
        WriteBytes(journal, settings);   // the operator's copy
        const Texts refused = editor.Build();
        ASSERT_EQ(refused.size(), 1u);
        EXPECT_EQ(refused[0].find("Error: qv3server.ini.tmp beside the INI file is not a journal of the editor's"), 0u);
        EXPECT_NE(refused[0].find("Rename or move qv3server.ini.tmp, then try again."), std::string::npos);
        EXPECT_EQ(directory.ReadSettings(), settings);
        EXPECT_EQ(editor.Exit(), 1u);
    }
    EXPECT_EQ(FileBytes(journal), settings);
    EXPECT_EQ(FilesIn(directory.Path()), (Texts{"qv3server.ini", "qv3server.ini.not-applied", "qv3server.ini.tmp"}));
}

// A measurement: checks that each set a key of their own, started at once beside an editor that builds,
// in several rounds. Nothing is lost: every check's change is in the file afterwards, and the editor's
// own edit too unless it asked first (answered No here); no check says anything but that it wrote.
TEST(OtherWriters, RaceSeed33Rounds6)
{
    ScratchDirectory directory("e2e-race");
    const std::string first = Editor::BuildOnce(directory);
    unsigned seed = 33;
    int lost = 0, falseAnswers = 0, asked = 0;
    for (int round = 0; round < 6; ++round) {
        Editor editor(directory.Path());
        ASSERT_TRUE(editor.Shown());
        const std::string mine = "round " + std::to_string(round);
        editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, mine);
        std::vector<std::string> sets;
        for (const char* key : {"maxPlayers", "clientTimeoutSec", "password", "minKillsToScore"})
            sets.push_back(" --build --set " + std::string(key) + "=" + std::to_string(round * 10 + sets.size()) +
                           " \"" + directory.Path() + "\"");
        auto checks = std::async(std::launch::async, [&] { return RunTogether("skyvarn-check.exe", sets); });
        seed = seed * 1103515245u + 12345u;
        Sleep((seed >> 16) % 1500);   // to land the build anywhere among the checks
        const Texts boxes = editor.Build(IDNO);
        const std::vector<ProgramRun> runs = checks.get();
        asked += boxes.empty() ? 0 : 1;
        for (const std::string& box : boxes)
            falseAnswers += box.find("Changed by Another Program: ") == 0 ? 0 : 1;
        const std::string file = directory.ReadSettings();
        for (size_t index = 0; index < runs.size(); ++index) {
            falseAnswers += runs[index].status == 1 ? 0 : 1;
            const std::string set = sets[index].substr(15, sets[index].find(' ', 15) - 15);
            lost += file.find("\n" + set + "\r\n") == std::string::npos ? 1 : 0;
        }
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
