#pragma once
#include <string>

#include "settings/refusal.h"

// The settings file on disk: read whole, and written whole, all or nothing, into the file itself. Our
// programs (the editor and its command-line twin, any number of them) take turns on it.

enum class Turn { Reading, Writing };

// This process's turn on the settings file, from construction (which waits for it) to destruction: while a
// writing turn is held, no other of our programs reads or writes the file; while a reading one is, none
// writes it. The reads and writes below go through the turn this process holds, or take one for
// themselves. A writing turn on a missing file makes it, empty, and removes it again if nothing was
// written into it. A reading turn on a missing file holds nothing.
class SettingsFileTurn {
public:
    SettingsFileTurn(const char* path, Turn turn);
    ~SettingsFileTurn();
    SettingsFileTurn(const SettingsFileTurn&) = delete;
    SettingsFileTurn& operator=(const SettingsFileTurn&) = delete;

    // None when the turn is held, else why not in one sentence: another program is writing the file (a busy
    // refusal), or this user may not write it (then a reading turn can still be had).
    const ::Refusal& Refusal() const { return refusal_; }
    void End();   // before destruction, e.g. while a person decides

private:
    ::Refusal refusal_;
    bool held_ = false;
};

// What a read found beside the file: the journal of a write that was cut off.
struct JournalNote {
    enum Kind {
        None,
        Completed,         // the write was completed from it (a writing turn)
        Pending,           // a reading turn: the bytes read are what completing it gives; nothing written
        KeptAside,         // the file no longer fits it: not applied, renamed to `keptAs`
        WouldBeKeptAside,  // a reading turn: so it would be; nothing renamed
    } kind = None;
    std::string keptAs;    // the name it was (or would be) kept under
};

// The file's bytes, a missing file reading as empty; refused when they could not be read. A write that was
// cut off is completed first (only the write it was cut from: when the file is still its old text, its new
// text, or what the write leaves between them), and a journal that the file no longer fits is kept aside
// under another name; in a reading turn nothing is written, and the bytes are what completing gives.
Refusal ReadSettingsFile(const char* path, std::string& bytes, JournalNote& note);

// Writes `bytes` over the file (creating it if needed), through a symbolic link to the file it names, so
// that the file keeps its owner, permissions, access list, links, attributes and creation time. Either the
// old bytes or the new ones are in the file at every moment that counts: the new ones go whole to a
// journal beside it first. Refused with the file as it was.
Refusal ReplaceSettingsFile(const char* path, const std::string& bytes);

// What ReplaceSettingsFile would refuse of the file as it stands now, in one sentence; none when it would
// write (a full disk, and a name beside the file that Wine cannot see, are found only by writing). Changes
// and creates nothing.
Refusal ReplaceRefusal(const char* path);
