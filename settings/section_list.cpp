#include "settings/section_list.h"

#include <cstring>

int NextSectionEntry(SectionBuffer& buffer, std::string& entry)
{
    const std::string& text = buffer.text;
    std::size_t pos = buffer.position;
    // Two NULs in a row end the section text; a lone NUL before more text is an empty string.
    if (pos >= text.size()) return 0;
    if (text[pos] == '\0' && (pos + 1 >= text.size() || text[pos + 1] == '\0')) return 0;

    std::string taken;
    while (pos < text.size() && text[pos] != '\0') {
        if (text[pos] == '/') {
            pos = text.find('\0', pos);
            if (pos == std::string::npos) pos = text.size();
            break;
        }
        if (text[pos] != '\t') taken += text[pos];
        ++pos;
    }
    if (pos < text.size()) ++pos;  // the NUL that ends this string
    buffer.position = pos;
    entry = taken;
    return 1;
}

void RemovePrefix(std::string& text, std::size_t count)
{
    text.erase(0, count < text.size() ? count : text.size());
}

// One pass from the start gives what searching again from the start would, without the risk of looping
// when the replacement is itself in the set.
void ReplaceChars(char* text, const char* set, const char* replacement)
{
    for (char* p = text; *p != '\0'; ++p) {
        if (std::strchr(set, *p) == nullptr) continue;
        if (replacement[0] == '\0') {
            *p = '\0';
            return;
        }
        *p = replacement[0];
    }
}

void ReplaceChars(std::string& text, std::string_view set, std::string_view replacement)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (set.find(text[i]) == std::string_view::npos) continue;
        if (replacement.empty()) {
            text.resize(i);
            return;
        }
        text[i] = replacement[0];
    }
}
