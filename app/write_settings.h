#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "settings/profile_store.h"

// A write of the settings file by a window that shows settings read earlier (the main window, Target
// Management), beside other programs that may have changed the file since.

// How the question before writing over another program's values is put.
struct OverwriteQuestion {
    const char* since;   // "the editor read the file"
    const char* would;   // "Build INI File would write the values shown here over"
};

// In this process's writing turn: reads the file afresh, runs `store` into it (a refusal is told and
// nothing written), and writes it. Where another program has put a value of `owned` there since
// `baseline` and the write would put another over it, first asks the operator (never holding the file
// while a person decides); answered No, nothing is written. Every failure is told in a box owned by
// `owner`. True when written; `baseline` then holds what was written.
// (`store` is a plain function, given `context`: a std::function would bring the exception runtime into
// the program.)
bool WriteSettings(HWND owner, const std::vector<OwnedSetting>& owned, SettingValues& baseline,
                   const OverwriteQuestion& question, Refusal (*store)(const void* context),
                   const void* context = nullptr);

// The names of the settings of `owned` another program changed since `baseline` (to a value, not away)
// that `after` changes again: a key by its name, a section as [Name].
std::vector<std::string> OverwrittenSettings(const std::vector<OwnedSetting>& owned, const SettingValues& baseline,
                                             const SettingValues& now, const SettingValues& after);
