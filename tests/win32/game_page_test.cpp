#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "resource.h"
#include "test_support.h"

namespace {

const int Game = GamePageIndex;

// The page's inputs, then two labels that no game type disables; an enabled set has a digit per control.
const int Controls[] = {
    IDC_GAME_MAX_VORAKS, IDC_GAME_VORAKS_GLOW, IDC_GAME_TARGET_SWAP_TIME, IDC_GAME_PLAYERS_PER_TARGET,
    IDC_GAME_TARGET_REGION_SIZE, IDC_GAME_FIRST_TO_DEFEND, IDC_GAME_END_GAME, IDC_GAME_AUTO_RESTART_SERVER,
    IDC_GAME_REMOVE_DEAD_TARGETS, IDC_GAME_AUTO_REPAIR_TARGETS, IDC_GAME_TARGETS_CHANGE_TEAMS,
    IDC_GAME_MANUALLY_CHOOSE_TARGETS, IDC_GAME_MANUAL_TARGET_PROGRESS, IDC_GAME_MANUAL_TARGETS_AT_A_TIME,
    IDC_GAME_TARGETS, IDC_GAME_FRIENDLY_FIRE, IDC_GAME_TARGET_SWAP_TIME_LABEL, IDC_GAME_MAX_VORAKS_LABEL};
const char None[] = "000000000000000011", Vorak[] = "110000000000000011";
const char TeamMelee[] = "001111111111000111", ManualTargets[] = "001111111111111111";

std::string EnabledSet(const EditorWindow& editor)
{
    std::string enabled;
    for (int id : Controls)
        enabled += editor.Enabled(Game, id) ? '1' : '0';
    return enabled;
}

// The page's keys with one value replaced; a built file starts with them.
std::string Settings(const std::string& key, const std::string& value)
{
    std::string file =
        "[QV3Server]\r\ntargetSwapTimeInSeconds=600\r\nplayersPerTarget=3\r\n"
        "targetRegionSize=LARGE\r\ngermansDefendFirst=0\r\nendOnNoTargets=0\r\nautoRestartServer=1\r\n"
        "deadTargetsRemoved=0\r\nautoRepairTargets=1\r\ntargetsChangeTeams=0\r\nmanuallyChooseTargets=1\r\n"
        "manualTargetsProgress=0\r\nmanualTargetsAtATime=2\r\nfriendlyFire=1\r\nnumVoraks=7\r\nvoraksGlow=0\r\n";
    std::size_t start = file.find("\r\n" + key + "=") + key.size() + 3;
    return file.replace(start, file.find("\r\n", start) - start, value);
}

TEST(GamePage, LoadedValuesAreShownAndStoredInTheirOwnForms)
{
    const struct { const char* key; const char* value; int id; const char* shown; const char* stored; } cases[] = {
        {"targetSwapTimeInSeconds", "90", IDC_GAME_TARGET_SWAP_TIME, "1", "60"},
        {"germansDefendFirst", "2", IDC_GAME_FIRST_TO_DEFEND, "Germans", "1"},
        {"germansDefendFirst", "-1", IDC_GAME_FIRST_TO_DEFEND, "Random", "-1"},
        {"targetRegionSize", "medium", IDC_GAME_TARGET_REGION_SIZE, "Medium", "MEDIUM"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        ScratchDirectory directory("game-values");
        directory.WriteSettings(Settings(c.key, c.value));
        EditorWindow editor;
        EXPECT_EQ(editor.Text(Game, c.id), c.shown);
        editor.Build();
        const std::string expected = Settings(c.key, c.stored);
        EXPECT_EQ(directory.ReadSettings().substr(0, expected.size()), expected);
    }
}

TEST(GameTypeRule, EnablesTheChosenTypesControlsAndManualTargetsFollowTheirCheckBox)
{
    ScratchDirectory directory("game-type-rule");
    directory.WriteSettings("[QV3Server]\r\ngameType=GET_THE_VORAK\r\n");
    EditorWindow editor;
    EXPECT_EQ(editor.Text(Game, IDC_GAME_TARGET_SWAP_TIME) + editor.Text(Game, IDC_GAME_FIRST_TO_DEFEND), "0Germans");
    EXPECT_EQ(EnabledSet(editor), Vorak) << "the rule runs after the load enabled the manual targets";
    const struct { int type; bool manual; bool click; const char* enabled; } cases[] = {
        {2, false, false, Vorak}, {0, false, false, TeamMelee}, {0, false, true, ManualTargets},
        {0, true, false, ManualTargets}, {0, true, true, TeamMelee}, {-1, true, false, None}, {1, true, false, None}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << c.type << ", manual " << c.manual << ", click " << c.click);
        CheckDlgButton(editor.Page(Game), IDC_GAME_MANUALLY_CHOOSE_TARGETS, c.manual ? BST_CHECKED : BST_UNCHECKED);
        editor.SelectItem(GeneralPageIndex, IDC_GENERAL_GAME_TYPE, c.type);
        if (c.click)
            editor.Click(Game, IDC_GAME_MANUALLY_CHOOSE_TARGETS);
        EXPECT_EQ(EnabledSet(editor), c.enabled);
    }
    // Disabled under Melee, yet every key is stored; the typed minutes as the nearest seconds that fit.
    editor.SetText(Game, IDC_GAME_TARGET_SWAP_TIME, "99999999");
    editor.Build();
    EXPECT_EQ(EnabledSet(editor), None);
    const std::string block =
        "\r\ntargetSwapTimeInSeconds=2147483640\r\nplayersPerTarget=\ntargetRegionSize=\r\ngermansDefendFirst=1\r\n"
        "endOnNoTargets=1\r\nautoRestartServer=1\r\ndeadTargetsRemoved=1\r\nautoRepairTargets=1\r\n"
        "targetsChangeTeams=1\r\nmanuallyChooseTargets=1\r\nmanualTargetsProgress=1\r\nmanualTargetsAtATime=\n"
        "friendlyFire=1\r\nnumVoraks=\nvoraksGlow=1\r\n";
    EXPECT_NE(directory.ReadSettings().find(block), std::string::npos) << directory.ReadSettings();
}

}  // namespace
