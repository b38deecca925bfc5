#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <future>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "editor.h"
#include "resource.h"

using Texts = std::vector<std::string>;

namespace {

TEST(SettingsFile, AFileThatMustNotChangeGetsOneMessageAndKeepsItsBytesAndAttributes)
{
    const std::string dates = "FOKKER_EIII=1," + std::string(200, 's');
    const std::string settings = "[QV3Server]\r\nserverDesc=\"Old\"\r\nmaxPlayers=32\r\n" + dates + ",end\r\n";
    ScratchDirectory directory("e2e-attributes");
    directory.WriteSettings(settings);
    const std::string path = directory.SettingsPath();
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "Other");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(editor.Build(), Texts{"Error: An error occurred while writing to the INI file.  The INI file may be "
                                    "write-protected."});
    EXPECT_EQ(directory.ReadSettings(), settings);
    EXPECT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(FilesIn(directory.Path()), Texts{"qv3server.ini"}) << "a failed build leaves nothing beside the file";

    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    // Dates too long to be read back whole are refused before anything is written.
    editor.SetText(GermanPlanesPageIndex, IDC_GERMAN_FOKKER_EIII_END, std::string(60, 'e'));
    EXPECT_EQ(editor.Build(), Texts{"Error: The dates of FOKKER_EIII are too long to be stored: together they may "
                                    "hold at most 251 characters. Shorten them, then build the INI file again."});
    EXPECT_EQ(directory.ReadSettings(), settings);
    editor.SetText(GermanPlanesPageIndex, IDC_GERMAN_FOKKER_EIII_END, "1918");
    EXPECT_EQ(editor.Build(), Texts{}) << "the next build, once the file can be written";
    EXPECT_NE(directory.ReadSettings().find("\nserverDesc=\"Other\"\r\nmaxPlayers=32\r\n" + dates + ",1918\r\n"),
              std::string::npos);
}

// Up to the path limit a build replaces the file in one step and leaves nothing beside it; past it the
// program refuses to start and touches no file.
TEST(SettingsFile, FoldersUpToThePathLimitKeepOneFileAndLongerOnesAreRefused)
{
    ScratchDirectory directory("e2e-deep");
    // 241 characters: the longest folder whose settings file still fits the path limit.
    for (size_t length : {241u, 242u}) {
        const std::string folder = directory.Path() + "\\" + std::string(length - directory.Path().size() - 1, 'e');
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        if (length == 241)
            WriteBytes(folder + "\\qv3server.ini", "[QV3Server]\r\n");
        Editor editor(folder);
        if (length > 241) {
            EXPECT_NE(editor.AnswerBox().find("too long to hold the settings file"), std::string::npos);
            EXPECT_EQ(editor.WaitForExit(), 1u);
            EXPECT_EQ(FilesIn(folder), Texts{});
            break;
        }
        ASSERT_TRUE(editor.Shown());
        EXPECT_EQ(editor.Build(), Texts{});
        editor.Exit();
        EXPECT_EQ(FilesIn(folder), Texts{"qv3server.ini"});
    }
}

const std::string Unreadable =
    "Error: The INI file qv3server.ini exists but could not be read: another program may hold it open.";

