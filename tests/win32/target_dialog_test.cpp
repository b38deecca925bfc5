#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "resource.h"
#include "targets/target_dialog.h"
#include "test_support.h"

namespace {

// What a message box showed before the test answered it.
struct Box {
    bool shown = false;
    std::string caption;
    std::string text;
    UINT icon = 0;
};

UINT BoxIcon(HWND box)
{
    for (int control : {0x14, 0x440}) {
        HWND iconControl = GetDlgItem(box, control);
        HICON shown = iconControl ? reinterpret_cast<HICON>(SendMessageA(iconControl, STM_GETICON, 0, 0))
                                  : nullptr;
        if (shown && shown == LoadIconA(nullptr, IDI_HAND))
            return MB_ICONHAND;
        if (shown && shown == LoadIconA(nullptr, IDI_ASTERISK))
            return MB_ICONASTERISK;
    }
    return 0;
}

// MessageBoxRecorder stands aside while a dialog is awaited, so boxes inside the dialog are caught here.
Box BoxDuring(const std::function<void()>& trigger)
{
    Box box;
    box.shown = WithNextDialog(
        [&](HWND window) {
            box = {true, WindowText(window), MessageBoxText(window), BoxIcon(window)};
            SendMessageA(window, WM_COMMAND, IDOK, 0);
        },
        trigger);
    return box;
}

// Selects `text` in a drop-down list of the general page as the operator would; "" selects nothing.
void Choose(const EditorWindow& editor, int id, const std::string& text)
{
    LRESULT index = text.empty() ? -1
                                 : SendMessageA(editor.Item(GeneralPageIndex, id), CB_FINDSTRINGEXACT,
                                                static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    ASSERT_TRUE(text.empty() || index != CB_ERR) << "no choice " << text;
    editor.SelectItem(GeneralPageIndex, id, static_cast<int>(index));
}

// Opens the dialog the way the operator reaches it, for a team game with hand-chosen targets on `map`,
// and runs `action` inside it; the action must end the dialog.
bool WithTargetDialog(const EditorWindow& editor, const std::string& map,
                      const std::function<void(HWND)>& action)
{
    Choose(editor, IDC_GENERAL_MAP, map);
    Choose(editor, IDC_GENERAL_GAME_TYPE, "Team Melee");
    editor.SelectTab(GamePageIndex);
    if (!editor.Checked(GamePageIndex, IDC_GAME_MANUALLY_CHOOSE_TARGETS))
        editor.Click(GamePageIndex, IDC_GAME_MANUALLY_CHOOSE_TARGETS);
    return WithNextDialog(action, [&] { editor.Click(GamePageIndex, IDC_GAME_TARGETS); });
}

void Press(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Types `id` and presses "&Add Target". Any box is answered, so an unexpected one cannot hang the test.
Box AddId(HWND dialog, const std::string& id)
{
    SetDlgItemTextA(dialog, IDC_TARGET_ID, id.c_str());
    return BoxDuring([&] { Press(dialog, IDC_TARGET_ADD); });
}

std::string IdText(HWND dialog)
{
    return WindowText(GetDlgItem(dialog, IDC_TARGET_ID));
}

using Lines = std::vector<std::string>;

Lines ListLines(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    Lines lines;
    for (int index = 0; index < SendMessageA(list, LB_GETCOUNT, 0, 0); ++index) {
        LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        std::string line(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&line[0]));
        line.resize(static_cast<size_t>(length));
        lines.push_back(line);
    }
    return lines;
}

// Selects a list line (-1: none) with the notification the list would send.
void SelectLine(HWND dialog, int index)
{
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_TARGET_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

bool RemoveEnabled(HWND dialog)
{
    return IsWindowEnabled(GetDlgItem(dialog, IDC_TARGET_REMOVE)) != FALSE;
}

// The last request "View Bitmap" made, with the file name copied while it was alive.
SHELLEXECUTEINFOA lastRequest;
std::string lastRequestFile;
int requestCount = 0;

BOOL WINAPI RecordBitmapRequest(SHELLEXECUTEINFOA* request)
{
    ++requestCount;
    lastRequest = *request;
    lastRequestFile = request->lpFile ? request->lpFile : "(none)";
    return TRUE;
}

// Keeps the shell out of the tests: no viewer is ever started.
struct BitmapOpenerSwap {
    BitmapOpenerFunction saved = BitmapOpener;
    BitmapOpenerSwap() { BitmapOpener = RecordBitmapRequest; }
    ~BitmapOpenerSwap() { BitmapOpener = saved; }
};

}  // namespace

TEST(TargetDialog, CaptionAndBitmapFollowTheCurrentMap)
{
    BitmapOpenerSwap swap;
    ScratchDirectory directory("target-map");
    EditorWindow editor;
    for (std::string map : {"Flanders", "Island", "Random", ""}) {
        requestCount = 0;
        HWND opened = nullptr;
        std::string caption;
        LONG_PTR extendedStyle = 0;
        ASSERT_TRUE(WithTargetDialog(editor, map, [&](HWND dialog) {
            opened = dialog;
            caption = WindowText(dialog);
            extendedStyle = GetWindowLongPtrA(dialog, GWL_EXSTYLE);
            Press(dialog, IDC_TARGET_VIEW_BITMAP);
            Press(dialog, IDCANCEL);
        })) << map;
        EXPECT_EQ(caption, "Target Management - " + map);
        EXPECT_TRUE(extendedStyle & WS_EX_TOPMOST) << map;
        ASSERT_EQ(requestCount, 1) << map;
        EXPECT_EQ(lastRequestFile, "landmarks\\" + map + ".bmp");
        EXPECT_EQ(lastRequest.cbSize, sizeof(SHELLEXECUTEINFOA)) << map;
        EXPECT_EQ(lastRequest.fMask, 0u) << map;
        EXPECT_EQ(lastRequest.hwnd, opened) << map;
        EXPECT_EQ(lastRequest.lpVerb, nullptr) << map;
        EXPECT_EQ(lastRequest.lpParameters, nullptr) << map;
        EXPECT_EQ(lastRequest.lpDirectory, nullptr) << map;
        EXPECT_EQ(lastRequest.nShow, SW_SHOW) << map;
    }
}

TEST(TargetDialog, WithoutACatalogueMapAddOnlyEmptiesTheIdField)
{
    ScratchDirectory directory("target-random");
    EditorWindow editor;
    for (std::string map : {"Random", ""}) {
        ASSERT_TRUE(WithTargetDialog(editor, map, [&](HWND dialog) {
            Box box = AddId(dialog, "5");
            EXPECT_FALSE(box.shown) << map << ": " << box.text;
            EXPECT_EQ(IdText(dialog), "") << map;
            EXPECT_TRUE(ListLines(dialog).empty()) << map;
            Press(dialog, IDCANCEL);
        }));
    }
}

TEST(TargetDialog, IdsOutsideTheMapAreRefusedAndKeptForCorrection)
{
    struct Case {
        const char* map;
        Lines invalid;
        const char* lastId;
        const char* lastName;
    };
    // 4294967297 is 1 once wrapped to 32 bits, and forty nines wrap to something else again.
    const Case cases[] = {
        {"Island", {"", "0", "52"}, "51", "Factory 7b"},
        {"Marne", {"", "0", "227", "4294967297"}, "226", "Village43"},
        {"Verdun", {"", "0", "212"}, "211", "village47"},
        {"Alsace", {"", "0", "238"}, "237", "village44"},
        {"Flanders", {"", "0", "411", std::string(40, '9'), "-3"}, "410", "Village71"},
    };
    ScratchDirectory directory("target-invalid");
    EditorWindow editor;
    for (const Case& row : cases) {
        ASSERT_TRUE(WithTargetDialog(editor, row.map, [&](HWND dialog) {
            for (const std::string& id : row.invalid) {
                Box box = AddId(dialog, id);
                EXPECT_EQ(box.text, std::string("The ID you have entered is not a valid ID for the ") + row.map +
                                        " map.") << id;
                EXPECT_EQ(box.caption, "Invalid ID") << row.map << " " << id;
                EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONHAND)) << row.map << " " << id;
                EXPECT_EQ(IdText(dialog), id) << row.map;
                EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_TARGET_ID)) << row.map << " " << id;
                EXPECT_TRUE(ListLines(dialog).empty()) << row.map << " " << id;
            }
            Box box = AddId(dialog, row.lastId);
            EXPECT_FALSE(box.shown) << row.map << ": " << box.text;
            EXPECT_EQ(ListLines(dialog), Lines{row.lastName});
            EXPECT_EQ(IdText(dialog), "") << row.map;
            Press(dialog, IDCANCEL);
        }));
    }
}

