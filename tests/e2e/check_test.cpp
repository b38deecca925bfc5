#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "check/hidden_editor.h"
#include "check/line_diff.h"
#include "editor.h"
#include "settings/settings_file.h"

namespace {

// What one run of skyvarn-check on a folder must answer: its status and parts of its standard output and
// error. A stream without parts must stay empty (but a build's diff), and the file must stay as it was but
// where a --build changes it.
struct Answer { std::string arguments; int status; std::vector<std::string> out = {}, err = {}; };

// Runs it with the answer's arguments (each after a blank, quoted as needed). Started directly: under Wine
// a 64-bit command processor hands a 32-bit program one handle for both of its redirected streams.
ProgramRun Check(const ScratchDirectory& directory, const Answer& answer)
{
    const std::string& arguments = answer.arguments;
    const std::string before = directory.ReadSettings();
    const ProgramRun run = RunProgram("skyvarn-check.exe", arguments + " \"" + directory.Path() + "\"");
    EXPECT_EQ(run.status, answer.status) << arguments << ": " << run.err;
    for (const std::string& part : answer.out)
        EXPECT_NE(run.out.find(part), std::string::npos) << arguments << ": " << run.out;
    for (const std::string& part : answer.err)
        EXPECT_NE(run.err.find(part), std::string::npos) << arguments << ": " << run.err;
    const bool written = answer.status == 1 && arguments.find("--build") != std::string::npos;
    EXPECT_EQ(answer.out.empty() && answer.status != 1 ? run.out : "", "") << arguments;
    EXPECT_EQ(answer.err.empty() ? run.err : "", "") << arguments;
    EXPECT_EQ(written ? before : directory.ReadSettings(), before) << arguments << ": the file changed";
    return run;
}

// Without a file nothing can be told, and an editor's first build writes the defaults in whole lines. On a
// file in the editor's own form the check names nothing; after three hand edits the diff names exactly the
// lines a build normalises, and a build then writes its new side; --set values are written as the pages
// store them; a cut-off write is completed only over its own. A file that cannot be read is refused, by the
// dry run and by --build.
TEST(Check, NamesWhatABuildWouldChangeAndBuildsAsTheEditorDoes)
{
    ScratchDirectory directory("check-hand");
    Check(directory, {"", 2, {}, {"there is no qv3server.ini in " + directory.Path()}});
    EXPECT_TRUE(FilesIn(directory.Path()).empty());
    const std::string first = Editor::BuildOnce(directory);
    // The keys in the store's order (the diff below shows more of them), a missing text key as an empty value.
    EXPECT_EQ(first.find("[QV3Server]\r\nserverDesc=\"\"\r\nmaxPlayers=\r\nclientTimeoutSec=\r\npassword=\r\n"
                         "randomizeMap=1\r\nregionSize=\r\n"), 0u) << first;
    for (size_t pos = first.find('\n'); pos != std::string::npos; pos = first.find('\n', pos + 1))
        ASSERT_EQ(first[pos - 1], '\r') << "a bare line feed at " << pos << ":\n" << first;
    EXPECT_EQ(FilesIn(directory.Path()), std::vector<std::string>{"qv3server.ini"});
    Check(directory, {"", 0});
    directory.WriteSettings(Replaced(Replaced(Replaced(first, "startTime=", "startTime=08:00"), "cloudsOn=1",
                                              "cloudsOn=yes"), "dayRate=1.0", "dayRate=2000"));
    EXPECT_EQ(Check(directory, {"", 1}).out, "--- qv3server.ini\n+++ after Build INI File\n@@ -7,14 +7,14 @@\n"
        " regionSize=\r\n landmarkDensity=\r\n startDate=--\r\n-startTime=08:00\r\n+startTime=\r\n nightRate=1.0\r\n"
        "-dayRate=2000\r\n+dayRate=1440.0\r\n gameLengthInSeconds=\r\n difficulty=\r\n gameMode=\r\n gameType=\r\n"
        "-cloudsOn=yes\r\n+cloudsOn=1\r\n torqueOn=1\r\n unlimitedAmmo=1\r\n rocketsAllowed=1\r\n");
    const std::string rebuilt = Editor::BuildOnce(directory);   // the diff's new side: only the rate differs
    EXPECT_EQ(rebuilt, Replaced(first, "dayRate=1.0", "dayRate=1440.0"));
    Check(directory, {"", 0});
    {
        WriteBlocker lock(directory.SettingsPath(), 0);
        for (const char* arguments : {"", " --set maxPlayers=3 --build"})
            Check(directory, {arguments, 2, {}, {"could not be read"}});
    }
    EXPECT_EQ(directory.ReadSettings(), rebuilt);

    // --set lays a value over the file as the editor reads it at start-up, so the pages' rules apply to it: a
    // key is the pages' in any case, a value is written in its stored form. --build writes the diff the dry
    // run shows, and a --build that follows finds nothing left to change.
    const std::string hand = Replaced(first, "startTime=", "startTime=6:00");
    directory.WriteSettings(hand);
    const std::string arguments = " --set startTime=8:3 --set DAYRATE=1440 --set maxPlayers=20 --set "
                                  "\"serverDesc= \\\"My server\\\" \" --set randomizeMap=0 --set useMap=verdun --set startDate=1916-7-3";
    const std::vector<std::string> lines = {"\n-startTime=6:00\r\n", "\n+startTime=8:30\r\n", "\n+serverDesc=\"My server\"\r\n",
                                            "\n+maxPlayers=20\r\n", "\n+dayRate=1440.0\r\n", "\n+useMap=VERDUN\r\n", "\n+randomizeMap=0\r\n",
                                            "\n+startDate=1916-07-03\r\n"};
    const ProgramRun dry = Check(directory, {arguments, 1, lines});
    EXPECT_EQ(Check(directory, {arguments + " --build", 1, lines}).out, dry.out);
    EXPECT_EQ(UnifiedDiff(hand, directory.ReadSettings(), "qv3server.ini", "after Build INI File"), dry.out);
    Check(directory, {" --build", 0});
    Check(directory, {" --get maxPlayers --get STARTTIME --get servers", 0, {"maxPlayers=20\nstartTime=8:30\n"}});

    // A write that was cut off is completed by a build and shown completed by the dry run, which leaves that
    // to the build; one that the file no longer fits (edited by hand since) is kept aside by a build, never
    // applied, and both say so with status 2.
    const std::string file = directory.ReadSettings(), journal = directory.SettingsPath() + ".tmp";
    const std::string cutOff = Replaced(file, "maxPlayers=20", "maxPlayers=77");
    WriteBytes(journal, JournalFor(file, cutOff));
    Check(directory, {" --set maxPlayers=78", 1, {"\n-maxPlayers=77\r\n+maxPlayers=78\r\n"},
                      {"was cut off: its journal qv3server.ini.tmp completes it at the next build"}});
    Check(directory, {" --build", 1, {}, {"was cut off, and was completed now"}});
    EXPECT_EQ(directory.ReadSettings(), cutOff);
    directory.WriteSettings(Replaced(file, "password=", "password=repaired"));
    WriteBytes(journal, JournalFor(file, cutOff));
    Check(directory, {"", 2, {}, {"the next build keeps its journal aside as qv3server.ini.not-applied"}});
    Check(directory, {" --set maxPlayers=5 --build", 2, {},
                      {"its journal was kept aside as qv3server.ini.not-applied, and the file stays as it is"}});
    EXPECT_EQ(FileBytes(directory.SettingsPath() + ".not-applied"), JournalFor(file, cutOff));
}

// What cannot be done is refused with status 2, the reason, and the file as it was. A value the page could
// not take as given names the key, the value and what the key takes: one of each kind of key.
TEST(Check, RefusesWhatItCannotDoAndLeavesTheFile)
{
    ScratchDirectory directory("check-refused");
    Editor::BuildOnce(directory);
    const struct { const char* set; const char* takes; } rows[] = {
        {"useMap=Paris", "useMap takes one of FLANDERS, ALSACE, VERDUN, MARNE, ISLAND"},
        {"regionSize=", "regionSize takes one of FULL, LARGE, MEDIUM, SMALL"},
        {"startTime=08:00", "startTime takes one of 0:00, 0:30,"},
        {"startDate=1917-13-45", "startDate takes a date YEAR-MM-DD: year 1915 to 1918, month 01 to 12, day 01 to 30"},
        {"maxPlayers=abc", "maxPlayers takes digits, at most 254 of them"},
        {"nightRate=2000", "nightRate takes a whole number from 1 to 1440"},
        {"cloudsOn=yes", "cloudsOn takes 0 or 1"},
        {"targetSwapTimeInSeconds=90", "targetSwapTimeInSeconds takes seconds in whole minutes"},
        {"germansDefendFirst=2", "germansDefendFirst takes -1 (Random), 0 (Allies) or 1 (Germans)"},
        {"FOKKER_EIII=1,1915", "FOKKER_EIII takes 0 or 1, or 0 or 1 and two dates"},
    };
    for (const auto& row : rows)
        Check(directory, {std::string(" --build --set \"") + row.set + "\"", 2, {},
                          {std::string("--set ") + row.set + ": the editor's page cannot take that; " + row.takes}});
    const std::string longText(300, 'x'), longDate(126, '1');
    Check(directory, {" --set serverDesc=" + longText, 2, {}, {"... (300 characters): the editor's page cannot take that"}});
    Check(directory, {" --set FOKKER_EIII=1," + longDate + ",1918", 2, {}, {"each at most 125 characters"}});
    for (const Answer& answer : std::vector<Answer>{
             {" --set hostName=x --build", 2, {},
              {"no page of the editor owns that key. The keys that may be set:\nserverDesc\n"}},
             {" --bulid --build", 2, {}, {"unknown option --bulid\nusage: skyvarn-check "}},
             {" --servers host:7000 --build", 2, {}, {"a server entry is TCP: or UDP: and an address"}},
             {" --targets 1 --build", 2, {}, {"Target Management is open only for the game type Team Melee"}},
             {" --get maxPlayers --build", 2, {}, {"--get reads and writes nothing"}},
             {" --get hostName", 2, {}, {"--get hostName: no page of the editor shows that"}},
             {" --keys", 0, {"serverDesc: text, at most 254 characters\nmaxPlayers: digits", "\nrandomizeMap: 0 or 1\n",
                             "\nstartTime: one of 0:00, 0:30, 1:00, 1:30, 2:00", "23:00, 23:30\n"}}})
        Check(directory, answer);
    {
        // Another writer's turn, held for the whole run: the build waits its while, then says so.
        SettingsFileTurn other(directory.SettingsPath().c_str(), Turn::Writing);
        Check(directory, {" --set maxPlayers=3 --build", 2, {}, {"another program is writing qv3server.ini"}});
    }
    // A build that cannot write says so as the editor's message does; the dry run says why it would fail.
    WriteBlocker blocker(directory.SettingsPath());
    Check(directory, {" --set maxPlayers=3 --build", 2, {}, {"An error occurred while writing to the INI file."}});
    Check(directory, {" --set maxPlayers=3", 2, {}, {"qv3server.ini is held open by another program"}});
}

// Many folders in one call: each its own answer, a refused one among them changing nothing of the others'
// answers; the status is the worst. --create gives a folder without a file the file a first build writes.
// (Lists given in a file, as the Ansible module gives them: tests/ansible.)
TEST(Check, ManyFoldersListsAndTargets)
{
    ScratchDirectory directory("check-many");
    const std::string built = Editor::BuildOnce(directory);
    const std::string a = directory.Path() + "\\a", b = directory.Path() + "\\b", none = directory.Path() + "\\none";
    for (const std::string& folder : {a, b, none}) CreateDirectoryA(folder.c_str(), nullptr);
    WriteBytes(a + "\\qv3server.ini", built);
    WriteBytes(b + "\\qv3server.ini", Replaced(built, "maxPlayers=", "maxPlayers=7"));
    const std::string folders = " \"" + a + "\" \"" + b + "\" \"" + none + "\"";
    const ProgramRun run = RunProgram("skyvarn-check.exe", " --build --set maxPlayers=7" + folders);
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_NE(run.out.find("--- " + a + "/qv3server.ini\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find(b + "/qv3server.ini"), std::string::npos) << "nothing to change in b";
    EXPECT_NE(run.err.find(none + ": there is no qv3server.ini in " + none + " (--create makes one)"),
              std::string::npos) << run.err;
    EXPECT_EQ(FileBytes(a + "\\qv3server.ini"), FileBytes(b + "\\qv3server.ini"));
    EXPECT_EQ(RunProgram("skyvarn-check.exe", " --create --build --set maxPlayers=7" + folders).status, 1);
    EXPECT_EQ(FileBytes(none + "\\qv3server.ini"), FileBytes(a + "\\qv3server.ini")) << "made as a first build writes it";

    // The lists take the whole new list: server entries and cookies as the Add dialogs take them (longer ones
    // refused), targets as Target Management's Done writes them.
    const std::string address(75, 'a'), cookie(79, 'c');
    Check(directory, {" --servers \"udp:" + address + ", TCP:b.example:7000\" --cookies " + cookie + "x,x --build", 2, {},
                      {"the Add Cookie dialog takes at most 79 characters"}});
    Check(directory, {" --servers \"udp:" + address + "a\" --build", 2, {},
                      {"the Add Server dialog takes an address of at most 75 characters"}});
    Check(directory, {" --servers \"udp:" + address + ", TCP:b.example:7000\" --cookies " + cookie + ",x --build", 1});
    EXPECT_NE(directory.ReadSettings().find("\nUDP:" + address + "\r\n"), std::string::npos) << directory.ReadSettings();

    // A team game on Verdun, set from the command line; targets by ID and by name, in any case, written
    // sorted in a section of their own as Target Management's Done writes them.
    Check(directory, {" --set gameType=TEAM_MELEE --set randomizeMap=0 --set useMap=Verdun --build", 1});
    const std::string chosen = directory.ReadSettings() + "[Targets]\r\nEpiez\r\nNeufchateau\r\nOurches\r\n";
    Check(directory, {" --targets \"3, neufchateau,2\" --build", 1, {"\n+[Targets]\r\n+Epiez\r\n+Neufchateau\r\n"}});
    EXPECT_EQ(directory.ReadSettings(), chosen);
    for (const Answer& answer : std::vector<Answer>{
             {" --targets 212 --build", 2, {}, {"212: not a valid ID for the Verdun map"}},
             {" --targets Lens --build", 2, {}, {"Lens: the Verdun map has no such target"}},
             {" --targets 3,EPIEZ --build", 2, {}, {"EPIEZ: the list holds Epiez already"}}})
        Check(directory, answer);
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
    HWND window = CreateHiddenMainWindow(GetModuleHandleA(nullptr), "skyvarn-check");
    UnhookWindowsHookEx(hook);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(InitialCaptions, std::vector<std::string>{"skyvarn-check"});
    EXPECT_EQ(TextOf(window), "skyvarn-check");
    EXPECT_FALSE(IsWindowVisible(window));
    DestroyWindow(window);
}

}  // namespace
