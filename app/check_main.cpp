#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/check_options.h"
#include "app/check_window.h"
#include "app/control_text.h"
#include "app/main_window.h"
#include "app/pages.h"
#include "registration/list_entry.h"
#include "resource.h"
#include "settings/line_diff.h"
#include "settings/page_binding.h"
#include "settings/profile_store.h"
#include "settings/value_text.h"
#include "targets/target_catalogue.h"
#include "targets/target_dialog.h"
#include "settings/settings_file.h"

// skyvarn-check: the editor's command-line twin. It loads the editor's own pages from DIR's qv3server.ini,
// hidden, with the values and lists of the command line laid over what the file holds, runs the store
// sequence of "&Build INI File" into memory and prints what changed as a unified diff; with --build it then
// writes that, as the build does. Exit status 0: nothing to change; 1: changed (and written with --build);
// 2: nothing written, with the reason on standard error.

namespace {

int Refuse(const std::string& reason)
{
    std::fprintf(stderr, "skyvarn-check: %s\n", reason.c_str());
    return 2;
}

void Say(const std::string& notice)
{
    std::fprintf(stderr, "skyvarn-check: %s\n", notice.c_str());
}

// The programs' version, as their version resource carries it: "major.minor.patch".
std::string ResourceVersion()
{
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_VERSION);
    HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
    const DWORD* words = loaded ? static_cast<const DWORD*>(LockResource(loaded)) : nullptr;
    const DWORD count = resource ? SizeofResource(nullptr, resource) / sizeof(DWORD) : 0;
    // The fixed part begins with its signature, on a 4-byte boundary after the block's own header.
    for (DWORD at = 0; words && at + 4 < count; ++at)
        if (words[at] == 0xFEEF04BD)
            return std::to_string(HIWORD(words[at + 2])) + "." + std::to_string(LOWORD(words[at + 2])) + "." +
                   std::to_string(HIWORD(words[at + 3]));
    return "unknown";
}

std::vector<std::string> SettableKeys()
{
    std::vector<std::string> keys;
    for (auto key : {GeneralPageKey, GamePageKey, AircraftPageKey})
        for (int index = 0; key(index); ++index)
            keys.push_back(key(index));
    return keys;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

struct KeyValue {
    std::string key, value;
};
// The values of --set, laid over the file each time it is read.
std::vector<KeyValue> StartUpValues;

void WriteStartUpValues()
{
    for (const KeyValue& each : StartUpValues)
        WriteProfileText(QV3ServerSection, each.key.c_str(), each.value.c_str());
}

// The values of --set under the pages' own spelling of each key (the file's names match without regard to
// case); "" when every key is the pages', else the refusal.
std::string SetValues(const CheckOptions& options, std::vector<KeyValue>& values)
{
    const std::vector<std::string> keys = SettableKeys();
    for (const auto& [key, value] : options.sets) {
        const std::string* owned = nullptr;
        for (const std::string& each : keys)
            if (UpperCaseAscii(each) == UpperCaseAscii(key))
                owned = &each;
        if (!owned) {
            std::string listed = Joined(keys);
            listed.pop_back();   // Refuse ends the line
            return "--set " + key + ": no page of the editor owns that key. The keys that may be set:\n" + listed;
        }
        values.push_back({*owned, value});
    }
    return "";
}

// The list box's entries replaced by `entries`, as the page's Add and Remove buttons would leave it.
void ReplaceListEntries(int listId, const std::vector<std::string>& entries)
{
    HWND list = PageItem(ServerPageIndex, listId);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

// Each entry as the Add Server dialog makes it from its type and address; "" or the refusal.
std::string ServerEntries(const std::vector<std::string>& given, std::vector<std::string>& entries)
{
    for (const std::string& text : given) {
        const std::string prefix = UpperCaseAscii(text.substr(0, 4));
        if (prefix != TcpPrefix && prefix != UdpPrefix)
            return "--servers " + text + ": a server entry is TCP: or UDP: and an address";
        if (text.size() == 4)
            return "--servers " + text + ": the address is missing";
        entries.push_back(FormServerEntry(prefix == TcpPrefix, text.substr(4)));
        if (entries.back() != prefix + text.substr(4))
            Say("--servers: " + text + " is cut to " + std::to_string(ListEntryLimit) +
                " characters, as the Add Server dialog cuts it: " + entries.back());
    }
    return "";
}

std::vector<std::string> CookieEntries(const std::vector<std::string>& given)
{
    std::vector<std::string> entries;
    for (const std::string& text : given) {
        entries.push_back(FormCookie(text));
        if (entries.back() != text)
            Say("--cookies: " + text + " is cut to " + std::to_string(ListEntryLimit) +
                " characters, as the Add Cookie dialog cuts it: " + entries.back());
    }
    return entries;
}

// The target list as Target Management's Done writes it: each entry added by the dialog's own Add Target,
// into its own (sorted) list, once checked as Add Target checks it, so that none of its messages is needed.
// "" or the refusal.
std::string TargetLines(const std::vector<std::string>& given, std::vector<std::string>& lines)
{
    HWND gamePage = PageTable[GamePageIndex];
    if (!IsWindowEnabled(PageItem(GamePageIndex, IDC_GAME_TARGETS)))
        return "--targets: Target Management is open only for the game type Team Melee with targets chosen by "
               "hand (gameType=TEAM_MELEE, manuallyChooseTargets=1)";
    const std::string map = WholeText(PageItem(GeneralPageIndex, IDC_GENERAL_MAP));
    HWND dialog = CreateDialogParamA(AppInstance, MAKEINTRESOURCEA(IDD_TARGET_MANAGEMENT), gamePage,
                                     TargetDialogProc, 0);
    if (!dialog)
        return "--targets: cannot create Target Management";
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    std::string refusal;
    for (const std::string& text : given) {
        const bool byId = text.find_first_not_of("0123456789") == std::string::npos;
        const int id = byId ? ParseDecimal(text) : FindTargetId(map.c_str(), text.c_str());
        const char* name = nullptr;
        const LookupResult found = LookupTarget(map.c_str(), id, &name);
        if (found == LookupResult::NoSuchMap)
            refusal = "--targets: the map " + (map.empty() ? std::string("(none chosen)") : map) +
                      " has no targets to choose from";
        else if (found == LookupResult::OutOfRange)
            refusal = "--targets " + text + ": " +
                      (byId ? "not a valid ID for the " + map + " map" : "the " + map + " map has no such target");
        else if (SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name)) !=
                 LB_ERR)
            refusal = "--targets " + text + ": the list holds " + name + " already (a name is listed once, in any case)";
        if (!refusal.empty())
            break;
        SetDlgItemTextA(dialog, IDC_TARGET_ID, std::to_string(id).c_str());
        AddTarget(dialog);
    }
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int index = 0; index < count; ++index)
        lines.push_back(ListLine(list, index));
    DestroyWindow(dialog);
    return refusal;
}

