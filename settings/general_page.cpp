#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "app/app_state.h"
#include "app/control_text.h"
#include "app/pages.h"
#include "resource.h"
#include "settings/page_binding.h"
#include "settings/profile_store.h"
#include "settings/section_list.h"
#include "settings/value_text.h"

namespace {

enum class Conversion {
    Text,          // the value as it stands
    QuotedText,    // stored between double quotes, so that the read gives its outer blanks back
    Choice,        // shown by prefix, stored upper-cased
    StartTime,     // shown by prefix, stored as the item text
    GameType,      // as Choice, with "_" in the file for each space of the item
    Flag,
    InvertedFlag,  // "Limited Ammo:" is checked when unlimitedAmmo is off
    Rate,          // an up-down position; its "%d:1" text stands in `rateBox`
    Map,           // randomizeMap, and useMap when the map is not random
    StartDate,     // the year, month and day lists
};

struct Binding {
    int control;
    const char* key;
    Conversion conversion;
    int rateBox;
};

const char UseMapKey[] = "useMap";

// In store order, which is also the key order of a newly created file.
const Binding StoreOrder[] = {
    {IDC_GENERAL_SERVER_DESC, "serverDesc", Conversion::QuotedText, 0},
    {IDC_GENERAL_MAX_PLAYERS, "maxPlayers", Conversion::Text, 0},
    {IDC_GENERAL_CLIENT_TIMEOUT, "clientTimeoutSec", Conversion::Text, 0},
    {IDC_GENERAL_PASSWORD, "password", Conversion::Text, 0},
    {IDC_GENERAL_MAP, "randomizeMap", Conversion::Map, 0},
    {IDC_GENERAL_REGION_SIZE, "regionSize", Conversion::Choice, 0},
    {IDC_GENERAL_LANDMARK_DENSITY, "landmarkDensity", Conversion::Choice, 0},
    {IDC_GENERAL_START_YEAR, "startDate", Conversion::StartDate, 0},
    {IDC_GENERAL_START_TIME, "startTime", Conversion::StartTime, 0},
    {IDC_GENERAL_NIGHT_RATE_SPIN, "nightRate", Conversion::Rate, IDC_GENERAL_NIGHT_RATE},
    {IDC_GENERAL_DAY_RATE_SPIN, "dayRate", Conversion::Rate, IDC_GENERAL_DAY_RATE},
    {IDC_GENERAL_GAME_LENGTH, "gameLengthInSeconds", Conversion::Text, 0},
    {IDC_GENERAL_DIFFICULTY, "difficulty", Conversion::Choice, 0},
    {IDC_GENERAL_GAME_MODE, "gameMode", Conversion::Choice, 0},
    {IDC_GENERAL_GAME_TYPE, "gameType", Conversion::GameType, 0},
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

// The load visits the same bindings in an order of its own (useMap goes with randomizeMap).
const char* const LoadOrder[] = {
    "serverDesc", "maxPlayers", "clientTimeoutSec", "password", "securityEnabled", "randomizeMap",
    "regionSize", "landmarkDensity", "startDate", "startTime", "nightRate", "dayRate", "minAerosPerSide",
    "gameLengthInSeconds", "difficulty", "gameMode", "gameType", "cloudsOn", "torqueOn", "unlimitedAmmo",
    "rocketsAllowed", "limitedFuel", "maxPlaneTypes", "minKillsToScore", "hideTeamIndicators",
    "balanceLandmarks", "historicAircraftDates"
};

void WriteText(const char* key, const std::string& value)
{
    WriteProfileText(QV3ServerSection, key, value.c_str());
}

bool IsChecked(HWND page, int id)
{
    return SendMessageA(Control(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Check(HWND page, int id, bool checked)
{
    SendMessageA(Control(page, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void LoadMap(HWND page)
{
    if (ReadProfileFlag(QV3ServerSection, "randomizeMap")) {
        SelectByPrefix(page, IDC_GENERAL_MAP, "Random");
        return;
    }
    char value[ProfileTextSize];
    ReadProfileText(QV3ServerSection, UseMapKey, value);
    SelectByPrefix(page, IDC_GENERAL_MAP, value);
}

// "Random" writes only the flag, so the last named map stays in the file for the next time.
void StoreMap(HWND page)
{
    std::string map = ControlText(page, IDC_GENERAL_MAP);
    WriteProfileFlag(QV3ServerSection, "randomizeMap", map == "Random");
    if (map != "Random")
        WriteText(UseMapKey, UpperCaseAscii(map));
}

// The box shows the number as stored, while the up-down keeps its 16-bit position within 1..1440; the
// store writes the position, so an out-of-range rate comes back in range.
void LoadRate(HWND page, const Binding& row, const char* value)
{
    int rate = ParseDecimal(value);
    SendMessageA(Control(page, row.control), UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(rate), 0));
    SetControlText(Control(page, row.rateBox), RateShownText(rate).c_str());
}

void StoreRate(HWND page, const Binding& row)
{
    LRESULT position = SendMessageA(Control(page, row.control), UDM_GETPOS, 0, 0);
    WriteText(row.key, RateStoredText(LOWORD(position)));
}

void LoadBinding(HWND page, const Binding& row)
{
    switch (row.conversion) {
    case Conversion::Flag:
        Check(page, row.control, ReadProfileFlag(QV3ServerSection, row.key) != 0);
        return;
    case Conversion::InvertedFlag:
        Check(page, row.control, ReadProfileFlag(QV3ServerSection, row.key) == 0);
        return;
    case Conversion::Map:
        LoadMap(page);
        return;
    default:
        break;
    }
    char value[ProfileTextSize];
    ReadProfileText(QV3ServerSection, row.key, value);
    switch (row.conversion) {
    case Conversion::Text:
    case Conversion::QuotedText:
        SetControlText(Control(page, row.control), ShownText(value));
        break;
    case Conversion::Choice:
    case Conversion::StartTime:
        SelectByPrefix(page, row.control, value);
        break;
    case Conversion::GameType:
        ReplaceChars(value, "_", " ");
        SelectByPrefix(page, row.control, value);
        break;
    case Conversion::Rate:
        LoadRate(page, row, value);
        break;
    case Conversion::StartDate:
        SplitStartDate(page, value);
        break;
    default:
        break;
    }
}

void StoreBinding(HWND page, const Binding& row)
{
    switch (row.conversion) {
    case Conversion::Text:
    case Conversion::StartTime:
        WriteText(row.key, ControlText(page, row.control));
        return;
    case Conversion::QuotedText:
        WriteText(row.key, "\"" + ControlText(page, row.control) + "\"");
        return;
    case Conversion::Choice:
        WriteText(row.key, UpperCaseAscii(ControlText(page, row.control)));
        return;
    case Conversion::GameType: {
        std::string type = ControlText(page, row.control);
        ReplaceChars(type, " ", "_");
        WriteText(row.key, UpperCaseAscii(type));
        return;
    }
    case Conversion::Flag:
        WriteProfileFlag(QV3ServerSection, row.key, IsChecked(page, row.control));
        return;
    case Conversion::InvertedFlag:
        WriteProfileFlag(QV3ServerSection, row.key, !IsChecked(page, row.control));
        return;
    case Conversion::Rate:
        StoreRate(page, row);
        return;
    case Conversion::Map:
        StoreMap(page);
        return;
    case Conversion::StartDate:
        WriteText(row.key, JoinStartDate(page));
        return;
    }
}

}  // namespace

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

void LoadGeneralPage()
{
    HWND page = PageTable[GeneralPageIndex];
    if (!page)
        return;
    for (const char* key : LoadOrder)
        for (const Binding& row : StoreOrder)
            if (std::strcmp(row.key, key) == 0)
                LoadBinding(page, row);
}

void StoreGeneralPage()
{
    // A page that could not be created stores nothing, and the other pages still get their turn.
    HWND page = PageTable[GeneralPageIndex];
    if (!page)
        return;
    for (const Binding& row : StoreOrder)
        StoreBinding(page, row);
}

const char* GeneralPageKey(int index)
{
    // useMap goes with randomizeMap, as the map's store writes them.
    for (const Binding& row : StoreOrder) {
        if (index-- == 0)
            return row.key;
        if (row.conversion == Conversion::Map && index-- == 0)
            return UseMapKey;
    }
    return nullptr;
}
