#include "app/main_window.h"

#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

#include "app/app_state.h"
#include "app/controls.h"
#include "app/error_box.h"
#include "app/pages.h"
#include "app/write_settings.h"
#include "resource.h"
#include "settings/profile_store.h"
#include "settings/settable_keys.h"

const char MainWindowCaption[] = MAIN_WINDOW_CAPTION;

namespace {

// The main window, once created: it owns the boxes of a build.
HWND MainWindowHandle = nullptr;

// Sent to the main window once it is shown, to tell what the start-up read found.
const UINT WM_APP_START_UP_NOTICE = WM_APP + 1;
std::string StartUpNotice;

// The settings the pages own, and what the pages show of the file: read at start-up, then what each build
// wrote. Where the file could not be read they show defaults, which a build must never write over the
// operator's settings; what another program changes there afterwards is not written over without a
// question.
std::vector<OwnedSetting> PageSettings()
{
    std::vector<OwnedSetting> owned;
    for (const SettableKey& key : SettableKeys())
        owned.push_back({QV3ServerSection, key.key});
    owned.push_back({"RegisterWith", nullptr});
    owned.push_back({"Clients", nullptr});
    return owned;
}
ShownSettings PagesShown;

struct TabPage {
    const char* text;
    int templateId;
};

// The largest page template, in dialog units.
const int LargestPageWidth = 302;
const int LargestPageHeight = 237;

// Tab order; PageTable follows it.
const TabPage TabPages[PageCount] = {
    {"General Settings", IDD_GENERAL_PAGE},
    {"Game Settings", IDD_GAME_PAGE},
    {"Allied Planes", IDD_ALLIED_PLANES_PAGE},
    {"German Planes", IDD_GERMAN_PLANES_PAGE},
    {"Server Settings", IDD_SERVER_PAGE},
};

void FillTabStrip(HWND tab)
{
    for (int index = 0; index < PageCount; ++index) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(TabPages[index].text);
        SendMessageA(tab, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
    }
}

// The tab's display area, measured on the screen and corrected by how far the work area and a
// full-screen client area stand from the screen's edges: on Windows this sets a page a little below the
// tab headers. Where the metrics differ (Wine's do), the page is kept inside the display area all the same.
void ComputePageOrigin(HWND window, HWND tab)
{
    RECT display;
    GetWindowRect(tab, &display);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    RECT workArea;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    int fullScreenHeight = GetSystemMetrics(SM_CYFULLSCREEN);
    PageOrigin.x = display.left - workArea.left;
    PageOrigin.y = display.top + (fullScreenHeight - workArea.bottom) + 20;

    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&display), 2);
    RECT page = {0, 0, LargestPageWidth, LargestPageHeight};
    MapDialogRect(window, &page);
    PageOrigin.x = std::max(display.left, std::min<LONG>(PageOrigin.x, display.right - page.right));
    PageOrigin.y = std::max(display.top, std::min<LONG>(PageOrigin.y, display.bottom - page.bottom));
}

// Pages are created from their templates in memory; a template that cannot be found leaves its slot
// empty, and every operation on that page then does nothing.
HWND CreatePage(HWND window, int templateId)
{
    HRSRC resource = FindResourceA(AppInstance, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    HGLOBAL loaded = resource ? LoadResource(AppInstance, resource) : nullptr;
    void* pageTemplate = loaded ? LockResource(loaded) : nullptr;
    if (!pageTemplate)
        return nullptr;
    HWND page = CreateDialogIndirectParamA(AppInstance, static_cast<LPCDLGTEMPLATEA>(pageTemplate), window,
                                           PageProcedure, 0);
    // Over a themed tab control a page takes the tab's background, as a property sheet's pages do. Without
    // an active theme there is nothing to take, and asking costs time on every control.
    if (page && IsThemeActive())
        EnableThemeDialogTexture(page, ETDT_ENABLETAB);
    return page;
}

void CentreWindow(HWND window)
{
    RECT desktop;
    RECT own;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(window, &own);
    SetWindowPos(window, nullptr, (desktop.right - own.right) >> 1, (desktop.bottom - own.bottom) >> 1, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
}

void InitMainWindow(HWND window, LPARAM start)
{
    MainWindowHandle = window;
    if (!BuildProfilePath()) {
        ShowError(nullptr, "The path of the current directory is too long to hold the settings file "
                           "qv3server.ini. Start the editor from a directory with a shorter path.");
        EndDialog(window, 0);
        return;
    }
    HICON icon = LoadIconA(AppInstance, MAKEINTRESOURCEA(IDI_APP));
    // The caption's icon from the image drawn at that size, rather than the large one scaled down.
    HICON smallIcon = static_cast<HICON>(LoadImageA(AppInstance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                    LR_DEFAULTCOLOR));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));

    HWND tab = GetDlgItem(window, IDC_MAIN_TAB);
    FillTabStrip(tab);
    ComputePageOrigin(window, tab);
    ForgetControls();
    for (int index = 0; index < PageCount; ++index)
        PageTable[index] = CreatePage(window, TabPages[index].templateId);
    if (PageTable[GeneralPageIndex])
        ShowWindow(PageTable[GeneralPageIndex], SW_SHOW);

    FillChoiceLists();
    InitRateSpinners();
    if (start == LoadTheDocumentHeld)
        LoadPages();
    else
        LoadAllPages();
    UpdateGameTypeControls();
    CentreWindow(window);
    if (!StartUpNotice.empty())
        PostMessageA(window, WM_APP_START_UP_NOTICE, 0, 0);
}