// Defaults shown in place of what could not be read never replace it, also once it can be read again; nor
// does a cut-off write that the file no longer fits, which is kept aside at start-up.
TEST(Reading, WhatCouldNotBeReadOrAppliedIsNeverWrittenOver)
{
    ScratchDirectory directory("e2e-unread");
    const std::string settings = "[QV3Server]\r\nserverDesc=\"Real\"\r\npassword=secret\r\n[Targets]\r\nLens\r\n";
    directory.WriteSettings(settings);
    {
        WriteBlocker blocker(directory.SettingsPath(), 0);
        Editor editor(directory.Path());
        ASSERT_TRUE(editor.Shown());
        const std::string box = editor.AnswerBox();
        EXPECT_EQ(box.find(Unreadable), 0u) << box;
        EXPECT_NE(box.find("start the editor again"), std::string::npos) << box;
        blocker.Release();
        const Texts refused = editor.Build();
        ASSERT_EQ(refused.size(), 1u);
        EXPECT_NE(refused[0].find("could not be read when the editor started"), std::string::npos) << refused[0];
        EXPECT_EQ(editor.Build().size(), 1u) << "every build of the run";
        EXPECT_EQ(directory.ReadSettings(), settings);
        EXPECT_EQ(editor.Exit(), 1u);
    }

    WriteBytes(directory.SettingsPath() + ".tmp",
               JournalFor("[QV3Server]\r\npassword=old\r\n", "[QV3Server]\r\npassword=older\r\n"));
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    EXPECT_EQ(editor.AnswerBox(), "Error: A write of the INI file qv3server.ini was cut off, but the file has "
                                  "changed since (by hand or by another program), so that write was not "
                                  "completed: its journal was kept aside as qv3server.ini.not-applied, and "
                                  "the file stays as it is.");
    EXPECT_EQ(directory.ReadSettings(), settings);
    // Target Management opened while the file is held: its empty list never replaces the file's.
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_GAME_TYPE, 0);   // "Team Melee"
    editor.SelectTab(GamePageIndex);
    HWND dialog = nullptr;
    {
        WriteBlocker blocker(directory.SettingsPath(), 0);
        EXPECT_FALSE(editor.Click(GamePageIndex, IDC_GAME_TARGETS));
        const std::string box = editor.AnswerBox();
        EXPECT_EQ(box.find(Unreadable), 0u) << box;
        dialog = editor.Dialog("Target Management - Random");
        ASSERT_NE(dialog, nullptr);
    }
    EXPECT_FALSE(editor.Click(GetDlgItem(dialog, IDC_TARGET_DONE)));
    const std::string refused = editor.AnswerBox();
    EXPECT_NE(refused.find("could not be read when Target Management opened"), std::string::npos) << refused;
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
    EXPECT_TRUE(editor.Click(GetDlgItem(dialog, IDCANCEL)));
    EXPECT_EQ(directory.ReadSettings(), settings);
    // The main window read the file at start-up, not the journal: its build goes on as ever.
    EXPECT_EQ(editor.Build(), Texts{});
    EXPECT_NE(directory.ReadSettings().find("\r\npassword=secret\r\n"), std::string::npos);
    EXPECT_EQ(FilesIn(directory.Path()), (Texts{"qv3server.ini", "qv3server.ini.not-applied"}));
}

// What another program wrote since the editor read the file is not written over by a build without a
// question (Done's own: the target dialog's test); No writes nothing. A change only to lines the editor does
// not own, a removed key and a value the editor writes anyway need no question.
TEST(OtherWriters, TheEditorAsksBeforeWritingOverTheirValues)
{
    ScratchDirectory directory("e2e-others");
    const std::string settings = "[QV3Server]\r\nmaxPlayers=8\r\npassword=old\r\nclientTimeoutSec=30\r\n"
                                 "[RegisterWith]\r\nTCP:old\r\n";
    directory.WriteSettings(settings);
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    directory.WriteSettings("; by hand\r\n" + Replaced(settings, "clientTimeoutSec=30\r\n", ""));
    EXPECT_EQ(editor.Build(), Texts{});
    const std::string mine = directory.ReadSettings();
    EXPECT_EQ(mine.find("; by hand\r\n[QV3Server]\r\nmaxPlayers=8\r\npassword=old\r\n"), 0u) << mine;

    EXPECT_EQ(RunProgram("skyvarn-check.exe", " --build --set maxPlayers=50 --set password=new --set "
                         "clientTimeoutSec=30 --servers TCP:new", directory.Path().c_str()).status, 1);
    const std::string theirs = directory.ReadSettings();
    editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, "Mine");
    editor.SetText(GeneralPageIndex, IDC_GENERAL_CLIENT_TIMEOUT, "30");
    const Texts asked = {"Changed by Another Program: Another program has changed these settings of qv3server.ini "
                         "since the editor read the file: maxPlayers, password and [RegisterWith].  Build INI File "
                         "would write the values shown here over them.\n\nWrite over them?  (No writes nothing.)"};
    EXPECT_EQ(editor.Build(IDNO), asked);
    EXPECT_EQ(directory.ReadSettings(), theirs);
    EXPECT_EQ(editor.Build(IDYES), asked);
    EXPECT_EQ(directory.ReadSettings(), Replaced(mine, "serverDesc=\"\"", "serverDesc=\"Mine\""));
    EXPECT_EQ(editor.Build(), Texts{}) << "what the editor wrote is its own";

    EXPECT_EQ(editor.Exit(), 1u);
}

