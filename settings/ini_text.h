#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// INI text work on the raw bytes of a settings file: no code page, no I/O. Reads answer like the Windows
// profile functions; writes change only the lines they are asked to and keep every other byte.

// Like GetPrivateProfileStringA on the file's bytes `file`: the value of `key` in the first section named
// `section`, or `defaultValue` (only trailing blanks 0x20 trimmed) when the section or key is missing.
// Result holds at most bufferSize - 1 characters (bufferSize >= 1; 0 is treated as 1 -> empty result).
std::string IniGetString(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::size_t bufferSize);

// Like GetPrivateProfileSectionA, without a size limit: every line of the first section named `section`
// in file order as a NUL-terminated string, then one more NUL. Unlike the platform, lines are handed over
// exactly as they stand (no trimming, comment lines included), so that a list written with IniSetSection
// reads back unchanged; only blank lines are left out. A missing or empty section gives a single NUL.
std::string IniGetSection(std::string_view file, std::string_view section);

// Like WritePrivateProfileStringA: replaces the first occurrence of key in the first section named
// `section` in place (the line becomes key=value), or appends key=value after the last non-blank line of
// that section, or appends a new "[section]" line and key=value at the end of the file (no blank line
// before it). Every other byte of `file` is kept.
void IniSetString(std::string& file, std::string_view section, std::string_view key, std::string_view value);

// Like WritePrivateProfileSectionA but keeping lines without "=": all content lines of the first section
// named `section` are replaced by `lines`, one line each, in order (blank lines that separate the section
// from the next section may stay). A missing section is appended at the end of the file, header included,
// also when `lines` is empty (the section then exists with no lines). Every other byte is kept.
void IniSetSection(std::string& file, std::string_view section, const std::vector<std::string>& lines);
