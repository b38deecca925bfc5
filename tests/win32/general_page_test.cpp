#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/pages.h"
#include "resource.h"
#include "test_support.h"

namespace {

const int General = GeneralPageIndex;

struct Key {
    const char* name;
    const char* value;   // null: the key is left out
};

// The page's keys as it writes them, each flag unlike its missing-key default; a built file starts with them.
const Key CompleteKeys[] = {
    {"serverDesc", "\"  Arena One \""}, {"maxPlayers", "16"}, {"clientTimeoutSec", "45"}, {"password", "s3cret"},
    {"randomizeMap", "0"}, {"useMap", "MARNE"}, {"regionSize", "LARGE"}, {"landmarkDensity", "DENSE"},
    {"startDate", "1917-04-15"}, {"startTime", "13:30"}, {"nightRate", "30.0"}, {"dayRate", "1440.0"},
    {"gameLengthInSeconds", "3600"}, {"difficulty", "ACE"}, {"gameMode", "ADVANCED"},
    {"gameType", "GET_THE_VORAK"}, {"cloudsOn", "0"}, {"torqueOn", "1"}, {"unlimitedAmmo", "0"},
    {"rocketsAllowed", "0"}, {"limitedFuel", "1"}, {"securityEnabled", "0"}, {"minAerosPerSide", "2"},
    {"maxPlaneTypes", "6"}, {"minKillsToScore", "3"}, {"historicAircraftDates", "0"},
    {"hideTeamIndicators", "1"}, {"balanceLandmarks", "0"},
};

std::string Settings(const std::vector<Key>& changes = {})
{
    std::string text = "[QV3Server]\r\n";
    for (Key key : CompleteKeys) {
        for (const Key& change : changes)
            key.value = std::string(change.name) == key.name ? change.value : key.value;
        text += key.value ? std::string(key.name) + "=" + key.value + "\r\n" : "";
    }
    return text;
}

std::string Items(const EditorWindow& editor, int id)
{
    HWND list = editor.Item(General, id) ? editor.Item(General, id) : editor.Item(GamePageIndex, id);
    std::string items;
    char text[64];
    for (WPARAM index = 0; SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text)) != CB_ERR; ++index)
        items += text + std::string(",");
    return items;
}

TEST(GeneralPage, WithoutAFileShowsTheListsAndDefaultsAndANewFileTakesTheStoreOrder)
{
    ScratchDirectory directory("general-defaults");
    EditorWindow editor;
    std::string lists, times;
    for (int id : {IDC_GENERAL_MAP, IDC_GENERAL_REGION_SIZE, IDC_GENERAL_LANDMARK_DENSITY, IDC_GENERAL_DIFFICULTY,
                   IDC_GENERAL_GAME_TYPE, IDC_GENERAL_GAME_MODE, IDC_GENERAL_START_YEAR, IDC_GENERAL_START_MONTH,
                   IDC_GENERAL_START_DAY, IDC_GAME_TARGET_REGION_SIZE, IDC_GAME_FIRST_TO_DEFEND,
                   IDC_GENERAL_START_TIME})
        lists += Items(editor, id) + "|";
    for (int hour = 0; hour < 24; ++hour)
        times += std::to_string(hour) + ":00," + std::to_string(hour) + ":30,";
    EXPECT_EQ(lists, "Random,Flanders,Alsace,Verdun,Marne,Island,|Full,Large,Medium,Small,|"
                     "Sparse,Moderate,Dense,Full,|Novice,Veteran,Ace,|Team Melee,Melee,Get The Vorak,|"
                     "Normal,Advanced,|1915,1916,1917,1918,|01,02,03,04,05,06,07,08,09,10,11,12,|"
                     "01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,|"
                     "Full,Large,Medium,Small,|Random,Allies,Germans,|" + times + "|");
    EXPECT_FALSE(editor.Checked(General, IDC_GENERAL_LIMITED_AMMO));
    EXPECT_EQ(editor.Text(General, IDC_GENERAL_DAY_RATE) + editor.Text(General, IDC_GENERAL_NIGHT_RATE), "0:10:1");
    editor.Build();
    // A missing text key reads as a line feed, which then ends its line.
    const std::string expected =
        "[QV3Server]\r\nserverDesc=\"\n\"\r\nmaxPlayers=\nclientTimeoutSec=\npassword=\nrandomizeMap=1\r\n"
        "regionSize=\r\nlandmarkDensity=\r\nstartDate=--\r\nstartTime=\r\nnightRate=1.0\r\ndayRate=1.0\r\n"
        "gameLengthInSeconds=\ndifficulty=\r\ngameMode=\r\ngameType=\r\ncloudsOn=1\r\ntorqueOn=1\r\n"
        "unlimitedAmmo=1\r\nrocketsAllowed=1\r\nlimitedFuel=1\r\nsecurityEnabled=1\r\nminAerosPerSide=\n"
        "maxPlaneTypes=\nminKillsToScore=\nhistoricAircraftDates=1\r\nhideTeamIndicators=1\r\n"
        "balanceLandmarks=1\r\ntargetSwapTimeInSeconds=0\r\nplayersPerTarget=\ntargetRegionSize=\r\n"
        "germansDefendFirst=1\r\nendOnNoTargets=1\r\nautoRestartServer=1\r\ndeadTargetsRemoved=1\r\n"
        "autoRepairTargets=1\r\ntargetsChangeTeams=1\r\nmanuallyChooseTargets=1\r\nmanualTargetsProgress=1\r\n"
        "manualTargetsAtATime=\nfriendlyFire=1\r\nnumVoraks=\nvoraksGlow=1\r\n";
    EXPECT_EQ(directory.ReadSettings().substr(0, expected.size()), expected);
}