// A measurement: checks that each set a key of their own, started at once beside an editor that builds,
// in several rounds. Nothing is lost: every check's change is in the file afterwards, and the editor's
// own edit too unless it asked first (answered No here); no check says anything but that it wrote.
TEST(OtherWriters, RaceSeed33Rounds6)
{
    ScratchDirectory directory("e2e-race");
    Editor::BuildOnce(directory);
    unsigned seed = 33;
    int lost = 0, falseAnswers = 0, asked = 0;
    for (int round = 0; round < 6; ++round) {
        Editor editor(directory.Path());
        ASSERT_TRUE(editor.Shown());
        const std::string mine = "round " + std::to_string(round);
        editor.SetText(GeneralPageIndex, IDC_GENERAL_SERVER_DESC, mine);
        Texts sets;
        std::vector<std::future<ProgramRun>> checks;
        for (const char* key : {"maxPlayers", "clientTimeoutSec", "password", "minKillsToScore"}) {
            sets.push_back(key + ("=" + std::to_string(round * 10 + sets.size())));
            const std::string arguments = " --build --set " + sets.back() + " \"" + directory.Path() + "\"";
            checks.push_back(
                std::async(std::launch::async, [arguments] { return RunProgram("skyvarn-check.exe", arguments); }));
        }
        seed = seed * 1103515245u + 12345u;
        Sleep((seed >> 16) % 1500);   // to land the build anywhere among the checks
        const Texts boxes = editor.Build(IDNO);
        asked += boxes.empty() ? 0 : 1;
        for (const std::string& box : boxes)
            falseAnswers += box.find("Changed by Another Program: ") == 0 ? 0 : 1;
        for (std::future<ProgramRun>& check : checks)
            falseAnswers += check.get().status == 1 ? 0 : 1;
        const std::string file = directory.ReadSettings();
        for (const std::string& set : sets)
            lost += file.find("\n" + set + "\r\n") == std::string::npos ? 1 : 0;
        lost += boxes.empty() && file.find("serverDesc=\"" + mine + "\"") == std::string::npos ? 1 : 0;
        EXPECT_EQ(FilesIn(directory.Path()), Texts{"qv3server.ini"}) << "round " << round;
        editor.Exit();
    }
    std::printf("race: seed 33, 6 rounds of 4 checks and a build: %d lost, %d false answers, %d questions\n", lost,
                falseAnswers, asked);
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(falseAnswers, 0);
}

const std::string InvalidId = "Invalid ID: The ID you have entered is not a valid ID for the ";
const std::string DuplicateId = "Duplicate ID: This target already exists within the target list.";

// Opens Target Management as the operator does for a team game on `map` ("": none selected).
HWND OpenTargets(const Editor& editor, const std::string& map)
{
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_MAP, static_cast<int>(SendMessageA(editor.Item(GeneralPageIndex,
        IDC_GENERAL_MAP), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(map.c_str()))));
    editor.SelectItem(GeneralPageIndex, IDC_GENERAL_GAME_TYPE, 0);   // "Team Melee"
    editor.SelectTab(GamePageIndex);   // "Manually Choose Targets: " is on: no test's file says otherwise
    return editor.Click(GamePageIndex, IDC_GAME_TARGETS) ? nullptr : editor.Dialog("Target Management - " + map);
}

// Read as UTF-16: Wine hands another process's list lines back wide even to LB_GETTEXT of the ANSI kind.
Texts ListLines(HWND dialog)
{
    Texts lines;
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    for (WPARAM i = 0; i < static_cast<WPARAM>(SendMessageW(list, LB_GETCOUNT, 0, 0)); ++i) {
        wchar_t wide[64] = L"";   // the catalogue's names are short, and ASCII
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
        lines.emplace_back(wide, wide + lstrlenW(wide));
    }
    return lines;
}

// Adds `id`, expecting the box "caption: text" ("" for none); a refused ID stays, with the focus.
void ExpectAdd(const Editor& editor, HWND dialog, const std::string& id, const std::string& box = "")
{
    HWND field = GetDlgItem(dialog, IDC_TARGET_ID);
    SetWindowTextA(field, id.c_str());
    EXPECT_EQ(editor.Click(GetDlgItem(dialog, IDC_TARGET_ADD)) ? "" : editor.AnswerBox(), box) << id;
    editor.Sync();
    EXPECT_EQ(TextOf(field), box.empty() ? "" : id);
    if (!box.empty()) {
        EXPECT_EQ(editor.Focus(), field) << id << ": focus elsewhere";
    }
}

