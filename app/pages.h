#pragma once
#include <windows.h>

#include "settings/refusal.h"

// The procedures that the main window and the shared page procedure run, each owned by its page's file;
// the main window's own are in app/main_window.h.

// app/page_procedure.cpp
INT_PTR CALLBACK PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
void InitRateSpinners();

// settings/choice_lists.cpp, settings/general_page.cpp
void FillChoiceLists();
void LoadGeneralPage();
void StoreGeneralPage();

// settings/game_page.cpp
void LoadGamePage();
void StoreGamePage();
void UpdateGameTypeControls();
void ApplyManualTargetsToggle(HWND gamePage);

// settings/aircraft_pages.cpp
void LoadGermanPlanesPage();
void LoadAlliedPlanesPage();
// Refused when a row cannot be stored.
Refusal StoreGermanPlanesPage();
Refusal StoreAlliedPlanesPage();

// registration/server_page.cpp, add_server_dialog.cpp, add_cookie_dialog.cpp
void LoadServerPage();
void StoreServerPage();
// A list with its Remove button, on the server page and in Target Management.
void RemoveSelectedEntry(HWND window, int listId, int buttonId);
void UpdateRemoveButton(HWND window, int listId, int buttonId);
INT_PTR CALLBACK AddServerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AddCookieDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// targets/target_dialog.cpp
INT_PTR CALLBACK TargetDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
