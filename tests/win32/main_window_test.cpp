#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <random>
#include <string>
#include <tuple>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/pages.h"
#include "editor.h"
#include "resource.h"
#include "settings/profile_store.h"
#include "targets/target_dialog.h"

namespace {

// The file of the last "View Bitmap" request; no viewer ever starts.
std::string bitmapFile;
BOOL WINAPI RecordBitmapRequest(SHELLEXECUTEINFOA* request)
{
    bitmapFile = request->lpFile ? request->lpFile : "(none)";
    return TRUE;
}

// The window is centred, has the real dialog font's size and its icon in both sizes; the pages sit over the
// tab control, inside it. Tabs only hide and show pages, so that what was typed survives them.
TEST(MainWindow, IsCentredInItsFontsWidthPagesSitInTheTabTabsKeepEditsAndMapsShowTheirPicture)
{
    ScratchDirectory directory("main-window");
    Editor editor;
    HWND tab = GetDlgItem(editor.Window(), IDC_MAIN_TAB);
    RECT tabRect, own, desktop;
    GetWindowRect(editor.Window(), &own);
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(own.right - own.left, 485) << "not the real dialog font (Wine's fallback for it is much wider)";
    EXPECT_NEAR(own.left + own.right, desktop.right, 1) << "centred across";
    EXPECT_NEAR(own.top + own.bottom, desktop.bottom, 1) << "centred down";
    for (WPARAM size : {ICON_BIG, ICON_SMALL}) EXPECT_TRUE(SendMessageA(editor.Window(), WM_GETICON, size, 0)) << size;
    GetWindowRect(tab, &tabRect);
    for (int index = 0; index < PageCount; ++index) {
        HWND page = editor.Page(index), above = GetWindow(tab, GW_HWNDPREV);
        RECT placed, inside;
        GetWindowRect(page, &placed);
        while (above && above != page) above = GetWindow(above, GW_HWNDPREV);   // painted over the tab control
        ASSERT_NE(page, nullptr) << "page " << index;
        EXPECT_TRUE(IntersectRect(&inside, &placed, &tabRect) && EqualRect(&inside, &placed)) << "page " << index;
        EXPECT_EQ(above, page) << "page " << index << " is painted over the tab control";
    }

    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "typed, not built");
    editor.SetText(GamePageIndex, IDC_GAME_PLAYERS_PER_TARGET, "7");
    for (int index : {0, 1, 2, 3, 4, 0, 4, 2}) {
        editor.SelectTab(index);
        for (int other = 0; other < PageCount; ++other)
            EXPECT_EQ(IsWindowVisible(editor.Page(other)) != FALSE, other == index) << index << ", " << other;
    }
    EXPECT_EQ(editor.Text(GeneralPageIndex, IDC_GENERAL_SERVER_DESC) + "|" +
              editor.Text(GamePageIndex, IDC_GAME_PLAYERS_PER_TARGET), "typed, not built|7");
    EXPECT_TRUE(FilesIn(directory.Path()).empty());
    // "View Bitmap" hands the shell the current map's picture; the shell, loaded only then, answers.
    SHELLEXECUTEINFOA missing = {};
    missing.cbSize = sizeof missing;
    missing.fMask = SEE_MASK_FLAG_NO_UI;   // no box of the shell's own
    missing.lpFile = "none.bmp";
    SetLastError(0);
    EXPECT_FALSE(BitmapOpener(&missing));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    BitmapOpener = RecordBitmapRequest;
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_MAP, 2);
    ViewMapBitmap(editor.Window());
    EXPECT_EQ(bitmapFile, "landmarks\\Alsace.bmp");   // in the server's folder
}


const int General = GeneralPageIndex, Game = GamePageIndex;

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