TEST(TargetDialog, IdsResolveOnTheCurrentMapCancelWritesNothingAndDoneWritesEveryLineSorted)
{
    struct Case { const char* map; Texts invalid; Texts added; const char* duplicate; Texts listed; };
    // 4294967297 is 1 once wrapped to 32 bits; 133 "Bridge 1" begins 142 "Bridge 10" but is no duplicate.
    const Case cases[] = {{"Random", {}, {"5"}, nullptr, {}}, {"", {}, {"5"}, nullptr, {}},
        {"Marne", {"4294967297"}, {"142", "31", "007", "133"}, "95", {"Bridge 1", "Bridge 10", "Laon", "Vivaise"}},
        {"Flanders", {"", "0", "411", std::string(40, '9'), "-3"}, {"410", "85"}, "179", {"Lens", "Village71"}}};
    ScratchDirectory directory("e2e-targets");
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    for (const Case& row : cases) {
        SCOPED_TRACE(std::string("map [") + row.map + "]");
        HWND dialog = OpenTargets(editor, row.map);
        ASSERT_NE(dialog, nullptr);
        for (const std::string& id : row.invalid) ExpectAdd(editor, dialog, id, InvalidId + row.map + " map.");
        for (const std::string& id : row.added) ExpectAdd(editor, dialog, id);
        if (row.duplicate) ExpectAdd(editor, dialog, row.duplicate, DuplicateId);
        EXPECT_EQ(ListLines(dialog), row.listed);
        EXPECT_TRUE(editor.Click(GetDlgItem(dialog, IDCANCEL)));
    }
    EXPECT_TRUE(FilesIn(directory.Path()).empty());
    // Read on opening: other maps' lines in mixed case, two empty ones, a line and a section beyond any buffer.
    std::string longLines = "Long " + std::string(295, 'x') + "\r\n";
    for (int index = 0; index < 200; ++index) longLines += "Target " + std::to_string(1000 + index) + "\r\n";
    const std::string before = "[QV3Server]\r\nmaxPlayers=8\r\n[Targets]\r\n" + longLines + "beta\r\n/ a note\r\n"
                               "Ghistelles\r\nalpha\r\n   LAON \t\r\nzulu\r\n// another\r\n[Clients]\r\nCookie=abc\r\n";
    directory.WriteSettings(before);
    HWND dialog = OpenTargets(editor, "Marne");
    ASSERT_NE(dialog, nullptr);
    ExpectAdd(editor, dialog, "31", DuplicateId);   // "Laon" is there already, padded and in other case
    ExpectAdd(editor, dialog, "133");
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST), remove = GetDlgItem(dialog, IDC_TARGET_REMOVE);
    EXPECT_FALSE(IsWindowEnabled(remove)) << "nothing selected";
    SendMessageA(list, LB_SETCURSEL, 2, 0);   // "alpha", below the two empty lines; with the list's notification
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_TARGET_LIST, LBN_SELCHANGE), LPARAM(list));
    EXPECT_TRUE(editor.Click(remove));
    EXPECT_FALSE(IsWindowEnabled(remove));
    EXPECT_EQ(editor.Focus(), list) << "the disabled button hands the focus on";
    EXPECT_EQ(directory.ReadSettings(), before);
    // A list another program wrote since the dialog opened is not written over without a question.
    directory.WriteSettings(Replaced(before, "zulu\r\n", "zulu\r\nyankee\r\n"));
    EXPECT_FALSE(editor.Click(GetDlgItem(dialog, IDC_TARGET_DONE)));
    EXPECT_EQ(editor.AnswerBox(1200, IDYES),
              "Changed by Another Program: Another program has changed this setting of qv3server.ini since Target "
              "Management read it: [Targets].  Done would write the list shown here over it.\n\nWrite over it?  "
              "(No writes nothing.)");
    for (int wait = 0; wait < 1200 && IsWindow(dialog); ++wait)   // a bound against a hang only
        Sleep(5);
    EXPECT_FALSE(IsWindow(dialog)) << "Done ends the dialog once written";
    EXPECT_EQ(directory.ReadSettings(), "[QV3Server]\r\nmaxPlayers=8\r\n[Targets]\r\nbeta\r\nBridge 1\r\n"
                                        "Ghistelles\r\nLAON\r\n" + longLines + "zulu\r\n[Clients]\r\nCookie=abc\r\n");
}

const int Server = ServerPageIndex, Address = IDC_ADD_SERVER_ADDRESS, Cookie = IDC_ADD_COOKIE_TEXT,
          Tcp = IDC_ADD_SERVER_TCP;

