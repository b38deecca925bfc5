#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "editor_process.h"
#include "resource.h"
#include "test_support.h"

namespace {

// Keys go in as the operator's keyboard gives them, to the foreground window.
void Key(BYTE key)
{
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
}

// A bound only against a program that never gets there; nothing is measured.
template <typename Done>
bool WaitUntil(Done done)
{
    for (int attempt = 0; attempt < 1000 && !done(); ++attempt)
        Sleep(10);
    return done();
}

// Tabs until the focus stands on `target`; returns the General page's controls passed on the way.
std::vector<int> TabTo(const EditorProcess& editor, HWND target)
{
    auto focus = [&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(editor.Window(), nullptr), &info);
        return info.hwndFocus;
    };
    std::vector<int> visited;
    for (int step = 0; step < 80 && focus() != target; ++step) {
        HWND before = focus();
        Key(VK_TAB);
        if (!WaitUntil([&] { return focus() != before; }))
            break;
        if (GetParent(focus()) == editor.Page(0))
            visited.push_back(GetDlgCtrlID(focus()));
    }
    return visited;
}

TEST(Keyboard, WalkTheGeneralPageBuildAndExit)
{
    ScratchDirectory directory("e2e-keyboard");
    EditorProcess editor(directory.Path());
    ASSERT_TRUE(editor.WaitForWindow());
    SetForegroundWindow(editor.Window());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == editor.Window(); }));
    // From the page's last control round to its top.
    TabTo(editor, editor.Item(0, IDC_GENERAL_ROCKETS_ALLOWED));
    EXPECT_EQ(TabTo(editor, editor.Item(0, IDC_GENERAL_CHEAT_PROTECTED)),
              std::vector<int>({IDC_GENERAL_SERVER_DESC, IDC_GENERAL_CLIENT_TIMEOUT, IDC_GENERAL_PASSWORD,
                                IDC_GENERAL_CHEAT_PROTECTED}));
    const bool wasChecked = editor.Checked(0, IDC_GENERAL_CHEAT_PROTECTED);
    Key(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return editor.Checked(0, IDC_GENERAL_CHEAT_PROTECTED) != wasChecked; }));
    TabTo(editor, editor.Item(0, IDC_GENERAL_MAP));
    ASSERT_EQ(editor.Selection(0, IDC_GENERAL_MAP), 0);
    Key(VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return editor.Selection(0, IDC_GENERAL_MAP) == 1; })) << "Random to Flanders";
    keybd_event(VK_MENU, 0, 0, 0);   // Alt held: B builds, X leaves
    Key('B');
    Key('X');
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_EQ(editor.WaitForExit(), 1u) << "Alt+X";
    const std::string settings = directory.ReadSettings();
    EXPECT_NE(settings.find("randomizeMap=0\r\nuseMap=FLANDERS\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find(wasChecked ? "securityEnabled=0" : "securityEnabled=1"), std::string::npos) << settings;
}

}  // namespace
