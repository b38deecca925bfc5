#include <gtest/gtest.h>

#include <windows.h>

#include "app/app_state.h"
#include "app/control_text.h"
#include "resource.h"
#include "targets/target_dialog.h"
#include "editor.h"

namespace {

using Lines = std::vector<std::string>;
const std::string InvalidId = "Invalid ID: The ID you have entered is not a valid ID for the ";
const std::string DuplicateId = "Duplicate ID: This target already exists within the target list.";
void Press(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

// Runs `action` inside the dialog, opened as the operator does for a team game on `map` ("": none selected).
bool WithTargetDialog(const Editor& editor, const std::string& map, const std::function<void(HWND)>& action)
{
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_MAP, static_cast<int>(SendMessageA(editor.Item(GeneralPageIndex,
        IDC_GENERAL_MAP), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(map.c_str()))));
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_GAME_TYPE, 0);   // "Team Melee"
    editor.SelectTab(GamePageIndex);   // "Manually Choose Targets: " is on: no test's file says otherwise
    return WithNextDialog(action, [&] { editor.Click(GamePageIndex, IDC_GAME_TARGETS); });
}

Lines ListLines(HWND dialog)
{
    Lines lines;
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    for (int i = 0; i < static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); ++i)
        lines.push_back(ListLine(list, i));
    return lines;
}

// Adds `id`, expecting the box "caption: text" ("" for none; any box is answered); a refused ID stays, with the focus.
void ExpectAdd(HWND dialog, const std::string& id, const std::string& box = "")
{
    SetDlgItemTextA(dialog, IDC_TARGET_ID, id.c_str());
    std::string shown;
    WithNextDialog([&](HWND opened) {
        shown = BoxText(opened);
        SendMessageA(opened, WM_COMMAND, IDOK, 0);
    }, [&] { Press(dialog, IDC_TARGET_ADD); });
    EXPECT_EQ(shown, box) << id;
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_TARGET_ID)), box.empty() ? "" : id);
    EXPECT_TRUE(box.empty() || GetFocus() == GetDlgItem(dialog, IDC_TARGET_ID)) << id << ": focus elsewhere";
}

// The last "View Bitmap" request, with its file name copied while it was alive; no viewer ever starts.
SHELLEXECUTEINFOA bitmapRequest;
std::string bitmapFile;
BOOL WINAPI RecordBitmapRequest(SHELLEXECUTEINFOA* request)
{
    bitmapRequest = *request;
    bitmapFile = request->lpFile ? request->lpFile : "(none)";
    return TRUE;
}

}  // namespace

TEST(TargetDialog, IdsResolveOnTheCurrentMapCancelWritesNothingAndDoneWritesEveryLineSorted)
{
    struct Case { const char* map; Lines invalid; Lines added; const char* duplicate; Lines listed; };
    // 4294967297 is 1 once wrapped to 32 bits; 133 "Bridge 1" begins 142 "Bridge 10" but is no duplicate.
    const Case cases[] = {{"Random", {}, {"5"}, nullptr, {}}, {"", {}, {"5"}, nullptr, {}},
        {"Marne", {"4294967297"}, {"142", "31", "007", "133"}, "95", {"Bridge 1", "Bridge 10", "Laon", "Vivaise"}},
        {"Flanders", {"", "0", "411", std::string(40, '9'), "-3"}, {"410", "85"}, "179", {"Lens", "Village71"}}};
    BitmapOpener = RecordBitmapRequest;
    ScratchDirectory directory("target-dialog");
    Editor editor;
    for (const Case& row : cases) {
        SCOPED_TRACE(std::string("map [") + row.map + "]");
        ASSERT_TRUE(WithTargetDialog(editor, row.map, [&](HWND dialog) {
            EXPECT_EQ(TextOf(dialog), std::string("Target Management - ") + row.map);
            for (const std::string& id : row.invalid) ExpectAdd(dialog, id, InvalidId + row.map + " map.");
            for (const std::string& id : row.added) ExpectAdd(dialog, id);
            if (row.duplicate) ExpectAdd(dialog, row.duplicate, DuplicateId);
            EXPECT_EQ(ListLines(dialog), row.listed);
            Press(dialog, IDC_TARGET_VIEW_BITMAP);
            EXPECT_EQ(bitmapFile, std::string("landmarks\\") + row.map + ".bmp");
            const SHELLEXECUTEINFOA& sent = bitmapRequest;
            EXPECT_TRUE(sent.cbSize == sizeof sent && sent.fMask == 0 && sent.hwnd == dialog && !sent.lpVerb &&
                        !sent.lpParameters && !sent.lpDirectory && sent.nShow == SW_SHOW);
            Press(dialog, IDCANCEL);
        }));
    }
    EXPECT_TRUE(FilesIn(directory.Path()).empty());
    // Read on opening: other maps' lines in mixed case, two empty ones, a line and a section beyond any buffer.
    std::string longLines = "Long " + std::string(295, 'x') + "\r\n";
    for (int index = 0; index < 200; ++index) longLines += "Target " + std::to_string(1000 + index) + "\r\n";
    directory.WriteSettings("[QV3Server]\r\nmaxPlayers=8\r\n[Targets]\r\n" + longLines + "beta\r\n/ a note\r\n"
                            "Ghistelles\r\nalpha\r\n   LAON \t\r\nzulu\r\n// another\r\n[Clients]\r\nCookie=abc\r\n");
    ASSERT_TRUE(WithTargetDialog(editor, "Marne", [&](HWND dialog) {
        ExpectAdd(dialog, "31", DuplicateId);   // "Laon" is there already, padded and in other case
        ExpectAdd(dialog, "133");
        HWND list = GetDlgItem(dialog, IDC_TARGET_LIST), remove = GetDlgItem(dialog, IDC_TARGET_REMOVE);
        for (int index : {-1, 2}) {   // "alpha", below the two empty lines; with the notification the list sends
            SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_TARGET_LIST, LBN_SELCHANGE), LPARAM(list));
            EXPECT_EQ(IsWindowEnabled(remove) != FALSE, index >= 0) << index;
        }
        Press(dialog, IDC_TARGET_REMOVE);
        EXPECT_TRUE(!IsWindowEnabled(remove) && GetFocus() == list) << "the disabled button hands the focus on";
        Press(dialog, IDC_TARGET_DONE);
    }));
    EXPECT_EQ(directory.ReadSettings(), "[QV3Server]\r\nmaxPlayers=8\r\n[Targets]\r\nbeta\r\nBridge 1\r\n"
                                        "Ghistelles\r\nLAON\r\n" + longLines + "zulu\r\n[Clients]\r\nCookie=abc\r\n");
}
