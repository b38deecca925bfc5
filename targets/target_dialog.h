#pragma once
#include <windows.h>

#include <shellapi.h>

// The Target Management dialog: edits the Targets section, one target name per line.

// Hands "View Bitmap"'s request to the shell. Tests point it at a recorder so that no viewer starts.
using BitmapOpenerFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOA* request);
extern BitmapOpenerFunction BitmapOpener;

// "View Bitmap": asks the shell to open the current map's picture, for the dialog's window.
void ViewMapBitmap(HWND dialog);
