#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "resource.h"
#include "settings/ini_text.h"
#include "test_support.h"

namespace {

using Lines = std::vector<std::string>;

Lines ListLines(const EditorWindow& editor, int listId)
{
    Lines lines;
    HWND list = editor.Item(ServerPageIndex, listId);
    for (int index = 0; index < SendMessageA(list, LB_GETCOUNT, 0, 0); ++index) {
        std::string text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, index, 0)) + 1, '\0');
        text.resize(static_cast<size_t>(SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]))));
        lines.push_back(text);
    }
    return lines;
}

// The section's lines as the file holds them; "<no section>" when even its header is missing.
Lines SectionLines(const ScratchDirectory& directory, const char* section)
{
    const std::string file = directory.ReadSettings();
    if (file.find("[" + std::string(section) + "]") == std::string::npos)
        return {"<no section>"};
    const std::string text = IniGetSection(file, section);
    Lines lines;
    for (size_t at = 0; text[at] != '\0'; at = text.find('\0', at) + 1)
        lines.push_back(text.substr(at, text.find('\0', at) - at));
    return lines;
}

// Opens an add dialog as the operator does and runs `action` inside it; the action must end the dialog.
void InAddDialog(const EditorWindow& editor, int addButton, const std::function<void(HWND)>& action)
{
    editor.SelectTab(ServerPageIndex);
    EXPECT_TRUE(WithNextDialog(action, [&] { editor.Click(ServerPageIndex, addButton); }));
}

bool OkEnabled(HWND dialog)
{
    return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
}