TEST(TargetDialog, ANameAlreadyListedIsRefusedWhateverItsCase)
{
    struct Case {
        const char* map;
        const char* section;   // the Targets lines of the file
        const char* firstId;   // added before the duplicate, when not null
        const char* id;
    };
    const Case cases[] = {
        {"Marne", "", "31", "95"},          // both "Laon"
        {"Flanders", "", "85", "179"},      // "Lens" and "lens"
        {"Marne", "LAON\r\n", nullptr, "31"},   // a hand-written line counts too
    };
    for (const Case& row : cases) {
        ScratchDirectory directory("target-duplicate");
        directory.WriteSettings(std::string("[Targets]\r\n") + row.section);
        EditorWindow editor;
        ASSERT_TRUE(WithTargetDialog(editor, row.map, [&](HWND dialog) {
            if (row.firstId) {
                EXPECT_FALSE(AddId(dialog, row.firstId).shown) << row.map << " " << row.firstId;
            }
            Lines before = ListLines(dialog);
            ASSERT_EQ(before.size(), 1u) << row.map << " " << row.id;
            Box box = AddId(dialog, row.id);
            EXPECT_EQ(box.text, "This target already exists within the target list.") << row.map << " " << row.id;
            EXPECT_EQ(box.caption, "Duplicate ID") << row.map << " " << row.id;
            EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONASTERISK)) << row.map << " " << row.id;
            EXPECT_EQ(IdText(dialog), row.id);
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_TARGET_ID)) << row.map << " " << row.id;
            EXPECT_EQ(ListLines(dialog), before);
            Press(dialog, IDCANCEL);
        }));
    }
}