// Why a build of the document as it stands would be refused by the write path itself (so that the dry run
// answers 2 where a build would fail); "" when it would be written.
std::string WriteRefusal()
{
    const std::string why = ReplaceRefusal(ProfilePath);
    return why.empty() ? why : "a build would not be written: " + why;
}

int Run(const CheckOptions& options)
{
    if (!options.error.empty()) {
        std::fprintf(stderr, "skyvarn-check: %s\n%s\n", options.error.c_str(), CheckUsage);
        return 2;
    }
    if (options.help || options.version || options.keys) {
        const std::string text = options.help ? std::string(CheckHelp)
                               : options.version ? "skyvarn-check " + ResourceVersion() + "\n"
                                                 : Joined(SettableKeys());
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    const std::string unknownKey = SetValues(options, StartUpValues);
    if (!unknownKey.empty())
        return Refuse(unknownKey);

    // The folder is named as the operator typed it (under Wine, the Linux path).
    const std::string folder = options.folder.empty() ? std::string("the current folder") : options.folder;
    if (!options.folder.empty() && !SetCurrentDirectoryA(options.folder.c_str()))
        return Refuse("cannot open the folder " + folder);
    if (!BuildProfilePath())
        return Refuse("the path of " + folder + " is too long to hold qv3server.ini");
    if (GetFileAttributesA(ProfilePath) == INVALID_FILE_ATTRIBUTES)
        return Refuse("there is no qv3server.ini in " + folder);
    // From the first read to the write, no other of our programs writes the file (nor, for a build, reads it).
    SettingsFileTurn turn(ProfilePath, options.build ? Turn::Writing : Turn::Reading);
    if (!turn.Refusal().empty())
        return Refuse(turn.Refusal() == TurnBusyText ? "another program is writing qv3server.ini; nothing was written"
                                                     : turn.Refusal());
    JournalNote note;
    const std::string unread = OpenSettingsFile(&note);
    if (!unread.empty())
        return Refuse(unread + " Close the program that holds it, then check again.");
    if (note.kind != JournalNote::None)
        Say(JournalNoteText(note));
    if (note.kind == JournalNote::KeptAside || note.kind == JournalNote::WouldBeKeptAside)
        return Refuse(options.build ? "nothing was written; look at the file, then build again"
                                    : "a build would write nothing but that");
    const std::string before = SettingsDocumentText();

    // The editor's start-up, never shown, with the command line's values read as the file's.
    SetStartUpValues(WriteStartUpValues);
    HWND window = CreateHiddenMainWindow(GetModuleHandleA(nullptr), "skyvarn-check");
    if (!window)
        return Refuse("cannot create the editor's window");
    std::string refusal;
    std::vector<std::string> servers;
    if (options.servers)
        refusal = ServerEntries(*options.servers, servers);
    std::vector<std::string> targets;
    if (refusal.empty() && options.targets)
        refusal = TargetLines(*options.targets, targets);
    if (refusal.empty()) {
        if (options.servers)
            ReplaceListEntries(IDC_SERVER_LIST, servers);
        if (options.cookies)
            ReplaceListEntries(IDC_SERVER_COOKIE_LIST, CookieEntries(*options.cookies));
        refusal = StoreAllPages();
        if (!refusal.empty())
            refusal = "a build would be refused: " + refusal;
    }
    if (refusal.empty() && options.targets)
        WriteSectionList("Targets", targets);
    const std::string diff = UnifiedDiff(before, SettingsDocumentText(), "qv3server.ini", "after Build INI File");
    // A build writes even what changes nothing, and fails where the file cannot be written; --build writes
    // only a change.
    if (refusal.empty() && (!options.build || !diff.empty()))
        refusal = options.build ? SaveSettingsFile() : WriteRefusal();
    DestroyWindow(window);
    if (!refusal.empty())
        return Refuse(refusal);

    std::fwrite(diff.data(), 1, diff.size(), stdout);
    // A write that was cut off changes the file too, when a build completes it.
    return diff.empty() && note.kind != JournalNote::Completed && note.kind != JournalNote::Pending ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    // Lines end as written (the diff's as the file's own do) on every platform, so that the output reads
    // the same under Wine and patch finds the file's lines.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return Run(ParseCheckOptions(std::vector<std::string>(argv + 1, argv + argc)));
}
