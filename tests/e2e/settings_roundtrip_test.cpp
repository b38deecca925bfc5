#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "editor_process.h"
#include "resource.h"
#include "test_support.h"

namespace {

TEST(SettingsRoundTrip, EditsInTheRunningProgramReachTheFile)
{
    ScratchDirectory directory("e2e-roundtrip");
    directory.WriteSettings("[QV3Server]\r\nserverDesc=\"Western Front\"\r\nmaxPlayers=24\r\nrandomizeMap=1\r\n"
                            "useMap=ALSACE\r\ngameType=TEAM_MELEE\r\nunlimitedAmmo=1\r\nnumVoraks=6\r\n"
                            "[Targets]\r\nRiver Bridge\r\n");
    EditorProcess editor(directory.Path());
    ASSERT_TRUE(editor.WaitForWindow());
    EXPECT_TRUE(IsWindowEnabled(editor.Item(GamePageIndex, IDC_GAME_TARGETS)));
    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, " Eastern Front ");
    editor.Click(GeneralPageIndex, IDC_GENERAL_LIMITED_AMMO);
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_MAP, 4);
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_GAME_TYPE, 2);
    EXPECT_FALSE(IsWindowEnabled(editor.Item(GamePageIndex, IDC_GAME_TARGET_SWAP_TIME))) << "the rule ran";
    editor.SetText(GamePageIndex, IDC_GAME_MAX_VORAKS, "9");
    EXPECT_TRUE(editor.BuildAnsweringBoxes().empty());
    EXPECT_EQ(editor.Exit(), 1u);

    // Edited keys, a key loaded and stored as it was, and a section the pages do not own.
    const std::string file = directory.ReadSettings();
    for (const char* line : {"serverDesc=\" Eastern Front \"", "maxPlayers=24", "randomizeMap=0", "useMap=MARNE",
                             "gameType=GET_THE_VORAK", "unlimitedAmmo=0", "numVoraks=9", "[Targets]\r\nRiver Bridge"})
        EXPECT_NE(file.find(std::string("\n") + line + "\r\n"), std::string::npos) << line << "\n" << file;
}

}  // namespace
