#pragma once
#include <windows.h>

#include <vector>

// The main window as the editor creates it, with the real start-up, but hidden and under a caption of its
// own from the moment it exists, so that an editor started meanwhile never takes it for a running editor.
// Null when it cannot be created.
HWND CreateHiddenMainWindow(HINSTANCE instance, const char* caption);

// A copy of the dialog template `words` (DIALOG or DIALOGEX form, `count` words) with `caption` in place of
// its own, its controls realigned; empty when the template cannot be read.
std::vector<WORD> TemplateWithCaption(const WORD* words, std::size_t count, const char* caption);
