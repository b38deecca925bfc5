#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/app_state.h"
#include "resource.h"
#include "targets/target_dialog.h"
#include "test_support.h"

namespace {

using Lines = std::vector<std::string>;

const std::string InvalidId = "Invalid ID: The ID you have entered is not a valid ID for the ";
const std::string DuplicateId = "Duplicate ID: This target already exists within the target list.";

void Press(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Opens the dialog as the operator reaches it, for a team game on `map` ("": no map selected), and runs
// `action` inside it; the action must end the dialog.
bool WithTargetDialog(const EditorWindow& editor, const std::string& map, const std::function<void(HWND)>& action)
{
    LRESULT index = SendMessageA(editor.Item(GeneralPageIndex, IDC_GENERAL_MAP), CB_FINDSTRINGEXACT,
                                 static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(map.c_str()));
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_MAP, static_cast<int>(index));
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_GAME_TYPE, 0);   // "Team Melee"
    editor.SelectTab(GamePageIndex);   // "Manually Choose Targets: " is on: no test's file says otherwise
    return WithNextDialog(action, [&] { editor.Click(GamePageIndex, IDC_GAME_TARGETS); });
}

Lines ListLines(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    Lines lines(static_cast<size_t>(SendMessageA(list, LB_GETCOUNT, 0, 0)));
    for (WPARAM index = 0; index < lines.size(); ++index) {
        std::string& line = lines[index];
        line.resize(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, index, 0)) + 1);
        line.resize(static_cast<size_t>(SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&line[0]))));
    }
    return lines;
}

// Types `id` and presses "&Add Target", answering any box so that an unexpected one cannot hang the test.
// `box` is the "caption: text" expected, "" for none; a refused ID stays in the field, with the focus.
void ExpectAdd(HWND dialog, const std::string& id, const std::string& box = "", LPCSTR icon = nullptr)
{
    SetDlgItemTextA(dialog, IDC_TARGET_ID, id.c_str());
    std::string shown;
    WithNextDialog([&](HWND opened) {
        shown = WindowText(opened) + ": " + MessageBoxText(opened);
        LRESULT wanted = reinterpret_cast<LRESULT>(LoadIconA(nullptr, icon));
        if (SendDlgItemMessageA(opened, 0x14, STM_GETICON, 0, 0) != wanted &&
            SendDlgItemMessageA(opened, 0x440, STM_GETICON, 0, 0) != wanted)
            shown += " (other icon)";
        SendMessageA(opened, WM_COMMAND, IDOK, 0);
    }, [&] { Press(dialog, IDC_TARGET_ADD); });
    EXPECT_EQ(shown, box) << id;
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_TARGET_ID)), box.empty() ? "" : id);
    EXPECT_TRUE(box.empty() || GetFocus() == GetDlgItem(dialog, IDC_TARGET_ID)) << id << ": focus elsewhere";
}

void SelectLine(HWND dialog, int index)   // -1: none; with the notification the list would send
{
    SendDlgItemMessageA(dialog, IDC_TARGET_LIST, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_TARGET_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_TARGET_LIST)));
}

// "View Bitmap"'s requests, each with its file name copied while it was alive; no viewer ever starts.
std::vector<std::pair<SHELLEXECUTEINFOA, std::string>> bitmapRequests;

BOOL WINAPI RecordBitmapRequest(SHELLEXECUTEINFOA* request)
{
    bitmapRequests.push_back({*request, request->lpFile ? request->lpFile : "(none)"});
    return TRUE;
}

}  // namespace

