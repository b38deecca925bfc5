#include "settings/page_binding.h"

#include <windows.h>

#include <cstring>

#include "app/controls.h"
#include "settings/profile_store.h"
#include "settings/section_list.h"
#include "settings/value_text.h"

namespace {

void WriteText(const char* section, const char* key, const std::string& value)
{
    WriteProfileText(section, key, value.c_str());
}

// What a text box shows for a stored value: the "\n" that a missing key reads as is shown as an empty box,
// so that the next build writes an empty value and never a line break.
const char* ShownText(const char* value)
{
    return std::strcmp(value, "\n") == 0 ? "" : value;
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

}  // namespace

void LoadBindings(HWND page, const char* section, const Binding* rows, std::size_t count)
{
    for (std::size_t index = 0; page && index < count; ++index)
        LoadBinding(page, section, rows[index]);
}

void StoreBindings(HWND page, const char* section, const Binding* rows, std::size_t count)
{
    for (std::size_t index = 0; page && index < count; ++index)
        StoreBinding(page, section, rows[index]);
}

std::string ControlText(HWND page, int id)
{
    char text[ProfileTextSize] = "";
    GetWindowTextA(Control(page, id), text, ProfileTextSize);
    return text;
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
