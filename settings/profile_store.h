#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "settings/section_list.h"

// The settings file in the working directory, held as one document: read once, answered from memory,
// changed in memory by the writes, and written back whole by SaveSettingsFile. Values reach the pages in
// the ANSI code page, whatever the file's own encoding.

constexpr int ProfilePathSize = 256;
constexpr int ProfileTextSize = 255;   // a text value: at most 254 characters and the NUL
constexpr int ProfileFlagSize = 5;     // a flag value: at most 4 characters and the NUL

extern char ProfilePath[ProfilePathSize];

// Sets ProfilePath from the current directory. 0 when the path does not fit: the caller must then touch
// no file, rather than work on some shortened path.
int BuildProfilePath();

// Reads the file into the document; a missing file is an empty one. 0 when the file exists but cannot be
// read: the reads then give their defaults and SaveSettingsFile refuses, so that a build never replaces
// what it could not see.
int OpenSettingsFile();
// Why a file that exists could not be read, as the editor and its dry run both say it; a literal, so that
// each message that begins with it is one text in the program.
#define UNREADABLE_FILE_REASON \
    "The INI file qv3server.ini exists but could not be read: another program may hold it open."
extern const char UnreadableFileReason[];
// Replaces the file by the document in one step. 1 on success; 0 after telling the operator, in a message
// owned by `owner`, that the file could not be read when last opened or could not be written (the file is
// then as it was); with `tell` false the caller tells it, in WriteErrorText's words.
int SaveSettingsFile(HWND owner, bool tell = true);
extern const char WriteErrorText[];

// Run by every later OpenSettingsFile once the file is read, to lay values over it as if the file held them
// (the command line's, which the pages then load as they load a hand-edited file); null for none.
void SetStartUpValues(void (*writeValues)());

// The document's text as the reads see it (a UTF-16 file's as UTF-8, any byte-order mark left out).
const std::string& SettingsDocumentText();

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
