#include <windows.h>

#include <cstddef>
#include <string>

#include "app/app_state.h"
#include "app/controls.h"
#include "app/pages.h"
#include "resource.h"
#include "settings/page_binding.h"
#include "settings/value_text.h"

namespace {

const char* const MapItems[] = {"Random", "Flanders", "Alsace", "Verdun", "Marne", "Island"};
const char* const RegionSizeItems[] = {"Full", "Large", "Medium", "Small"};
const char* const LandmarkDensityItems[] = {"Sparse", "Moderate", "Dense", "Full"};
const char* const DifficultyItems[] = {"Novice", "Veteran", "Ace"};
const char* const GameModeItems[] = {"Normal", "Advanced"};
const char* const FirstToDefendItems[] = {"Random", "Allies", "Germans"};

void AddItem(HWND page, int listId, const char* text)
{
    SendMessageA(Control(page, listId), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

// While a list is filled its drop-down part is not redrawn: under Wine every item added would otherwise
// update that hidden window's scroll bar through the window server.
class QuietList {
public:
    QuietList(HWND page, int listId)
    {
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        list_ = GetComboBoxInfo(Control(page, listId), &info) ? info.hwndList : nullptr;
        if (list_)
            SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    }
    ~QuietList()
    {
        if (list_)
            SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    }
    QuietList(const QuietList&) = delete;
    QuietList& operator=(const QuietList&) = delete;

private:
    HWND list_;
};

template <std::size_t Count>
void AddItems(HWND page, int listId, const char* const (&items)[Count])
{
    QuietList quiet(page, listId);
    for (const char* item : items)
        AddItem(page, listId, item);
}

// The date lists are sorted; two digits make items that sort into their numeric order.
void AddNumberItems(HWND page, int listId, bool twoDigits, int first, int last)
{
    QuietList quiet(page, listId);
    for (int number = first; number <= last; ++number)
        AddItem(page, listId, (twoDigits ? TwoDigitText(number) : std::to_string(number)).c_str());
}

void AddStartTimes(HWND page)
{
    QuietList quiet(page, IDC_GENERAL_START_TIME);
    for (int hour = 0; hour < 24; ++hour) {
        AddItem(page, IDC_GENERAL_START_TIME, (std::to_string(hour) + ":00").c_str());
        AddItem(page, IDC_GENERAL_START_TIME, (std::to_string(hour) + ":30").c_str());
    }
}

}  // namespace

void FillChoiceLists()
{
    HWND general = PageTable[GeneralPageIndex];
    if (general) {
        AddItems(general, IDC_GENERAL_MAP, MapItems);
        AddItems(general, IDC_GENERAL_REGION_SIZE, RegionSizeItems);
        AddItems(general, IDC_GENERAL_LANDMARK_DENSITY, LandmarkDensityItems);
        AddItems(general, IDC_GENERAL_DIFFICULTY, DifficultyItems);
        AddItems(general, IDC_GENERAL_GAME_TYPE, GameTypeItems);
        AddItems(general, IDC_GENERAL_GAME_MODE, GameModeItems);
        AddStartTimes(general);
        AddNumberItems(general, IDC_GENERAL_START_YEAR, false, 1915, 1918);
        AddNumberItems(general, IDC_GENERAL_START_MONTH, true, 1, 12);
        // No day 31: a stored 31 selects nothing.
        AddNumberItems(general, IDC_GENERAL_START_DAY, true, 1, 30);
    }
    HWND game = PageTable[GamePageIndex];
    if (game) {
        AddItems(game, IDC_GAME_TARGET_REGION_SIZE, RegionSizeItems);
        AddItems(game, IDC_GAME_FIRST_TO_DEFEND, FirstToDefendItems);
    }
}
