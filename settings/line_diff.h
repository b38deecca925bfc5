#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The lines that differ between two texts, as a unified diff ("--- before", "+++ after", "@@ -a,b +c,d @@"
// hunks with `context` unchanged lines around each change). CR, LF and CRLF each end a line, and a line's
// end is part of it: a last line without one is marked "\ No newline at end of file", as diff does.
// Empty when the texts are the same.
std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view beforeName,
                        std::string_view afterName, std::size_t context = 3);
