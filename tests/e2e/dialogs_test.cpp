#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "editor.h"
#include "resource.h"

namespace {

using Lines = std::vector<std::string>;
const std::string InvalidId = "Invalid ID: The ID you have entered is not a valid ID for the ";
const std::string DuplicateId = "Duplicate ID: This target already exists within the target list.";

// Opens Target Management as the operator does for a team game on `map` ("": none selected).
HWND OpenTargets(const Editor& editor, const std::string& map)
{
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_MAP, static_cast<int>(SendMessageA(editor.Item(GeneralPageIndex,
        IDC_GENERAL_MAP), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(map.c_str()))));
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_GAME_TYPE, 0);   // "Team Melee"
    editor.SelectTab(GamePageIndex);   // "Manually Choose Targets: " is on: no test's file says otherwise
    return editor.Click(GamePageIndex, IDC_GAME_TARGETS) ? nullptr : editor.Dialog("Target Management - " + map);
}

// Read as UTF-16: Wine hands another process's list lines back wide even to LB_GETTEXT of the ANSI kind.
Lines ListLines(HWND dialog)
{
    Lines lines;
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    for (WPARAM i = 0; i < static_cast<WPARAM>(SendMessageW(list, LB_GETCOUNT, 0, 0)); ++i) {
        std::wstring wide(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        wide.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&wide[0]))));
        lines.emplace_back();
        for (wchar_t c : wide) lines.back() += static_cast<char>(c);   // the catalogue's names are ASCII
    }
    return lines;
}

// Adds `id`, expecting the box "caption: text" ("" for none); a refused ID stays, with the focus.
void ExpectAdd(const Editor& editor, HWND dialog, const std::string& id, const std::string& box = "")
{
    HWND field = GetDlgItem(dialog, IDC_TARGET_ID);
    SetWindowTextA(field, id.c_str());
    EXPECT_EQ(editor.Click(GetDlgItem(dialog, IDC_TARGET_ADD)) ? "" : editor.AnswerBox(), box) << id;
    editor.Sync();
    EXPECT_EQ(TextOf(field), box.empty() ? "" : id);
    if (!box.empty()) {
        EXPECT_EQ(editor.Focus(), field) << id << ": focus elsewhere";
    }
}

TEST(TargetDialog, IdsResolveOnTheCurrentMapCancelWritesNothingAndDoneWritesEveryLineSorted)
{
    struct Case { const char* map; Lines invalid; Lines added; const char* duplicate; Lines listed; };
    // 4294967297 is 1 once wrapped to 32 bits; 133 "Bridge 1" begins 142 "Bridge 10" but is no duplicate.
    const Case cases[] = {{"Random", {}, {"5"}, nullptr, {}}, {"", {}, {"5"}, nullptr, {}},
        {"Marne", {"4294967297"}, {"142", "31", "007", "133"}, "95", {"Bridge 1", "Bridge 10", "Laon", "Vivaise"}},
        {"Flanders", {"", "0", "411", std::string(40, '9'), "-3"}, {"410", "85"}, "179", {"Lens", "Village71"}}};
    ScratchDirectory directory("e2e-targets");
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    for (const Case& row : cases) {
        SCOPED_TRACE(std::string("map [") + row.map + "]");
        HWND dialog = OpenTargets(editor, row.map);
        ASSERT_NE(dialog, nullptr);
        for (const std::string& id : row.invalid) ExpectAdd(editor, dialog, id, InvalidId + row.map + " map.");
        for (const std::string& id : row.added) ExpectAdd(editor, dialog, id);
        if (row.duplicate) ExpectAdd(editor, dialog, row.duplicate, DuplicateId);
        EXPECT_EQ(ListLines(dialog), row.listed);
        EXPECT_TRUE(editor.Click(GetDlgItem(dialog, IDCANCEL)));
    }
    EXPECT_TRUE(FilesIn(directory.Path()).empty());
    // Read on opening: other maps' lines in mixed case, two empty ones, a line and a section beyond any buffer.
    std::string longLines = "Long " + std::string(295, 'x') + "\r\n";
    for (int index = 0; index < 200; ++index) longLines += "Target " + std::to_string(1000 + index) + "\r\n";
    const std::string before = "[QV3Server]\r\nmaxPlayers=8\r\n[Targets]\r\n" + longLines + "beta\r\n/ a note\r\n"
                               "Ghistelles\r\nalpha\r\n   LAON \t\r\nzulu\r\n// another\r\n[Clients]\r\nCookie=abc\r\n";
    directory.WriteSettings(before);
    HWND dialog = OpenTargets(editor, "Marne");
    ASSERT_NE(dialog, nullptr);
    ExpectAdd(editor, dialog, "31", DuplicateId);   // "Laon" is there already, padded and in other case
    ExpectAdd(editor, dialog, "133");
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST), remove = GetDlgItem(dialog, IDC_TARGET_REMOVE);
    EXPECT_FALSE(IsWindowEnabled(remove)) << "nothing selected";
    SendMessageA(list, LB_SETCURSEL, 2, 0);   // "alpha", below the two empty lines; with the list's notification
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_TARGET_LIST, LBN_SELCHANGE), LPARAM(list));
    EXPECT_TRUE(editor.Click(remove));
    EXPECT_FALSE(IsWindowEnabled(remove));
    EXPECT_EQ(editor.Focus(), list) << "the disabled button hands the focus on";
    EXPECT_EQ(directory.ReadSettings(), before);
    EXPECT_TRUE(editor.Click(GetDlgItem(dialog, IDC_TARGET_DONE)));
    EXPECT_EQ(directory.ReadSettings(), "[QV3Server]\r\nmaxPlayers=8\r\n[Targets]\r\nbeta\r\nBridge 1\r\n"
                                        "Ghistelles\r\nLAON\r\n" + longLines + "zulu\r\n[Clients]\r\nCookie=abc\r\n");
}

