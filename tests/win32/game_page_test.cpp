#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

#include "app/app_state.h"
#include "resource.h"
#include "test_support.h"

namespace {

const int General = GeneralPageIndex;
const int Game = GamePageIndex;

const int Inputs[] = {IDC_GAME_MAX_VORAKS, IDC_GAME_VORAKS_GLOW, IDC_GAME_TARGET_SWAP_TIME,
                      IDC_GAME_PLAYERS_PER_TARGET, IDC_GAME_TARGET_REGION_SIZE, IDC_GAME_FIRST_TO_DEFEND,
                      IDC_GAME_END_GAME, IDC_GAME_AUTO_RESTART_SERVER, IDC_GAME_REMOVE_DEAD_TARGETS,
                      IDC_GAME_AUTO_REPAIR_TARGETS, IDC_GAME_TARGETS_CHANGE_TEAMS,
                      IDC_GAME_MANUALLY_CHOOSE_TARGETS, IDC_GAME_MANUAL_TARGET_PROGRESS,
                      IDC_GAME_MANUAL_TARGETS_AT_A_TIME, IDC_GAME_TARGETS, IDC_GAME_FRIENDLY_FIRE};
const int FlagBoxes[] = {IDC_GAME_END_GAME, IDC_GAME_AUTO_RESTART_SERVER, IDC_GAME_REMOVE_DEAD_TARGETS,
                         IDC_GAME_AUTO_REPAIR_TARGETS, IDC_GAME_TARGETS_CHANGE_TEAMS,
                         IDC_GAME_MANUALLY_CHOOSE_TARGETS, IDC_GAME_MANUAL_TARGET_PROGRESS,
                         IDC_GAME_FRIENDLY_FIRE, IDC_GAME_VORAKS_GLOW};
const std::set<int> TeamMelee = {IDC_GAME_TARGET_SWAP_TIME, IDC_GAME_PLAYERS_PER_TARGET,
                                 IDC_GAME_TARGET_REGION_SIZE, IDC_GAME_FIRST_TO_DEFEND, IDC_GAME_END_GAME,
                                 IDC_GAME_AUTO_RESTART_SERVER, IDC_GAME_REMOVE_DEAD_TARGETS,
                                 IDC_GAME_AUTO_REPAIR_TARGETS, IDC_GAME_TARGETS_CHANGE_TEAMS,
                                 IDC_GAME_MANUALLY_CHOOSE_TARGETS, IDC_GAME_FRIENDLY_FIRE};
const std::set<int> ManualTargets = {IDC_GAME_MANUAL_TARGET_PROGRESS, IDC_GAME_MANUAL_TARGETS_AT_A_TIME,
                                     IDC_GAME_TARGETS};
const std::set<int> GetTheVorak = {IDC_GAME_MAX_VORAKS, IDC_GAME_VORAKS_GLOW};
const std::set<int> None;

// The game page's keys and a game type, with one key given another value (or, when null, left out).
std::string Settings(const std::string& key = "", const char* value = "")
{
    std::string file =
        "[QV3Server]\r\ngameType=TEAM_MELEE\r\ntargetSwapTimeInSeconds=600\r\nplayersPerTarget=3\r\n"
        "targetRegionSize=LARGE\r\ngermansDefendFirst=0\r\nendOnNoTargets=0\r\nautoRestartServer=1\r\n"
        "deadTargetsRemoved=0\r\nautoRepairTargets=1\r\ntargetsChangeTeams=0\r\nmanuallyChooseTargets=1\r\n"
        "manualTargetsProgress=0\r\nmanualTargetsAtATime=2\r\nfriendlyFire=1\r\nnumVoraks=7\r\nvoraksGlow=0\r\n";
    std::size_t line = file.find("\r\n" + key + "=");
    if (!key.empty() && line != std::string::npos) {
        std::size_t end = file.find("\r\n", line + 2);
        file.replace(line, end - line, value ? "\r\n" + key + "=" + value : "");
    }
    return file;
}

std::string Value(const std::string& file, const std::string& key)
{
    std::size_t start = file.find("\r\n" + key + "=");
    if (start == std::string::npos)
        return "<missing>";
    start += key.size() + 3;
    return file.substr(start, file.find("\r\n", start) - start);
}

std::set<int> EnabledInputs(const EditorWindow& editor)
{
    std::set<int> enabled;
    for (int id : Inputs)
        if (editor.Enabled(Game, id))
            enabled.insert(id);
    return enabled;
}

std::set<int> Union(std::set<int> a, const std::set<int>& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

TEST(GamePage, WithoutSettingsFileShowsTheMissingKeyDefaults)
{
    ScratchDirectory directory("game-defaults");
    EditorWindow editor;
    for (int box : {IDC_GAME_PLAYERS_PER_TARGET, IDC_GAME_MANUAL_TARGETS_AT_A_TIME, IDC_GAME_MAX_VORAKS})
        EXPECT_EQ(editor.Text(Game, box), "\n") << "box " << box;
    EXPECT_EQ(editor.Text(Game, IDC_GAME_TARGET_SWAP_TIME), "0");
    for (int box : FlagBoxes)
        EXPECT_TRUE(editor.Checked(Game, box)) << "box " << box;
    EXPECT_EQ(editor.Selection(Game, IDC_GAME_TARGET_REGION_SIZE), CB_ERR);
    EXPECT_EQ(editor.SelectedText(Game, IDC_GAME_FIRST_TO_DEFEND), "Germans");
    EXPECT_EQ(EnabledInputs(editor), None) << "no game type selected";
}

TEST(GamePage, LoadedValuesAreShownAndStoredInTheirOwnForms)
{
    const struct {
        const char* key;
        const char* value;
        int control;
        const char* shown;
        const char* stored;
    } cases[] = {
        {"targetSwapTimeInSeconds", "90", IDC_GAME_TARGET_SWAP_TIME, "1", "60"},
        {"targetSwapTimeInSeconds", "59", IDC_GAME_TARGET_SWAP_TIME, "0", "0"},
        {"targetSwapTimeInSeconds", "-90", IDC_GAME_TARGET_SWAP_TIME, "-1", "-60"},
        {"targetSwapTimeInSeconds", "300", IDC_GAME_TARGET_SWAP_TIME, "5", "300"},
        {"targetSwapTimeInSeconds", nullptr, IDC_GAME_TARGET_SWAP_TIME, "0", "0"},
        {"germansDefendFirst", "2", IDC_GAME_FIRST_TO_DEFEND, "Germans", "1"},
        {"germansDefendFirst", "Germans", IDC_GAME_FIRST_TO_DEFEND, "Germans", "1"},
        {"germansDefendFirst", "-1", IDC_GAME_FIRST_TO_DEFEND, "Random", "-1"},
        {"germansDefendFirst", "0", IDC_GAME_FIRST_TO_DEFEND, "Allies", "0"},
        {"targetRegionSize", "medium", IDC_GAME_TARGET_REGION_SIZE, "Medium", "MEDIUM"},
        {"targetRegionSize", "", IDC_GAME_TARGET_REGION_SIZE, "", ""},
        {"playersPerTarget", "", IDC_GAME_PLAYERS_PER_TARGET, "", ""},
    };
    for (const auto& c : cases) {
        const std::string trace = std::string(c.key) + "=" + (c.value ? c.value : "<none>");
        ScratchDirectory directory("game-values");
        directory.WriteSettings(Settings(c.key, c.value));
        EditorWindow editor;
        EXPECT_EQ(editor.Text(Game, c.control), c.shown) << trace;
        editor.Build();
        EXPECT_EQ(Value(directory.ReadSettings(), c.key), c.stored) << trace;
    }
}

TEST(GamePage, TypedMinutesAreStoredAsSecondsThatFit)
{
    const struct {
        const char* minutes;
        const char* stored;
    } cases[] = {{"5", "300"}, {"", "0"}, {"\n", "0"}, {"99999999", "2147483640"},
                 {"-99999999", "-2147483640"}};
    for (const auto& c : cases) {
        ScratchDirectory directory("game-minutes");
        directory.WriteSettings(Settings());
        EditorWindow editor;
        editor.SetText(Game, IDC_GAME_TARGET_SWAP_TIME, c.minutes);
        editor.Build();
        EXPECT_EQ(Value(directory.ReadSettings(), "targetSwapTimeInSeconds"), c.stored)
            << "typed " << c.minutes;
    }
}

TEST(GameTypeRule, EnablesExactlyTheControlsOfTheChosenType)
{
    ScratchDirectory directory("game-type-rule");
    directory.WriteSettings(Settings());
    EditorWindow editor;
    const struct {
        int type;
        bool manual;
        std::set<int> enabled;
    } cases[] = {
        {0, true, Union(TeamMelee, ManualTargets)},
        {0, false, TeamMelee},
        {1, true, None},
        {2, true, GetTheVorak},
        {2, false, GetTheVorak},
        {CB_ERR, true, None},
    };
    for (const auto& c : cases) {
        CheckDlgButton(editor.Page(Game), IDC_GAME_MANUALLY_CHOOSE_TARGETS,
                       c.manual ? BST_CHECKED : BST_UNCHECKED);
        editor.SelectItem(General, IDC_GENERAL_GAME_TYPE, c.type);
        EXPECT_EQ(EnabledInputs(editor), c.enabled) << "type " << c.type << (c.manual ? " manual" : "");
        for (int label : {IDC_GAME_TARGET_SWAP_TIME_LABEL, IDC_GAME_MANUAL_TARGETS_AT_A_TIME_LABEL,
                          IDC_GAME_MAX_VORAKS_LABEL})
            EXPECT_TRUE(editor.Enabled(Game, label)) << "label " << label << " type " << c.type;
    }
}

TEST(GameTypeRule, AppliesAtStartUpAndManualTargetsFollowTheirCheckBox)
{
    ScratchDirectory directory("game-toggle");
    directory.WriteSettings(Settings("gameType", "GET_THE_VORAK"));
    EditorWindow editor;
    // The load enabled the manual-target controls; the rule ran after it.
    EXPECT_EQ(EnabledInputs(editor), GetTheVorak);

    editor.Click(Game, IDC_GAME_MANUALLY_CHOOSE_TARGETS);   // disabled: nothing happens
    CheckDlgButton(editor.Page(Game), IDC_GAME_MANUALLY_CHOOSE_TARGETS, BST_UNCHECKED);
    editor.SelectItem(General, IDC_GENERAL_GAME_TYPE, 0);
    EXPECT_EQ(EnabledInputs(editor), TeamMelee);
    editor.Click(Game, IDC_GAME_MANUALLY_CHOOSE_TARGETS);
    EXPECT_EQ(EnabledInputs(editor), Union(TeamMelee, ManualTargets));
    editor.Click(Game, IDC_GAME_MANUALLY_CHOOSE_TARGETS);
    EXPECT_EQ(EnabledInputs(editor), TeamMelee);
}

TEST(GamePage, DisabledControlsAreStoredToo)
{
    ScratchDirectory directory("game-melee-store");
    directory.WriteSettings(Settings("gameType", "MELEE"));
    EditorWindow editor;
    ASSERT_EQ(EnabledInputs(editor), None);
    editor.SetText(Game, IDC_GAME_TARGET_SWAP_TIME, "3");
    editor.SetText(Game, IDC_GAME_PLAYERS_PER_TARGET, "9");
    editor.SetText(Game, IDC_GAME_MANUAL_TARGETS_AT_A_TIME, "4");
    editor.SetText(Game, IDC_GAME_MAX_VORAKS, "12");
    SendMessageA(editor.Item(Game, IDC_GAME_TARGET_REGION_SIZE), CB_SETCURSEL, 0, 0);
    SendMessageA(editor.Item(Game, IDC_GAME_FIRST_TO_DEFEND), CB_SETCURSEL, 0, 0);
    for (int box : FlagBoxes)
        CheckDlgButton(editor.Page(Game), box, editor.Checked(Game, box) ? BST_UNCHECKED : BST_CHECKED);
    editor.Build();

    // Stored in place, as one block in the page's order.
    const std::string stored =
        "\r\ngameType=MELEE\r\ntargetSwapTimeInSeconds=180\r\nplayersPerTarget=9\r\ntargetRegionSize=FULL\r\n"
        "germansDefendFirst=-1\r\nendOnNoTargets=1\r\nautoRestartServer=0\r\ndeadTargetsRemoved=1\r\n"
        "autoRepairTargets=0\r\ntargetsChangeTeams=1\r\nmanuallyChooseTargets=0\r\nmanualTargetsProgress=1\r\n"
        "manualTargetsAtATime=4\r\nfriendlyFire=0\r\nnumVoraks=12\r\nvoraksGlow=1\r\n";
    EXPECT_NE(directory.ReadSettings().find(stored), std::string::npos) << directory.ReadSettings();
    EXPECT_EQ(EnabledInputs(editor), None) << "building changes no enabled state";
}

}  // namespace
