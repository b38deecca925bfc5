#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/pages.h"
#include "resource.h"
#include "test_support.h"

namespace {

const int General = GeneralPageIndex;
const int Game = GamePageIndex;
const int Type = IDC_GENERAL_GAME_TYPE;

struct Key {
    const char* name;
    const char* value;   // null: the key is left out
};

// Both pages' keys in the order a new file gets them, with what each page writes when there was no file:
// the line-feed text of a missing text key, empty choices, every flag on but unlimitedAmmo.
const Key NewFileKeys[] = {
    {"serverDesc", "\"\n\""}, {"maxPlayers", "\n"}, {"clientTimeoutSec", "\n"}, {"password", "\n"},
    {"randomizeMap", "1"}, {"regionSize", ""}, {"landmarkDensity", ""}, {"startDate", "--"},
    {"startTime", ""}, {"nightRate", "1.0"}, {"dayRate", "1.0"}, {"gameLengthInSeconds", "\n"},
    {"difficulty", ""}, {"gameMode", ""}, {"gameType", ""}, {"cloudsOn", "1"}, {"torqueOn", "1"},
    {"unlimitedAmmo", "1"}, {"rocketsAllowed", "1"}, {"limitedFuel", "1"}, {"securityEnabled", "1"},
    {"minAerosPerSide", "\n"}, {"maxPlaneTypes", "\n"}, {"minKillsToScore", "\n"},
    {"historicAircraftDates", "1"}, {"hideTeamIndicators", "1"}, {"balanceLandmarks", "1"},
    {"targetSwapTimeInSeconds", "0"}, {"playersPerTarget", "\n"}, {"targetRegionSize", ""},
    {"germansDefendFirst", "1"}, {"endOnNoTargets", "1"}, {"autoRestartServer", "1"},
    {"deadTargetsRemoved", "1"}, {"autoRepairTargets", "1"}, {"targetsChangeTeams", "1"},
    {"manuallyChooseTargets", "1"}, {"manualTargetsProgress", "1"}, {"manualTargetsAtATime", "\n"},
    {"friendlyFire", "1"}, {"numVoraks", "\n"}, {"voraksGlow", "1"},
};

// A complete file in the form the pages write, so that every value comes back as it was; the flags differ
// from the missing-key defaults, so a key that was never loaded shows.
const Key CompleteKeys[] = {
    {"serverDesc", "\"  Arena One \""}, {"maxPlayers", "16"}, {"clientTimeoutSec", "45"},
    {"password", "s3cret"}, {"randomizeMap", "0"}, {"useMap", "MARNE"}, {"regionSize", "LARGE"},
    {"landmarkDensity", "DENSE"}, {"startDate", "1917-04-15"}, {"startTime", "13:30"}, {"nightRate", "30.0"},
    {"dayRate", "1440.0"}, {"gameLengthInSeconds", "3600"}, {"difficulty", "ACE"}, {"gameMode", "ADVANCED"},
    {"gameType", "GET_THE_VORAK"}, {"cloudsOn", "0"}, {"torqueOn", "1"}, {"unlimitedAmmo", "0"},
    {"rocketsAllowed", "0"}, {"limitedFuel", "1"}, {"securityEnabled", "0"}, {"minAerosPerSide", "2"},
    {"maxPlaneTypes", "6"}, {"minKillsToScore", "3"}, {"historicAircraftDates", "0"},
    {"hideTeamIndicators", "1"}, {"balanceLandmarks", "0"}, {"targetSwapTimeInSeconds", "300"},
    {"playersPerTarget", "4"}, {"targetRegionSize", "SMALL"}, {"germansDefendFirst", "-1"},
    {"endOnNoTargets", "0"}, {"autoRestartServer", "1"}, {"deadTargetsRemoved", "0"},
    {"autoRepairTargets", "1"}, {"targetsChangeTeams", "0"}, {"manuallyChooseTargets", "0"},
    {"manualTargetsProgress", "1"}, {"manualTargetsAtATime", "2"}, {"friendlyFire", "0"}, {"numVoraks", "5"},
    {"voraksGlow", "0"},
};

// The complete file with some keys given other values or left out.
std::string Settings(const std::vector<Key>& changes = {})
{
    std::string text = "[QV3Server]\r\n";
    for (Key key : CompleteKeys) {
        for (const Key& change : changes)
            if (std::string(change.name) == key.name)
                key.value = change.value;
        if (key.value)
            text += std::string(key.name) + "=" + key.value + "\r\n";
    }
    return text;
}

// The file's lines; CR LF, CR and LF each end one, so a value holding a line feed ends its line there.
std::vector<std::string> Lines(const std::string& file)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < file.size();) {
        std::size_t end = std::min(file.find_first_of("\r\n", start), file.size());
        lines.push_back(file.substr(start, end - start));
        start = end + (file.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::string Value(const std::string& file, const std::string& key)
{
    for (const std::string& line : Lines(file))
        if (line.compare(0, key.size() + 1, key + "=") == 0)
            return line.substr(key.size() + 1);
    return "<missing>";
}

std::string Items(const EditorWindow& editor, int page, int list)
{
    std::string items;
    HWND control = editor.Item(page, list);
    int count = static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        char text[64] = "";
        SendMessageA(control, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        items += std::string(index ? "," : "") + text;
    }
    return items;
}

std::string JoinedDate(const EditorWindow& editor)
{
    return editor.SelectedText(General, IDC_GENERAL_START_YEAR) + "-" +
           editor.SelectedText(General, IDC_GENERAL_START_MONTH) + "-" +
           editor.SelectedText(General, IDC_GENERAL_START_DAY);
}

int SpinnerPosition(const EditorWindow& editor, int spinner)
{
    return LOWORD(SendMessageA(editor.Item(General, spinner), UDM_GETPOS, 0, 0));
}

TEST(ChoiceLists, HoldTheirItemsInOrder)
{
    ScratchDirectory directory("choice-items");
    EditorWindow editor;
    std::string times;
    for (int hour = 0; hour < 24; ++hour)
        times += (hour ? "," : "") + std::to_string(hour) + ":00," + std::to_string(hour) + ":30";
    const struct {
        int page;
        int id;
        std::string items;
    } lists[] = {
        {General, IDC_GENERAL_MAP, "Random,Flanders,Alsace,Verdun,Marne,Island"},
        {General, IDC_GENERAL_REGION_SIZE, "Full,Large,Medium,Small"},
        {General, IDC_GENERAL_LANDMARK_DENSITY, "Sparse,Moderate,Dense,Full"},
        {General, IDC_GENERAL_DIFFICULTY, "Novice,Veteran,Ace"},
        {General, IDC_GENERAL_GAME_TYPE, "Team Melee,Melee,Get The Vorak"},
        {General, IDC_GENERAL_GAME_MODE, "Normal,Advanced"},
        {General, IDC_GENERAL_START_TIME, times},
        {General, IDC_GENERAL_START_YEAR, "1915,1916,1917,1918"},
        {General, IDC_GENERAL_START_MONTH, "01,02,03,04,05,06,07,08,09,10,11,12"},
        {General, IDC_GENERAL_START_DAY, "01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20,21,22,"
                                         "23,24,25,26,27,28,29,30"},
        {Game, IDC_GAME_TARGET_REGION_SIZE, "Full,Large,Medium,Small"},
        {Game, IDC_GAME_FIRST_TO_DEFEND, "Random,Allies,Germans"},
    };
    for (const auto& list : lists)
        EXPECT_EQ(Items(editor, list.page, list.id), list.items) << "list " << list.id;
}

TEST(GeneralPage, WithoutSettingsFileShowsTheMissingKeyDefaults)
{
    ScratchDirectory directory("general-defaults");
    EditorWindow editor;
    for (int box : {IDC_GENERAL_SERVER_DESC, IDC_GENERAL_CLIENT_TIMEOUT, IDC_GENERAL_PASSWORD,
                    IDC_GENERAL_MAX_PLAYERS, IDC_GENERAL_GAME_LENGTH, IDC_GENERAL_MIN_AERODROMES,
                    IDC_GENERAL_MAX_PLANE_TYPES, IDC_GENERAL_KILLS_TO_SCORE})
        EXPECT_EQ(editor.Text(General, box), "\n") << "box " << box;
    for (int box : {IDC_GENERAL_CHEAT_PROTECTED, IDC_GENERAL_HIDE_TEAM_INDICATORS,
                    IDC_GENERAL_BALANCE_LANDMARKS, IDC_GENERAL_HISTORIC_PLANE_DATES, IDC_GENERAL_CLOUDS,
                    IDC_GENERAL_TORQUE, IDC_GENERAL_LIMITED_FUEL, IDC_GENERAL_ROCKETS_ALLOWED})
        EXPECT_TRUE(editor.Checked(General, box)) << "box " << box;
    EXPECT_FALSE(editor.Checked(General, IDC_GENERAL_LIMITED_AMMO));
    EXPECT_EQ(editor.SelectedText(General, IDC_GENERAL_MAP), "Random");
    for (int list : {IDC_GENERAL_REGION_SIZE, IDC_GENERAL_LANDMARK_DENSITY, IDC_GENERAL_GAME_TYPE,
                     IDC_GENERAL_DIFFICULTY, IDC_GENERAL_GAME_MODE, IDC_GENERAL_START_YEAR,
                     IDC_GENERAL_START_MONTH, IDC_GENERAL_START_DAY, IDC_GENERAL_START_TIME})
        EXPECT_EQ(editor.Selection(General, list), CB_ERR) << "list " << list;
    EXPECT_EQ(editor.Text(General, IDC_GENERAL_DAY_RATE), "0:1");
    EXPECT_EQ(editor.Text(General, IDC_GENERAL_NIGHT_RATE), "0:1");
}

TEST(PageBindings, NewFileListsBothPagesKeysInStoreOrder)
{
    ScratchDirectory directory("bindings-new");
    EditorWindow editor;
    editor.Build();
    const std::string file = directory.ReadSettings();
    // A line-feed value ends its line, so the quoted description spans two lines.
    std::string expected = "[QV3Server]\r\nserverDesc=\"\n\"\r\n";
    for (std::size_t index = 1; index < std::size(NewFileKeys); ++index) {
        const std::string value = NewFileKeys[index].value;
        expected += std::string(NewFileKeys[index].name) + "=" + value + (value == "\n" ? "" : "\r\n");
    }
    // The other pages' keys follow.
    EXPECT_EQ(file.substr(0, expected.size()), expected);
}

TEST(PageBindings, CompleteFileComesBackUnchanged)
{
    ScratchDirectory directory("bindings-complete");
    directory.WriteSettings(Settings());
    EditorWindow editor;
    EXPECT_EQ(editor.Text(General, IDC_GENERAL_SERVER_DESC), "  Arena One ");
    editor.Build();
    const std::string file = directory.ReadSettings();
    for (const Key& key : CompleteKeys)
        EXPECT_EQ(Value(file, key.name), key.value) << key.name;
}

TEST(GeneralPage, LoadedValuesAreShownAndStoredInTheirOwnForms)
{
    struct Case {
        std::vector<Key> file;
        int list;            // the list whose selection is checked, or 0
        const char* shown;
        Key stored;
    };
    const Case cases[] = {
        {{{"randomizeMap", "0"}, {"useMap", "random"}}, IDC_GENERAL_MAP, "Random", {"randomizeMap", "1"}},
        {{{"randomizeMap", "0"}, {"useMap", "random"}}, IDC_GENERAL_MAP, "Random", {"useMap", "random"}},
        {{{"randomizeMap", nullptr}}, IDC_GENERAL_MAP, "Random", {"randomizeMap", "1"}},
        {{{"gameType", "get_the_vorak"}}, Type, "Get The Vorak", {"gameType", "GET_THE_VORAK"}},
        {{{"gameType", "Get The Vorak"}}, Type, "Get The Vorak", {"gameType", "GET_THE_VORAK"}},
        // Item 1 is searched before item 0.
        {{{"gameType", "MELEE"}}, IDC_GENERAL_GAME_TYPE, "Melee", {"gameType", "MELEE"}},
        {{{"gameType", "TEAM"}}, IDC_GENERAL_GAME_TYPE, "Team Melee", {"gameType", "TEAM_MELEE"}},
        {{{"regionSize", "medium"}}, IDC_GENERAL_REGION_SIZE, "Medium", {"regionSize", "MEDIUM"}},
        {{{"difficulty", "expert"}}, IDC_GENERAL_DIFFICULTY, "", {"difficulty", ""}},
        {{{"startTime", "08:00"}}, IDC_GENERAL_START_TIME, "", {"startTime", ""}},
        {{{"startTime", "8:3"}}, IDC_GENERAL_START_TIME, "8:30", {"startTime", "8:30"}},
        {{{"startDate", "1916-7-3"}}, IDC_GENERAL_START_MONTH, "07", {"startDate", "1916-07-03"}},
        {{{"startDate", "1917-04-31"}}, IDC_GENERAL_START_DAY, "", {"startDate", "1917-04-"}},
        {{{"startDate", "1915-\t1/x-2"}}, IDC_GENERAL_START_MONTH, "01", {"startDate", "1915-01-02"}},
        {{{"startDate", "-04-15"}}, IDC_GENERAL_START_YEAR, "", {"startDate", "-04-15"}},
        {{{"unlimitedAmmo", "00"}}, 0, "", {"unlimitedAmmo", "1"}},
    };
    for (const Case& c : cases) {
        const Key& loaded = c.file[0];
        const std::string trace = std::string(loaded.name) + "=" + (loaded.value ? loaded.value : "<none>");
        ScratchDirectory directory("general-values");
        directory.WriteSettings(Settings(c.file));
        EditorWindow editor;
        if (c.list) {
            EXPECT_EQ(editor.SelectedText(General, c.list), c.shown) << trace;
        }
        editor.Build();
        EXPECT_EQ(Value(directory.ReadSettings(), c.stored.name), c.stored.value) << trace;
    }
}

TEST(GeneralPage, OperatorsChoicesAreStored)
{
    ScratchDirectory directory("general-choices");
    directory.WriteSettings(Settings({{"randomizeMap", "0"}, {"useMap", "ALSACE"}}));
    {
        EditorWindow editor;
        editor.SetText(General, IDC_GENERAL_SERVER_DESC, " My  Server ");
        editor.SelectItem(General, IDC_GENERAL_MAP, 0);
        editor.Click(General, IDC_GENERAL_LIMITED_AMMO);
        editor.Build();
        const std::string file = directory.ReadSettings();
        EXPECT_EQ(Value(file, "serverDesc"), "\" My  Server \"");
        EXPECT_EQ(Value(file, "randomizeMap"), "1");
        EXPECT_EQ(Value(file, "useMap"), "ALSACE") << "Random keeps the last named map";
        EXPECT_EQ(Value(file, "unlimitedAmmo"), "1");
    }
    EditorWindow editor;
    EXPECT_EQ(editor.Text(General, IDC_GENERAL_SERVER_DESC), " My  Server ");
    editor.SelectItem(General, IDC_GENERAL_MAP, 3);
    editor.Build();
    EXPECT_EQ(Value(directory.ReadSettings(), "randomizeMap"), "0");
    EXPECT_EQ(Value(directory.ReadSettings(), "useMap"), "VERDUN");
}

TEST(GeneralPage, EmptyOrAbsentValueKeepsAListsSelection)
{
    ScratchDirectory directory("general-keep");
    EditorWindow editor;
    editor.SelectItem(General, IDC_GENERAL_REGION_SIZE, 1);
    editor.SelectItem(General, IDC_GENERAL_GAME_MODE, 1);
    editor.SelectItem(General, IDC_GENERAL_START_MONTH, 1);
    editor.SelectItem(General, IDC_GENERAL_START_DAY, 14);

    // Loaded again over the operator's choices.
    directory.WriteSettings(Settings({{"regionSize", ""}, {"gameMode", nullptr}, {"startDate", "1917-06"}}));
    LoadGeneralPage();
    EXPECT_EQ(editor.Selection(General, IDC_GENERAL_REGION_SIZE), 1) << "an empty value names no item";
    EXPECT_EQ(editor.Selection(General, IDC_GENERAL_GAME_MODE), 1) << "the line-feed text matches nothing";
    EXPECT_EQ(editor.SelectedText(General, IDC_GENERAL_START_YEAR), "1917");
    EXPECT_EQ(editor.SelectedText(General, IDC_GENERAL_START_MONTH), "06");
    EXPECT_EQ(editor.SelectedText(General, IDC_GENERAL_START_DAY), "15") << "a date without a day";

    // A missing date reads as the line-feed text: no year matches it, month and day are absent.
    directory.WriteSettings(Settings({{"startDate", nullptr}}));
    LoadGeneralPage();
    EXPECT_EQ(JoinedDate(editor), "1917-06-15");
}

TEST(GeneralPage, RatesShowTheValueAndStoreThePosition)
{
    const struct {
        const char* value;
        const char* shown;
        int position;
        const char* stored;
    } cases[] = {{"2000", "2000:1", 1440, "1440.0"}, {"30.0", "30:1", 30, "30.0"}, {"-5", "-5:1", 1, "1.0"}};
    for (const auto& c : cases) {
        ScratchDirectory directory("general-rate");
        directory.WriteSettings(Settings({{"dayRate", c.value}, {"nightRate", "12.0"}}));
        EditorWindow editor;
        EXPECT_EQ(editor.Text(General, IDC_GENERAL_DAY_RATE), c.shown) << c.value;
        EXPECT_EQ(SpinnerPosition(editor, IDC_GENERAL_DAY_RATE_SPIN), c.position) << c.value;
        EXPECT_EQ(editor.Text(General, IDC_GENERAL_NIGHT_RATE), "12:1") << c.value;
        editor.Build();
        EXPECT_EQ(Value(directory.ReadSettings(), "dayRate"), c.stored) << c.value;
        EXPECT_EQ(Value(directory.ReadSettings(), "nightRate"), "12.0") << c.value;
    }
}

TEST(GeneralPage, FailedDescriptionWriteStopsTheBuild)
{
    ScratchDirectory directory("general-blocked");
    directory.WriteSettings(Settings());
    EditorWindow editor;
    editor.SetText(General, IDC_GENERAL_MAX_PLAYERS, "32");
    {
        WriteBlocker blocker(directory.SettingsPath());
        ASSERT_TRUE(blocker.Held());
        MessageBoxRecorder boxes;
        editor.Build();
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].caption, "Error");
        EXPECT_EQ(boxes.Boxes()[0].text,
                  "An error occurred while writing to the INI file.  The INI file may be write-protected.");
    }
    EXPECT_EQ(directory.ReadSettings(), Settings());
}

}  // namespace
