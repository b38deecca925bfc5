#pragma once
#include <windows.h>

#include <shellapi.h>

// The Target Management dialog: edits the Targets section, one target name per line.

// Hands "View Bitmap"'s request to the shell. Tests point it at a recorder so that no viewer starts.
using BitmapOpenerFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOA* request);
extern BitmapOpenerFunction BitmapOpener;

// Each takes the dialog's window.
void LoadTargetList(HWND dialog);
// 1 when the list is written; 0 after a message: the file could not be read when the dialog opened or
// when Done was pressed, or could not be written.
int SaveTargetList(HWND dialog);
void ViewMapBitmap(HWND dialog);