// (What the lists hold: the check's test, which the pages' lists tell what a key takes.)
TEST(GeneralPage, ValuesAreShownAndStoredInTheirOwnForms)
{
    ScratchDirectory directory("general-values");
    Editor editor;
    EXPECT_EQ(editor.Text(General, IDC_GENERAL_DAY_RATE) + editor.Text(General, IDC_GENERAL_NIGHT_RATE), "0:10:1");
    const int lists[] = {IDC_GENERAL_REGION_SIZE, IDC_GENERAL_GAME_MODE, IDC_GENERAL_START_YEAR,
                         IDC_GENERAL_START_MONTH, IDC_GENERAL_START_DAY};
    for (int id : lists) editor.SelectItem(General, id, 1);
    // Loaded again over the operator's choices: an empty value, a missing key and a date without its day.
    directory.WriteSettings(Settings("regionSize=", Settings("gameMode", Settings("startDate=1917-06"))));
    LoadAllPages();
    std::string shown;
    for (int id : lists)
        shown += editor.Text(General, id) + " ";
    EXPECT_EQ(shown, "Large Advanced 1917 06 02 ");
    const struct { const char* file; int control; const char* shown; const char* stored; } cases[] = {
        {"useMap=random", IDC_GENERAL_MAP, "Random", "randomizeMap=1"},   // useMap stays as it was
        {"gameType=TEAM", IDC_GENERAL_GAME_TYPE, "Team Melee", "gameType=TEAM_MELEE"},
        {"regionSize=medium", IDC_GENERAL_REGION_SIZE, "Medium", "regionSize=MEDIUM"},
        {"startDate=1917-04-31", IDC_GENERAL_START_DAY, "15", "startDate=1917-04-15"},   // no such day: kept
        {"startDate=1916-7-3", IDC_GENERAL_START_MONTH, "07", "startDate=1916-07-03"},
        {"dayRate=2000", IDC_GENERAL_DAY_RATE, "2000:1", "dayRate=1440.0"}};
    for (const auto& c : cases) {
        directory.WriteSettings(Settings(c.file));
        LoadAllPages();
        EXPECT_EQ(editor.Text(General, c.control), c.shown) << c.file;
        editor.Build();
        EXPECT_EQ(directory.ReadSettings().find(Settings(c.stored, Settings(c.file))), 0u) << c.file;
    }
}

// The page's inputs, then two labels that no game type disables; an enabled set has a digit per control.
const int Controls[] = {
    IDC_GAME_MAX_VORAKS, IDC_GAME_VORAKS_GLOW, IDC_GAME_TARGET_SWAP_TIME, IDC_GAME_PLAYERS_PER_TARGET,
    IDC_GAME_TARGET_REGION_SIZE, IDC_GAME_FIRST_TO_DEFEND, IDC_GAME_END_GAME, IDC_GAME_AUTO_RESTART_SERVER,
    IDC_GAME_REMOVE_DEAD_TARGETS, IDC_GAME_AUTO_REPAIR_TARGETS, IDC_GAME_TARGETS_CHANGE_TEAMS,
    IDC_GAME_MANUALLY_CHOOSE_TARGETS, IDC_GAME_MANUAL_TARGET_PROGRESS, IDC_GAME_MANUAL_TARGETS_AT_A_TIME,
    IDC_GAME_TARGETS, IDC_GAME_FRIENDLY_FIRE, IDC_GAME_TARGET_SWAP_TIME_LABEL, IDC_GAME_MAX_VORAKS_LABEL};
const char None[] = "000000000000000011", Vorak[] = "110000000000000011";
const char TeamMelee[] = "001111111111000111", ManualTargets[] = "001111111111111111";

std::string EnabledSet(const Editor& editor)
{
    std::string enabled;
    for (int id : Controls) enabled += editor.Enabled(Game, id) ? '1' : '0';
    return enabled;
}