const int Server = ServerPageIndex, Address = IDC_ADD_SERVER_ADDRESS, Cookie = IDC_ADD_COOKIE_TEXT,
          Tcp = IDC_ADD_SERVER_TCP;

// Opens an add dialog, checks OK after each step's message, then clicks it.
struct Step { int id; UINT message; WPARAM wParam; const char* text; bool okAfter; };
void Add(const Editor& editor, int addButton, const char* caption, const std::vector<Step>& steps)
{
    ASSERT_FALSE(editor.Click(Server, addButton));
    HWND dialog = editor.Dialog(caption), ok = GetDlgItem(dialog, IDOK);
    ASSERT_NE(dialog, nullptr) << caption;
    EXPECT_FALSE(IsWindowEnabled(ok)) << "on opening";
    for (const Step& s : steps) {
        SendDlgItemMessageA(dialog, s.id, s.message, s.wParam, reinterpret_cast<LPARAM>(s.text));
        EXPECT_EQ(IsWindowEnabled(ok) != FALSE, s.okAfter) << "step " << &s - &steps[0];
    }
    editor.Click(ok);
}

// The lists keep lines far longer than any entry the dialogs make, and lose the blanks around them, in a
// 10 MB file with a 100 KB value (cut to the box); the check then finds nothing more to change.
TEST(ServerPage, ListsLoadAddRemoveAndStoreByTheirRules)
{
    const std::string longLine(5000, 'L');
    ScratchDirectory directory("e2e-server-page");
    std::string file = "[RegisterWith]\r\n/first\r\nhost:1\r\n/mid\r\n   TCP:a  \r\n" + longLine + "\r\n[Clients]\r\n"
                       "Cookie=ab\r\nCookie=\r\nName=abcdef\r\n  cookie = xyz  \r\nCookie=" + longLine + "\r\n"
                       "[QV3Server]\r\nserverDesc=" + std::string(100 * 1024, 'x') + "\r\nmaxPlayers=12\r\n";
    while (file.size() < 10 * 1024 * 1024)
        file += "[Filler" + std::to_string(file.size()) + "]\r\nsomeKey=some value that fills the file\r\n";
    directory.WriteSettings(file);
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    editor.SelectTab(Server);
    Add(editor, IDC_SERVER_ADD_SERVER, "Add New Server", {{Address, WM_SETTEXT, 0, "x", false},
        {Tcp, BM_CLICK, 0, nullptr, true}, {Address, WM_SETTEXT, 0, "", false},
        {Address, WM_SETTEXT, 0, std::string(100, 'y').c_str(), true}, {IDC_ADD_SERVER_UDP, BM_CLICK, 0, nullptr, true}});
    // Text set from outside (a paste tool, say) is not bound by the typing limit; the entries still are.
    Add(editor, IDC_SERVER_ADD_COOKIE, "Add New Cookie", {{Cookie, WM_CHAR, 'a', nullptr, true},
        {Cookie, WM_SETTEXT, 0, "", false}, {Cookie, WM_SETTEXT, 0, std::string(100, 'c').c_str(), true}});
    for (const auto& [list, remove] : {std::pair(IDC_SERVER_LIST, IDC_SERVER_REMOVE_SERVER),
                                       std::pair(IDC_SERVER_COOKIE_LIST, IDC_SERVER_REMOVE_COOKIE)}) {
        EXPECT_FALSE(editor.Enabled(Server, remove)) << "nothing selected";
        editor.SelectItem(Server, list, 1);
        editor.Click(Server, remove);  // the second entry: "host:1", the empty cookie
        EXPECT_FALSE(editor.Enabled(Server, remove)) << "after a removal";
    }
    EXPECT_EQ(editor.Build(), Lines{});
    EXPECT_EQ(editor.Exit(), 1u);
    const std::string built = directory.ReadSettings();
    for (const std::string& part : {"[RegisterWith]\r\nTCP:a\r\n" + longLine + "\r\nUDP:" + std::string(75, 'y') +
                                    "\r\n[Clients]\r\nCookie=ab\r\nCookie=Name=abcdef\r\nCookie=xyz\r\nCookie=" + longLine +
                                    "\r\nCookie=" + std::string(79, 'c') + "\r\n",
                                    "\nserverDesc=\"" + std::string(254, 'x') + "\"\r\nmaxPlayers=12\r\n", std::string("\n[Filler")})
        EXPECT_NE(built.find(part), std::string::npos) << part.substr(0, 60);
    EXPECT_EQ(RunProgram("skyvarn-check.exe", "", directory.Path().c_str()).status, 0);
}

}  // namespace
