#pragma once
#include <windows.h>

#include <string>

// What the general and game page bindings share: their section, how a control's text is read, and how a
// stored value is shown in a drop-down list.

constexpr char QV3ServerSection[] = "QV3Server";

// The control's text, read with the pages' limit of 254 characters; a drop-down list gives its selected
// item's text, or the empty text when nothing is selected.
std::string ControlText(HWND page, int id);

// What a text box shows for a stored value: the "\n" that a missing key reads as is shown as an empty box,
// so that the next build writes an empty value and never a line break.
const char* ShownText(const char* value);

// Selects the first item of drop-down list `listId` whose text begins with `text`, ignoring case,
// searching item 1 to the last and then item 0. No match, and also an empty text, leave the selection as
// it was: an empty value names no item.
void SelectByPrefix(HWND page, int listId, const char* text);

// Shows a start date such as "1917-04-15" in the year, month and day lists of the general page; month and
// day are matched as two digits, so "1916-7-3" selects "07" and "03". A part that is absent leaves its
// list as it was.
void SplitStartDate(HWND generalPage, const char* value);

// The texts of the year, month and day lists joined by "-"; a list without a selection gives an empty
// part, as in "1917-04-".
std::string JoinStartDate(HWND generalPage);
