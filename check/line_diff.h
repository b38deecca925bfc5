#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The lines that differ between two texts, as a unified diff ("--- before", "+++ after", "@@ -a,b +c,d @@"
// hunks with `context` unchanged lines around each change) that patch applies to `before`. A line ends at
// its LF, as patch reads it, and is shown with its own end (a CRLF stays CRLF, a lone CR stays inside its
// line); a last line without one is marked "\ No newline at end of file", as diff does. The diff's own
// lines end in LF. Empty when the texts are the same.
std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view beforeName,
                        std::string_view afterName, std::size_t context = 3);
