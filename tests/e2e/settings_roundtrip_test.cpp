#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "editor_process.h"
#include "resource.h"
#include "test_support.h"

namespace {

const int General = 0;
const int Game = 1;

struct Key {
    const char* name;
    const char* value;
};

// The general and game pages' keys as the program writes them, so that an unchanged key comes back as it
// was.
const Key Keys[] = {
    {"serverDesc", "\"Western Front\""}, {"maxPlayers", "24"}, {"clientTimeoutSec", "60"},
    {"password", "kite"}, {"randomizeMap", "1"}, {"useMap", "ALSACE"}, {"regionSize", "SMALL"},
    {"landmarkDensity", "SPARSE"}, {"startDate", "1918-03-21"}, {"startTime", "5:00"}, {"nightRate", "60.0"},
    {"dayRate", "20.0"}, {"gameLengthInSeconds", "5400"}, {"difficulty", "VETERAN"}, {"gameMode", "NORMAL"},
    {"gameType", "TEAM_MELEE"}, {"cloudsOn", "1"}, {"torqueOn", "0"}, {"unlimitedAmmo", "1"},
    {"rocketsAllowed", "1"}, {"limitedFuel", "0"}, {"securityEnabled", "1"}, {"minAerosPerSide", "3"},
    {"maxPlaneTypes", "8"}, {"minKillsToScore", "1"}, {"historicAircraftDates", "1"},
    {"hideTeamIndicators", "0"}, {"balanceLandmarks", "1"}, {"targetSwapTimeInSeconds", "900"},
    {"playersPerTarget", "2"}, {"targetRegionSize", "MEDIUM"}, {"germansDefendFirst", "0"},
    {"endOnNoTargets", "1"}, {"autoRestartServer", "0"}, {"deadTargetsRemoved", "1"},
    {"autoRepairTargets", "0"}, {"targetsChangeTeams", "1"}, {"manuallyChooseTargets", "1"},
    {"manualTargetsProgress", "0"}, {"manualTargetsAtATime", "3"}, {"friendlyFire", "1"}, {"numVoraks", "6"},
    {"voraksGlow", "1"},
};

// A section of another part of the program, which Build INI File must not touch.
const char TargetsSection[] = "[Targets]\r\nRiver Bridge\r\n";

std::string Value(const std::string& file, const std::string& key)
{
    std::size_t start = 0;
    while (start < file.size()) {
        std::size_t end = file.find("\r\n", start);
        if (end == std::string::npos)
            end = file.size();
        if (file.compare(start, key.size() + 1, key + "=") == 0)
            return file.substr(start + key.size() + 1, end - start - key.size() - 1);
        start = end + 2;
    }
    return "<missing>";
}

// GetWindowText does not ask a control of another process for its text; WM_GETTEXT does.
std::string TextOf(HWND control)
{
    char text[256] = "";
    SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(SettingsRoundTrip, EditsInTheRunningProgramReachTheFile)
{
    ScratchDirectory directory("e2e-roundtrip");
    std::string settings = "[QV3Server]\r\n";
    for (const Key& key : Keys)
        settings += std::string(key.name) + "=" + key.value + "\r\n";
    directory.WriteSettings(settings + TargetsSection);

    EditorProcess editor(directory.Path());
    ASSERT_TRUE(editor.WaitForWindow());
    EXPECT_EQ(TextOf(editor.Item(General, IDC_GENERAL_SERVER_DESC)), "Western Front");
    EXPECT_EQ(editor.Selection(General, IDC_GENERAL_GAME_TYPE), 0);
    EXPECT_EQ(TextOf(editor.Item(Game, IDC_GAME_TARGET_SWAP_TIME)), "15");
    EXPECT_TRUE(IsWindowEnabled(editor.Item(Game, IDC_GAME_TARGETS)));

    editor.SetText(General, IDC_GENERAL_SERVER_DESC, " Eastern Front ");
    editor.Click(General, IDC_GENERAL_LIMITED_AMMO);
    editor.SelectItem(General, IDC_GENERAL_MAP, 4);
    editor.SelectItem(General, IDC_GENERAL_GAME_TYPE, 2);
    // The type's selection change reached the game page in the other process.
    EXPECT_FALSE(IsWindowEnabled(editor.Item(Game, IDC_GAME_TARGET_SWAP_TIME)));
    EXPECT_TRUE(IsWindowEnabled(editor.Item(Game, IDC_GAME_MAX_VORAKS)));
    editor.SelectTab(Game);
    editor.SetText(Game, IDC_GAME_MAX_VORAKS, "9");
    editor.Click(Game, IDC_GAME_VORAKS_GLOW);

    EXPECT_TRUE(editor.BuildAnsweringBoxes().empty());
    EXPECT_EQ(editor.Exit(), 1u);

    const std::string file = directory.ReadSettings();
    const Key changed[] = {
        {"serverDesc", "\" Eastern Front \""}, {"unlimitedAmmo", "0"}, {"randomizeMap", "0"},
        {"useMap", "MARNE"}, {"gameType", "GET_THE_VORAK"}, {"numVoraks", "9"}, {"voraksGlow", "0"},
    };
    for (const Key& key : Keys) {
        std::string expected = key.value;
        for (const Key& change : changed)
            if (std::string(change.name) == key.name)
                expected = change.value;
        EXPECT_EQ(Value(file, key.name), expected) << key.name;
    }
    EXPECT_NE(file.find(TargetsSection), std::string::npos) << file;
}

}  // namespace