void ShowSelectedPage(HWND window, int command)
{
    int selected = static_cast<int>(SendDlgItemMessageA(window, IDC_MAIN_TAB, TCM_GETCURSEL, 0, 0));
    if (selected >= 0 && selected < PageCount && PageTable[selected])
        ShowWindow(PageTable[selected], command);
}

// The pages store into the file as read now, so that what another program changed since start-up stays;
// the file is then replaced once, whole. Pages that show defaults because the file could not be read at
// start-up never replace it, even once it can be read; a page that refuses a value leaves the file as it was.
void BuildIniFile()
{
    WriteSettings(MainWindowHandle, PageSettings(), PagesShown,
                  {"The INI file could not be read when the editor started, so the settings shown are defaults, "
                   "not the file's.  Nothing was written.  Close the program that holds qv3server.ini, then "
                   "start the editor again.",
                   "the editor read the file", "Build INI File would write the values shown here over"},
                  [](const void*) { return StoreAllPages(); });
}

}  // namespace

bool RaiseRunningInstance()
{
    HWND running = FindWindowA(nullptr, MainWindowCaption);
    if (!running)
        return false;
    if (IsIconic(running))
        ShowWindow(running, SW_RESTORE);
    SetForegroundWindow(running);
    return true;
}

int RunMainWindow(HINSTANCE instance)
{
    InitCommonControls();
    AppInstance = instance;
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainWindowProc, 0);
    return 1;
}

HWND CreateMainWindowModeless(HINSTANCE instance)
{
    InitCommonControls();
    AppInstance = instance;
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainWindowProc, 0);
}

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitMainWindow(window, lParam);
        break;
    case WM_NOTIFY: {
        // Pages are only hidden and shown, never re-read: what was typed survives a tab change.
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == TCN_SELCHANGING)
            ShowSelectedPage(window, SW_HIDE);
        else if (header->code == TCN_SELCHANGE)
            ShowSelectedPage(window, SW_SHOW);
        break;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_MAIN_EXIT)
            EndDialog(window, 1);
        else if (LOWORD(wParam) == IDC_MAIN_BUILD)
            BuildIniFile();
        break;
    case WM_CLOSE:
        EndDialog(window, 0);
        break;
    case WM_APP_START_UP_NOTICE:
        // A dialog is shown once its queue is first empty, which this message comes before.
        ShowWindow(window, SW_SHOW);
        ShowError(window, StartUpNotice);
        break;
    default:
        break;
    }
    return 0;
}

void LoadAllPages()
{
    // An unreadable file loads as defaults; every build of this run then refuses to replace it.
    JournalNote note;
    PagesShown = ReadShownSettings(PageSettings(), &note);
    if (const Refusal& unread = PagesShown.unread)
        StartUpNotice = unread.Reason() + "  The editor shows default values instead of the file's, and Build INI File "
                                          "will not write over the file.  " +
                        (unread.IsBusy() ? "Wait until it has finished, then start the editor again."
                                         : "Close the program that holds it, then start the editor again.");
    else if (note.kind == JournalNote::KeptAside)
        StartUpNotice = KeptAsideText(note);
    LoadPages();
}

void LoadPages()
{
    LoadGeneralPage();
    LoadGamePage();
    LoadGermanPlanesPage();
    LoadAlliedPlanesPage();
    LoadServerPage();
}

Refusal StoreAllPages()
{
    StoreGeneralPage();
    StoreGamePage();
    if (Refusal refused = StoreGermanPlanesPage())
        return refused;
    if (Refusal refused = StoreAlliedPlanesPage())
        return refused;
    StoreServerPage();
    return Refusal();
}