// Opens an add dialog, checks OK after each step's message, then clicks it.
struct Step { int id; UINT message; WPARAM wParam; const char* text; bool okAfter; };
void Add(const Editor& editor, int addButton, const char* caption, const std::vector<Step>& steps)
{
    ASSERT_FALSE(editor.Click(Server, addButton));
    HWND dialog = editor.Dialog(caption), ok = GetDlgItem(dialog, IDOK);
    ASSERT_NE(dialog, nullptr) << caption;
    EXPECT_FALSE(IsWindowEnabled(ok)) << "on opening";
    for (const Step& s : steps) {
        SendDlgItemMessageA(dialog, s.id, s.message, s.wParam, reinterpret_cast<LPARAM>(s.text));
        EXPECT_EQ(IsWindowEnabled(ok) != FALSE, s.okAfter) << "step " << &s - &steps[0];
    }
    editor.Click(ok);
}

// The lists keep lines far longer than any entry the dialogs make, and lose the blanks around them, in a
// 10 MB file with a 100 KB value (cut to the box); the check then finds nothing more to change.
TEST(ServerPage, ListsLoadAddRemoveAndStoreByTheirRules)
{
    const std::string longLine(5000, 'L');
    ScratchDirectory directory("e2e-server-page");
    std::string file = "[RegisterWith]\r\n/first\r\nhost:1\r\n/mid\r\n   TCP:a  \r\n" + longLine + "\r\n[Clients]\r\n"
                       "Cookie=ab\r\nCookie=\r\nName=abcdef\r\n  cookie = xyz  \r\nCookie=" + longLine + "\r\n"
                       "[QV3Server]\r\nserverDesc=" + std::string(100 * 1024, 'x') + "\r\nmaxPlayers=12\r\n";
    while (file.size() < 10 * 1024 * 1024)
        file += "[Filler" + std::to_string(file.size()) + "]\r\nsomeKey=some value that fills the file\r\n";
    directory.WriteSettings(file);
    Editor editor(directory.Path());
    ASSERT_TRUE(editor.Shown());
    editor.SelectTab(Server);
    Add(editor, IDC_SERVER_ADD_SERVER, "Add New Server", {{Address, WM_SETTEXT, 0, "x", false},
        {Tcp, BM_CLICK, 0, nullptr, true}, {Address, WM_SETTEXT, 0, "", false},
        {Address, WM_SETTEXT, 0, std::string(100, 'y').c_str(), true}, {IDC_ADD_SERVER_UDP, BM_CLICK, 0, nullptr, true}});
    // Text set from outside (a paste tool, say) is not bound by the typing limit; the entries still are.
    Add(editor, IDC_SERVER_ADD_COOKIE, "Add New Cookie", {{Cookie, WM_CHAR, 'a', nullptr, true},
        {Cookie, WM_SETTEXT, 0, "", false}, {Cookie, WM_SETTEXT, 0, std::string(100, 'c').c_str(), true}});
    for (const auto& [list, remove] : {std::pair(IDC_SERVER_LIST, IDC_SERVER_REMOVE_SERVER),
                                       std::pair(IDC_SERVER_COOKIE_LIST, IDC_SERVER_REMOVE_COOKIE)}) {
        EXPECT_FALSE(editor.Enabled(Server, remove)) << "nothing selected";
        editor.SelectItem(Server, list, 1);
        editor.Click(Server, remove);  // the second entry: "host:1", the empty cookie
        EXPECT_FALSE(editor.Enabled(Server, remove)) << "after a removal";
    }
    EXPECT_EQ(editor.Build(), Texts{});
    EXPECT_EQ(editor.Exit(), 1u);
    const std::string built = directory.ReadSettings();
    for (const std::string& part : {"[RegisterWith]\r\nTCP:a\r\n" + longLine + "\r\nUDP:" + std::string(75, 'y') +
                                    "\r\n[Clients]\r\nCookie=ab\r\nCookie=Name=abcdef\r\nCookie=xyz\r\nCookie=" + longLine +
                                    "\r\nCookie=" + std::string(79, 'c') + "\r\n",
                                    "\nserverDesc=\"" + std::string(254, 'x') + "\"\r\nmaxPlayers=12\r\n", std::string("\n[Filler")})
        EXPECT_NE(built.find(part), std::string::npos) << part.substr(0, 60);
    EXPECT_EQ(RunProgram("skyvarn-check.exe", "", directory.Path().c_str()).status, 0);
}

}  // namespace
