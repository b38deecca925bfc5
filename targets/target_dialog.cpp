#include "targets/target_dialog.h"

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/controls.h"
#include "app/error_box.h"
#include "app/pages.h"
#include "app/write_settings.h"
#include "resource.h"
#include "settings/profile_store.h"
#include "targets/target_rule.h"

namespace {

// The shell is loaded the first time a picture is asked for: linked to the program, its libraries would be
// loaded at every start-up, for a button seldom pressed.
BOOL WINAPI OpenWithShell(SHELLEXECUTEINFOA* request)
{
    // Kept loaded once loaded: the shell may go on working for the request after it returns.
    HMODULE shell = LoadLibraryExA("shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // A system without the search flags refuses them; there the shell, a known DLL, comes from the system
    // folder all the same.
    if (!shell)
        shell = LoadLibraryA("shell32.dll");
    FARPROC open = shell ? GetProcAddress(shell, "ShellExecuteExA") : nullptr;
    return open ? reinterpret_cast<BitmapOpenerFunction>(reinterpret_cast<void (*)()>(open))(request) : FALSE;
}

}  // namespace

BitmapOpenerFunction BitmapOpener = OpenWithShell;

namespace {

const char TargetsSection[] = "Targets";

// The one setting the dialog owns, and what the dialog shows of the file: a list that shows nothing
// because the file could not be read must never replace the file's list, and one another program changed
// since is not written over without a question.
const OwnedSetting TargetSetting = {TargetsSection, nullptr};
ShownSettings ListShown;

// The map chosen on the general page, read afresh each time: empty when none is selected.
std::string CurrentMap()
{
    return WholeText(PageItem(GeneralPageIndex, IDC_GENERAL_MAP));
}

void ReportAndRefocus(HWND dialog, const std::string& text, const char* title, UINT icon)
{
    MessageBoxA(dialog, text.c_str(), title, MB_OK | icon);
    SetFocus(GetDlgItem(dialog, IDC_TARGET_ID));
}

void LoadTargetList(HWND dialog)
{
    // The section as the file holds it now: a build since start-up may have changed the file.
    JournalNote note;
    ListShown = ReadShownSettings({TargetSetting}, &note);
    if (const Refusal& unread = ListShown.unread) {
        ShowError(dialog, unread.Reason() + "  The list shows no targets, and Done will not write over the file's "
                                            "list.  " +
                              (unread.IsBusy() ? "Wait until it has finished, then open Target Management again."
                                               : "Close the program that holds it, then open Target Management "
                                                 "again."));
        return;
    }
    if (note.kind == JournalNote::KeptAside)
        ShowError(dialog, KeptAsideText(note));
    SectionBuffer buffer;
    ReadSectionList(TargetsSection, buffer);
    std::string entry;
    // Every line as read, even one of another map or one that reads as empty: the list is the section.
    while (NextSectionEntry(buffer, entry))
        SendDlgItemMessageA(dialog, IDC_TARGET_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

void InitTargetDialog(HWND dialog)
{
    std::string caption = "Target Management - " + CurrentMap();
    SetWindowTextA(dialog, caption.c_str());
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    LoadTargetList(dialog);
}

// Whether the list was written; every refusal is told before it returns.
bool SaveTargetList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    std::vector<std::string> lines;
    for (int index = 0; index < count; ++index)
        lines.push_back(ListLine(list, index));
    // Only the section changes; every other line is written back as the file holds it now.
    const auto store = [](const void* context) {
        WriteSectionList(TargetsSection, *static_cast<const std::vector<std::string>*>(context));
        return Refusal();
    };
    return WriteSettings(dialog, {TargetSetting}, ListShown,
                         {"The INI file could not be read when Target Management opened, so the list shown is not "
                          "the file's.  Nothing was written.  Press Cancel, close the program that holds "
                          "qv3server.ini, then open Target Management again.",
                          "Target Management read it", "Done would write the list shown here over"},
                         store, &lines);
}

// Add Target: the rule decides; the dialog shows its answer.
void AddTarget(HWND dialog)
{
    HWND idField = GetDlgItem(dialog, IDC_TARGET_ID);
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    const std::string map = CurrentMap();
    std::vector<std::string> listed;
    for (LRESULT index = 0, count = SendMessageA(list, LB_GETCOUNT, 0, 0); index < count; ++index)
        listed.push_back(ListLine(list, static_cast<int>(index)));
    const TargetAddition addition = AddTargetRule(map, WholeText(idField), listed);
    switch (addition.kind) {
    case TargetAddition::NoSuchMap:
        SetWindowTextA(idField, "");
        return;
    case TargetAddition::OutOfRange:
        ReportAndRefocus(dialog, InvalidIdText(map), "Invalid ID", MB_ICONHAND);
        return;
    case TargetAddition::AlreadyListed:
        ReportAndRefocus(dialog, DuplicateTargetText, "Duplicate ID", MB_ICONASTERISK);
        return;
    case TargetAddition::Added:
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(addition.name.c_str()));
        SetWindowTextA(idField, "");
        return;
    }
}

}  // namespace

void ViewMapBitmap(HWND dialog)
{
    // The map text is used as it stands: "Random" or no map give a path that simply does not exist.
    std::string path = "landmarks\\" + CurrentMap() + ".bmp";
    SHELLEXECUTEINFOA request = {};
    request.cbSize = sizeof request;
    request.fMask = 0;
    request.hwnd = dialog;
    request.lpVerb = nullptr;
    request.lpFile = path.c_str();
    request.lpParameters = nullptr;
    request.lpDirectory = nullptr;
    request.nShow = SW_SHOW;
    BitmapOpener(&request);
}

INT_PTR CALLBACK TargetDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        InitTargetDialog(dialog);
        break;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_TARGET_ADD:
            AddTarget(dialog);
            break;
        case IDC_TARGET_REMOVE:
            RemoveSelectedEntry(dialog, IDC_TARGET_LIST, IDC_TARGET_REMOVE);
            break;
        case IDC_TARGET_DONE:
            // A list that could not be written stays on screen, so that nothing chosen is lost.
            if (SaveTargetList(dialog))
                EndDialog(dialog, 1);
            break;
        case IDCANCEL:
            EndDialog(dialog, 0);
            break;
        case IDC_TARGET_VIEW_BITMAP:
            ViewMapBitmap(dialog);
            break;
        case IDC_TARGET_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE)
                UpdateRemoveButton(dialog, IDC_TARGET_LIST, IDC_TARGET_REMOVE);
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return 0;
}
