#pragma once
#include <string>
#include <vector>

#include "settings/section_list.h"

// Access to the settings file in the working directory: single keys with their defaults and the write
// error message, and whole sections through the section list codec.

constexpr int ProfilePathSize = 256;
constexpr int ProfileTextSize = 255;   // a text value: at most 254 characters and the NUL
constexpr int ProfileFlagSize = 5;     // a flag value: at most 4 characters and the NUL

extern char ProfilePath[ProfilePathSize];

// Sets ProfilePath from the current directory. 0 when the path does not fit: the caller must then touch
// no file, rather than work on some shortened path.
int BuildProfilePath();

// The key's value, or the one-character text "\n" when the key, section or file is missing.
void ReadProfileText(const char* section, const char* key, char (&destination)[ProfileTextSize]);
// 0 only for a value that is exactly "0"; a missing or empty key is on.
int ReadProfileFlag(const char* section, const char* key);
// 1 on success; 0 after telling the operator the file could not be written.
int WriteProfileText(const char* section, const char* key, const char* value);
int WriteProfileFlag(const char* section, const char* key, int flag);

// The whole section, ready for NextSectionEntry; a missing file or section gives no entries.
void ReadSectionList(const char* section, SectionBuffer& buffer);
// Replaces the whole section by the entries, one line each; empty entries are left out. Silent on failure.
void WriteSectionList(const char* section, const std::vector<std::string>& entries);