TEST(TargetDialog, TheCurrentMapNamesTheDialogResolvesIdsAndPicksTheBitmap)
{
    struct Case { const char* map; Lines invalid; Lines added; const char* duplicate; Lines listed; };
    // 4294967297 is 1 once wrapped to 32 bits; 133 "Bridge 1" begins 142 "Bridge 10" but is no duplicate.
    const Case cases[] = {
        {"Random", {}, {"5"}, nullptr, {}},
        {"", {}, {"5"}, nullptr, {}},
        {"Island", {"", "0", "52"}, {"51"}, nullptr, {"Factory 7b"}},
        {"Marne", {"", "0", "227", "4294967297"}, {"226", "31", "007", "133", "142"}, "95",
         {"Bridge 1", "Bridge 10", "Laon", "Village43", "Vivaise"}},
        {"Marne", {}, {"142", "133"}, nullptr, {"Bridge 1", "Bridge 10"}},
        {"Verdun", {"212"}, {"211"}, nullptr, {"village47"}},
        {"Alsace", {"238"}, {"237"}, nullptr, {"village44"}},
        {"Flanders", {"411", std::string(40, '9'), "-3"}, {"410", "85"}, "179", {"Lens", "Village71"}},
    };
    BitmapOpener = RecordBitmapRequest;
    ScratchDirectory directory("target-ids");
    EditorWindow editor;
    for (const Case& row : cases) {
        SCOPED_TRACE(std::string("map [") + row.map + "]");
        bitmapRequests.clear();
        HWND opened = nullptr;
        ASSERT_TRUE(WithTargetDialog(editor, row.map, [&](HWND dialog) {
            opened = dialog;
            EXPECT_EQ(WindowText(dialog), std::string("Target Management - ") + row.map);
            EXPECT_TRUE(GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
            for (const std::string& id : row.invalid)
                ExpectAdd(dialog, id, InvalidId + row.map + " map.", IDI_HAND);
            for (const std::string& id : row.added)
                ExpectAdd(dialog, id);
            if (row.duplicate)
                ExpectAdd(dialog, row.duplicate, DuplicateId, IDI_ASTERISK);
            EXPECT_EQ(ListLines(dialog), row.listed);
            Press(dialog, IDC_TARGET_VIEW_BITMAP);
            Press(dialog, IDCANCEL);
        }));
        ASSERT_EQ(bitmapRequests.size(), 1u);
        const SHELLEXECUTEINFOA& sent = bitmapRequests[0].first;
        EXPECT_EQ(bitmapRequests[0].second, std::string("landmarks\\") + row.map + ".bmp");
        EXPECT_TRUE(sent.cbSize == sizeof sent && sent.fMask == 0 && sent.hwnd == opened && !sent.lpVerb &&
                    !sent.lpParameters && !sent.lpDirectory && sent.nShow == SW_SHOW);
    }
    EXPECT_FALSE(directory.SettingsExist());   // neither adding nor "Cancel" writes anything
}

TEST(TargetDialog, DoneWritesEveryLineWholeAndSortedButNoEmptyOne)
{
    ScratchDirectory directory("target-done");
    EditorWindow editor;   // started first: the dialog must read the section when it opens
    // A line longer than any line buffer, and a section many times longer than one section buffer.
    std::string longLines = "Long " + std::string(295, 'x') + "\r\n";
    for (int index = 0; index < 200; ++index)
        longLines += "Target " + std::to_string(1000 + index) + "\r\n";
    // Other maps' lines, unsorted and of mixed case, and two that read as empty; other sections stay.
    directory.WriteSettings("[QV3Server]\r\nmaxPlayers=8\r\n[Targets]\r\n" + longLines + "beta\r\n/ a note\r\n"
                            "Ghistelles\r\nalpha\r\nLAON\r\n// another\r\n[Clients]\r\nCookie=abc\r\n");
    ASSERT_TRUE(WithTargetDialog(editor, "Marne", [&](HWND dialog) {
        ExpectAdd(dialog, "31", DuplicateId, IDI_ASTERISK);   // "Laon", listed by hand in other case
        ExpectAdd(dialog, "133");
        Lines listed = ListLines(dialog);
        listed.resize(7);
        EXPECT_EQ(listed, (Lines{"", "", "alpha", "beta", "Bridge 1", "Ghistelles", "LAON"}));
        Press(dialog, IDC_TARGET_DONE);
    }));
    EXPECT_EQ(directory.ReadSettings(), "[QV3Server]\r\nmaxPlayers=8\r\n[Targets]\r\nalpha\r\nbeta\r\nBridge 1\r\n"
                                        "Ghistelles\r\nLAON\r\n" + longLines + "[Clients]\r\nCookie=abc\r\n");
}

TEST(TargetDialog, RemoveIsEnabledOnlyWhileALineIsSelected)
{
    ScratchDirectory directory("target-remove");
    directory.WriteSettings("[Targets]\r\nReims\r\nLaon\r\n[Clients]\r\nCookie=abc\r\n");
    EditorWindow editor;
    ASSERT_TRUE(WithTargetDialog(editor, "Marne", [&](HWND dialog) {
        auto removeEnabled = [&] { return IsWindowEnabled(GetDlgItem(dialog, IDC_TARGET_REMOVE)) != FALSE; };
        EXPECT_FALSE(removeEnabled());
        SelectLine(dialog, 1);
        EXPECT_TRUE(removeEnabled());
        Press(dialog, IDC_TARGET_REMOVE);
        EXPECT_EQ(ListLines(dialog), Lines{"Laon"});
        EXPECT_FALSE(removeEnabled());
        // The pressed button is now disabled: the keyboard must move on to the list, not to nowhere.
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_TARGET_LIST));
        SelectLine(dialog, 0);
        EXPECT_TRUE(removeEnabled());
        SelectLine(dialog, -1);
        EXPECT_FALSE(removeEnabled());
        SelectLine(dialog, 0);
        Press(dialog, IDC_TARGET_REMOVE);
        Press(dialog, IDC_TARGET_DONE);
    }));
    EXPECT_EQ(directory.ReadSettings(), "[Targets]\r\n[Clients]\r\nCookie=abc\r\n");   // an empty list, no lines
}
