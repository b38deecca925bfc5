#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "settings/section_list.h"
#include "settings/settings_file.h"

// The settings file in the working directory, held as one document: read once, answered from memory,
// changed in memory by the writes, and written back whole by SaveSettingsFile. Values reach the pages in
// the ANSI code page, whatever the file's own encoding.

constexpr int ProfilePathSize = 256;
constexpr int ProfileTextSize = 255;   // a text value: at most 254 characters and the NUL

extern char ProfilePath[ProfilePathSize];

// Sets ProfilePath from the current directory. False when the path does not fit: the caller must then
// touch no file, rather than work on some shortened path (and tells that in its own words).
bool BuildProfilePath();

// Reads the file into the document (a missing file is an empty one), in the turn this process holds or
// in one of its own. Refused when it could not be read: the reads then give their defaults, and whoever
// asked must not save, so that a write never replaces what it could not see. `note`, when given, says
// what was found of a write that was cut off.
Refusal OpenSettingsFile(JournalNote* note = nullptr);
// The operator's words for a cut-off write's journal that the file no longer fits (KeptAside or
// WouldBeKeptAside).
std::string KeptAsideText(const JournalNote& note);
// Writes the document into the file, in one step; refused with the file as it was.
Refusal SaveSettingsFile();

// The document's text as the reads see it (a UTF-16 file's as UTF-8, any byte-order mark left out).
const std::string& SettingsDocumentText();
// Whether that text is UTF-8 (the file has a byte-order mark), rather than in the ANSI code page.
bool SettingsDocumentIsUtf8();

// The key's value, or the one-character text "\n" when the key, section or file is missing.
void ReadProfileText(const char* section, const char* key, char (&destination)[ProfileTextSize]);
// 0 only for a value that is exactly "0"; a missing or empty key is on.
int ReadProfileFlag(const char* section, const char* key);
// Change the document; they cannot fail, and return 1.
int WriteProfileText(const char* section, const char* key, const char* value);
int WriteProfileFlag(const char* section, const char* key, int flag);

// The whole section, ready for NextSectionEntry; a missing file or section gives no entries.
void ReadSectionList(const char* section, SectionBuffer& buffer);
// Replaces the whole section by the entries, one line each; entries without anything but blanks are left out.
void WriteSectionList(const char* section, const std::vector<std::string>& entries);

// A setting that a program owns: a key of a section, or (key null) a whole section's lines.
struct OwnedSetting {
    const char* section;
    const char* key;
};
// What the document holds for each setting, in order: the key's value as read, or the section's lines
// (each ended by NUL); MissingSetting for a missing key or section (no value or line holds a line feed).
using SettingValues = std::vector<std::string>;
constexpr char MissingSetting[] = "\n";
SettingValues ReadSettingValues(const std::vector<OwnedSetting>& settings);
