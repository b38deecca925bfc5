#pragma once
#include <windows.h>

#include <string>

// The one way the editor tells the operator that something failed: a box titled "Error", owned by `owner`.
void ShowError(HWND owner, const std::string& text);
