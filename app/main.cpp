#include <windows.h>

#include "app/main_window.h"

// The entry point: one instance at a time. A second start hands over to the running window and ends
// before it touches any file.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (RaiseRunningInstance())
        return 0;
    return RunMainWindow(instance);
}
