#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/refusal.h"

// The command line of skyvarn-check, read without touching any file but the list files it names.

struct CheckOptions {
    std::vector<std::string> folders;   // as typed; none: the working directory
    bool build = false;
    bool create = false;                // a folder without a file gets a new one
    bool json = false;
    bool help = false;
    bool version = false;
    bool keys = false;
    std::vector<std::string> gets;      // --get KEY, in the order given; "all" for every key and list
    std::vector<std::pair<std::string, std::string>> sets;   // --set KEY=VALUE, in the order given
    // A list given replaces the whole list; one not given stays as the file holds it.
    std::optional<std::vector<std::string>> servers, cookies, targets;
    Refusal error;        // why the command line is refused
};

// The arguments after the program's name. Options take their value as the next argument or after "=";
// "--" ends the options; every other argument is a folder. A list's entries are separated by commas,
// blanks around each dropped; an empty list text gives the empty list, and a list option given again adds
// its entries to the list. A list "@FILE" is read from FILE, one entry a line (blank lines skipped).
CheckOptions ParseCheckOptions(const std::vector<std::string>& arguments);

extern const char CheckUsage[];   // the usage line
extern const char CheckHelp[];    // the usage line and what each option does
