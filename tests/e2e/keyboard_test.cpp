#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "editor_process.h"
#include "resource.h"
#include "test_support.h"

namespace {

// Keys go in as the operator's keyboard gives them, to the foreground window.
void Key(WORD key, bool alt = false)
{
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (alt)
        add(VK_MENU, false);
    add(key, false);
    add(key, true);
    if (alt)
        add(VK_MENU, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A bound only against a program that never gets there; nothing is measured.
bool WaitUntil(const std::function<bool()>& done)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (done())
            return true;
        Sleep(10);
    }
    return false;
}

HWND Focus(const EditorProcess& editor)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(editor.Window(), nullptr), &info);
    return info.hwndFocus;
}

// Tab until the focus stands on `target`, recording every control on the way.
bool TabTo(const EditorProcess& editor, HWND target, std::vector<int>* visited)
{
    for (int step = 0; step < 80; ++step) {
        if (Focus(editor) == target)
            return true;
        HWND before = Focus(editor);
        Key(VK_TAB);
        if (!WaitUntil([&] { return Focus(editor) != before; }))
            return false;
        if (visited && GetParent(Focus(editor)) == editor.Page(0))
            visited->push_back(GetDlgCtrlID(Focus(editor)));
    }
    return false;
}

TEST(Keyboard, WalkTheGeneralPageBuildAndExit)
{
    ScratchDirectory directory("e2e-keyboard");
    EditorProcess editor(directory.Path());
    ASSERT_TRUE(editor.WaitForWindow());
    SetForegroundWindow(editor.Window());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == editor.Window(); }));

    // Tab runs through the page in template order.
    std::vector<int> visited;
    ASSERT_TRUE(TabTo(editor, editor.Item(0, IDC_GENERAL_BALANCE_LANDMARKS), nullptr));
    ASSERT_TRUE(TabTo(editor, editor.Item(0, IDC_GENERAL_CHEAT_PROTECTED), &visited));
    const std::vector<int> expectedStart = {IDC_GENERAL_SERVER_DESC, IDC_GENERAL_CLIENT_TIMEOUT,
                                            IDC_GENERAL_PASSWORD, IDC_GENERAL_CHEAT_PROTECTED};
    ASSERT_GE(visited.size(), expectedStart.size());
    EXPECT_EQ(std::vector<int>(visited.end() - 4, visited.end()), expectedStart);

    // Space on a check box.
    const bool wasChecked = editor.Checked(0, IDC_GENERAL_CHEAT_PROTECTED);
    Key(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return editor.Checked(0, IDC_GENERAL_CHEAT_PROTECTED) != wasChecked; }));

    // An arrow in the map list: from "Random" to "Flanders".
    ASSERT_TRUE(TabTo(editor, editor.Item(0, IDC_GENERAL_MAP), nullptr));
    ASSERT_EQ(editor.Selection(0, IDC_GENERAL_MAP), 0);
    Key(VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return editor.Selection(0, IDC_GENERAL_MAP) == 1; }));

    // The mnemonics: Alt+B builds, Alt+X leaves.
    Key('B', true);
    ASSERT_TRUE(WaitUntil([&] { return directory.ReadSettings().find("balanceLandmarks=") != std::string::npos; }))
        << "focus " << GetDlgCtrlID(Focus(editor)) << ", foreground " << (GetForegroundWindow() == editor.Window())
        << ", dropped " << SendMessageA(editor.Item(0, IDC_GENERAL_MAP), CB_GETDROPPEDSTATE, 0, 0);
    Key('X', true);
    EXPECT_EQ(editor.WaitForExit(), 1u);

    const std::string settings = directory.ReadSettings();
    EXPECT_NE(settings.find("randomizeMap=0\r\nuseMap=FLANDERS\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find(wasChecked ? "securityEnabled=0" : "securityEnabled=1"), std::string::npos) << settings;
}

}  // namespace
