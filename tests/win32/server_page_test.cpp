#include <gtest/gtest.h>

#include <windows.h>

#include "app/app_state.h"
#include "resource.h"
#include "test_support.h"

namespace {

std::string ListText(const EditorWindow& editor, int listId)  // the entries joined by '|'
{
    HWND list = editor.Item(ServerPageIndex, listId);
    std::string joined;
    for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
        std::string text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        joined += (i ? "|" : "") + std::string(text.c_str());
    }
    return joined;
}

// WM_SETTEXT and EM_REPLACESEL (a paste) make a field report EN_UPDATE, as typing (WM_CHAR) does.
struct Step { int id; UINT message; WPARAM wParam; const char* text; bool okAfter; };
void PressOk(HWND dialog, HWND) { SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0); }

// Opens an add dialog, checks OK after each step, then ends the dialog with `close` (given the last field).
void Add(const EditorWindow& editor, int addButton, const std::vector<Step>& steps,
         const std::function<void(HWND dialog, HWND field)>& close = PressOk)
{
    editor.SelectTab(ServerPageIndex);
    EXPECT_TRUE(WithNextDialog([&](HWND dialog) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK))) << "on opening";
        for (const Step& s : steps) {
            SendDlgItemMessageA(dialog, s.id, s.message, s.wParam, reinterpret_cast<LPARAM>(s.text));
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE, s.okAfter) << "step " << &s - &steps[0];
        }
        close(dialog, GetDlgItem(dialog, steps.back().id));
    }, [&] { editor.Click(ServerPageIndex, addButton); }));
}

const int AddServer = IDC_SERVER_ADD_SERVER, AddCookie = IDC_SERVER_ADD_COOKIE;
const int Address = IDC_ADD_SERVER_ADDRESS, Cookie = IDC_ADD_COOKIE_TEXT, Tcp = IDC_ADD_SERVER_TCP;

TEST(ServerPage, ListsLoadAddRemoveAndStoreByTheirRules)
{
    const std::string longLine(300, 'L'), y75(75, 'y'), c79(79, 'c');
    ScratchDirectory directory("server-page");
    directory.WriteSettings("[RegisterWith]\r\n/first\r\nhost:1\r\n/mid\r\nTCP:a\r\n" + longLine + "\r\n[Clients]\r\n"
                            "Cookie=ab\r\nCookie=\r\nName=abcdef\r\ncookie=xyz\r\nCookie=" + longLine + "\r\n");
    EditorWindow editor;
    const std::string servers = "|host:1||TCP:a|" + longLine, cookies = "ab||Name=abcdef|xyz|" + longLine;
    EXPECT_EQ(ListText(editor, IDC_SERVER_LIST), servers);
    EXPECT_EQ(ListText(editor, IDC_SERVER_COOKIE_LIST), cookies);
    editor.SelectItem(ServerPageIndex, IDC_SERVER_LIST, 3);
    Add(editor, AddServer, {{Address, WM_SETTEXT, 0, "x", false}, {Tcp, BM_CLICK, 0, nullptr, true},
        {Address, WM_SETTEXT, 0, "", false}, {Address, EM_REPLACESEL, 0, " ", true},  // a blank is an address
        {Address, WM_CHAR, VK_BACK, nullptr, false}, {Address, WM_CHAR, 'x', nullptr, true},
        {IDC_ADD_SERVER_UDP, BM_CLICK, 0, nullptr, true}});  // UDP takes the place of TCP
    for (const std::string& text : {std::string("x"), std::string("x"), std::string(80, 'y')})
        Add(editor, AddServer, {{Tcp, BM_CLICK, 0, nullptr, false}, {Address, EM_REPLACESEL, 0, text.c_str(), true}});
    Add(editor, AddCookie, {{Cookie, WM_CHAR, 'a', nullptr, true}, {Cookie, WM_SETTEXT, 0, "", false},
        {Cookie, EM_REPLACESEL, 0, std::string(100, 'c').c_str(), true}});
    const std::function<void(HWND, HWND)> closers[] = {
        [](HWND dialog, HWND) { SendDlgItemMessageA(dialog, IDCANCEL, BM_CLICK, 0, 0); },
        [](HWND, HWND field) { PostMessageA(field, WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND dialog, HWND field) {
            SetWindowTextA(field, "");  // OK disabled: neither Enter nor an OK command may add
            PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }};
    for (const auto& close : closers) {
        Add(editor, AddServer, {{Tcp, BM_CLICK, 0, nullptr, false}, {Address, WM_SETTEXT, 0, "x", true}}, close);
        Add(editor, AddCookie, {{Cookie, WM_SETTEXT, 0, "x", true}}, close);
    }
    EXPECT_EQ(ListText(editor, IDC_SERVER_LIST), servers + "|UDP:x|TCP:x|TCP:x|TCP:" + y75);
    EXPECT_EQ(ListText(editor, IDC_SERVER_COOKIE_LIST), cookies + "|" + c79);
    EXPECT_EQ(editor.Selection(ServerPageIndex, IDC_SERVER_LIST), 3) << "adding keeps the selection";
    editor.Build();
    EXPECT_NE(directory.ReadSettings().find("[RegisterWith]\r\nhost:1\r\nTCP:a\r\n" + longLine + "\r\nUDP:x\r\n"
        "TCP:x\r\nTCP:x\r\nTCP:" + y75 + "\r\n[Clients]\r\nCookie=ab\r\nCookie=\r\nCookie=Name=abcdef\r\nCookie=xyz\r\n"
        "Cookie=" + longLine + "\r\nCookie=" + c79 + "\r\n"), std::string::npos) << directory.ReadSettings();
    for (const auto& [list, remove] : {std::pair(IDC_SERVER_LIST, IDC_SERVER_REMOVE_SERVER),
                                       std::pair(IDC_SERVER_COOKIE_LIST, IDC_SERVER_REMOVE_COOKIE)}) {
        for (int selected : {-1, 0, -1, 0}) {
            editor.SelectItem(ServerPageIndex, list, selected);
            EXPECT_EQ(editor.Enabled(ServerPageIndex, remove), selected >= 0) << "selected " << selected;
        }
        const std::string before = ListText(editor, list);
        editor.Click(ServerPageIndex, remove);
        EXPECT_EQ(ListText(editor, list), before.substr(before.find('|') + 1)) << "the first entry removed";
        EXPECT_FALSE(editor.Enabled(ServerPageIndex, remove)) << "after a removal";
        SendMessageA(editor.Item(ServerPageIndex, list), LB_RESETCONTENT, 0, 0);
    }
    editor.Build();
    EXPECT_NE(directory.ReadSettings().find("[RegisterWith]\r\n[Clients]\r\n["), std::string::npos) << "both emptied";
}

}  // namespace