// WM_SETTEXT or EM_REPLACESEL (a paste); both make the field report EN_UPDATE, as typing does.
void Edit(HWND dialog, int id, UINT message, const std::string& text)
{
    SendDlgItemMessageA(dialog, id, message, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void Type(HWND dialog, int id, WPARAM key)
{
    SendDlgItemMessageA(dialog, id, WM_CHAR, key, 0);
}

void Click(HWND dialog, int id)
{
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

TEST(AddServerDialog, OkFollowsTheTypeAndEveryChangeOfTheAddress)
{
    ScratchDirectory directory("add-server-ok");
    EditorWindow editor;
    InAddDialog(editor, IDC_SERVER_ADD_SERVER, [](HWND dialog) {
        const int address = IDC_ADD_SERVER_ADDRESS;
        EXPECT_FALSE(OkEnabled(dialog));
        EXPECT_FALSE(IsDlgButtonChecked(dialog, IDC_ADD_SERVER_TCP) || IsDlgButtonChecked(dialog, IDC_ADD_SERVER_UDP));
        Edit(dialog, address, WM_SETTEXT, "x");
        EXPECT_FALSE(OkEnabled(dialog)) << "no type chosen";
        Click(dialog, IDC_ADD_SERVER_UDP);
        EXPECT_TRUE(OkEnabled(dialog));
        Edit(dialog, address, WM_SETTEXT, "");
        EXPECT_FALSE(OkEnabled(dialog)) << "address emptied";
        Edit(dialog, address, EM_REPLACESEL, " ");
        EXPECT_TRUE(OkEnabled(dialog)) << "a blank is an address";
        Type(dialog, address, VK_BACK);
        EXPECT_FALSE(OkEnabled(dialog)) << "deleted by a keystroke";
        Type(dialog, address, 'x');
        EXPECT_TRUE(OkEnabled(dialog));
        Click(dialog, IDOK);
    });
    EXPECT_EQ(ListLines(editor, IDC_SERVER_LIST), Lines({"UDP:x"}));
}

TEST(AddServerDialog, AppendsWholeEntriesKeepingTheSelection)
{
    ScratchDirectory directory("add-server-append");
    directory.WriteSettings("[RegisterWith]\r\nUDP:a\r\n");
    EditorWindow editor;
    editor.SelectItem(ServerPageIndex, IDC_SERVER_LIST, 0);
    // The same server twice, and an address longer than an entry can hold behind its prefix.
    for (const std::string& address : {std::string("x"), std::string("x"), std::string(80, 'y')}) {
        InAddDialog(editor, IDC_SERVER_ADD_SERVER, [&](HWND dialog) {
            Click(dialog, IDC_ADD_SERVER_UDP);
            Click(dialog, IDC_ADD_SERVER_TCP);   // the two types exclude each other
            Edit(dialog, IDC_ADD_SERVER_ADDRESS, EM_REPLACESEL, address);
            Click(dialog, IDOK);
        });
    }
    const Lines expected = {"UDP:a", "TCP:x", "TCP:x", "TCP:" + std::string(75, 'y')};
    EXPECT_EQ(ListLines(editor, IDC_SERVER_LIST), expected);
    EXPECT_EQ(editor.Selection(ServerPageIndex, IDC_SERVER_LIST), 0);
    EXPECT_TRUE(editor.Enabled(ServerPageIndex, IDC_SERVER_REMOVE_SERVER));
    editor.Build();
    EXPECT_EQ(SectionLines(directory, "RegisterWith"), expected);
}

TEST(AddCookieDialog, OkFollowsTheTextAndTheFieldBoundsTheCookie)
{
    ScratchDirectory directory("add-cookie");
    directory.WriteSettings("[Clients]\r\nCookie=first\r\n");
    EditorWindow editor;
    InAddDialog(editor, IDC_SERVER_ADD_COOKIE, [](HWND dialog) {
        EXPECT_FALSE(OkEnabled(dialog));
        Type(dialog, IDC_ADD_COOKIE_TEXT, 'a');
        EXPECT_TRUE(OkEnabled(dialog));
        Edit(dialog, IDC_ADD_COOKIE_TEXT, WM_SETTEXT, "");
        EXPECT_FALSE(OkEnabled(dialog));
        Edit(dialog, IDC_ADD_COOKIE_TEXT, EM_REPLACESEL, std::string(100, 'c'));
        Click(dialog, IDOK);
    });
    EXPECT_EQ(ListLines(editor, IDC_SERVER_COOKIE_LIST), Lines({"first", std::string(79, 'c')}));
}

TEST(AddDialogs, CancelEscapeAndEnterWhileOkIsDisabledAddNothing)
{
    ScratchDirectory directory("add-cancel");
    EditorWindow editor;
    const std::function<void(HWND, int)> closers[] = {
        [](HWND dialog, int) { Click(dialog, IDCANCEL); },
        [](HWND dialog, int field) { PostMessageA(GetDlgItem(dialog, field), WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND dialog, int field) {
            Edit(dialog, field, WM_SETTEXT, "");   // OK disabled: Enter must not add, Cancel then ends it
            PostMessageA(GetDlgItem(dialog, field), WM_KEYDOWN, VK_RETURN, 0);
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        },
    };
    for (const auto& close : closers) {
        InAddDialog(editor, IDC_SERVER_ADD_SERVER, [&](HWND dialog) {
            Click(dialog, IDC_ADD_SERVER_UDP);
            Edit(dialog, IDC_ADD_SERVER_ADDRESS, EM_REPLACESEL, "x");
            close(dialog, IDC_ADD_SERVER_ADDRESS);
        });
        InAddDialog(editor, IDC_SERVER_ADD_COOKIE, [&](HWND dialog) {
            Edit(dialog, IDC_ADD_COOKIE_TEXT, EM_REPLACESEL, "x");
            close(dialog, IDC_ADD_COOKIE_TEXT);
        });
    }
    EXPECT_EQ(ListLines(editor, IDC_SERVER_LIST), Lines());
    EXPECT_EQ(ListLines(editor, IDC_SERVER_COOKIE_LIST), Lines());
}

TEST(ServerPage, SectionsLoadAndStoreTheirLines)
{
    const std::string longLine(300, 'L');
    ScratchDirectory directory("server-sections");
    directory.WriteSettings("[RegisterWith]\r\n/first\r\nplain.example:27900\r\n/middle\r\nTCP:a\r\n" + longLine +
                            "\r\n[Clients]\r\nCookie=abc\r\nCookie=\r\nName=abcdef\r\ncookie=xyz\r\nCookie=" +
                            longLine + "\r\n");
    EditorWindow editor;
    EXPECT_EQ(ListLines(editor, IDC_SERVER_LIST), Lines({"", "plain.example:27900", "", "TCP:a", longLine}));
    EXPECT_EQ(ListLines(editor, IDC_SERVER_COOKIE_LIST), Lines({"abc", "", "Name=abcdef", "xyz", longLine}));
    editor.Build();
    EXPECT_EQ(SectionLines(directory, "RegisterWith"), Lines({"plain.example:27900", "TCP:a", longLine}));
    EXPECT_EQ(SectionLines(directory, "Clients"),
              Lines({"Cookie=abc", "Cookie=", "Cookie=Name=abcdef", "Cookie=xyz", "Cookie=" + longLine}));
}

TEST(ServerPage, RemoveDeletesTheSelectedEntryAndEmptiedListsKeepTheirSection)
{
    ScratchDirectory directory("server-remove");
    directory.WriteSettings("[RegisterWith]\r\nUDP:a\r\nUDP:b\r\nUDP:c\r\n[Clients]\r\nCookie=a\r\nCookie=b\r\n"
                            "Cookie=c\r\n[QV3Server]\r\nkept=1\r\n");
    EditorWindow editor;
    editor.SelectTab(ServerPageIndex);
    for (int list : {IDC_SERVER_LIST, IDC_SERVER_COOKIE_LIST}) {
        const int remove = list == IDC_SERVER_LIST ? IDC_SERVER_REMOVE_SERVER : IDC_SERVER_REMOVE_COOKIE;
        const Lines loaded = ListLines(editor, list);
        EXPECT_FALSE(editor.Enabled(ServerPageIndex, remove));
        editor.SelectItem(ServerPageIndex, list, 1);
        EXPECT_TRUE(editor.Enabled(ServerPageIndex, remove));
        editor.SelectItem(ServerPageIndex, list, -1);
        EXPECT_FALSE(editor.Enabled(ServerPageIndex, remove)) << "no selection";
        editor.SelectItem(ServerPageIndex, list, 1);
        editor.Click(ServerPageIndex, remove);
        EXPECT_EQ(ListLines(editor, list), Lines({loaded[0], loaded[2]}));
        EXPECT_FALSE(editor.Enabled(ServerPageIndex, remove));
        for (int left = 2; left > 0; --left) {
            editor.SelectItem(ServerPageIndex, list, 0);
            editor.Click(ServerPageIndex, remove);
        }
    }
    editor.Build();
    EXPECT_EQ(SectionLines(directory, "RegisterWith"), Lines());
    EXPECT_EQ(SectionLines(directory, "Clients"), Lines());
    EXPECT_NE(directory.ReadSettings().find("kept=1"), std::string::npos);
}

}  // namespace
