#include "check/list_options.h"

#include <windows.h>

#include "app/app_state.h"
#include "app/controls.h"
#include "check/hidden_editor.h"
#include "check/target_names.h"
#include "registration/list_entry.h"
#include "resource.h"
#include "settings/value_text.h"
#include "targets/target_rule.h"

Refusal ServerEntries(const std::vector<std::string>& given, std::vector<std::string>& entries)
{
    for (const std::string& text : given) {
        const std::string prefix = UpperCaseAscii(text.substr(0, 4));
        if (prefix != TcpPrefix && prefix != UdpPrefix)
            return "--servers " + text + ": a server entry is TCP: or UDP: and an address";
        if (text.size() == 4)
            return "--servers " + text + ": the address is missing";
        if (text.size() > ListEntryLimit)
            return "--servers " + text + ": the Add Server dialog takes an address of at most " +
                   std::to_string(ServerAddressLimit) + " characters";
        entries.push_back(FormServerEntry(prefix == TcpPrefix, text.substr(4)));
    }
    return Refusal();
}

Refusal CookieEntries(const std::vector<std::string>& given)
{
    for (const std::string& text : given)
        if (text.size() > ListEntryLimit)
            return "--cookies " + text + ": the Add Cookie dialog takes at most " + std::to_string(ListEntryLimit) +
                   " characters";
    return Refusal();
}

Refusal TargetLines(const std::vector<std::string>& given, std::vector<std::string>& lines)
{
    if (!IsWindowEnabled(PageItem(GamePageIndex, IDC_GAME_TARGETS)))
        return "--targets: Target Management is open only for the game type Team Melee with targets chosen by "
               "hand (gameType=TEAM_MELEE, manuallyChooseTargets=1)";
    const std::string map = WholeText(PageItem(GeneralPageIndex, IDC_GENERAL_MAP));
    for (const std::string& text : given) {
        const bool byId = text.find_first_not_of("0123456789") == std::string::npos;
        const std::string id = byId ? text : std::to_string(FindTargetId(map.c_str(), text.c_str()));
        const TargetAddition addition = AddTargetRule(map, id, lines);
        switch (addition.kind) {
        case TargetAddition::NoSuchMap:
            return "--targets: the map " + (map.empty() ? std::string("(none chosen)") : map) +
                   " has no targets to choose from";
        case TargetAddition::OutOfRange:
            return "--targets " + text + ": " +
                   (byId ? "not a valid ID for the " + map + " map" : "the " + map + " map has no such target");
        case TargetAddition::AlreadyListed:
            return "--targets " + text + ": the list holds " + addition.name +
                   " already (a name is listed once, in any case)";
        case TargetAddition::Added:
            lines.push_back(addition.name);
            break;
        }
    }
    lines = SortedAsTheTargetList(lines);
    return Refusal();
}