TEST(GamePage, GameTypeDecidesTheEnabledControlsYetEveryValueIsStoredInItsOwnForm)
{
    ScratchDirectory directory("game-page");
    directory.WriteSettings("[QV3Server]\r\ngameType=GET_THE_VORAK\r\ntargetSwapTimeInSeconds=90\r\n"
                            "germansDefendFirst=2\r\ntargetRegionSize=medium\r\nplayersPerTarget=4\r\n"
                            "manualTargetsAtATime=3\r\nnumVoraks=5\r\n");
    Editor editor;
    EXPECT_EQ(editor.Text(Game, IDC_GAME_TARGET_SWAP_TIME) + "|" + editor.Text(Game, IDC_GAME_FIRST_TO_DEFEND) + "|" +
              editor.Text(Game, IDC_GAME_TARGET_REGION_SIZE), "1|Germans|Medium");
    EXPECT_EQ(EnabledSet(editor), Vorak) << "the rule runs after the load enabled the manual targets";
    const struct { int type; bool manual, click; const char* enabled; } cases[] = {
        {2, false, false, Vorak}, {0, false, false, TeamMelee}, {0, false, true, ManualTargets},
        {0, true, false, ManualTargets}, {0, true, true, TeamMelee}, {-1, true, false, None}, {1, true, false, None}};
    for (const auto& c : cases) {
        CheckDlgButton(editor.Page(Game), IDC_GAME_MANUALLY_CHOOSE_TARGETS, c.manual ? BST_CHECKED : BST_UNCHECKED);
        editor.SelectItem(GeneralPageIndex, IDC_GENERAL_GAME_TYPE, c.type);
        if (c.click) editor.Click(Game, IDC_GAME_MANUALLY_CHOOSE_TARGETS);
        EXPECT_EQ(EnabledSet(editor), c.enabled) << "type/manual/click " << c.type << c.manual << c.click;
    }
    // Disabled under Melee, yet every key is stored; the typed minutes as the nearest seconds that fit.
    editor.SetText(Game, IDC_GAME_TARGET_SWAP_TIME, "99999999");
    editor.SelectItem(Game, IDC_GAME_FIRST_TO_DEFEND, 0);
    editor.Build();
    for (const char* line : {"targetSwapTimeInSeconds=2147483640", "playersPerTarget=4\r\n", "targetRegionSize=MEDIUM",
             "germansDefendFirst=-1", "manualTargetsAtATime=3\r\n", "numVoraks=5\r\n"})
        EXPECT_NE(directory.ReadSettings().find(std::string("\n") + line), std::string::npos) << line;
}

TEST(AircraftPages, DatesAreBoundedAndStoredGermanFirst)
{
    ScratchDirectory directory("aircraft-pages");
    Editor editor;
    for (char typed : {'7', '-', ',', '7', 'a'})
        SendMessageA(editor.Item(GermanPlanesPageIndex, IDC_GERMAN_FOKKER_DRI_START), WM_CHAR, WPARAM(typed), 0);
    SendMessageA(editor.Item(GermanPlanesPageIndex, IDC_GERMAN_FOKKER_DRI_END), EM_REPLACESEL, 0,
                 reinterpret_cast<LPARAM>(std::string(130, '8').c_str()));
    editor.Build();
    EXPECT_NE(directory.ReadSettings().find("\nFOKKER_DVII=1\r\nPFALZ_DXII=1\r\nMORANE_BULLET=1\r\n"), std::string::npos)
        << "the German page first";
    EXPECT_NE(directory.ReadSettings().find("\nFOKKER_DRI=1,77," + std::string(125, '8') + "\r\n"), std::string::npos);
}

