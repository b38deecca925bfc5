#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// INI text work on the bytes of a settings file (without any byte-order mark): no code page, no I/O.
// Reads answer as the platform's profile functions do; writes change only the lines they are asked to
// and keep every other byte.
//
// How a line reads: blanks (space, TAB, CR, LF, VT, FF and the DOS end-of-file byte 0x1A) around it are
// ignored. "[name]" opens a section (the name is what stands between the '[' and the last ']', without
// its outer blanks). Any other line is an entry: its name is what stands before the first "=", its value
// what follows it, both without their outer blanks, and each ends at its first NUL byte. Names match
// without regard to ASCII case; the section name "" stands for the lines before the first header. Of two sections or keys with the same name only the first counts.

// Like GetPrivateProfileStringA: the value of `key` in section `section`, without one pair of enclosing
// quotes ("..." or '...'), at most bufferSize - 1 characters of it; `defaultValue` (only its trailing
// spaces trimmed) when the section or key is missing or the key's line has no "=".
std::string IniGetString(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::size_t bufferSize);

// IniGetString of several keys of one section, in the order given, in one walk of the section's lines.
std::vector<std::string> IniGetStrings(std::string_view file, std::string_view section,
                                       const std::vector<std::string>& keys, std::string_view defaultValue,
                                       std::size_t bufferSize);

// Like GetPrivateProfileSectionA, without a size limit: the entries of `section` in file order, each as
// "name=value" (or the name alone for a line without "="), NUL-terminated, then one more NUL. Entries that
// read as nothing (a line of NUL bytes, say) are left out. Lines that begin with ';' are entries like any
// other, as on Windows. A missing or empty section gives a single NUL.
std::string IniGetSection(std::string_view file, std::string_view section);

// Whether a key's stored value (as the file holds it: quotes kept, not cut to any size) already says what a
// write would store, so that the write keeps its line byte for byte. Null: every write rewrites its line.
using IniSameValue = bool (*)(std::string_view stored, std::string_view written);

// Where the section's first occurrence stands: from its header line to the next header ("" stands for
// the lines before the first header). Reads of the section on that text answer as on the whole file.
struct IniSpan {
    std::size_t begin;
    std::size_t end;
    bool found;
};
IniSpan IniFindSection(std::string_view file, std::string_view name);

// One write, of a key or, with wholeSection, of a section's lines.
//
// A key's, like WritePrivateProfileStringA: the line of `key` (the one IniGetString reads) becomes
// name=value in place, the name spelt as the file spells it; a missing key is added after the last non-blank
// line of its section, a missing section at the end of the file (no blank line before it). Each CR or LF
// byte of the value is written as a space, so that no value can break the file's lines, and the blanks
// around it, which a read drops, are left out.
//
// A section's, like WritePrivateProfileSectionA but keeping lines without "=": every non-blank line of the
// section is replaced by `lines`, one line each, in order; blank lines that set the section apart from the
// next stay. CR and LF bytes become spaces, as in a value; each line is written without the blanks around
// it, which a read drops anyway, so that writing what was read gives the same bytes again; lines that hold
// nothing but blanks are left out, and so is a line with nothing before its "=" behind another such line,
// which a read would drop. A missing section is added at the end of the file, also when `lines` is empty.
//
// New lines end as the file's first line does (CR LF in a file without line ends). No written line end
// ever joins a byte behind it: in a file whose lines end in a lone CR, lines written in front of a LF end
// in CR LF, so that the LF stays a blank line of its own.
struct IniEdit {
    std::string section;
    bool wholeSection = false;
    std::string key;
    std::string value;
    std::vector<std::string> lines;
};

// Makes the edits in order, each on the file as the edits before it leave it, and keeps every other byte.
// Each edited section is found once, its key writes are made in one pass over its lines, and the rest of
// the file is copied as it stands; only behind an edit that moves where sections begin (a header among a
// section's new lines, say) are the sections found anew.
void IniApply(std::string& file, const std::vector<IniEdit>& edits, IniSameValue same = nullptr);
