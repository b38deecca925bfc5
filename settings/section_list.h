#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A section's text as handed over by the profile store: NUL-terminated strings in file order, ended by one
// more NUL. Reading keeps a cursor instead of marking consumed bytes, so any byte, 0xC7 included, survives.
struct SectionBuffer {
    std::string text;
    std::size_t position = 0;
};

// Takes the next entry: TAB characters are dropped wherever they stand, a '/' ends the entry (the rest
// of that string is a comment), blanks are kept. A string that reads as empty is still an entry.
// Returns 1 with the entry in `entry`, or 0 (nothing changed) when there is none: the text is used up or
// two NULs in a row (or the end of `text`) stand at the cursor. After 0, every further call returns 0.
int NextSectionEntry(SectionBuffer& buffer, std::string& entry);

// Removes the first `count` characters of `text` in place; a count at or beyond the length leaves the
// empty text.
void RemovePrefix(std::string& text, std::size_t count);

// Replaces every character of `text` found in `set` by the first character of `replacement`; an empty
// replacement cuts the text at the first character of the set. Never loops forever, whatever it is given
// (a replacement character that is itself in the set simply stays).
void ReplaceChars(char* text, const char* set, const char* replacement);
void ReplaceChars(std::string& text, std::string_view set, std::string_view replacement);
