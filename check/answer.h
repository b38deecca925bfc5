#pragma once
#include <string>
#include <utility>
#include <vector>

#include "settings/refusal.h"

// What the command line answers for one folder, and how the answers are printed: as text (the diff on
// standard output, everything else on standard error) or as one JSON document.

// A setting the run changed: a key's value, or (list) a section's lines. `before` and `after` as the
// profile store reads them (a list's lines each ended by NUL); MissingSetting where there is none.
struct Change {
    std::string section;
    std::string key;   // empty for a list
    std::string before, after;
};

// A value as the editor shows it once loaded: a key's, or a list's lines.
struct ShownValue {
    std::string key;
    bool list = false;
    std::vector<std::string> values;
};

struct FolderAnswer {
    std::string folder;                 // as given; "" for the working directory
    int status = 0;                     // 0 nothing to change, 1 changed (written with --build), 2 refused
    bool changed = false, written = false, created = false;
    std::vector<Change> changes;
    std::vector<ShownValue> values;     // with --get
    std::vector<std::string> notices;   // said beside the answer, in the ANSI code page
    std::string diff;                   // in the file's own encoding
    bool utf8 = false;                  // whether the file's text is UTF-8 (a file with a byte-order mark)
    Refusal error;                      // why nothing was written, when refused; ANSI code page
};

// Prints the answers: JSON, or for each folder its diff (or its --get values) and its messages, naming the
// folder where several were given. Returns the worst status.
int PrintAnswers(const std::vector<FolderAnswer>& answers, bool json, bool gets);

// A line of text on standard error, or in JSON {"error": ...}, for what is refused before any folder.
int PrintRefusal(const Refusal& refusal, bool json, const char* usage = nullptr);

// Prints `text` (in the ANSI code page) on standard output; in JSON as the string member `name`.
void PrintText(const std::string& text, bool json, const char* name);

// Prints each key and what it takes, "key: takes" a line; in JSON {"keys": {"key": "takes", ...}}.
void PrintKeys(const std::vector<std::pair<std::string, std::string>>& keys, bool json);
