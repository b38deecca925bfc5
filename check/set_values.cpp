#include "check/set_values.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "app/app_state.h"
#include "app/controls.h"
#include "resource.h"
#include "settings/aircraft_value.h"
#include "settings/ini_text.h"
#include "settings/profile_store.h"
#include "settings/section_list.h"
#include "settings/value_text.h"

namespace {

// The longest text the pages read from a box.
const std::size_t BoxLimit = ProfileTextSize - 1;

HWND ControlOf(const SettableKey& key) { return PageItem(key.page, key.control); }

// What the editor reads from the file for a line `key=value`: blanks around it and one pair of quotes gone.
std::string AsRead(const std::string& value)
{
    return IniGetString("[s]\n k=" + value + "\n", "s", "k", "", std::string::npos);
}

bool AllDigits(const std::string& text) { return text.find_first_not_of("0123456789") == std::string::npos; }

// A list's items, as its texts or as a Choice stores them ("Team Melee" as TEAM_MELEE).
std::vector<std::string> Items(HWND list, bool stored)
{
    std::vector<std::string> items;
    for (LRESULT index = 0, count = SendMessageA(list, CB_GETCOUNT, 0, 0); index < count; ++index) {
        std::string item(static_cast<std::size_t>(SendMessageA(list, CB_GETLBTEXTLEN, index, 0)), '\0');
        SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&item[0]));
        if (stored) {
            ReplaceChars(item, " ", "_");
            item = UpperCaseAscii(item);
        }
        if (!item.empty())
            items.push_back(item);
    }
    return items;
}

std::string Joined(const std::vector<std::string>& items, const char* separator = ", ")
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : separator) + item;
    return text;
}

// Whether an item begins with `text` without regard to case, as a load finds it; the empty text names none.
bool Names(const std::vector<std::string>& items, const std::string& text)
{
    for (const std::string& item : items)
        if (!text.empty() && UpperCaseAscii(item.substr(0, text.size())) == UpperCaseAscii(text))
            return true;
    return false;
}

std::vector<std::string> MapNames(const SettableKey& key)
{
    std::vector<std::string> names = Items(ControlOf(key), true);
    for (std::size_t index = 0; index < names.size(); ++index)
        if (names[index] == "RANDOM")
            names.erase(names.begin() + static_cast<std::ptrdiff_t>(index--));
    return names;
}

std::size_t LimitOf(HWND box)
{
    const std::size_t limit = static_cast<std::size_t>(SendMessageA(box, EM_GETLIMITTEXT, 0, 0));
    return limit < BoxLimit ? limit : BoxLimit;
}

bool TakesDigitsOnly(HWND box) { return (GetWindowLongA(box, GWL_STYLE) & ES_NUMBER) != 0; }

void RangeOf(HWND spinner, int& lowest, int& highest)
{
    SendMessageA(spinner, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lowest), reinterpret_cast<LPARAM>(&highest));
}

// The start date's three lists: the year's items as they are, month and day as their two digits.
bool IsStartDate(const std::string& value)
{
    std::vector<std::string> parts(1);
    for (char c : value) {
        if (c == '-')
            parts.emplace_back();
        else
            parts.back().push_back(c);
    }
    const int lists[] = {IDC_GENERAL_START_YEAR, IDC_GENERAL_START_MONTH, IDC_GENERAL_START_DAY};
    if (parts.size() != 3)
        return false;
    for (int part = 0; part < 3; ++part) {
        const std::vector<std::string> items = Items(PageItem(GeneralPageIndex, lists[part]), false);
        const std::string text = part == 0 ? parts[part] : TwoDigitText(ParseDecimal(parts[part]));
        if (parts[part].empty() || parts[part].size() > 4 || !AllDigits(parts[part]) ||
            std::find(items.begin(), items.end(), text) == items.end())
            return false;
    }
    return true;
}

std::string DateItems(int list)
{
    const std::vector<std::string> items = Items(PageItem(GeneralPageIndex, list), false);
    return items.empty() ? "" : items.front() + " to " + items.back();
}

// An aircraft's value: the flag alone, or the flag and two dates, each date at most as long as its box
// takes and the first without a comma (a read would split it there).
bool IsAircraftValue(const std::string& value)
{
    if (value == "0" || value == "1")
        return true;
    if (value.size() < 2 || (value[0] != '0' && value[0] != '1') || value[1] != ',')
        return false;
    const AircraftValue parsed = ParseAircraftValue(value);
    return value.compare(2, std::string::npos, parsed.start + "," + parsed.end) == 0 &&
           parsed.start.size() <= kAircraftDateLimit && parsed.end.size() <= kAircraftDateLimit;
}

}  // namespace

