#include <gtest/gtest.h>

#include <windows.h>

#include "app/app_state.h"
#include "app/pages.h"
#include "resource.h"
#include "settings/profile_store.h"
#include "test_support.h"

namespace {

const int General = GeneralPageIndex;

// The page's keys as it writes them, each flag unlike its missing-key default; a built file starts with them.
const std::string Complete =
    "[QV3Server]\r\nserverDesc=\"  Arena One \"\r\nmaxPlayers=16\r\nclientTimeoutSec=45\r\npassword=s3cret\r\n"
    "randomizeMap=0\r\nuseMap=MARNE\r\nregionSize=LARGE\r\nlandmarkDensity=DENSE\r\nstartDate=1917-04-15\r\n"
    "startTime=13:30\r\nnightRate=30.0\r\ndayRate=1440.0\r\ngameLengthInSeconds=3600\r\ndifficulty=ACE\r\n"
    "gameMode=ADVANCED\r\ngameType=GET_THE_VORAK\r\ncloudsOn=0\r\ntorqueOn=1\r\nunlimitedAmmo=0\r\n"
    "rocketsAllowed=0\r\nlimitedFuel=1\r\nsecurityEnabled=0\r\nminAerosPerSide=2\r\nmaxPlaneTypes=6\r\n"
    "minKillsToScore=3\r\nhistoricAircraftDates=0\r\nhideTeamIndicators=1\r\nbalanceLandmarks=0\r\n";

// The complete keys with `change` ("key=value", or a bare "key" to leave it out) in place of that key's line.
std::string Settings(const std::string& change, std::string text = Complete)
{
    const std::string key = change.substr(0, change.find('='));
    const size_t start = text.find("\n" + key + "=") + 1;
    return text.replace(start, text.find('\n', start) + 1 - start, change == key ? "" : change + "\r\n");
}

TEST(GeneralPage, WithoutAFileShowsTheListsAndDefaultsAndANewFileTakesTheStoreOrder)
{
    ScratchDirectory directory("general-defaults");
    EditorWindow editor;
    const struct { int id; WPARAM index; const char* item; } items[] = {{IDC_GENERAL_START_DAY, 8, "09"},
        {IDC_GENERAL_START_DAY, 29, "30"}, {IDC_GENERAL_START_DAY, 30, ""}, {IDC_GENERAL_START_TIME, 3, "1:30"},
        {IDC_GENERAL_START_TIME, 47, "23:30"}, {IDC_GENERAL_START_TIME, 48, ""}, {IDC_GENERAL_MAP, 0, "Random"}};
    for (const auto& i : items) {
        char text[16] = "";
        SendMessageA(editor.Item(General, i.id), CB_GETLBTEXT, i.index, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, i.item) << "list " << i.id << ", item " << i.index;
    }
    EXPECT_EQ(editor.Text(General, IDC_GENERAL_DAY_RATE) + editor.Text(General, IDC_GENERAL_NIGHT_RATE) +
              (editor.Checked(General, IDC_GENERAL_LIMITED_AMMO) ? "1" : "0"), "0:10:10");
    editor.Build();
    // A missing text key shows as an empty box and is written as an empty value.
    const std::string expected =
        "[QV3Server]\r\nserverDesc=\"\"\r\nmaxPlayers=\r\nclientTimeoutSec=\r\npassword=\r\nrandomizeMap=1\r\n"
        "regionSize=\r\nlandmarkDensity=\r\nstartDate=--\r\nstartTime=\r\nnightRate=1.0\r\ndayRate=1.0\r\n"
        "gameLengthInSeconds=\r\ndifficulty=\r\ngameMode=\r\ngameType=\r\ncloudsOn=1\r\ntorqueOn=1\r\n"
        "unlimitedAmmo=1\r\nrocketsAllowed=1\r\nlimitedFuel=1\r\nsecurityEnabled=1\r\nminAerosPerSide=\r\n"
        "maxPlaneTypes=\r\nminKillsToScore=\r\nhistoricAircraftDates=1\r\nhideTeamIndicators=1\r\nbalanceLandmarks=1\r\n";
    EXPECT_EQ(directory.ReadSettings().substr(0, expected.size()), expected);
}

TEST(GeneralPage, EmptyValuesKeepTheSelectionOthersAreShownAndStoredInTheirOwnForms)
{
    ScratchDirectory directory("general-values");
    EditorWindow editor;
    const int lists[] = {IDC_GENERAL_REGION_SIZE, IDC_GENERAL_GAME_MODE, IDC_GENERAL_START_YEAR,
                         IDC_GENERAL_START_MONTH, IDC_GENERAL_START_DAY};
    for (int id : lists) editor.SelectItem(General, id, 1);
    // Loaded again over the operator's choices; the second date has no parts at all.
    for (const char* date : {"startDate=1917-06", "startDate"}) {
        directory.WriteSettings(Settings("regionSize=", Settings("gameMode", Settings(date))));
        OpenSettingsFile();
        LoadGeneralPage();
        std::string shown;
        for (int id : lists)
            shown += editor.Text(General, id) + " ";
        EXPECT_EQ(shown, "Large Advanced 1917 06 02 ") << date;
    }
    const struct { const char* file; int control; const char* shown; const char* stored; } cases[] = {
        {"useMap=random", IDC_GENERAL_MAP, "Random", "randomizeMap=1"},   // useMap stays as it was
        {"gameType=TEAM", IDC_GENERAL_GAME_TYPE, "Team Melee", "gameType=TEAM_MELEE"},
        {"regionSize=medium", IDC_GENERAL_REGION_SIZE, "Medium", "regionSize=MEDIUM"},
        {"startDate=1917-04-31", IDC_GENERAL_START_DAY, "15", "startDate=1917-04-15"},   // no such day: kept
        {"startDate=1916-7-3", IDC_GENERAL_START_MONTH, "07", "startDate=1916-07-03"},
        {"dayRate=2000", IDC_GENERAL_DAY_RATE, "2000:1", "dayRate=1440.0"}};
    for (const auto& c : cases) {
        directory.WriteSettings(Settings(c.file));
        OpenSettingsFile();
        LoadGeneralPage();
        EXPECT_EQ(editor.Text(General, c.control), c.shown) << c.file;
        editor.Build();
        EXPECT_EQ(directory.ReadSettings().find(Settings(c.stored, Settings(c.file))), 0u) << c.file;
    }
    // A write-protected file is left as it was, with one message.
    editor.SetText(General, IDC_GENERAL_MAX_PLAYERS, "32");
    WriteBlocker blocker(directory.SettingsPath());
    MessageBoxRecorder boxes;
    editor.Build();
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(directory.ReadSettings().find(Settings("dayRate=1440.0", Settings("dayRate=2000"))), 0u);
}

}  // namespace
