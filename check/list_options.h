#pragma once
#include <string>
#include <vector>

#include "settings/refusal.h"

// The lists the command line gives whole, each entry held to what the editor's own dialogs take.

// Each entry as the Add Server dialog makes it: "TCP:" or "UDP:" (in any case) and an address the dialog's
// box takes.
Refusal ServerEntries(const std::vector<std::string>& given, std::vector<std::string>& entries);
// Each cookie as the Add Cookie dialog takes it.
Refusal CookieEntries(const std::vector<std::string>& given);
// The target list as Target Management's Done writes it, for the map the hidden pages show: each entry,
// an ID or a name of that map's targets, added by Add Target's own rule, in the dialog's sorted order.
// Refused where the Targets button is disabled (not Team Melee with targets chosen by hand).
Refusal TargetLines(const std::vector<std::string>& given, std::vector<std::string>& lines);
