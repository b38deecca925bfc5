#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/check_window.h"
#include "app/main_window.h"
#include "editor.h"
#include "resource.h"
#include "settings/line_diff.h"

namespace {

// Runs skyvarn-check on `directory` with `arguments` (each after a blank, quoted as needed). Started directly:
// under Wine a 64-bit command processor hands a 32-bit program one handle for both of its redirected streams.
ProgramRun Check(const std::string& directory, const std::string& arguments = "")
{
    return RunProgram("skyvarn-check.exe", arguments + " \"" + directory + "\"");
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text + "(no " + from + ")" : text.replace(at, from.size(), to);
}

// Without a file nothing can be told. On a file in the editor's own form the check names nothing; after
// three hand edits the diff names exactly the lines a build normalises, and a build then writes its new side.
TEST(Check, NamesWhatABuildWouldNormaliseAndTheEditorThenWritesIt)
{
    ScratchDirectory directory("check-hand");
    const ProgramRun none = Check(directory.Path());
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("there is no qv3server.ini in " + directory.Path()), std::string::npos) << none.err;
    EXPECT_TRUE(FilesIn(directory.Path()).empty());
    EXPECT_EQ(Check(directory.Path() + "\\missing").status, 2);
    const std::string first = Editor::BuildOnce(directory);
    std::string settings = first;
    const ProgramRun same = Check(directory.Path());
    EXPECT_EQ(std::to_string(same.status) + same.out + same.err, "0");
    for (auto [from, to] : {std::pair("startTime=", "startTime=08:00"), {"cloudsOn=1", "cloudsOn=yes"},
                            {"dayRate=1.0", "dayRate=2000"}})
        settings.replace(settings.find(from), std::strlen(from), to);
    directory.WriteSettings(settings);
    const ProgramRun run = Check(directory.Path());
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "--- qv3server.ini\n+++ after Build INI File\n@@ -7,14 +7,14 @@\n"
        " regionSize=\r\n landmarkDensity=\r\n startDate=--\r\n-startTime=08:00\r\n+startTime=\r\n nightRate=1.0\r\n"
        "-dayRate=2000\r\n+dayRate=1440.0\r\n gameLengthInSeconds=\r\n difficulty=\r\n gameMode=\r\n gameType=\r\n"
        "-cloudsOn=yes\r\n+cloudsOn=1\r\n torqueOn=1\r\n unlimitedAmmo=1\r\n rocketsAllowed=1\r\n");
    EXPECT_EQ(directory.ReadSettings(), settings) << "the check writes nothing";
    const std::string rebuilt = Editor::BuildOnce(directory);   // the diff's new side: only the rate differs
    EXPECT_EQ(rebuilt, Replaced(first, "dayRate=1.0", "dayRate=1440.0"));
    EXPECT_EQ(Check(directory.Path()).status, 0);
    WriteBlocker lock(directory.SettingsPath(), 0);
    const ProgramRun locked = Check(directory.Path());
    const ProgramRun lockedBuild = Check(directory.Path(), " --set maxPlayers=3 --build");
    lock.Release();
    for (const ProgramRun& each : {locked, lockedBuild}) {
        EXPECT_EQ(each.status, 2);
        EXPECT_NE(each.err.find("could not be read"), std::string::npos) << each.err;
    }
    EXPECT_EQ(directory.ReadSettings(), rebuilt);
}

