#pragma once
#include <windows.h>

// State that outlives a message: set while the main window is created, kept until the process ends.

// The pages in tab order.
enum PageIndex {
    GeneralPageIndex = 0,
    GamePageIndex = 1,
    AlliedPlanesPageIndex = 2,
    GermanPlanesPageIndex = 3,
    ServerPageIndex = 4,
    PageCount = 5
};

extern HINSTANCE AppInstance;       // loads the templates and runs every dialog
extern HWND PageTable[PageCount];   // a slot stays null when its page could not be created
extern POINT PageOrigin;            // where every page sits, in main-window client coordinates

// The dialog item `id` of page `page`, or null when the page does not exist.
HWND PageItem(PageIndex page, int id);
