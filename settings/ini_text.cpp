#include "settings/ini_text.h"

namespace {

// One line of the file: text in [begin, end), its line end (if any) in [end, next).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

// What a line means to the profile functions.
struct Entry {
    enum Kind { Blank, Header, Key } kind = Blank;
    std::string_view name;    // the section's name, or the key's
    std::string_view value;   // the key's value
    bool hasValue = false;    // the key's line holds "="
    bool unnamed = false;     // nothing at all before the "=", not even a NUL byte
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

// The platform reads names and values as C strings: they end at their first NUL.
std::string_view UpToNul(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

// A line break inside a value would end its line early and begin a line of its own.
std::string WithoutLineBreaks(std::string_view text)
{
    std::string kept(text);
    for (char& c : kept)
        if (c == '\r' || c == '\n') c = ' ';
    return kept;
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
    // A plain pointer walk: this loop reads every byte of the file.
    const char* const start = file.data();
    const char* at = start + pos;
    const char* const stop = start + file.size();
    while (at < stop && *at != '\r' && *at != '\n') ++at;
    line.end = static_cast<std::size_t>(at - start);
    line.next = line.end;
    if (line.next < file.size()) {
        bool crlf = file[line.next] == '\r' && line.next + 1 < file.size() && file[line.next + 1] == '\n';
        line.next += crlf ? 2 : 1;
    }
    return line;
}

Entry Parse(std::string_view file, const Line& line)
{
    Entry entry;
    std::string_view text = Trim(file.substr(line.begin, line.end - line.begin));
    if (text.empty()) return entry;
    std::size_t close = text.rfind(']');
    if (text[0] == '[' && close != std::string_view::npos && close > 0) {
        entry.kind = Entry::Header;
        entry.name = UpToNul(Trim(text.substr(1, close - 1)));
        return entry;
    }
    std::size_t equals = text.find('=');
    entry.kind = Entry::Key;
    entry.unnamed = Trim(text.substr(0, equals)).empty();
    entry.name = UpToNul(Trim(text.substr(0, equals)));
    entry.hasValue = equals != std::string_view::npos;
    if (entry.hasValue) entry.value = UpToNul(Trim(text.substr(equals + 1)));
    return entry;
}

// The name "" also stands for the lines before the first header, and they come first.
Section FindSection(std::string_view file, std::string_view name)
{
    Section section;
    section.found = name.empty();
    for (std::size_t pos = 0; pos < file.size();) {
        Line line = LineAt(file, pos);
        std::size_t first = pos;
        while (first < line.end && IsBlank(file[first])) ++first;
        Entry entry;
        if (first < line.end && file[first] == '[') entry = Parse(file, line);   // only these can be headers
        if (entry.kind == Entry::Header) {
            if (section.found) {
                section.bodyEnd = line.begin;
                return section;
            }
            if (SameName(entry.name, name)) {
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

// Whether a CR that ends the text before `at` would join a LF that begins the text from `at` into one line
// end, taking a blank line away (and, at the file's first line end, changing the file's convention).
bool Joins(std::string_view before, std::string_view after)
{
    return !before.empty() && before.back() == '\r' && !after.empty() && after.front() == '\n';
}

// Whole lines (each ended by `eol`, none holding a CR or LF of its own) as they are written in front of
// `after`: where a lone CR would join the LF that follows, each ends in CR LF instead (as each of them
// would, written one by one).
std::string EndedBefore(std::string lines, std::string_view after, const std::string& eol)
{
    if (!Joins(eol, after)) return lines;
    std::string ended;
    for (char c : lines) {
        ended += c;
        if (c == '\r') ended += '\n';
    }
    return ended;
}

// Inserts whole lines behind `line`, giving it a line end first if it is the unterminated last line.
void InsertAfter(std::string& file, const Line& line, const std::string& lines, const std::string& eol)
{
    if (lines.empty()) return;
    if (line.begin == line.end)   // the start of the file, where the lines before the first header begin
        file.insert(0, EndedBefore(lines, file, eol));
    else if (line.next == line.end)
        file.insert(line.end, eol + lines);
    else
        file.insert(line.next, EndedBefore(lines, std::string_view(file).substr(line.next), eol));
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

// The first line of `key` in the first section named `section`.
bool FindKey(std::string_view file, std::string_view section, std::string_view key, Entry& found)
{
    Section within = FindSection(file, section);
    for (std::size_t pos = within.found ? within.header.next : within.bodyEnd; pos < within.bodyEnd;) {
        Line line = LineAt(file, pos);
        pos = line.next;
        found = Parse(file, line);
        if (found.kind == Entry::Key && SameName(found.name, key)) return true;
    }
    return false;
}

}  // namespace

std::string IniGetString(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::size_t bufferSize)
{
    const std::size_t limit = bufferSize > 0 ? bufferSize - 1 : 0;
    std::string_view result = defaultValue;
    while (!result.empty() && result.back() == ' ') result.remove_suffix(1);

    Entry entry;
    // A line that names the key without "=" holds no value: the key reads as missing.
    if (FindKey(file, section, key, entry)) {
        if (entry.hasValue) result = entry.value;
        if (result.size() >= 2 && (result[0] == '"' || result[0] == '\'') && result.back() == result[0])
            result = result.substr(1, result.size() - 2);
    }
    return std::string(result.substr(0, limit));
}

std::string IniGetSection(std::string_view file, std::string_view section)
{
    std::string result;
    Section found = FindSection(file, section);
    bool previousUnnamed = false;
    for (std::size_t pos = found.found ? found.header.next : found.bodyEnd; pos < found.bodyEnd;) {
        Line line = LineAt(file, pos);
        pos = line.next;
        Entry entry = Parse(file, line);
        if (entry.kind != Entry::Key) continue;
        // The platform drops a line with nothing before its "=" that follows an entry whose name reads
        // as empty.
        if (entry.unnamed && previousUnnamed) continue;
        previousUnnamed = entry.name.empty();
        // A line that reads as nothing (NUL bytes alone, say) is no entry.
        if (entry.name.empty() && !entry.hasValue) continue;
        result += entry.name;
        if (entry.hasValue) {
            result += '=';
            result += entry.value;
        }
        result += '\0';
    }
    result += '\0';
    return result;
}

namespace {

// A value as its line holds it: a line break would end the line early, and the blanks around it, which a
// read drops, would make the next write of what was read differ from this one.
std::string Written(std::string_view value)
{
    return std::string(Trim(WithoutLineBreaks(value)));
}

// Whether the key's line, parsed as `entry`, already says what `value` would store.
bool KeepsValue(const Entry& entry, std::string_view value, IniSameValue same)
{
    return same && entry.hasValue && same(entry.value, value);
}

void SetString(std::string& file, std::string_view section, std::string_view key, std::string_view value,
               const std::string& eol, IniSameValue same)
{
    const std::string written = Written(value);
    Section found = FindSection(file, section);
    if (!found.found) {
        AppendSection(file, section, std::string(key) + '=' + written + eol, eol);
        return;
    }
    Line last = found.header;
    for (std::size_t pos = found.header.next; pos < found.bodyEnd;) {
        Line current = LineAt(file, pos);
        pos = current.next;
        Entry entry = Parse(file, current);
        if (entry.kind == Entry::Blank) continue;
        if (SameName(entry.name, key)) {
            if (!KeepsValue(entry, written, same))
                file.replace(current.begin, current.end - current.begin, std::string(entry.name) + '=' + written);
            return;
        }
        last = current;
    }
    // Behind the last non-blank line, so blank lines that set the section apart stay where they are.
    InsertAfter(file, last, std::string(key) + '=' + written + eol, eol);
}

void SetSection(std::string& file, std::string_view section, const std::vector<std::string>& lines,
                const std::string& eol)
{
    std::string body;
    bool previousUnnamed = false;
    for (const std::string& line : lines) {
        const std::string unbroken = WithoutLineBreaks(line);
        const std::string_view trimmed = Trim(unbroken);
        if (trimmed.empty()) continue;
        // A read drops a line with nothing before its "=" behind another such line: it is not written.
        const bool unnamed = Trim(trimmed.substr(0, trimmed.find('='))).empty();
        if (unnamed && previousUnnamed) continue;
        previousUnnamed = unnamed;
        body += trimmed;
        body += eol;
    }

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
        if (Parse(file, current).kind == Entry::Blank) continue;
        hasContent = true;
        last = current;
    }
    if (!hasContent) {
        InsertAfter(file, found.header, body, eol);
        return;
    }
    const std::string_view after = std::string_view(file).substr(last.next);
    body = EndedBefore(std::move(body), after, eol);
    // With nothing left between them, the header's lone CR would join a LF behind the old lines.
    if (body.empty() && Joins(std::string_view(file).substr(0, found.header.next), after)) body = eol;
    file.replace(found.header.next, last.next - found.header.next, body);
}

void Apply(std::string& file, const IniEdit& edit, const std::string& eol, IniSameValue same)
{
    if (edit.wholeSection)
        SetSection(file, edit.section, edit.lines, eol);
    else
        SetString(file, edit.section, edit.key, edit.value, eol, same);
}

// Key writes to one section, all in one pass over its lines, giving the bytes that SetString one by one
// gives: each key's first line is found among the section's lines, read once, and the keys not there
// follow its last non-blank line in the order written. False, with nothing changed, when a key would not
// read back as itself from its new line; those are left to the writes one by one.
bool SetStrings(std::string& text, std::string_view section, const IniEdit* first, const IniEdit* last,
                const std::string& eol, IniSameValue same)
{
    struct Slot {
        std::string_view name;   // as the file spells it, for a line that stands there
        Line line;               // where it stands; empty for a new line
        std::string text;        // its new text, if written (never empty: it holds "=")
    };
    std::vector<Slot> slots;   // the body's non-blank lines, then the new ones
    Section found = FindSection(text, section);
    for (std::size_t pos = found.header.next; pos < found.bodyEnd;) {
        Line current = LineAt(text, pos);
        pos = current.next;
        Entry entry = Parse(text, current);
        if (entry.kind != Entry::Blank) slots.insert(slots.end(), {entry.name, current, std::string()});
    }
    const Line behind = slots.empty() ? found.header : (slots.end() - 1)->line;
    const std::size_t kept = slots.size();
    for (const IniEdit* edit = first; edit != last; ++edit) {
        if (!SameName(edit->section, section)) continue;
        const std::string written = Written(edit->value);
        auto slot = slots.begin();
        while (slot != slots.end() && !SameName(slot->name, edit->key)) ++slot;
        std::string line = std::string(slot == slots.end() ? std::string_view(edit->key) : slot->name) + '=' + written;
        Entry parsed = Parse(line, Line{0, line.size(), line.size()});
        if (parsed.kind != Entry::Key || !SameName(parsed.name, edit->key)) return false;
        if (slot == slots.end()) {
            slots.insert(slots.end(), {edit->key, Line{}, std::move(line)});
            continue;
        }
        // The value it holds now: as written earlier in this pass, or as the file has it.
        const Entry current = slot->text.empty() ? Parse(text, slot->line)
                                                 : Parse(slot->text, Line{0, slot->text.size(), slot->text.size()});
        if (!KeepsValue(current, written, same)) slot->text = std::move(line);
    }
    const bool unterminated = behind.next == behind.end;
    const std::size_t insertAt = unterminated ? behind.end : behind.next;
    std::string result;
    std::size_t copied = 0;
    for (auto slot = slots.begin(); slot != slots.begin() + static_cast<std::ptrdiff_t>(kept); ++slot) {
        if (slot->text.empty()) continue;
        result.append(text, copied, slot->line.begin - copied);
        result += slot->text;
        copied = slot->line.end;
    }
    result.append(text, copied, insertAt - copied);
    std::string added;
    for (auto slot = slots.begin() + static_cast<std::ptrdiff_t>(kept); slot != slots.end(); ++slot)
        added += slot->text + eol;
    if (!added.empty() && unterminated) result += eol;
    result += EndedBefore(std::move(added), std::string_view(text).substr(insertAt), eol);
    result.append(text, insertAt, std::string::npos);
    text = std::move(result);
    return true;
}

// The edits of one section in order: runs of key writes to a section that exists are made together.
void ApplyToSection(std::string& text, std::string_view section, const std::vector<IniEdit>& edits,
                    const std::string& eol, IniSameValue same)
{
    const IniEdit* const end = edits.data() + edits.size();
    for (const IniEdit* edit = edits.data(); edit != end;) {
        if (!SameName(edit->section, section)) {
            ++edit;
        } else if (edit->wholeSection || !FindSection(text, section).found) {
            Apply(text, *edit++, eol, same);
        } else {
            const IniEdit* run = edit;
            while (run != end && !(run->wholeSection && SameName(run->section, section))) ++run;
            if (!SetStrings(text, section, edit, run, eol, same))
                for (; edit != run; ++edit)
                    if (SameName(edit->section, section)) Apply(text, *edit, eol, same);
            edit = run;
        }
    }
}

}  // namespace

void IniSetString(std::string& file, std::string_view section, std::string_view key, std::string_view value,
                  IniSameValue same)
{
    SetString(file, section, key, value, LineEndOf(file), same);
}

void IniSetSection(std::string& file, std::string_view section, const std::vector<std::string>& lines)
{
    SetSection(file, section, lines, LineEndOf(file));
}

IniSpan IniFindSection(std::string_view file, std::string_view name)
{
    Section found = FindSection(file, name);
    if (!found.found) return {file.size(), file.size(), false};
    return {name.empty() ? 0 : found.header.begin, found.bodyEnd, true};
}

void IniApply(std::string& file, const std::vector<IniEdit>& edits, IniSameValue same)
{
    const std::string eol = LineEndOf(file);
    // Each edit changes only its own section, so the edits of one section can be made on that section's
    // text alone, and new sections follow one another at the end in the order they were first written.
    // Names that would not read back as themselves from a new header (and the lines before the first
    // header) are left to the edits one by one.
    for (const IniEdit& edit : edits) {
        std::string header = "[" + edit.section + "]";
        Line line{0, header.size(), header.size()};
        Entry parsed = Parse(header, line);
        if (edit.section.empty() || parsed.kind != Entry::Header || parsed.name != edit.section) {
            for (const IniEdit& each : edits) Apply(file, each, LineEndOf(file), same);
            return;
        }
    }
    // The sections edited, in the order of their first edit, each with where it stands and its new text.
    struct Edited {
        std::string name;
        IniSpan span;
        std::string text;
    };
    std::vector<Edited> sections;
    for (const IniEdit& edit : edits) {
        bool listed = false;
        for (const Edited& section : sections) listed = listed || SameName(section.name, edit.section);
        if (!listed) sections.push_back({edit.section, IniFindSection(file, edit.section), std::string()});
    }
    for (Edited& section : sections) {
        if (section.span.found) section.text = file.substr(section.span.begin, section.span.end - section.span.begin);
        ApplyToSection(section.text, section.name, edits, eol, same);
    }
    // The sections found are replaced in the file itself, the last first, so that the places of the others
    // stay as found; a big file is then neither copied nor moved more than its changed tail.
    std::vector<const Edited*> inFile;
    for (const Edited& section : sections) {
        if (!section.span.found) continue;
        auto at = inFile.begin();
        while (at != inFile.end() && (*at)->span.begin > section.span.begin) ++at;
        inFile.insert(at, &section);
    }
    for (const Edited* section : inFile)
        file.replace(section->span.begin, section->span.end - section->span.begin, section->text);
    for (const Edited& section : sections) {
        if (section.span.found) continue;
        EndLastLine(file, eol);
        file += section.text;
    }
}
