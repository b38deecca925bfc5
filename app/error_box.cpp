#include "app/error_box.h"

void ShowError(HWND owner, const std::string& text)
{
    MessageBoxA(owner, text.c_str(), "Error", MB_OK | MB_ICONERROR);
}
