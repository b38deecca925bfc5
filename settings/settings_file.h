#pragma once
#include <string>

// The settings file on disk: read whole, and replaced whole in one step.

// The file's bytes. False when it exists but cannot be read; a missing file reads as empty.
bool ReadSettingsFile(const char* path, std::string& bytes);

// Replaces the file by `bytes`. A file with the read-only attribute is refused. The new bytes go to one
// temporary file beside it (a fixed name, so that one left by a killed process is reused), which then
// takes the file's place in one step, with the file's attributes and, where the platform keeps them, its
// security. Where no temporary file can be made, the replacement is refused, or the new file would be
// readable by everyone while the old one was not, the bytes are written into the file itself. On failure
// the file is left as it was and no temporary file remains.
bool ReplaceSettingsFile(const char* path, const std::string& bytes);
