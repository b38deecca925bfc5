#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "settings/profile_store.h"

// A write of the settings file by a window that shows settings read earlier (the main window, Target
// Management), beside other programs that may have changed the file since.

// What a window shows of the file, taken right after it read the file. Where it could not be read the
// window shows defaults, which no write may put over the operator's file; the values are the baseline
// against which what another program changed since is found.
struct ShownSettings {
    Refusal unread;         // why the file could not be read
    SettingValues values;   // what the file held of the window's settings when read, or when last written
};

// Reads the file into the document, for a window that then loads from it, and takes what it shows of
// `owned`; `note` as OpenSettingsFile gives it.
ShownSettings ReadShownSettings(const std::vector<OwnedSetting>& owned, JournalNote* note);

// What a window tells the operator about its writes.
struct WriteWording {
    const char* unread;   // why nothing is written while the window shows settings it could not read
    const char* since;    // in the question: "the editor read the file"
    const char* would;    // in the question: "Build INI File would write the values shown here over"
};

// Writes nothing while `shown` was not read. Otherwise, in this process's writing turn: reads the file
// afresh, runs `store` into it (a refusal is told and nothing written), and writes it. Where another
// program has put a value of `owned` there since `shown` was taken and the write would put another over
// it, first asks the operator (never holding the file while a person decides); answered No, nothing is
// written. Every refusal is told in a box owned by `owner`. True when written; `shown` then holds what was
// written.
// (`store` is a plain function, given `context`: a std::function would bring the exception runtime into
// the program.)
bool WriteSettings(HWND owner, const std::vector<OwnedSetting>& owned, ShownSettings& shown,
                   const WriteWording& wording, Refusal (*store)(const void* context),
                   const void* context = nullptr);
