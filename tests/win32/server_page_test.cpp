#include <gtest/gtest.h>

#include <windows.h>

#include "app/app_state.h"
#include "resource.h"
#include "test_support.h"

namespace {

const int Server = ServerPageIndex, Address = IDC_ADD_SERVER_ADDRESS, Cookie = IDC_ADD_COOKIE_TEXT,
          Tcp = IDC_ADD_SERVER_TCP;

// Opens an add dialog, checks OK after each step's message, then ends the dialog with `close` (given the last field).
struct Step { int id; UINT message; WPARAM wParam; const char* text; bool okAfter; };
void Add(const EditorWindow& editor, int addButton, const std::vector<Step>& steps,
         void (*close)(HWND, HWND) = [](HWND dialog, HWND) { SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0); })
{
    EXPECT_TRUE(WithNextDialog([&](HWND dialog) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK))) << "on opening";
        for (const Step& s : steps) {
            SendDlgItemMessageA(dialog, s.id, s.message, s.wParam, reinterpret_cast<LPARAM>(s.text));
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE, s.okAfter) << "step " << &s - &steps[0];
        }
        close(dialog, GetDlgItem(dialog, steps.back().id));
    }, [&] { editor.Click(Server, addButton); }));
}

TEST(ServerPage, ListsLoadAddRemoveAndStoreByTheirRules)
{
    const std::string longLine(300, 'L');
    ScratchDirectory directory("server-page");
    directory.WriteSettings("[RegisterWith]\r\n/first\r\nhost:1\r\n/mid\r\nTCP:a\r\n" + longLine + "\r\n[Clients]\r\n"
                            "Cookie=ab\r\nCookie=\r\nName=abcdef\r\ncookie=xyz\r\nCookie=" + longLine + "\r\n");
    EditorWindow editor;
    editor.SelectTab(Server);
    Add(editor, IDC_SERVER_ADD_SERVER, {{Address, WM_SETTEXT, 0, "x", false}, {Tcp, BM_CLICK, 0, nullptr, true},
        {Address, WM_SETTEXT, 0, "", false}, {Address, EM_REPLACESEL, 0, std::string(80, 'y').c_str(), true},
        {IDC_ADD_SERVER_UDP, BM_CLICK, 0, nullptr, true}});
    Add(editor, IDC_SERVER_ADD_COOKIE, {{Cookie, WM_CHAR, 'a', nullptr, true}, {Cookie, WM_SETTEXT, 0, "", false},
        {Cookie, EM_REPLACESEL, 0, std::string(100, 'c').c_str(), true}});
    Add(editor, IDC_SERVER_ADD_COOKIE, {{Cookie, WM_SETTEXT, 0, "x", true}, {Cookie, WM_SETTEXT, 0, "", false}},
        [](HWND dialog, HWND field) {  // OK disabled: neither Enter nor an OK command may add
        PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
        for (WPARAM command : {IDOK, IDCANCEL}) PostMessageA(dialog, WM_COMMAND, command, 0);
    });
    for (const auto& [list, remove] : {std::pair(IDC_SERVER_LIST, IDC_SERVER_REMOVE_SERVER),
                                       std::pair(IDC_SERVER_COOKIE_LIST, IDC_SERVER_REMOVE_COOKIE)}) {
        for (int selected : {1, -1, 1}) {
            editor.SelectItem(Server, list, selected);
            EXPECT_EQ(editor.Enabled(Server, remove), selected >= 0) << "selected " << selected;
        }
        editor.Click(Server, remove);  // the second entry: "host:1", the empty cookie
        EXPECT_FALSE(editor.Enabled(Server, remove)) << "after a removal";
    }
    editor.Build();
    EXPECT_NE(directory.ReadSettings().find("[RegisterWith]\r\nTCP:a\r\n" + longLine + "\r\nUDP:" +
        std::string(75, 'y') + "\r\n[Clients]\r\nCookie=ab\r\nCookie=Name=abcdef\r\nCookie=xyz\r\nCookie=" + longLine +
        "\r\nCookie=" + std::string(79, 'c') + "\r\n"), std::string::npos) << directory.ReadSettings();
    for (int list : {IDC_SERVER_LIST, IDC_SERVER_COOKIE_LIST}) SendMessageA(editor.Item(Server, list), LB_RESETCONTENT, 0, 0);
    editor.Build();
    EXPECT_NE(directory.ReadSettings().find("[RegisterWith]\r\n[Clients]\r\n["), std::string::npos) << "both emptied";
}

}  // namespace