TEST(GeneralPage, LoadedValuesAreShownAndStoredInTheirOwnForms)
{
    const struct { Key file; int control; const char* shown; Key stored; } cases[] = {
        {{"serverDesc", "\" A  B \""}, IDC_GENERAL_SERVER_DESC, " A  B ", {"serverDesc", "\" A  B \""}},
        {{"useMap", "random"}, IDC_GENERAL_MAP, "Random", {"randomizeMap", "1"}},   // useMap stays as it was
        {{"gameType", "get_the_vorak"}, IDC_GENERAL_GAME_TYPE, "Get The Vorak", {"gameType", "GET_THE_VORAK"}},
        {{"gameType", "MELEE"}, IDC_GENERAL_GAME_TYPE, "Melee", {"gameType", "MELEE"}},
        {{"gameType", "TEAM"}, IDC_GENERAL_GAME_TYPE, "Team Melee", {"gameType", "TEAM_MELEE"}},
        {{"regionSize", "medium"}, IDC_GENERAL_REGION_SIZE, "Medium", {"regionSize", "MEDIUM"}},
        {{"startTime", "08:00"}, IDC_GENERAL_START_TIME, "", {"startTime", ""}},
        {{"startDate", "1916-7-3"}, IDC_GENERAL_START_MONTH, "07", {"startDate", "1916-07-03"}},
        {{"startDate", "1917-04-31"}, IDC_GENERAL_START_DAY, "", {"startDate", "1917-04-"}},
        {{"startDate", "1915-\t1/x-2"}, IDC_GENERAL_START_MONTH, "01", {"startDate", "1915-01-02"}},
        {{"startDate", "-04-15"}, IDC_GENERAL_START_YEAR, "", {"startDate", "-04-15"}},
        {{"dayRate", "2000"}, IDC_GENERAL_DAY_RATE, "2000:1", {"dayRate", "1440.0"}},
        {{"dayRate", "-5"}, IDC_GENERAL_DAY_RATE, "-5:1", {"dayRate", "1.0"}},
    };
    for (const auto& c : cases) {
        const std::string trace = std::string(c.file.name) + "=" + (c.file.value ? c.file.value : "<none>");
        ScratchDirectory directory("general-values");
        directory.WriteSettings(Settings({c.file}));
        EditorWindow editor;
        EXPECT_EQ(editor.Text(General, c.control), c.shown) << trace;
        editor.Build();
        const std::string expected = Settings({c.file, c.stored});
        EXPECT_EQ(directory.ReadSettings().substr(0, expected.size()), expected) << trace;
    }
}

TEST(GeneralPage, EmptyOrAbsentValueKeepsAListsSelection)
{
    ScratchDirectory directory("general-keep");
    EditorWindow editor;
    const int lists[] = {IDC_GENERAL_REGION_SIZE, IDC_GENERAL_GAME_MODE, IDC_GENERAL_START_YEAR,
                         IDC_GENERAL_START_MONTH, IDC_GENERAL_START_DAY};
    for (int id : lists)
        editor.SelectItem(General, id, 1);
    // Loaded again over the operator's choices; the second date has no parts at all.
    for (const char* date : {"1917-06", static_cast<const char*>(nullptr)}) {
        directory.WriteSettings(Settings({{"regionSize", ""}, {"gameMode", nullptr}, {"startDate", date}}));
        LoadGeneralPage();
        std::string shown;
        for (int id : lists)
            shown += editor.Text(General, id) + " ";
        EXPECT_EQ(shown, "Large Advanced 1917 06 02 ") << (date ? date : "<none>");
    }
}

TEST(GeneralPage, WriteProtectedFileStopsTheBuildAtTheDescription)
{
    ScratchDirectory directory("general-blocked");
    directory.WriteSettings(Settings());
    EditorWindow editor;
    editor.SetText(General, IDC_GENERAL_MAX_PLAYERS, "32");
    WriteBlocker blocker(directory.SettingsPath());
    MessageBoxRecorder boxes;
    editor.Build();
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(directory.ReadSettings(), Settings());
}

}  // namespace
