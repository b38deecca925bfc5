#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "editor_process.h"
#include "resource.h"
#include "test_support.h"

namespace {

TEST(ServerLists, RemovedServerIsGoneFromTheBuiltFile)
{
    ScratchDirectory directory("e2e-server-lists");
    directory.WriteSettings("[RegisterWith]\r\nUDP:first.example\r\nTCP:second.example\r\nTCP:third.example\r\n"
                            "[Clients]\r\nCookie=abc\r\nCookie=def\r\n");
    EditorProcess editor(directory.Path());
    ASSERT_TRUE(editor.WaitForWindow());
    editor.SelectTab(ServerPageIndex);
    editor.SelectItem(ServerPageIndex, IDC_SERVER_LIST, 1);
    editor.Click(ServerPageIndex, IDC_SERVER_REMOVE_SERVER);
    EXPECT_EQ(EditorProcess::Lines(editor.Item(ServerPageIndex, IDC_SERVER_LIST)),
              std::vector<std::wstring>({L"UDP:first.example", L"TCP:third.example"}));
    EXPECT_FALSE(IsWindowEnabled(editor.Item(ServerPageIndex, IDC_SERVER_REMOVE_SERVER))) << "nothing selected";
    EXPECT_TRUE(editor.BuildAnsweringBoxes().empty());
    EXPECT_EQ(editor.Exit(), 1u);
    const std::string file = directory.ReadSettings();
    EXPECT_NE(file.find("[RegisterWith]\r\nUDP:first.example\r\nTCP:third.example\r\n[Clients]\r\nCookie=abc\r\n"
                        "Cookie=def\r\n"), std::string::npos) << file;
}

}  // namespace
