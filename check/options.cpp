#include "check/options.h"

#include <cstdio>

const char CheckUsage[] =
    "usage: skyvarn-check [--build] [--create] [--json] [--get KEY]... [--set KEY=VALUE]... [--servers LIST]\n"
    "                     [--cookies LIST] [--targets LIST] [DIR]...";

const char CheckHelp[] =
    "usage: skyvarn-check [--build] [--create] [--json] [--get KEY]... [--set KEY=VALUE]... [--servers LIST]\n"
    "                     [--cookies LIST] [--targets LIST] [DIR]...\n"
    "       skyvarn-check --keys [--json] | --help | --version\n"
    "\n"
    "Shows, as a unified diff, what \"Build INI File\" would change in each DIR's qv3server.ini (DIR: the\n"
    "current folder when none is given), applying the editor's own rules. Nothing is written without --build.\n"
    "\n"
    "  --build            write what Build INI File would write, then show the diff of what was written\n"
    "  --create           a DIR without qv3server.ini gets a new one, as a first Build INI File writes it\n"
    "  --set KEY=VALUE    as if [QV3Server] held KEY=VALUE when the editor started; the value must be one the\n"
    "                     editor's page could take as given (--keys says what each key takes)\n"
    "  --servers LIST     the whole server list, entries TCP:address or UDP:address (at most 79 characters)\n"
    "  --cookies LIST     the whole cookie list (each at most 79 characters)\n"
    "  --targets LIST     the whole target list, by ID or name of the chosen map's targets, written as\n"
    "                     Target Management's Done writes it (Team Melee with targets chosen by hand)\n"
    "  --get KEY          print KEY=VALUE as the editor shows it once loaded (with the options above laid\n"
    "                     over the file), writing nothing; --get all: every key and the three lists\n"
    "  --json             answer with one JSON document (UTF-8): a list of one object per DIR\n"
    "  --keys             the keys --set may set, one a line, with what each takes\n"
    "  --help, --version  this text; the program's version\n"
    "\n"
    "A LIST's entries are separated by commas, e.g. --servers TCP:a.example:7000,UDP:b.example; \"\" empties\n"
    "the list; @FILE reads the list from FILE, one entry a line. Exit status, the worst of the DIRs':\n"
    "0 nothing to change (nothing written), 1 changed (and written with --build), 2 nothing written, with\n"
    "the reason on standard error.\n";

namespace {

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Adds the entries of one list text to `list`; refused when an entry between two commas is empty.
Refusal AddEntries(const std::string& text, std::optional<std::vector<std::string>>& list)
{
    if (!list)
        list.emplace();
    if (Trimmed(text).empty())
        return Refusal();
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        const std::string entry = Trimmed(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (entry.empty())
            return "an entry between two commas is empty";
        list->push_back(entry);
        if (comma == std::string::npos)
            return Refusal();
        start = comma + 1;
    }
}

// A list given as @FILE: one entry a line, as it stands (commas included), blanks around it dropped and
// blank lines skipped. So a list of any length, of any entries, needs no long command line. Refused when
// the file cannot be read.
Refusal AddEntriesFromFile(const std::string& path, std::optional<std::vector<std::string>>& list)
{
    // C's files: the C++ library's streams would bring its exception machinery into the program.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return "cannot read the list file " + path;
    std::string text;
    char block[4096];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;)
        text.append(block, got);
    std::fclose(file);
    if (!list)
        list.emplace();
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        line = Trimmed(line);
        if (!line.empty())
            list->push_back(line);
    }
    return Refusal();
}

}  // namespace

CheckOptions ParseCheckOptions(const std::vector<std::string>& arguments)
{
    CheckOptions options;
    bool optionsEnded = false;
    for (std::size_t index = 0; index < arguments.size() && !options.error; ++index) {
        const std::string& argument = arguments[index];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            options.folders.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        bool* flag = name == "--build" ? &options.build : name == "--help" || name == "-h" ? &options.help
                   : name == "--version" ? &options.version : name == "--keys" ? &options.keys
                   : name == "--create" ? &options.create : name == "--json" ? &options.json : nullptr;
        if (flag) {
            if (equals != std::string::npos)
                options.error = name + " takes no value";
            *flag = true;
            continue;
        }
        std::optional<std::vector<std::string>>* list = name == "--servers" ? &options.servers
                                                       : name == "--cookies" ? &options.cookies
                                                       : name == "--targets" ? &options.targets : nullptr;
        if (!list && name != "--set" && name != "--get") {
            options.error = "unknown option " + name;
            break;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (index + 1 < arguments.size()) {
            value = arguments[++index];
        } else {
            options.error = name + " needs a value";
            break;
        }
        if (name == "--get") {
            options.gets.push_back(Trimmed(value));
            continue;
        }
        if (list) {
            const bool fromFile = value.size() > 1 && value[0] == '@';
            if (Refusal refused = fromFile ? AddEntriesFromFile(value.substr(1), *list) : AddEntries(value, *list))
                options.error = name + " " + value + ": " + refused.Reason();
            continue;
        }
        const std::size_t separator = value.find('=');
        if (separator == std::string::npos || Trimmed(value.substr(0, separator)).empty())
            options.error = "--set " + value + ": give KEY=VALUE";
        else if (value.find_first_of("\r\n") != std::string::npos)
            options.error = "--set " + Trimmed(value.substr(0, separator)) + ": a value cannot hold a line break";
        else
            options.sets.emplace_back(Trimmed(value.substr(0, separator)), value.substr(separator + 1));
    }
    return options;
}

