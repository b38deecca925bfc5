#include "settings/ini_text.h"

namespace {

// One line of the file: text in [begin, end), its line end (if any) in [end, next).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

// The first section with a given name: its header line and where its body stops (the next header or
// the end of the file).
struct Section {
    bool found = false;
    Line header;
    std::size_t bodyEnd = 0;
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view Trim(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

// CR, LF and CRLF each end one line, so files from any platform read the same.
Line LineAt(std::string_view file, std::size_t pos)
{
    Line line;
    line.begin = pos;
    line.end = pos;
    while (line.end < file.size() && file[line.end] != '\r' && file[line.end] != '\n') ++line.end;
    line.next = line.end;
    if (line.next < file.size()) {
        bool crlf = file[line.next] == '\r' && line.next + 1 < file.size() && file[line.next + 1] == '\n';
        line.next += crlf ? 2 : 1;
    }
    return line;
}

std::string_view TextOf(std::string_view file, const Line& line)
{
    return file.substr(line.begin, line.end - line.begin);
}

bool HeaderName(std::string_view text, std::string_view& name)
{
    std::string_view trimmed = Trim(text);
    std::size_t close = trimmed.rfind(']');
    if (trimmed.empty() || trimmed[0] != '[' || close == std::string_view::npos) return false;
    name = Trim(trimmed.substr(1, close - 1));
    return true;
}

std::string_view KeyOf(std::string_view text)
{
    return Trim(text.substr(0, text.find('=')));
}

// Empty when the line has no '=': such a line is a key with an empty value.
std::string_view ValueOf(std::string_view text)
{
    std::size_t equals = text.find('=');
    return equals == std::string_view::npos ? std::string_view() : Trim(text.substr(equals + 1));
}

Section FindSection(std::string_view file, std::string_view name)
{
    Section section;
    for (std::size_t pos = 0; pos < file.size();) {
        Line line = LineAt(file, pos);
        std::string_view header;
        if (HeaderName(TextOf(file, line), header)) {
            if (section.found) {
                section.bodyEnd = line.begin;
                return section;
            }
            if (SameName(header, name)) {
                section.found = true;
                section.header = line;
            }
        }
        pos = line.next;
    }
    section.bodyEnd = file.size();
    return section;
}

// New lines follow the file's own convention; a file without line ends gets the Windows one.
std::string LineEndOf(std::string_view file)
{
    std::size_t pos = file.find_first_of("\r\n");
    if (pos == std::string_view::npos) return "\r\n";
    if (file[pos] == '\n') return "\n";
    return (pos + 1 < file.size() && file[pos + 1] == '\n') ? "\r\n" : "\r";
}

void EndLastLine(std::string& file, const std::string& eol)
{
    if (!file.empty() && file.back() != '\r' && file.back() != '\n') file += eol;
}

// Inserts whole lines behind `line`, giving it a line end first if it is the unterminated last line.
void InsertAfter(std::string& file, const Line& line, const std::string& lines, const std::string& eol)
{
    if (lines.empty()) return;
    if (line.next == line.end)
        file.insert(line.end, eol + lines);
    else
        file.insert(line.next, lines);
}

void AppendSection(std::string& file, std::string_view name, const std::string& lines, const std::string& eol)
{
    EndLastLine(file, eol);
    file += '[';
    file += name;
    file += ']';
    file += eol;
    file += lines;
}

}  // namespace

std::string IniGetString(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::size_t bufferSize)
{
    const std::size_t limit = bufferSize > 0 ? bufferSize - 1 : 0;
    std::string_view result = defaultValue;
    while (!result.empty() && result.back() == ' ') result.remove_suffix(1);

    Section found = FindSection(file, section);
    for (std::size_t pos = found.found ? found.header.next : found.bodyEnd; pos < found.bodyEnd;) {
        Line line = LineAt(file, pos);
        pos = line.next;
        std::string_view text = TextOf(file, line);
        if (Trim(text).empty() || !SameName(KeyOf(text), key)) continue;
        result = ValueOf(text);
        if (result.size() >= 2 && (result[0] == '"' || result[0] == '\'') && result.back() == result[0])
            result = result.substr(1, result.size() - 2);
        break;
    }
    return std::string(result.substr(0, limit));
}

std::string IniGetSection(std::string_view file, std::string_view section)
{
    // Lines come back whole, as they stand: a list kept in a section (servers, cookies, targets) must read
    // back exactly as it was written, blanks, '=' and ';' included. Only blank lines are left out.
    std::string result;
    Section found = FindSection(file, section);
    for (std::size_t pos = found.found ? found.header.next : found.bodyEnd; pos < found.bodyEnd;) {
        Line line = LineAt(file, pos);
        pos = line.next;
        std::string_view text = TextOf(file, line);
        if (Trim(text).empty()) continue;
        result += text;
        result += '\0';
    }
    result += '\0';
    return result;
}

void IniSetString(std::string& file, std::string_view section, std::string_view key, std::string_view value)
{
    const std::string eol = LineEndOf(file);
    std::string line(key);
    line += '=';
    line += value;

    Section found = FindSection(file, section);
    if (!found.found) {
        AppendSection(file, section, line + eol, eol);
        return;
    }
    Line last = found.header;
    for (std::size_t pos = found.header.next; pos < found.bodyEnd;) {
        Line current = LineAt(file, pos);
        pos = current.next;
        std::string_view text = TextOf(file, current);
        if (Trim(text).empty()) continue;
        if (SameName(KeyOf(text), key)) {
            file.replace(current.begin, current.end - current.begin, line);
            return;
        }
        last = current;
    }
    // Behind the last non-blank line, so blank lines that set the section apart stay where they are.
    InsertAfter(file, last, line + eol, eol);
}

void IniSetSection(std::string& file, std::string_view section, const std::vector<std::string>& lines)
{
    const std::string eol = LineEndOf(file);
    std::string body;
    for (const std::string& line : lines) body += line + eol;

    Section found = FindSection(file, section);
    if (!found.found) {
        AppendSection(file, section, body, eol);
        return;
    }
    bool hasContent = false;
    Line last = found.header;
    for (std::size_t pos = found.header.next; pos < found.bodyEnd;) {
        Line current = LineAt(file, pos);
        pos = current.next;
        if (Trim(TextOf(file, current)).empty()) continue;
        hasContent = true;
        last = current;
    }
    if (hasContent)
        file.replace(found.header.next, last.next - found.header.next, body);
    else
        InsertAfter(file, found.header, body, eol);
}
