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

struct CheckRun { int status; std::string out, err; };

// Runs skyvarn-check with `arguments` (each after a blank, quoted as needed), its output kept in files
// outside the folder it checks. Started directly: under Wine a 64-bit command processor hands a 32-bit
// program one handle for both of its redirected streams.
CheckRun Check(const std::string& directory, const std::string& arguments = "")
{
    const std::string out = directory + "-check-out.txt", err = directory + "-check-err.txt";
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    STARTUPINFOA startup = {};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = CreateFileA(out.c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
    startup.hStdError = CreateFileA(err.c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
    const PROCESS_INFORMATION process =
        StartProgram("skyvarn-check.exe", arguments + " \"" + directory + "\"", nullptr, startup);
    const DWORD status = WaitForExitCode(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    CheckRun run{static_cast<int>(status), FileBytes(out), FileBytes(err)};
    DeleteFileA(out.c_str());
    DeleteFileA(err.c_str());
    return run;
}

// A file in the editor's own form, built by the editor in `directory`.
std::string BuildWithEditor(const ScratchDirectory& directory)
{
    Editor editor(directory.Path());
    EXPECT_TRUE(editor.Shown());
    EXPECT_TRUE(editor.Build().empty());
    editor.Exit();
    return directory.ReadSettings();
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
    const CheckRun none = Check(directory.Path());
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("there is no qv3server.ini in " + directory.Path()), std::string::npos) << none.err;
    EXPECT_TRUE(FilesIn(directory.Path()).empty());
    EXPECT_EQ(Check(directory.Path() + "\\missing").status, 2);
    const std::string first = BuildWithEditor(directory);
    std::string settings = first;
    const CheckRun same = Check(directory.Path());
    EXPECT_EQ(std::to_string(same.status) + same.out + same.err, "0");
    for (auto [from, to] : {std::pair("startTime=", "startTime=08:00"), {"cloudsOn=1", "cloudsOn=yes"},
                            {"dayRate=1.0", "dayRate=2000"}})
        settings.replace(settings.find(from), std::strlen(from), to);
    directory.WriteSettings(settings);
    const CheckRun run = Check(directory.Path());
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "--- qv3server.ini\n+++ after Build INI File\n@@ -7,14 +7,14 @@\n"
        " regionSize=\r\n landmarkDensity=\r\n startDate=--\r\n-startTime=08:00\r\n+startTime=\r\n nightRate=1.0\r\n"
        "-dayRate=2000\r\n+dayRate=1440.0\r\n gameLengthInSeconds=\r\n difficulty=\r\n gameMode=\r\n gameType=\r\n"
        "-cloudsOn=yes\r\n+cloudsOn=1\r\n torqueOn=1\r\n unlimitedAmmo=1\r\n rocketsAllowed=1\r\n");
    EXPECT_EQ(directory.ReadSettings(), settings) << "the check writes nothing";
    BuildWithEditor(directory);   // the diff's new side: only the rate differs from the first build
    EXPECT_EQ(directory.ReadSettings(), Replaced(first, "dayRate=1.0", "dayRate=1440.0"));
    EXPECT_EQ(Check(directory.Path()).status, 0);
    HANDLE lock = CreateFileA(directory.SettingsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const CheckRun locked = Check(directory.Path());
    const CheckRun lockedBuild = Check(directory.Path(), " --set maxPlayers=3 --build");
    CloseHandle(lock);
    for (const CheckRun& each : {locked, lockedBuild}) {
        EXPECT_EQ(each.status, 2);
        EXPECT_NE(each.err.find("could not be read"), std::string::npos) << each.err;
    }
    EXPECT_EQ(directory.ReadSettings(), Replaced(first, "dayRate=1.0", "dayRate=1440.0"));
}

// --set lays a value over the file as the editor reads it at start-up, so the pages' rules apply to it;
// --build writes the result once, and the check that follows finds nothing left to change. The diff of a
// CRLF file keeps each line's CR, and is the diff between the file and what --build writes.
TEST(Check, SetValuesFollowThePagesRulesAndBuildWritesTheDiffShown)
{
    ScratchDirectory directory("check-set");
    const std::string first = BuildWithEditor(directory);
    const CheckRun set = Check(directory.Path(), " --set maxPlayers=20 --build");
    EXPECT_EQ(set.status, 1) << set.err;
    EXPECT_EQ(set.out, "--- qv3server.ini\n+++ after Build INI File\n@@ -1,6 +1,6 @@\n [QV3Server]\r\n"
                       " serverDesc=\"\"\r\n-maxPlayers=\r\n+maxPlayers=20\r\n clientTimeoutSec=\r\n password=\r\n"
                       " randomizeMap=1\r\n");
    const std::string built = directory.ReadSettings();
    EXPECT_EQ(built, Replaced(first, "maxPlayers=\r\n", "maxPlayers=20\r\n"));
    const CheckRun again = Check(directory.Path(), " --build");
    EXPECT_EQ(std::to_string(again.status) + again.out + again.err, "0");
    EXPECT_EQ(directory.ReadSettings(), built);

    // A start time no list item begins with is written empty; a key is the pages' in any case; a rate
    // past the spinner's range comes back in it. The dry run's diff is the one between the file and what
    // --build then writes, every line with its CR.
    const std::string hand = Replaced(built, "startTime=", "startTime=6:00");
    directory.WriteSettings(hand);
    const std::string arguments = " --set startTime=08:00 --set DAYRATE=2000 --set \"serverDesc= \\\"My server\\\" \"";
    const CheckRun dry = Check(directory.Path(), arguments);
    EXPECT_EQ(dry.status, 1) << dry.err;
    EXPECT_NE(dry.out.find("\n-startTime=6:00\r\n+startTime=\r\n"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("\n+serverDesc=\"My server\"\r\n"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("\n+dayRate=1440.0\r\n"), std::string::npos) << dry.out;
    EXPECT_EQ(directory.ReadSettings(), hand);
    const CheckRun wrote = Check(directory.Path(), arguments + " --build");
    EXPECT_EQ(wrote.status, 1) << wrote.err;
    EXPECT_EQ(wrote.out, dry.out);
    EXPECT_EQ(UnifiedDiff(hand, directory.ReadSettings(), "qv3server.ini", "after Build INI File"), dry.out);
}

// What cannot be done is refused with status 2, the reason, and the file as it was.
TEST(Check, RefusesWhatItCannotDoAndLeavesTheFile)
{
    ScratchDirectory directory("check-refused");
    const std::string settings = BuildWithEditor(directory);
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
        const CheckRun run = Check(directory.Path(), row.arguments);
        EXPECT_EQ(run.status, 2) << row.arguments;
        EXPECT_NE(run.err.find(row.said), std::string::npos) << row.arguments << ": " << run.err;
        EXPECT_EQ(run.out, "") << row.arguments;
        EXPECT_EQ(directory.ReadSettings(), settings) << row.arguments;
    }
    EXPECT_TRUE(FilesIn(other.Path()).empty());
    {
        // A build that cannot write says so as the editor's message does; the dry run says why it would fail.
        WriteBlocker blocker(directory.SettingsPath());
        const CheckRun blocked = Check(directory.Path(), " --set maxPlayers=3 --build");
        EXPECT_EQ(blocked.status, 2);
        EXPECT_NE(blocked.err.find("An error occurred while writing to the INI file."), std::string::npos) << blocked.err;
        EXPECT_EQ(blocked.out, "");
        const CheckRun dry = Check(directory.Path(), " --set maxPlayers=3");
        EXPECT_EQ(dry.status, 2);
        EXPECT_NE(dry.err.find("qv3server.ini is held open by another program"), std::string::npos) << dry.err;
    }
    EXPECT_EQ(directory.ReadSettings(), settings);
    const CheckRun keys = Check(directory.Path(), " --keys");
    EXPECT_EQ(keys.status, 0);
    EXPECT_EQ(keys.out.substr(0, 32), "serverDesc\nmaxPlayers\nclientTime");
    EXPECT_NE(keys.out.find("\nrandomizeMap\nuseMap\nregionSize\n"), std::string::npos);
    EXPECT_NE(keys.out.find("\nvoraksGlow\nFOKKER_EIII\n"), std::string::npos);
    const CheckRun help = Check(directory.Path(), " --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.substr(0, 20), "usage: skyvarn-check");
}

// The lists take the whole new list: server entries and cookies as the Add dialogs make them (cut to 79
// characters, and said), targets as Target Management's Done writes them.
TEST(Check, ListsFollowTheAddDialogsAndTargetManagement)
{
    ScratchDirectory directory("check-lists");
    BuildWithEditor(directory);
    const std::string address(76, 'a'), cookie(80, 'c');
    const CheckRun lists =
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

    // A team game on Verdun, set from the command line; the same targets chosen once in the editor's own
    // Target Management and once from the command line, by ID and by name, give the same file.
    const CheckRun team =
        Check(directory.Path(), " --set gameType=TEAM_MELEE --set randomizeMap=0 --set useMap=Verdun --build");
    EXPECT_EQ(team.status, 1) << team.err;
    const std::string teamFile = directory.ReadSettings();
    ScratchDirectory chosen("check-lists-editor");
    chosen.WriteSettings(teamFile);
    {
        Editor editor(chosen.Path());
        ASSERT_TRUE(editor.Shown());
        editor.SelectTab(GamePageIndex);
        ASSERT_FALSE(editor.Click(GamePageIndex, IDC_GAME_TARGETS));
        HWND dialog = editor.Dialog("Target Management - Verdun");
        ASSERT_NE(dialog, nullptr);
        for (const char* id : {"3", "1", "2"}) {
            SetWindowTextA(GetDlgItem(dialog, IDC_TARGET_ID), id);
            EXPECT_TRUE(editor.Click(GetDlgItem(dialog, IDC_TARGET_ADD))) << id;
        }
        EXPECT_TRUE(editor.Click(GetDlgItem(dialog, IDC_TARGET_DONE)));
        editor.Exit();
    }
    const CheckRun targets = Check(directory.Path(), " --targets \"3, neufchateau,2\" --build");
    EXPECT_EQ(targets.status, 1) << targets.err;
    EXPECT_EQ(directory.ReadSettings(), chosen.ReadSettings());
    EXPECT_NE(targets.out.find("+[Targets]\r\n+Epiez\r\n+Neufchateau\r\n+Ourches\r\n"), std::string::npos) << targets.out;
    for (const auto& [arguments, said] : {std::pair(" --targets 212", "212: not a valid ID for the Verdun map"),
                                          {" --targets Lens", "Lens: the Verdun map has no such target"},
                                          {" --targets 3,EPIEZ", "EPIEZ: the list holds Epiez already"},
                                          {" --set randomizeMap=1 --targets 1", "the map Random has no targets"}}) {
        const CheckRun refused = Check(directory.Path(), arguments + std::string(" --build"));
        EXPECT_EQ(refused.status, 2) << arguments;
        EXPECT_NE(refused.err.find(said), std::string::npos) << arguments << ": " << refused.err;
    }
    EXPECT_EQ(directory.ReadSettings(), chosen.ReadSettings());
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
