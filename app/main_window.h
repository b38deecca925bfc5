#pragma once
#include <windows.h>

#include <string>

// The caption by which a running instance is found.
extern const char MainWindowCaption[];

// Restores and raises a running instance's window; true when there was one.
bool RaiseRunningInstance();
// Initialises the common controls and runs the main window as a modal dialog; 1 when it has ended.
int RunMainWindow(HINSTANCE instance);
// Creates the main window modelessly, as the tests do; the same procedure and start-up as the program.
HWND CreateMainWindowModeless(HINSTANCE instance);

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void LoadAllPages();
// The store sequence of "&Build INI File" into the document read last, without writing it: "" when every
// value is stored, else why one cannot be (and the document is then only partly stored).
std::string StoreAllPages();
void BuildIniFile();
