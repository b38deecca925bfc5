#pragma once
#include <string>

// The settings file on disk: read whole, and replaced whole in one step.

// The file's bytes. False when it exists but cannot be read; a missing file reads as empty.
bool ReadSettingsFile(const char* path, std::string& bytes);

// Replaces the file by `bytes`. A file with the read-only attribute is refused. The new bytes go to one
// temporary file beside it (a fixed name, so that one left by a killed process is reused), which then
// takes the file's place in one rename and with its hidden and system attributes; where no temporary
// file can be made, or the rename is refused while the file can still be written, the bytes are written
// in place. On failure the file is left as it was and no temporary file remains.
bool ReplaceSettingsFile(const char* path, const std::string& bytes);
