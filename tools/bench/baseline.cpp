#include <windows.h>

#include <commctrl.h>

namespace {

INT_PTR CALLBACK BaselineProc(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE)
        EndDialog(window, 0);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    InitCommonControls();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(100), nullptr, BaselineProc, 0);
    return 0;
}
