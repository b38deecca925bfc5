#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/main_window.h"
#include "check/answer.h"
#include "check/hidden_editor.h"
#include "check/line_diff.h"
#include "check/list_options.h"
#include "check/options.h"
#include "check/set_values.h"
#include "resource.h"
#include "settings/page_binding.h"
#include "settings/profile_store.h"
#include "settings/settable_keys.h"
#include "settings/section_list.h"
#include "settings/settings_file.h"
#include "settings/value_text.h"

// skyvarn-check: the editor's command-line twin. For each folder it loads the editor's own pages, hidden,
// from the folder's qv3server.ini with the command line's values laid over what the file holds, runs the
// store sequence of "&Build INI File" into memory and says what changed (a unified diff, or JSON); with
// --build it then writes that, as the build does. One process, one hidden window, for every folder.

namespace {

const char TargetsSection[] = "Targets";

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

// Every setting a run may change: the pages' keys, their two lists and the target list.
std::vector<OwnedSetting> Settings()
{
    std::vector<OwnedSetting> owned;
    for (const SettableKey& key : SettableKeys())
        owned.push_back({QV3ServerSection, key.key});
    for (const char* section : {"RegisterWith", "Clients", TargetsSection})
        owned.push_back({section, nullptr});
    return owned;
}

// The command line's values: each under the pages' spelling of its key, held to what the page takes.
struct SetValue {
    const SettableKey* key;
    std::string value;
};

Refusal SetValues(const CheckOptions& options, std::vector<SetValue>& values)
{
    for (const auto& [name, value] : options.sets) {
        const SettableKey* key = FindSettableKey(name);
        if (!key) {
            std::string listed;
            for (const SettableKey& each : SettableKeys())
                listed += std::string(listed.empty() ? "" : "\n") + each.key;
            return "--set " + name + ": no page of the editor owns that key. The keys that may be set:\n" + listed;
        }
        if (Refusal refused = CheckSetValue(*key, value))
            return refused;
        values.push_back({key, value});
    }
    return Refusal();
}

bool SameName(const std::string& a, const std::string& b) { return UpperCaseAscii(a) == UpperCaseAscii(b); }

// The values as the editor shows them once loaded, in the form a build stores them, for --get.
Refusal ShownValues(const CheckOptions& options, std::vector<ShownValue>& shown)
{
    std::vector<std::string> targets;
    SectionBuffer buffer;
    ReadSectionList(TargetsSection, buffer);
    for (std::string entry; NextSectionEntry(buffer, entry);)
        targets.push_back(entry);
    const struct { const char* name; std::vector<std::string> lines; } lists[] = {
        {"servers", ListLines(IDC_SERVER_LIST)}, {"cookies", ListLines(IDC_SERVER_COOKIE_LIST)}, {"targets", targets}};
    for (const std::string& name : options.gets) {
        const bool all = SameName(name, "all");
        const std::size_t found = shown.size();
        for (const SettableKey& key : SettableKeys()) {
            if (!all && !SameName(name, key.key))
                continue;
            char value[ProfileTextSize];
            ReadProfileText(QV3ServerSection, key.key, value);
            shown.push_back({key.key, false, {value[0] == '\n' ? "" : value}});
        }
        for (const auto& list : lists)
            if (all || SameName(name, list.name))
                shown.push_back({list.name, true, list.lines});
        if (shown.size() == found)
            return "--get " + name + ": no page of the editor shows that; --keys lists the keys, and servers, "
                   "cookies and targets are the lists";
    }
    return Refusal();
}

std::vector<Change> Changes(const std::vector<OwnedSetting>& owned, const SettingValues& before,
                            const SettingValues& after)
{
    std::vector<Change> changes;
    for (std::size_t index = 0; index < owned.size(); ++index)
        if (before[index] != after[index])
            changes.push_back({owned[index].section, owned[index].key ? owned[index].key : "", before[index],
                               after[index]});
    return changes;
}

// One folder's run, the file held from its first read to the end of its write.
FolderAnswer RunFolder(const CheckOptions& options, const std::vector<SetValue>& values, const std::string& folder,
                       const std::string& start)
{
    FolderAnswer answer;
    answer.folder = folder;
    const std::string named = folder.empty() ? std::string("the current folder") : folder;
    const auto refuse = [&](const Refusal& refusal) {
        answer.status = 2;
        answer.error = refusal;
        return answer;
    };
    // Each folder as named from where the program started.
    if (!SetCurrentDirectoryA(start.c_str()))
        return refuse("cannot return to the folder the program was started in, from which " + named + " is named");
    if (folder.find_first_of("?*") != std::string::npos)
        return refuse("the folder " + named + " cannot be named in this program's code page (or holds ? or *)");
    if (!folder.empty() && !SetCurrentDirectoryA(folder.c_str()))
        return refuse("cannot open the folder " + named);
    if (!BuildProfilePath())
        return refuse("the path of " + named + " is too long to hold qv3server.ini");
    const bool exists = GetFileAttributesA(ProfilePath) != INVALID_FILE_ATTRIBUTES;
    if (!exists && !options.create)
        return refuse("there is no qv3server.ini in " + named + " (--create makes one)");
    SettingsFileTurn turn(ProfilePath, options.build && options.gets.empty() ? Turn::Writing : Turn::Reading);
    if (turn.Refusal())
        return refuse(turn.Refusal().IsBusy() ? Refusal("another program is writing qv3server.ini; nothing was written")
                                              : turn.Refusal());
    JournalNote note;
    if (Refusal unread = OpenSettingsFile(&note))
        return refuse(unread.Reason() + " Close the program that holds it, then check again.");
    if (note.kind == JournalNote::Completed || note.kind == JournalNote::Pending)
        answer.notices.push_back(std::string("A write of the INI file qv3server.ini was cut off") +
                                 (note.kind == JournalNote::Completed
                                      ? ", and was completed now from its journal qv3server.ini.tmp."
                                      : ": its journal qv3server.ini.tmp completes it at the next build, and what "
                                        "is shown is the file as that leaves it."));
    else if (note.kind != JournalNote::None)
        answer.notices.push_back(KeptAsideText(note));
    if (note.kind == JournalNote::KeptAside || note.kind == JournalNote::WouldBeKeptAside)
        return refuse(options.build ? "nothing was written; look at the file, then build again"
                                    : "a build would write nothing but that");
    const std::vector<OwnedSetting> owned = Settings();
    const std::string before = SettingsDocumentText();
    const SettingValues beforeValues = ReadSettingValues(owned);

    // A new file is first what a first build writes, so that its keys stand in the pages' order.
    if (!exists) {
        LoadHiddenPages();
        StoreAllPages();
    }
    // The editor's start-up on the document with the command line's values laid in, then its build.
    for (const SetValue& each : values)
        WriteProfileText(QV3ServerSection, each.key->key, each.value.c_str());
    LoadHiddenPages();
    std::vector<std::string> servers, targets;
    if (options.servers)
        if (Refusal refused = ServerEntries(*options.servers, servers))
            return refuse(refused);
    if (options.cookies)
        if (Refusal refused = CookieEntries(*options.cookies))
            return refuse(refused);
    if (options.targets)
        if (Refusal refused = TargetLines(*options.targets, targets))
            return refuse(refused);
    if (options.servers)
        ReplaceListLines(IDC_SERVER_LIST, servers);
    if (options.cookies)
        ReplaceListLines(IDC_SERVER_COOKIE_LIST, *options.cookies);
    if (Refusal refused = StoreAllPages())
        return refuse("a build would be refused: " + refused.Reason());
    if (options.targets)
        WriteSectionList(TargetsSection, targets);
    if (!options.gets.empty())
        if (Refusal refused = ShownValues(options, answer.values))
            return refuse(refused);

    answer.utf8 = SettingsDocumentIsUtf8();
    answer.changes = Changes(owned, beforeValues, ReadSettingValues(owned));
    answer.diff = UnifiedDiff(before, SettingsDocumentText(),
                              options.folders.size() > 1 ? named + "/qv3server.ini" : "qv3server.ini",
                              "after Build INI File");
    // A write that was cut off changes the file too, when a build completes it; so does a new file.
    answer.changed = !answer.diff.empty() || !exists || note.kind == JournalNote::Completed ||
                     note.kind == JournalNote::Pending;
    if (!options.gets.empty())
        return answer;
    if (options.build && (!answer.diff.empty() || !exists)) {
        if (Refusal refused = SaveSettingsFile())
            return refuse(refused);
        answer.written = true;
        answer.created = !exists;
    } else if (!options.build) {
        // A build writes even what changes nothing, and fails where the file cannot be written.
        if (Refusal refused = ReplaceRefusal(ProfilePath))
            return refuse("a build would not be written: " + refused.Reason());
    }
    answer.status = answer.changed ? 1 : 0;
    return answer;
}

int Run(const CheckOptions& options)
{
    if (options.error)
        return PrintRefusal(options.error, options.json, options.json ? nullptr : CheckUsage);
    if (options.help || options.version) {
        PrintText(options.help ? std::string(CheckHelp) : "skyvarn-check " + ResourceVersion() + "\n", options.json,
                  options.help ? "help" : "version");
        return 0;
    }
    if (options.build && !options.gets.empty())
        return PrintRefusal("--get reads and writes nothing: give --build without it", options.json);
    HWND window = CreateHiddenMainWindow(GetModuleHandleA(nullptr), "skyvarn-check");
    if (!window)
        return PrintRefusal("cannot create the editor's window", options.json);
    if (options.keys) {
        std::vector<std::pair<std::string, std::string>> keys;
        for (const SettableKey& key : SettableKeys())
            keys.emplace_back(key.key, WhatItTakes(key));
        PrintKeys(keys, options.json);
        DestroyWindow(window);
        return 0;
    }
    std::vector<SetValue> values;
    const Refusal unset = SetValues(options, values);
    std::string start(GetCurrentDirectoryA(0, nullptr), '\0');
    start.resize(GetCurrentDirectoryA(static_cast<DWORD>(start.size()), start.data()));
    std::vector<FolderAnswer> answers;
    for (const std::string& folder : options.folders.empty() ? std::vector<std::string>{""} : options.folders) {
        if (unset) {
            answers.emplace_back();
            answers.back().folder = folder;
            answers.back().status = 2;
            answers.back().error = unset;
        } else {
            answers.push_back(RunFolder(options, values, folder, start));
        }
    }
    DestroyWindow(window);
    return PrintAnswers(answers, options.json, !options.gets.empty());
}

}  // namespace

int main(int argc, char** argv)
{
    // Lines end as written (the diff's as the file's own do) on every platform, so that the output reads
    // the same under Wine and patch finds the file's lines.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    int status = Run(ParseCheckOptions(std::vector<std::string>(argv + 1, argv + argc)));
    if (std::fflush(stdout) != 0)
        status = PrintRefusal("the answer could not be written to standard output", false);
    // The last line, when a caller asks for it: so that a run killed or never started cannot pass for an
    // answer (Wine gives such a run the statuses of real answers).
    if (const char* end = std::getenv("SKYVARN_CHECK_END"); end && *end)
        std::fprintf(stderr, "%s %d\n", end, status);
    return status;
}