TEST(RateSpinners, HaveTheirRangeAndStepsAndWrapAtBothEnds)
{
    ScratchDirectory directory("spinners");
    Editor editor;
    // Single steps and the accelerated step of 40, across either end (1 and 1440) and onto it.
    const struct { int from; UINT step; bool up; int expected; } cases[] = {
        {1440, 1, true, 1}, {1, 1, false, 1440}, {30, 1, true, 31}, {1420, 40, true, 1},
        {30, 40, false, 1440}, {1400, 40, true, 1440}, {41, 40, false, 1}};
    for (int box : {IDC_GENERAL_DAY_RATE, IDC_GENERAL_NIGHT_RATE}) {
        HWND spinner = GetWindow(editor.Item(General, box), GW_HWNDNEXT);   // right after its buddy
        RECT arrows;
        GetClientRect(spinner, &arrows);
        UDACCEL steps[3] = {};
        const LRESULT count = SendMessageA(spinner, UDM_GETACCEL, 3, reinterpret_cast<LPARAM>(steps));
        EXPECT_EQ(std::make_tuple(count, steps[0].nSec, steps[0].nInc, steps[1].nSec, steps[1].nInc),
                  std::make_tuple(LRESULT{2}, 0u, 1u, 1u, 40u)) << "steps of " << box;
        for (const auto& c : cases) {
            SendMessageA(spinner, UDM_SETPOS, 0, MAKELPARAM(c.from, 0));
            UDACCEL step = {0, c.step};
            SendMessageA(spinner, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
            // A click on an arrow as the operator's mouse gives it; the control then asks the page for its step.
            const LPARAM point = MAKELPARAM(arrows.right / 2, c.up ? arrows.bottom / 4 : arrows.bottom * 3 / 4);
            SendMessageA(spinner, WM_LBUTTONDOWN, MK_LBUTTON, point);
            SendMessageA(spinner, WM_LBUTTONUP, 0, point);
            EXPECT_EQ(editor.Text(General, box) + " " + std::to_string(LOWORD(SendMessageA(spinner, UDM_GETPOS, 0, 0))),
                      std::to_string(c.expected) + ":1 " + std::to_string(c.expected)) << c.from << " " << c.up << c.step;
        }
    }
}

// A settings file as hands, other programs and damage leave them: lines that begin as the pages' headers and
// keys (with blanks around "=" or not), cookies or nothing, then bytes that mean something to a read (blanks,
// quotes, comments, NULs, the list separator, brackets), any mix of line ends, with or without a UTF-8 mark.
std::string RandomSettings(std::mt19937& random)
{
    const char* const starts[] = {"[QV3Server]", " [QV3Server]", "[RegisterWith]", "[Clients]", "[Targets]",
        "[Foreign]", "serverDesc=", "maxPlayers = ", "password=", "useMap=", "randomizeMap=", "startDate = ",
        "startTime=", "dayRate=", "nightRate=", "gameType=", "difficulty=", "cloudsOn=", "targetSwapTimeInSeconds=",
        "germansDefendFirst=", "targetRegionSize=", "playersPerTarget=", "FOKKER_EIII=", "SPAD_VII = ", "SE5A=",
        "other=", "Cookie=", ""};
    const std::string bytes = std::string("aZ09 \t/\"'=-:.,;[]") + '\0' + "\xC7\xE9";
    const char* const ends[] = {"\r\n", "\n", "\r"};
    std::string file = random() % 4 == 0 ? "\xEF\xBB\xBF" : "";
    for (auto line = random() % 40; line > 0; --line) {
        file += starts[random() % std::size(starts)];
        for (auto n = random() % 14; n > 0; --n) file += bytes[random() % bytes.size()];
        file += ends[random() % 3];
    }
    return file;
}

TEST(Build, ASecondBuildChangesNothingSeed2026Files60)
{
    std::mt19937 random(2026);
    ScratchDirectory directory("build-twice");
    for (int round = 0; round < 60; ++round) {
        const std::string file = RandomSettings(random);
        directory.WriteSettings(file);
        std::string once;
        {
            Editor editor;
            editor.Build();
            once = directory.ReadSettings();
        }
        Editor editor;
        editor.Build();
        ASSERT_EQ(directory.ReadSettings(), once) << "round " << round << ": " << testing::PrintToString(file);
    }
}

}  // namespace