TEST(TargetDialog, AddedIdsAreListedByTheirWholeNames)
{
    ScratchDirectory directory("target-names");
    EditorWindow editor;
    // "Bridge 1" is 133 and "Bridge 10" is 142: a name that begins another is no duplicate, either way round.
    for (Lines ids : {Lines{"133", "142"}, Lines{"142", "133"}, Lines{"007"}}) {
        ASSERT_TRUE(WithTargetDialog(editor, "Marne", [&](HWND dialog) {
            for (const std::string& id : ids) {
                Box box = AddId(dialog, id);
                EXPECT_FALSE(box.shown) << id << ": " << box.text;
            }
            EXPECT_EQ(ListLines(dialog), (ids.size() == 1 ? Lines{"Vivaise"} : Lines{"Bridge 1", "Bridge 10"}));
            Press(dialog, IDCANCEL);
        }));
    }
}

TEST(TargetDialog, DoneWritesEveryLineInTheListsCaseBlindOrder)
{
    ScratchDirectory directory("target-done");
    // Lines of another map, in no order and of mixed case; the other sections must stay as they are.
    directory.WriteSettings("[QV3Server]\r\nmaxPlayers=8\r\n[Targets]\r\nbeta\r\nGhistelles\r\nalpha\r\n"
                            "[Clients]\r\nCookie=abc\r\n");
    EditorWindow editor;
    const Lines sorted = {"alpha", "beta", "Ghistelles", "Laon"};
    ASSERT_TRUE(WithTargetDialog(editor, "Marne", [&](HWND dialog) {
        EXPECT_FALSE(AddId(dialog, "31").shown);
        EXPECT_EQ(ListLines(dialog), sorted);
        Press(dialog, IDC_TARGET_DONE);
    }));
    EXPECT_EQ(directory.ReadSettings(), "[QV3Server]\r\nmaxPlayers=8\r\n[Targets]\r\nalpha\r\nbeta\r\n"
                                        "Ghistelles\r\nLaon\r\n[Clients]\r\nCookie=abc\r\n");
    // The next opening reads the section afresh.
    ASSERT_TRUE(WithTargetDialog(editor, "Marne", [&](HWND dialog) {
        EXPECT_EQ(ListLines(dialog), sorted);
        Press(dialog, IDCANCEL);
    }));
}

