#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "app/app_state.h"
#include "app/controls.h"
#include "app/pages.h"
#include "resource.h"
#include "settings/page_binding.h"
#include "settings/profile_store.h"
#include "settings/section_list.h"
#include "settings/value_text.h"

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

void SplitStartDate(HWND generalPage, const char* value)
{
    // The parts become the entries of a section text, so they are taken as any list entry is.
    SectionBuffer parts;
    parts.text = value;
    std::replace(parts.text.begin(), parts.text.end(), '-', '\0');
    parts.text.append(2, '\0');

    std::string part;
    if (!NextSectionEntry(parts, part))
        return;
    SelectByPrefix(generalPage, IDC_GENERAL_START_YEAR, part.c_str());
    // Month and day are matched as two digits, so "4" and "04" both select "04".
    const int twoDigitLists[] = {IDC_GENERAL_START_MONTH, IDC_GENERAL_START_DAY};
    for (int list : twoDigitLists) {
        if (!NextSectionEntry(parts, part))
            return;
        SelectByPrefix(generalPage, list, TwoDigitText(ParseDecimal(part)).c_str());
    }
}

std::string JoinStartDate(HWND generalPage)
{
    return ControlText(generalPage, IDC_GENERAL_START_YEAR) + "-" +
           ControlText(generalPage, IDC_GENERAL_START_MONTH) + "-" +
           ControlText(generalPage, IDC_GENERAL_START_DAY);
}

// The box shows the number as stored, while the up-down keeps its 16-bit position within its range; the
// store writes the position, so an out-of-range rate comes back in range.
void LoadRate(HWND page, const Binding& row, const char* value)
{
    int rate = ParseDecimal(value);
    SendMessageA(Control(page, row.control), UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(rate), 0));
    SetControlText(Control(page, row.rateBox), RateShownText(rate).c_str());
}

void StoreRate(HWND page, const char* section, const Binding& row)
{
    LRESULT position = SendMessageA(Control(page, row.control), UDM_GETPOS, 0, 0);
    WriteProfileText(section, row.key, RateStoredText(LOWORD(position)).c_str());
}
