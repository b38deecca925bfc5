#include <windows.h>

#include <cstddef>
#include <iterator>

#include "app/app_state.h"
#include "app/controls.h"
#include "app/pages.h"
#include "resource.h"
#include "settings/page_binding.h"

// Load and store share this order; it is also the key order of a newly created file.
const Binding GameBindings[] = {
    {IDC_GAME_TARGET_SWAP_TIME, "targetSwapTimeInSeconds", Conversion::SwapTime},
    {IDC_GAME_PLAYERS_PER_TARGET, "playersPerTarget", Conversion::Text},
    {IDC_GAME_TARGET_REGION_SIZE, "targetRegionSize", Conversion::Choice},
    {IDC_GAME_FIRST_TO_DEFEND, "germansDefendFirst", Conversion::DefendSide},
    {IDC_GAME_END_GAME, "endOnNoTargets", Conversion::Flag},
    {IDC_GAME_AUTO_RESTART_SERVER, "autoRestartServer", Conversion::Flag},
    {IDC_GAME_REMOVE_DEAD_TARGETS, "deadTargetsRemoved", Conversion::Flag},
    {IDC_GAME_AUTO_REPAIR_TARGETS, "autoRepairTargets", Conversion::Flag},
    {IDC_GAME_TARGETS_CHANGE_TEAMS, "targetsChangeTeams", Conversion::Flag},
    {IDC_GAME_MANUALLY_CHOOSE_TARGETS, "manuallyChooseTargets", Conversion::Flag},
    {IDC_GAME_MANUAL_TARGET_PROGRESS, "manualTargetsProgress", Conversion::Flag},
    {IDC_GAME_MANUAL_TARGETS_AT_A_TIME, "manualTargetsAtATime", Conversion::Text},
    {IDC_GAME_FRIENDLY_FIRE, "friendlyFire", Conversion::Flag},
    {IDC_GAME_MAX_VORAKS, "numVoraks", Conversion::Text},
    {IDC_GAME_VORAKS_GLOW, "voraksGlow", Conversion::Flag},
};
const std::size_t GameBindingCount = std::size(GameBindings);

namespace {

// Every input of the page; the game type decides which of them are enabled.
const int GameTypeControls[] = {
    IDC_GAME_MAX_VORAKS, IDC_GAME_VORAKS_GLOW, IDC_GAME_TARGET_SWAP_TIME, IDC_GAME_PLAYERS_PER_TARGET,
    IDC_GAME_TARGET_REGION_SIZE, IDC_GAME_FIRST_TO_DEFEND, IDC_GAME_END_GAME, IDC_GAME_AUTO_RESTART_SERVER,
    IDC_GAME_REMOVE_DEAD_TARGETS, IDC_GAME_AUTO_REPAIR_TARGETS, IDC_GAME_TARGETS_CHANGE_TEAMS,
    IDC_GAME_MANUALLY_CHOOSE_TARGETS, IDC_GAME_MANUAL_TARGET_PROGRESS, IDC_GAME_MANUAL_TARGETS_AT_A_TIME,
    IDC_GAME_TARGETS, IDC_GAME_FRIENDLY_FIRE,
};

const int TeamMeleeControls[] = {
    IDC_GAME_TARGET_SWAP_TIME, IDC_GAME_PLAYERS_PER_TARGET, IDC_GAME_TARGET_REGION_SIZE,
    IDC_GAME_FIRST_TO_DEFEND, IDC_GAME_END_GAME, IDC_GAME_AUTO_RESTART_SERVER, IDC_GAME_REMOVE_DEAD_TARGETS,
    IDC_GAME_AUTO_REPAIR_TARGETS, IDC_GAME_TARGETS_CHANGE_TEAMS, IDC_GAME_MANUALLY_CHOOSE_TARGETS,
    IDC_GAME_FRIENDLY_FIRE,
};

const int GetTheVorakControls[] = {IDC_GAME_MAX_VORAKS, IDC_GAME_VORAKS_GLOW};

// Useful only while targets are chosen by hand.
const int ManualTargetControls[] = {IDC_GAME_MANUAL_TARGET_PROGRESS, IDC_GAME_MANUAL_TARGETS_AT_A_TIME,
                                    IDC_GAME_TARGETS};

template <std::size_t Count>
bool Contains(const int (&controls)[Count], int id)
{
    for (int control : controls)
        if (control == id)
            return true;
    return false;
}

template <std::size_t Count>
void EnableControls(HWND page, const int (&controls)[Count], BOOL enable)
{
    for (int id : controls)
        EnableControl(Control(page, id), enable);
}

}  // namespace

void LoadGamePage()
{
    HWND page = PageTable[GamePageIndex];
    LoadBindings(page, QV3ServerSection, GameBindings);
    if (page)
        ApplyManualTargetsToggle(page);
}

// Disabled controls are stored too: the game type only decides what the operator may change.
void StoreGamePage()
{
    StoreBindings(PageTable[GamePageIndex], QV3ServerSection, GameBindings);
}

void UpdateGameTypeControls()
{
    HWND page = PageTable[GamePageIndex];
    if (!page)
        return;
    HWND general = PageTable[GeneralPageIndex];
    LRESULT type = general ? SendMessageA(Control(general, IDC_GENERAL_GAME_TYPE), CB_GETCURSEL, 0, 0) : CB_ERR;
    const bool manual = IsChecked(page, IDC_GAME_MANUALLY_CHOOSE_TARGETS);
    // Each control goes straight to the state the rule leaves it in: under Team Melee the manual-target
    // controls follow their check box.
    for (int id : GameTypeControls) {
        bool enable = false;
        if (type == GetTheVorakType)
            enable = Contains(GetTheVorakControls, id);
        else if (type == TeamMeleeType)
            enable = Contains(ManualTargetControls, id) ? manual : Contains(TeamMeleeControls, id);
        EnableControl(Control(page, id), enable ? TRUE : FALSE);
    }
}

void ApplyManualTargetsToggle(HWND gamePage)
{
    bool manual = IsChecked(gamePage, IDC_GAME_MANUALLY_CHOOSE_TARGETS);
    EnableControls(gamePage, ManualTargetControls, manual ? TRUE : FALSE);
}
