#pragma once
#include <windows.h>

#include <string>

// Controls found and changed at the least cost. Under Wine every GetDlgItem, every text set and every
// EnableWindow is a round trip to the window server (some 35 microseconds), also when nothing changes.

// The control `id` of `window`, as GetDlgItem finds it. For the five pages, which live as long as the
// program, each control is looked up once and then kept.
HWND Control(HWND window, int id);
// Forgets the controls kept, for pages made anew.
void ForgetControls();
// Sets the control's text, unless it holds that text already.
void SetControlText(HWND control, const char* text);
// Enables or disables the control, unless it is so already.
void EnableControl(HWND control, BOOL enable);

// Texts read whole, at their own length: a fixed buffer would cut a long hand-edited line or value.

// The window's (control's) text; empty when it has none.
std::string WholeText(HWND window);
// At most `size` - 1 bytes of the window's text, cut where the platform cuts a text read into a buffer of
// `size` bytes (never inside a character).
std::string BoundedText(HWND window, int size);
// Line `index` of a list box; empty when there is no such line.
std::string ListLine(HWND list, int index);