TEST(TargetDialog, LinesThatReadAsEmptyAreShownButNeverWritten)
{
    ScratchDirectory directory("target-comment");
    directory.WriteSettings("[Targets]\r\nLaon\r\n/ a note\r\n\tReims\r\n// another\r\n");
    EditorWindow editor;
    ASSERT_TRUE(WithTargetDialog(editor, "Marne", [&](HWND dialog) {
        EXPECT_EQ(ListLines(dialog), (Lines{"", "", "Laon", "Reims"}));
        Press(dialog, IDC_TARGET_DONE);
    }));
    EXPECT_EQ(directory.ReadSettings(), "[Targets]\r\nLaon\r\nReims\r\n");
}

TEST(TargetDialog, CancelAndEscapeLeaveTheFileUntouched)
{
    const std::string original = "[Targets]\r\nzeta\r\n  Laon\r\n\r\n[Clients]\r\nCookie=abc\r\n";
    ScratchDirectory directory("target-cancel");
    directory.WriteSettings(original);
    EditorWindow editor;
    const std::function<void(HWND)> closers[] = {
        [](HWND dialog) { Press(dialog, IDCANCEL); },
        // What the dialog manager sends for the Escape key.
        [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); },
    };
    for (const auto& close : closers) {
        ASSERT_TRUE(WithTargetDialog(editor, "Marne", [&](HWND dialog) {
            EXPECT_FALSE(AddId(dialog, "95").shown);
            SelectLine(dialog, 0);
            Press(dialog, IDC_TARGET_REMOVE);
            close(dialog);
        }));
        EXPECT_EQ(directory.ReadSettings(), original);
    }
    ASSERT_TRUE(WithTargetDialog(editor, "Marne", [&](HWND dialog) {
        EXPECT_EQ(ListLines(dialog), (Lines{"  Laon", "zeta"}));
        Press(dialog, IDCANCEL);
    }));
}

TEST(TargetDialog, LongLinesAndLongSectionsComeBackWhole)
{
    Lines lines = {"Long " + std::string(295, 'x')};
    for (int index = 0; index < 200; ++index) {
        char name[16];
        wsprintfA(name, "Target %03d", index);
        lines.push_back(name);
    }
    std::string reversed;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        reversed += *line + "\r\n";
    ScratchDirectory directory("target-long");
    directory.WriteSettings("[Targets]\r\n" + reversed);
    EditorWindow editor;
    ASSERT_TRUE(WithTargetDialog(editor, "Verdun", [&](HWND dialog) {
        EXPECT_EQ(ListLines(dialog), lines);
        Press(dialog, IDC_TARGET_DONE);
    }));
    std::string written = "[Targets]\r\n";
    for (const std::string& line : lines)
        written += line + "\r\n";
    EXPECT_EQ(directory.ReadSettings(), written);
}

TEST(TargetDialog, RemoveIsEnabledOnlyWhileALineIsSelected)
{
    ScratchDirectory directory("target-remove");
    directory.WriteSettings("[Targets]\r\nReims\r\nLaon\r\n[Clients]\r\nCookie=abc\r\n");
    EditorWindow editor;
    ASSERT_TRUE(WithTargetDialog(editor, "Marne", [&](HWND dialog) {
        EXPECT_FALSE(RemoveEnabled(dialog));
        SelectLine(dialog, 1);
        EXPECT_TRUE(RemoveEnabled(dialog));
        Press(dialog, IDC_TARGET_REMOVE);
        EXPECT_EQ(ListLines(dialog), Lines{"Laon"});
        EXPECT_FALSE(RemoveEnabled(dialog));
        // The pressed button is disabled, so the keyboard moves on to the list rather than to nowhere.
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_TARGET_LIST));
        SelectLine(dialog, 0);
        EXPECT_TRUE(RemoveEnabled(dialog));
        SelectLine(dialog, -1);
        EXPECT_FALSE(RemoveEnabled(dialog));
        SelectLine(dialog, 0);
        Press(dialog, IDC_TARGET_REMOVE);
        Press(dialog, IDC_TARGET_DONE);
    }));
    // An empty list leaves the section without lines.
    EXPECT_EQ(directory.ReadSettings(), "[Targets]\r\n[Clients]\r\nCookie=abc\r\n");
}
