#include <windows.h>

#include <iterator>

#include "app/app_state.h"
#include "app/pages.h"
#include "resource.h"
#include "settings/page_binding.h"

// Loaded and stored in this order, which is also the key order of a newly created file. The last column
// is the box that shows a rate.
const Binding GeneralBindings[] = {
    {IDC_GENERAL_SERVER_DESC, "serverDesc", Conversion::QuotedText, 0},
    {IDC_GENERAL_MAX_PLAYERS, "maxPlayers", Conversion::Text, 0},
    {IDC_GENERAL_CLIENT_TIMEOUT, "clientTimeoutSec", Conversion::Text, 0},
    {IDC_GENERAL_PASSWORD, "password", Conversion::Text, 0},
    {IDC_GENERAL_MAP, "randomizeMap", Conversion::Map, 0},
    {IDC_GENERAL_REGION_SIZE, "regionSize", Conversion::Choice, 0},
    {IDC_GENERAL_LANDMARK_DENSITY, "landmarkDensity", Conversion::Choice, 0},
    {IDC_GENERAL_START_YEAR, "startDate", Conversion::StartDate, 0},
    {IDC_GENERAL_START_TIME, "startTime", Conversion::ItemText, 0},
    {IDC_GENERAL_NIGHT_RATE_SPIN, "nightRate", Conversion::Rate, IDC_GENERAL_NIGHT_RATE},
    {IDC_GENERAL_DAY_RATE_SPIN, "dayRate", Conversion::Rate, IDC_GENERAL_DAY_RATE},
    {IDC_GENERAL_GAME_LENGTH, "gameLengthInSeconds", Conversion::Text, 0},
    {IDC_GENERAL_DIFFICULTY, "difficulty", Conversion::Choice, 0},
    {IDC_GENERAL_GAME_MODE, "gameMode", Conversion::Choice, 0},
    {IDC_GENERAL_GAME_TYPE, "gameType", Conversion::Choice, 0},
    {IDC_GENERAL_CLOUDS, "cloudsOn", Conversion::Flag, 0},
    {IDC_GENERAL_TORQUE, "torqueOn", Conversion::Flag, 0},
    {IDC_GENERAL_LIMITED_AMMO, "unlimitedAmmo", Conversion::InvertedFlag, 0},
    {IDC_GENERAL_ROCKETS_ALLOWED, "rocketsAllowed", Conversion::Flag, 0},
    {IDC_GENERAL_LIMITED_FUEL, "limitedFuel", Conversion::Flag, 0},
    {IDC_GENERAL_CHEAT_PROTECTED, "securityEnabled", Conversion::Flag, 0},
    {IDC_GENERAL_MIN_AERODROMES, "minAerosPerSide", Conversion::Text, 0},
    {IDC_GENERAL_MAX_PLANE_TYPES, "maxPlaneTypes", Conversion::Text, 0},
    {IDC_GENERAL_KILLS_TO_SCORE, "minKillsToScore", Conversion::Text, 0},
    {IDC_GENERAL_HISTORIC_PLANE_DATES, "historicAircraftDates", Conversion::Flag, 0},
    {IDC_GENERAL_HIDE_TEAM_INDICATORS, "hideTeamIndicators", Conversion::Flag, 0},
    {IDC_GENERAL_BALANCE_LANDMARKS, "balanceLandmarks", Conversion::Flag, 0},
};
const std::size_t GeneralBindingCount = std::size(GeneralBindings);

void LoadGeneralPage()
{
    LoadBindings(PageTable[GeneralPageIndex], QV3ServerSection, GeneralBindings);
}

// A page that could not be created stores nothing, and the other pages still get their turn.
void StoreGeneralPage()
{
    StoreBindings(PageTable[GeneralPageIndex], QV3ServerSection, GeneralBindings);
}
