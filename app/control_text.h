#pragma once
#include <windows.h>

#include <string>

// Texts read whole, at their own length: a fixed buffer would cut a long hand-edited line or value.

// The window's (control's) text; empty when it has none.
std::string WholeText(HWND window);
// Line `index` of a list box; empty when there is no such line.
std::string ListLine(HWND list, int index);
