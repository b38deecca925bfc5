#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "editor.h"
#include "resource.h"

using namespace std::string_literals;
using Texts = std::vector<std::string>;

namespace {


bool Holds(const std::string& file, const std::string& line) { return file.find(line) != std::string::npos; }

TEST(SettingsFile, ANewFileHoldsTheDefaultsInWholeLinesAndEveryFurtherBuildWritesTheSameBytes)
{
    ScratchDirectory directory("e2e-new-file");
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    EXPECT_EQ(editor.Build(), Texts{});
    const std::string first = directory.ReadSettings();
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
    EXPECT_EQ(editor.Build(), Texts{});
    EXPECT_EQ(directory.ReadSettings(), first) << "second build in the same run";
    // A line break that reached a box by program or paste cannot break the file's lines.
    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "one\r\ntwo");
    editor.SetText(GeneralPageIndex, IDC_GENERAL_MAX_PLAYERS, "8\n9");
    EXPECT_EQ(editor.Build(), Texts{});
    const std::string last = directory.ReadSettings();
    for (const char* line : {"\nserverDesc=\"one  two\"\r\n", "\nmaxPlayers=8 9\r\n"})
        EXPECT_TRUE(Holds(last, line)) << line << "\n" << last;
    editor.Exit();
    EXPECT_EQ(Editor::BuildOnce(directory), last) << "built again after a restart";
    EXPECT_EQ(FilesIn(directory.Path()), Texts{"qv3server.ini"});
}

TEST(SettingsFile, AFileThatMustNotChangeGetsOneMessageAndKeepsItsBytesAndAttributes)
{
    const std::string dates = "FOKKER_EIII=1," + std::string(200, 's');
    const std::string settings = "[QV3Server]\r\nserverDesc=\"Old\"\r\nmaxPlayers=32\r\n" + dates + ",end\r\n";
    ScratchDirectory directory("e2e-attributes");
    directory.WriteSettings(settings);
    const std::string path = directory.SettingsPath();
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    Texts boxes;
    Editor::BuildOnce(directory, &boxes);
    EXPECT_EQ(boxes, Texts{WriteErrorBox});
    EXPECT_EQ(directory.ReadSettings(), settings);
    EXPECT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);

    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "Other");
    // Dates too long to be read back whole are refused before anything is written.
    editor.SetText(GermanPlanesPageIndex, IDC_GERMAN_FOKKER_EIII_END, std::string(60, 'e'));
    EXPECT_EQ(editor.Build(), Texts{"Error: The dates of FOKKER_EIII are too long to be stored: together they may "
                                    "hold at most 251 characters. Shorten them, then build the INI file again."});
    EXPECT_EQ(directory.ReadSettings(), settings);
    editor.SetText(GermanPlanesPageIndex, IDC_GERMAN_FOKKER_EIII_END, "1918");
    {
        WriteBlocker blocker(path);
        EXPECT_EQ(editor.Build(), Texts{WriteErrorBox});
    }
    EXPECT_EQ(directory.ReadSettings(), settings);
    EXPECT_EQ(FilesIn(directory.Path()), Texts{"qv3server.ini"}) << "a failed build leaves nothing beside the file";
    EXPECT_EQ(editor.Build(), Texts{}) << "the next build, once the file is free";
    EXPECT_TRUE(Holds(directory.ReadSettings(), "\nserverDesc=\"Other\"\r\nmaxPlayers=32\r\n" + dates + ",1918\r\n"));
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

}  // namespace
