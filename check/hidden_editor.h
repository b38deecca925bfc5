#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The editor's own main window and pages, never shown, for the command line: what it loads, stores and
// refuses is what the editor does.

// Creates it with the editor's start-up but for the read of the file, hidden and under a caption of its
// own from the moment it exists, so that an editor started meanwhile never takes it for a running editor.
// Null when it cannot be created.
HWND CreateHiddenMainWindow(HINSTANCE instance, const char* caption);

// Loads every page from the settings document as it stands, as a new window's start-up does: lists that no
// value selects stay without a selection, whatever the folder before left in them.
void LoadHiddenPages();

// The server page's list `listId` holding `lines` instead, as its Add and Remove buttons would leave it.
void ReplaceListLines(int listId, const std::vector<std::string>& lines);
// Its lines, as shown.
std::vector<std::string> ListLines(int listId);

// The lines in the order Target Management's sorted list keeps them.
std::vector<std::string> SortedAsTheTargetList(const std::vector<std::string>& lines);