namespace {
std::vector<SettableKey> Keys;   // filled at the first look
}  // namespace

const SettableKey* FindSettableKey(const std::string& name)
{
    if (Keys.empty())
        Keys = SettableKeys();
    for (const SettableKey& key : Keys)
        if (UpperCaseAscii(key.key) == UpperCaseAscii(name))
            return &key;
    return nullptr;
}

std::string WhatItTakes(const SettableKey& key)
{
    HWND control = ControlOf(key);
    switch (key.conversion) {
    case Conversion::Text:
    case Conversion::QuotedText:
        return TakesDigitsOnly(control) ? "digits, at most " + std::to_string(LimitOf(control)) + " of them"
                                        : "text, at most " + std::to_string(LimitOf(control)) + " characters";
    case Conversion::Choice:
        return "one of " + Joined(Items(control, true));
    case Conversion::ItemText:
        return "one of " + Joined(Items(control, false));
    case Conversion::MapName:
        return "one of " + Joined(MapNames(key));
    case Conversion::Flag:
    case Conversion::InvertedFlag:
        return "0 or 1";
    case Conversion::Rate: {
        int lowest = 0, highest = 0;
        RangeOf(control, lowest, highest);
        return "a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest);
    }
    case Conversion::SwapTime:
        return "seconds in whole minutes (0, 60, 120, ...), at most " + std::to_string(LimitOf(control)) +
               " digits of minutes";
    case Conversion::DefendSide:
        return "-1 (Random), 0 (Allies) or 1 (Germans)";
    case Conversion::StartDate:
        return "a date YEAR-MM-DD: year " + DateItems(IDC_GENERAL_START_YEAR) + ", month " +
               DateItems(IDC_GENERAL_START_MONTH) + ", day " + DateItems(IDC_GENERAL_START_DAY);
    case Conversion::Aircraft:
        return "0 or 1, or 0 or 1 and two dates: 1,START,END (each at most " + std::to_string(kAircraftDateLimit) +
               " characters, START without a comma)";
    case Conversion::Map:
        break;
    }
    return "";
}

Refusal CheckSetValue(const SettableKey& key, const std::string& value)
{
    HWND control = ControlOf(key);
    const std::string read = AsRead(value);
    bool takes = false;
    switch (key.conversion) {
    case Conversion::Text:
    case Conversion::QuotedText:
        takes = read.size() <= LimitOf(control) && (!TakesDigitsOnly(control) || AllDigits(read));
        break;
    case Conversion::Choice: {
        std::string shown = read;
        ReplaceChars(shown, "_", " ");
        takes = Names(Items(control, false), shown);
        break;
    }
    case Conversion::ItemText:
        takes = Names(Items(control, false), read);
        break;
    case Conversion::MapName:
        takes = Names(MapNames(key), read);
        break;
    case Conversion::Flag:
    case Conversion::InvertedFlag:
        takes = read == "0" || read == "1";
        break;
    case Conversion::Rate: {
        int lowest = 0, highest = 0;
        RangeOf(control, lowest, highest);
        const std::string whole = read.size() > 2 && read.compare(read.size() - 2, 2, ".0") == 0
                                      ? read.substr(0, read.size() - 2) : read;
        takes = !whole.empty() && whole.size() < 6 && AllDigits(whole) && ParseDecimal(whole) >= lowest &&
                ParseDecimal(whole) <= highest;
        break;
    }
    case Conversion::SwapTime:
        takes = !read.empty() && AllDigits(read) && read.size() < 10 && ParseDecimal(read) % 60 == 0 &&
                SwapSecondsToMinutesText(read).size() <= LimitOf(control);
        break;
    case Conversion::DefendSide:
        takes = read == "-1" || read == "0" || read == "1";
        break;
    case Conversion::StartDate:
        takes = IsStartDate(read);
        break;
    case Conversion::Aircraft:
        takes = IsAircraftValue(read);
        break;
    case Conversion::Map:
        break;
    }
    if (takes)
        return Refusal();
    const std::string shown = value.size() > 60 ? value.substr(0, 60) + "... (" + std::to_string(value.size()) +
                                                      " characters)"
                                                : value;
    return "--set " + std::string(key.key) + "=" + shown + ": the editor's page cannot take that; " + key.key +
           " takes " + WhatItTakes(key);
}
