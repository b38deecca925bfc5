#pragma once
#include <windows.h>

#include "settings/refusal.h"

// The caption by which a running instance is found.
extern const char MainWindowCaption[];

// Restores and raises a running instance's window; true when there was one.
bool RaiseRunningInstance();
// Initialises the common controls and runs the main window as a modal dialog; 1 when it has ended.
int RunMainWindow(HINSTANCE instance);
// Creates the main window modelessly, as the tests do; the same procedure and start-up as the program.
HWND CreateMainWindowModeless(HINSTANCE instance);

// The main window's procedure. Created with the parameter LoadTheDocumentHeld, its start-up loads the pages
// from the settings document as it stands, without reading the file; with 0, from the file.
INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
constexpr LPARAM LoadTheDocumentHeld = 1;
// Reads the file, then loads every page from it.
void LoadAllPages();
// Loads every page from the settings document as it stands.
void LoadPages();
// The store sequence of "&Build INI File" into the document read last, without writing it; refused when a
// value cannot be stored (the document is then only partly stored).
Refusal StoreAllPages();
