#pragma once
#include <string>

// The settings file on disk: read whole, and written whole, all or nothing, into the file itself.

// The file's bytes. False when it exists but cannot be read; a missing file reads as empty. A write that
// was cut off (the process killed while it wrote the file) is completed first, from its journal; false
// when that cannot be done, since the file is then neither the old text nor the new one.
bool ReadSettingsFile(const char* path, std::string& bytes);

// Writes `bytes` over the file (creating it if needed), through a symbolic link to the file it names, so
// that the file keeps its owner, permissions, access list, links, attributes and creation time. Either the
// old bytes or the new ones are in the file at every moment that counts: the new ones go whole to a
// journal beside it first. False, with the file as it was, when it cannot be written; see ReplaceRefusal.
bool ReplaceSettingsFile(const char* path, const std::string& bytes);

// Why ReplaceSettingsFile would refuse the file as it stands now, in one sentence; "" when it would write
// (a full disk is found only by writing). Changes nothing.
std::string ReplaceRefusal(const char* path);
