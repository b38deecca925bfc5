#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

#include "editor_process.h"
#include "resource.h"
#include "test_support.h"

namespace {

const int General = 0, Game = 1;

// Both pages' keys as the program writes them, so that a key left alone comes back as it was.
const std::string Keys =
    "[QV3Server]\r\nserverDesc=\"Western Front\"\r\nmaxPlayers=24\r\nclientTimeoutSec=60\r\npassword=kite\r\n"
    "randomizeMap=1\r\nuseMap=ALSACE\r\nregionSize=SMALL\r\nlandmarkDensity=SPARSE\r\nstartDate=1918-03-21\r\n"
    "startTime=5:00\r\nnightRate=60.0\r\ndayRate=20.0\r\ngameLengthInSeconds=5400\r\ndifficulty=VETERAN\r\n"
    "gameMode=NORMAL\r\ngameType=TEAM_MELEE\r\ncloudsOn=1\r\ntorqueOn=0\r\nunlimitedAmmo=1\r\nrocketsAllowed=1\r\n"
    "limitedFuel=0\r\nsecurityEnabled=1\r\nminAerosPerSide=3\r\nmaxPlaneTypes=8\r\nminKillsToScore=1\r\n"
    "historicAircraftDates=1\r\nhideTeamIndicators=0\r\nbalanceLandmarks=1\r\ntargetSwapTimeInSeconds=900\r\n"
    "playersPerTarget=2\r\ntargetRegionSize=MEDIUM\r\ngermansDefendFirst=0\r\nendOnNoTargets=1\r\n"
    "autoRestartServer=0\r\ndeadTargetsRemoved=1\r\nautoRepairTargets=0\r\ntargetsChangeTeams=1\r\n"
    "manuallyChooseTargets=1\r\nmanualTargetsProgress=0\r\nmanualTargetsAtATime=3\r\nfriendlyFire=1\r\n"
    "numVoraks=6\r\nvoraksGlow=1\r\n";
// A section the pages do not own, which a build must leave alone.
const char TargetsSection[] = "[Targets]\r\nRiver Bridge\r\n";

TEST(SettingsRoundTrip, EditsInTheRunningProgramReachTheFile)
{
    ScratchDirectory directory("e2e-roundtrip");
    directory.WriteSettings(Keys + TargetsSection);
    EditorProcess editor(directory.Path());
    ASSERT_TRUE(editor.WaitForWindow());
    EXPECT_TRUE(IsWindowEnabled(editor.Item(Game, IDC_GAME_TARGETS)));
    editor.SetText(General, IDC_GENERAL_SERVER_DESC, " Eastern Front ");
    editor.Click(General, IDC_GENERAL_LIMITED_AMMO);
    editor.SelectItem(General, IDC_GENERAL_MAP, 4);
    editor.SelectItem(General, IDC_GENERAL_GAME_TYPE, 2);
    EXPECT_FALSE(IsWindowEnabled(editor.Item(Game, IDC_GAME_TARGET_SWAP_TIME))) << "the rule ran in the program";
    editor.SetText(Game, IDC_GAME_MAX_VORAKS, "9");
    EXPECT_TRUE(editor.BuildAnsweringBoxes().empty());
    EXPECT_EQ(editor.Exit(), 1u);

    std::string expected = Keys;
    const std::pair<std::string, std::string> changes[] = {
        {"serverDesc", "\" Eastern Front \""}, {"randomizeMap", "0"}, {"useMap", "MARNE"},
        {"gameType", "GET_THE_VORAK"}, {"unlimitedAmmo", "0"}, {"numVoraks", "9"}};
    for (const auto& [key, value] : changes) {
        std::size_t start = expected.find("\r\n" + key + "=") + key.size() + 3;
        expected.replace(start, expected.find("\r\n", start) - start, value);
    }
    const std::string file = directory.ReadSettings();
    EXPECT_EQ(file.substr(0, expected.size()), expected);
    EXPECT_NE(file.find(TargetsSection), std::string::npos) << file;
}

}  // namespace
