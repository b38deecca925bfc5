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
    for (int id : Controls) enabled += editor.Enabled(Game, id) ? '1' : '0';
    return enabled;
}

TEST(GamePage, GameTypeDecidesTheEnabledControlsYetEveryValueIsStoredInItsOwnForm)
{
    ScratchDirectory directory("game-page");
    directory.WriteSettings("[QV3Server]\r\ngameType=GET_THE_VORAK\r\ntargetSwapTimeInSeconds=90\r\n"
                            "germansDefendFirst=2\r\ntargetRegionSize=medium\r\n");
    EditorWindow editor;
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
    for (const char* line : {"targetSwapTimeInSeconds=2147483640", "playersPerTarget=\r\n", "targetRegionSize=MEDIUM",
             "germansDefendFirst=-1", "endOnNoTargets=1", "autoRestartServer=1", "deadTargetsRemoved=1",
             "autoRepairTargets=1", "targetsChangeTeams=1", "manuallyChooseTargets=1", "manualTargetsProgress=1",
             "manualTargetsAtATime=\r\n", "friendlyFire=1", "numVoraks=\r\n", "voraksGlow=1"})
        EXPECT_NE(directory.ReadSettings().find(std::string("\n") + line), std::string::npos) << line;
}

}  // namespace
