#include "app/app_state.h"
#include "app/controls.h"

HINSTANCE AppInstance = nullptr;
HWND PageTable[PageCount] = {};
POINT PageOrigin = {0, 0};

HWND PageItem(PageIndex page, int id)
{
    return PageTable[page] ? Control(PageTable[page], id) : nullptr;
}