// --set lays a value over the file as the editor reads it at start-up, so the pages' rules apply to it;
// --build writes the result once, and the check that follows finds nothing left to change. The diff of a
// CRLF file keeps each line's CR, and is the diff between the file and what --build writes.
TEST(Check, SetValuesFollowThePagesRulesAndBuildWritesTheDiffShown)
{
    ScratchDirectory directory("check-set");
    const std::string first = Editor::BuildOnce(directory);
    const ProgramRun set = Check(directory.Path(), " --set maxPlayers=20 --build");
    EXPECT_EQ(set.status, 1) << set.err;
    EXPECT_EQ(set.out, "--- qv3server.ini\n+++ after Build INI File\n@@ -1,6 +1,6 @@\n [QV3Server]\r\n"
                       " serverDesc=\"\"\r\n-maxPlayers=\r\n+maxPlayers=20\r\n clientTimeoutSec=\r\n password=\r\n"
                       " randomizeMap=1\r\n");
    const std::string built = directory.ReadSettings();
    EXPECT_EQ(built, Replaced(first, "maxPlayers=\r\n", "maxPlayers=20\r\n"));
    const ProgramRun again = Check(directory.Path(), " --build");
    EXPECT_EQ(std::to_string(again.status) + again.out + again.err, "0");
    EXPECT_EQ(directory.ReadSettings(), built);

    // A start time no list item begins with is written empty; a key is the pages' in any case; a rate
    // past the spinner's range comes back in it. The dry run's diff is the one between the file and what
    // --build then writes, every line with its CR.
    const std::string hand = Replaced(built, "startTime=", "startTime=6:00");
    directory.WriteSettings(hand);
    const std::string arguments = " --set startTime=08:00 --set DAYRATE=2000 --set \"serverDesc= \\\"My server\\\" \"";
    const ProgramRun dry = Check(directory.Path(), arguments);
    EXPECT_EQ(dry.status, 1) << dry.err;
    EXPECT_NE(dry.out.find("\n-startTime=6:00\r\n+startTime=\r\n"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("\n+serverDesc=\"My server\"\r\n"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("\n+dayRate=1440.0\r\n"), std::string::npos) << dry.out;
    EXPECT_EQ(directory.ReadSettings(), hand);
    const ProgramRun wrote = Check(directory.Path(), arguments + " --build");
    EXPECT_EQ(wrote.status, 1) << wrote.err;
    EXPECT_EQ(wrote.out, dry.out);
    EXPECT_EQ(UnifiedDiff(hand, directory.ReadSettings(), "qv3server.ini", "after Build INI File"), dry.out);
}

// What cannot be done is refused with status 2, the reason, and the file as it was.
TEST(Check, RefusesWhatItCannotDoAndLeavesTheFile)
{
    ScratchDirectory directory("check-refused");
    const std::string settings = Editor::BuildOnce(directory);
    ScratchDirectory other("check-refused-other");
    const struct { std::string arguments; const char* said; } rows[] = {
        {" --set hostName=x --build", "no page of the editor owns that key. The keys that may be set:\nserverDesc\n"},
        {" --bulid", "unknown option --bulid\nusage: skyvarn-check "},
        {" --build \"" + other.Path() + "\"", "one folder only"},
        {" --set maxPlayers --build", "give KEY=VALUE\nusage: "},
        {" --servers host:7000 --build", "a server entry is TCP: or UDP: and an address"},
        {" --targets 1 --build", "Target Management is open only for the game type Team Melee"},
    };
    for (const auto& row : rows) {
        const ProgramRun run = Check(directory.Path(), row.arguments);
        EXPECT_EQ(run.status, 2) << row.arguments;
        EXPECT_NE(run.err.find(row.said), std::string::npos) << row.arguments << ": " << run.err;
        EXPECT_EQ(run.out, "") << row.arguments;
        EXPECT_EQ(directory.ReadSettings(), settings) << row.arguments;
    }
    EXPECT_TRUE(FilesIn(other.Path()).empty());
    {
        // A build that cannot write says so as the editor's message does; the dry run says why it would fail.
        WriteBlocker blocker(directory.SettingsPath());
        const ProgramRun blocked = Check(directory.Path(), " --set maxPlayers=3 --build");
        EXPECT_EQ(blocked.status, 2);
        EXPECT_NE(blocked.err.find("An error occurred while writing to the INI file."), std::string::npos) << blocked.err;
        EXPECT_EQ(blocked.out, "");
        const ProgramRun dry = Check(directory.Path(), " --set maxPlayers=3");
        EXPECT_EQ(dry.status, 2);
        EXPECT_NE(dry.err.find("qv3server.ini is held open by another program"), std::string::npos) << dry.err;
    }
    EXPECT_EQ(directory.ReadSettings(), settings);
    const ProgramRun keys = Check(directory.Path(), " --keys");
    EXPECT_EQ(keys.status, 0);
    EXPECT_EQ(keys.out.substr(0, 22), "serverDesc\nmaxPlayers\n");
    EXPECT_NE(keys.out.find("\nrandomizeMap\nuseMap\nregionSize\n"), std::string::npos);
    const ProgramRun help = Check(directory.Path(), " --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.substr(0, 20), "usage: skyvarn-check");
}

// The lists take the whole new list: server entries and cookies as the Add dialogs make them (cut to 79
// characters, and said), targets as Target Management's Done writes them.
TEST(Check, ListsFollowTheAddDialogsAndTargetManagement)
{
    ScratchDirectory directory("check-lists");
    Editor::BuildOnce(directory);
    const std::string address(76, 'a'), cookie(80, 'c');
    const ProgramRun lists =
        Check(directory.Path(), " --servers \"udp:" + address + ", TCP:b.example:7000\" --cookies " + cookie + ",x --build");
    EXPECT_EQ(lists.status, 1) << lists.err;
    EXPECT_NE(lists.err.find("is cut to 79 characters, as the Add Server dialog cuts it: UDP:" + address.substr(1)),
              std::string::npos) << lists.err;
    EXPECT_NE(lists.err.find("as the Add Cookie dialog cuts it: " + cookie.substr(1)), std::string::npos) << lists.err;
    const std::string settings = directory.ReadSettings();
    EXPECT_NE(settings.find("[RegisterWith]\r\nUDP:" + address.substr(1) + "\r\nTCP:b.example:7000\r\n[Clients]\r\n"
                            "Cookie=" + cookie.substr(1) + "\r\nCookie=x\r\n"), std::string::npos) << settings;
    EXPECT_EQ(Check(directory.Path(), " --servers \"\" --cookies= --build").status, 1);
    EXPECT_NE(directory.ReadSettings().find("[RegisterWith]\r\n[Clients]\r\n"), std::string::npos);

    // A team game on Verdun, set from the command line; targets by ID and by name, in any case, written
    // sorted in a section of their own as Target Management's Done writes them.
    const ProgramRun team =
        Check(directory.Path(), " --set gameType=TEAM_MELEE --set randomizeMap=0 --set useMap=Verdun --build");
    EXPECT_EQ(team.status, 1) << team.err;
    const std::string chosen = directory.ReadSettings() + "[Targets]\r\nEpiez\r\nNeufchateau\r\nOurches\r\n";
    const ProgramRun targets = Check(directory.Path(), " --targets \"3, neufchateau,2\" --build");
    EXPECT_EQ(targets.status, 1) << targets.err;
    EXPECT_EQ(directory.ReadSettings(), chosen);
    for (const auto& [arguments, said] : {std::pair(" --targets 212", "212: not a valid ID for the Verdun map"),
                                          {" --targets Lens", "Lens: the Verdun map has no such target"},
                                          {" --targets 3,EPIEZ", "EPIEZ: the list holds Epiez already"},
                                          {" --set randomizeMap=1 --targets 1", "the map Random has no targets"}}) {
        const ProgramRun refused = Check(directory.Path(), arguments + std::string(" --build"));
        EXPECT_EQ(refused.status, 2) << arguments;
        EXPECT_NE(refused.err.find(said), std::string::npos) << arguments << ": " << refused.err;
    }
    EXPECT_EQ(directory.ReadSettings(), chosen);
}

// The dry run's window never carries the editor's caption, not even while it is being created, so that an
// editor started meanwhile cannot take it for a running editor and end.
std::vector<std::string> InitialCaptions;   // of each top-level dialog, as it is initialised

LRESULT CALLBACK RecordInitialCaption(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == WM_INITDIALOG && !GetParent(call->hwnd))
        InitialCaptions.push_back(TextOf(call->hwnd));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Check, TheHiddenWindowHasACaptionOfItsOwnFromTheStart)
{
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordInitialCaption, nullptr, GetCurrentThreadId());
    ScratchDirectory directory("check-caption");
    directory.WriteSettings("[QV3Server]\r\nserverDesc=\"Hidden\"\r\n");
    HWND window = CreateHiddenMainWindow(GetModuleHandleA(nullptr), "skyvarn-check");
    UnhookWindowsHookEx(hook);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(InitialCaptions, std::vector<std::string>{"skyvarn-check"});
    EXPECT_EQ(TextOf(window), "skyvarn-check");
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(FindWindowA(nullptr, MainWindowCaption), nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(PageTable[GeneralPageIndex], IDC_GENERAL_SERVER_DESC)), "Hidden");
    EXPECT_NE(GetDlgItem(window, IDC_MAIN_BUILD), nullptr);
    DestroyWindow(window);
}

}  // namespace
