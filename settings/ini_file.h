#pragma once
#include <string>

// Whole file into `bytes`; false (and bytes empty) when it cannot be opened or read.
bool ReadWholeFile(const char* path, std::string& bytes);

// Replaces the file's contents with `bytes` so that a failure leaves the old file whole: writes a new file
// beside it (same directory, unique name), flushes it, then renames it over the old one. false on any
// failure, with the temporary file removed and the old file untouched. On Windows, when another program
// holds the file open without allowing it to be replaced but allows writing, the bytes are written in
// place instead.
bool ReplaceWholeFile(const char* path, const std::string& bytes);
