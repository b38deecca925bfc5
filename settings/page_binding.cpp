#include "settings/page_binding.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "app/control_text.h"
#include "resource.h"
#include "settings/profile_store.h"
#include "settings/section_list.h"
#include "settings/value_text.h"

namespace {

void WriteText(const char* section, const char* key, const std::string& value)
{
    WriteProfileText(section, key, value.c_str());
}

void LoadMap(HWND page, const char* section, const Binding& row)
{
    if (ReadProfileFlag(section, row.key)) {
        SelectByPrefix(page, row.control, "Random");
        return;
    }
    char value[ProfileTextSize];
    ReadProfileText(section, UseMapKey, value);
    SelectByPrefix(page, row.control, value);
}

// "Random" writes only the flag, so the last named map stays in the file for the next time.
void StoreMap(HWND page, const char* section, const Binding& row)
{
    std::string map = ControlText(page, row.control);
    WriteProfileFlag(section, row.key, map == "Random");
    if (map != "Random")
        WriteText(section, UseMapKey, UpperCaseAscii(map));
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
    WriteText(section, row.key, RateStoredText(LOWORD(position)));
}

}  // namespace

void LoadBinding(HWND page, const char* section, const Binding& row)
{
    switch (row.conversion) {
    case Conversion::Flag:
        Check(page, row.control, ReadProfileFlag(section, row.key) != 0);
        return;
    case Conversion::InvertedFlag:
        Check(page, row.control, ReadProfileFlag(section, row.key) == 0);
        return;
    case Conversion::Map:
        LoadMap(page, section, row);
        return;
    default:
        break;
    }
    char value[ProfileTextSize];
    ReadProfileText(section, row.key, value);
    switch (row.conversion) {
    case Conversion::Text:
    case Conversion::QuotedText:
        SetControlText(Control(page, row.control), ShownText(value));
        break;
    case Conversion::Choice:
        ReplaceChars(value, "_", " ");
        SelectByPrefix(page, row.control, value);
        break;
    case Conversion::ItemText:
        SelectByPrefix(page, row.control, value);
        break;
    case Conversion::Rate:
        LoadRate(page, row, value);
        break;
    case Conversion::SwapTime:
        SetControlText(Control(page, row.control), SwapSecondsToMinutesText(value).c_str());
        break;
    case Conversion::DefendSide:
        SelectByPrefix(page, row.control, ConvertDefendSide(1, value).c_str());
        break;
    case Conversion::StartDate:
        SplitStartDate(page, value);
        break;
    default:
        break;
    }
}

void StoreBinding(HWND page, const char* section, const Binding& row)
{
    switch (row.conversion) {
    case Conversion::Text:
    case Conversion::ItemText:
        WriteText(section, row.key, ControlText(page, row.control));
        return;
    case Conversion::QuotedText:
        WriteText(section, row.key, "\"" + ControlText(page, row.control) + "\"");
        return;
    case Conversion::Choice: {
        std::string choice = ControlText(page, row.control);
        ReplaceChars(choice, " ", "_");
        WriteText(section, row.key, UpperCaseAscii(choice));
        return;
    }
    case Conversion::Flag:
        WriteProfileFlag(section, row.key, IsChecked(page, row.control));
        return;
    case Conversion::InvertedFlag:
        WriteProfileFlag(section, row.key, !IsChecked(page, row.control));
        return;
    case Conversion::Rate:
        StoreRate(page, section, row);
        return;
    case Conversion::SwapTime:
        WriteText(section, row.key, SwapMinutesToSecondsText(ControlText(page, row.control)));
        return;
    case Conversion::DefendSide:
        WriteText(section, row.key, ConvertDefendSide(0, ControlText(page, row.control)));
        return;
    case Conversion::Map:
        StoreMap(page, section, row);
        return;
    case Conversion::StartDate:
        WriteText(section, row.key, JoinStartDate(page));
        return;
    case Conversion::MapName:
    case Conversion::Aircraft:
        return;   // not rows of these tables
    }
}

std::string ControlText(HWND page, int id)
{
    char text[ProfileTextSize] = "";
    GetWindowTextA(Control(page, id), text, ProfileTextSize);
    return text;
}

const char* ShownText(const char* value)
{
    return std::strcmp(value, "\n") == 0 ? "" : value;
}

bool IsChecked(HWND page, int id)
{
    return SendMessageA(Control(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Check(HWND page, int id, bool checked)
{
    SendMessageA(Control(page, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SelectByPrefix(HWND page, int listId, const char* text)
{
    // Every item begins with the empty text, so the list itself would be free to pick one; an empty value
    // names no item, and leaving the selection alone keeps that the same on every platform.
    if (text[0] == '\0')
        return;
    // Start index 0: items 1 to the last are searched first, then item 0.
    SendMessageA(Control(page, listId), CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(text));
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
