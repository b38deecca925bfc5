#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// How the general and game pages bind their controls to keys: a table of rows per page, each row a
// control, a key and one of the conversions below, walked by one load and one store.

constexpr char QV3ServerSection[] = "QV3Server";

enum class Conversion {
    Text,          // the value as it stands
    QuotedText,    // stored between double quotes, so that the read gives its outer blanks back
    Choice,        // a list item, stored upper-cased with "_" for each space ("Team Melee" as TEAM_MELEE)
                   // and found again by prefix with each "_" read as a space
    ItemText,      // a list item, stored as the item's own text and found again by prefix
    Flag,          // a check box, "1" or "0"
    InvertedFlag,  // a check box that is checked when the key is "0"
    Rate,          // an up-down position, stored "%d.0"; its "%d:1" text stands in `rateBox`
    SwapTime,      // seconds in the file, whole minutes in the box
    DefendSide,    // "-1", "0", "1" in the file; "Random", "Allies", "Germans" in the list
    Map,           // a flag on for "Random"; off for a map chosen by name, then named upper-cased in useMap
    StartDate,     // the year, month and day lists of the general page, joined by "-"
    MapName,       // (a Map row's second key) the map chosen by name, upper-cased
    Aircraft,      // (the aircraft pages) a check box and two dates: "1", or "1,start,end"
};

struct Binding {
    int control;
    const char* key;
    Conversion conversion;
    int rateBox = 0;   // a Rate row's read-only box
};

// The second key of a Map row: the map chosen by name, kept in the file while the map is random.
constexpr char UseMapKey[] = "useMap";

// Shows each row's value from `section` in its control of `page`, or writes each control's state into
// `section`, in table order; a page that could not be created (null) loads and stores nothing.
void LoadBindings(HWND page, const char* section, const Binding* rows, std::size_t count);
void StoreBindings(HWND page, const char* section, const Binding* rows, std::size_t count);

template <std::size_t Count>
void LoadBindings(HWND page, const char* section, const Binding (&rows)[Count])
{
    LoadBindings(page, section, rows, Count);
}

template <std::size_t Count>
void StoreBindings(HWND page, const char* section, const Binding (&rows)[Count])
{
    StoreBindings(page, section, rows, Count);
}

// The pages' tables, each in its page's file.
extern const Binding GeneralBindings[];
extern const std::size_t GeneralBindingCount;
extern const Binding GameBindings[];
extern const std::size_t GameBindingCount;

// The items of the general page's "Type:" list, each at the index the game page's rule asks for.
enum GameTypeIndex { TeamMeleeType, MeleeType, GetTheVorakType, GameTypeCount };
constexpr const char* GameTypeItems[GameTypeCount] = {
    "Team Melee",     // TeamMeleeType
    "Melee",          // MeleeType
    "Get The Vorak",  // GetTheVorakType
};

// The control's text, read with the pages' limit of 254 characters; a drop-down list gives its selected
// item's text, or the empty text when nothing is selected.
std::string ControlText(HWND page, int id);

bool IsChecked(HWND page, int id);
void Check(HWND page, int id, bool checked);

// Selects the first item of drop-down list `listId` whose text begins with `text`, ignoring case,
// searching item 1 to the last and then item 0. No match, and also an empty text, leave the selection as
// it was: an empty value names no item.
void SelectByPrefix(HWND page, int listId, const char* text);

// The general page's own conversions, in its file.

// Shows a start date such as "1917-04-15" in the year, month and day lists of the general page; month and
// day are matched as two digits, so "1916-7-3" selects "07" and "03". A part that is absent leaves its
// list as it was.
void SplitStartDate(HWND generalPage, const char* value);

// The texts of the year, month and day lists joined by "-"; a list without a selection gives an empty
// part, as in "1917-04-".
std::string JoinStartDate(HWND generalPage);

// A Rate row's stored value shown by its up-down and its box; the up-down's position stored.
void LoadRate(HWND page, const Binding& row, const char* value);
void StoreRate(HWND page, const char* section, const Binding& row);
