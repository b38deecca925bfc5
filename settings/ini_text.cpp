#include "settings/ini_text.h"

#include <utility>

namespace {

// One line of a text and what it means to the profile functions: its bytes in [begin, end), its line end
// (if any) in [end, next).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    enum Kind { Blank, Header, Key } kind = Blank;
    std::string_view name;    // the section's name, or the key's
    std::string_view value;   // the key's value
    bool hasValue = false;    // the key's line holds "="
    bool unnamed = false;     // nothing at all before the "=", not even a NUL byte
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

// The line that starts at `pos`. CR, LF and CR LF each end one line, so files from any platform read the
// same. With `headersOnly`, a key's line is told from the others but not read further: a search for a
// header spends its time on lines of keys, most of a big file.
Line ReadLine(std::string_view text, std::size_t pos, bool headersOnly = false)
{
    Line line;
    line.begin = pos;
    // A plain pointer walk: this loop reads every byte of the file.
    const char* const start = text.data();
    const char* at = start + pos;
    const char* const stop = start + text.size();
    while (at < stop && *at != '\r' && *at != '\n') ++at;
    line.end = static_cast<std::size_t>(at - start);
    line.next = line.end;
    if (line.next < text.size()) {
        bool crlf = text[line.next] == '\r' && line.next + 1 < text.size() && text[line.next + 1] == '\n';
        line.next += crlf ? 2 : 1;
    }

    const std::string_view content = Trim(text.substr(line.begin, line.end - line.begin));
    if (content.empty()) return line;
    const std::size_t close = content[0] == '[' ? content.rfind(']') : std::string_view::npos;
    if (close != std::string_view::npos) {
        line.kind = Line::Header;
        line.name = UpToNul(Trim(content.substr(1, close - 1)));
        return line;
    }
    line.kind = Line::Key;
    if (headersOnly) return line;
    const std::size_t equals = content.find('=');
    const std::string_view name = Trim(content.substr(0, equals));
    line.unnamed = name.empty();
    line.name = UpToNul(name);
    line.hasValue = equals != std::string_view::npos;
    if (line.hasValue) line.value = UpToNul(Trim(content.substr(equals + 1)));
    return line;
}

// The lines of text[pos, end), one by one.
struct Lines {
    std::string_view text;
    std::size_t pos;
    std::size_t end;
    bool headersOnly = false;

    bool Next(Line& line)
    {
        if (pos >= end) return false;
        line = ReadLine(text, pos, headersOnly);
        pos = line.next;
        return true;
    }
};

// Where the first section with a given name stands: its header from `begin`, its lines from `body` (behind
// the header's line end) to `end` (the next header or the end of the text). The name "" also stands for
// the lines before the first header, and they come first.
struct Section {
    bool found = false;
    std::size_t begin = 0;
    std::size_t body = 0;
    std::size_t end = 0;
};

Section FindSection(std::string_view text, std::string_view name)
{
    Section section;
    section.found = name.empty();
    Lines lines{text, 0, text.size(), true};
    for (Line line; lines.Next(line);) {
        if (line.kind != Line::Header) continue;
        if (section.found) {
            section.end = line.begin;
            return section;
        }
        if (SameName(line.name, name)) section = {true, line.begin, line.next, 0};
    }
    section.end = text.size();
    if (!section.found) section.begin = section.body = section.end;
    return section;
}

}  // namespace

std::vector<std::string> IniGetStrings(std::string_view file, std::string_view section,
                                       const std::vector<std::string>& keys, std::string_view defaultValue,
                                       std::size_t bufferSize)
{
    const std::size_t limit = bufferSize > 0 ? bufferSize - 1 : 0;
    while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
    std::vector<std::string> values(keys.size(), std::string(defaultValue.substr(0, limit)));
    std::string matched(keys.size(), 0);
    std::size_t left = keys.size();

    const Section within = FindSection(file, section);
    Lines lines{file, within.body, within.end};
    for (Line line; left > 0 && lines.Next(line);) {
        if (line.kind != Line::Key) continue;
        for (std::size_t index = 0; index < keys.size(); ++index) {
            if (matched[index] || !SameName(line.name, keys[index])) continue;
            matched[index] = 1;
            --left;
            // A line that names the key without "=" holds no value: the key reads as missing.
            std::string_view result = line.hasValue ? line.value : defaultValue;
            if (result.size() >= 2 && (result[0] == '"' || result[0] == '\'') && result.back() == result[0])
                result = result.substr(1, result.size() - 2);
            values[index] = result.substr(0, limit);
        }
    }
    return values;
}

std::string IniGetString(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::size_t bufferSize)
{
    return std::move(IniGetStrings(file, section, {std::string(key)}, defaultValue, bufferSize).front());
}

std::string IniGetSection(std::string_view file, std::string_view section)
{
    std::string result;
    const Section found = FindSection(file, section);
    bool previousUnnamed = false;
    Lines lines{file, found.body, found.end};
    for (Line line; lines.Next(line);) {
        if (line.kind != Line::Key) continue;
        // The platform drops a line with nothing before its "=" that follows an entry whose name reads
        // as empty.
        if (line.unnamed && previousUnnamed) continue;
        previousUnnamed = line.name.empty();
        // A line that reads as nothing (NUL bytes alone, say) is no entry.
        if (line.name.empty() && !line.hasValue) continue;
        result += line.name;
        if (line.hasValue) {
            result += '=';
            result += line.value;
        }
        result += '\0';
    }
    result += '\0';
    return result;
}

IniSpan IniFindSection(std::string_view file, std::string_view name)
{
    const Section found = FindSection(file, name);
    return {found.begin, found.end, found.found};
}

namespace {

// New lines follow the file's own convention; a file without line ends gets the Windows one.
std::string LineEndOf(std::string_view file)
{
    std::size_t pos = file.find_first_of("\r\n");
    if (pos == std::string_view::npos) return "\r\n";
    if (file[pos] == '\n') return "\n";
    return (pos + 1 < file.size() && file[pos + 1] == '\n') ? "\r\n" : "\r";
}

void EndLastLine(std::string& text, const std::string& eol)
{
    if (!text.empty() && text.back() != '\r' && text.back() != '\n') text += eol;
}

// Whether a CR that ends `before` would join a LF that begins `after` into one line end, taking a blank line
// away (and, at the file's first line end, changing the file's convention).
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

// A value as its line holds it: a line break would end the line early, and the blanks around it, which a
// read drops, would make the next write of what was read differ from this one.
std::string Written(std::string_view value)
{
    return std::string(Trim(WithoutLineBreaks(value)));
}

// Whether an edit can move where the file's sections begin or change how its first line ends, so that the
// edits behind it must find their sections anew: a header or key line that would not read back as its
// name, a section's line that reads as a header, the lines before the first header replaced.
bool Reshapes(const IniEdit& edit)
{
    const auto readsAs = [](const std::string& text, Line::Kind kind, std::string_view name) {
        const Line line = ReadLine(text, 0);
        return line.kind == kind && line.name == name;
    };
    if (!readsAs('[' + edit.section + ']', Line::Header, edit.section)) return true;
    if (!edit.wholeSection) return !readsAs(edit.key + '=' + Written(edit.value), Line::Key, edit.key);
    if (edit.section.empty()) return true;
    for (const std::string& line : edit.lines)
        if (ReadLine(WithoutLineBreaks(line), 0).kind == Line::Header) return true;
    return false;
}

// The writes to one section, made on its text alone: its non-blank lines are read once and the text is
// written anew only when its lines are replaced or when it is asked for.
class SectionWriter {
public:
    // `headed`: the text begins with the section's header (the lines before the first header have none,
    // and neither has a section still to be added: its header is written with it).
    SectionWriter(std::string text, bool headed, const std::string& eol)
        : text_(std::move(text)), headed_(headed), eol_(eol)
    {
    }

    void SetKey(std::string_view key, std::string_view value, IniSameValue same)
    {
        const std::string written = Written(value);
        Walk();
        auto line = lines_.begin();
        while (line != lines_.end() && !SameName(line->name, key)) ++line;
        if (line == lines_.end()) {
            lines_.push_back({key, 0, 0, std::string(key) + '=' + written});
            return;
        }
        // The value it holds now: as written before, or as the text has it.
        const std::string_view now = line->text.empty()
            ? std::string_view(text_).substr(line->begin, line->end - line->begin) : std::string_view(line->text);
        const Line current = ReadLine(now, 0);
        if (!same || !current.hasValue || !same(current.value, written))
            line->text = std::string(line->name) + '=' + written;
    }

    void SetLines(const std::vector<std::string>& lines)
    {
        Render();   // keys written before: one may have ended the header's line
        Walk();
        lines_.clear();
        keptEnd_ = body_;
        bool previousUnnamed = false;
        for (const std::string& each : lines) {
            const std::string unbroken = WithoutLineBreaks(each);
            const Line line = ReadLine(unbroken, 0);
            if (line.kind == Line::Blank) continue;
            // A read drops a line with nothing before its "=" behind another such line: it is not written.
            if (line.unnamed && previousUnnamed) continue;
            previousUnnamed = line.unnamed;
            lines_.push_back({std::string_view(), 0, 0, std::string(Trim(unbroken))});
        }
        Render();
    }

    std::string Text()
    {
        Render();
        return std::move(text_);
    }

private:
    // A non-blank line: one the text holds, at [begin, end), or a new one (end 0) to be added behind them.
    struct Slot {
        std::string_view name;   // as the line spells it
        std::size_t begin;
        std::size_t end;
        std::string text;        // the line's new text, if written (never empty)
    };

    void Walk()
    {
        if (walked_) return;
        body_ = headed_ ? ReadLine(text_, 0).next : 0;
        behind_ = body_;
        lines_.clear();
        Lines lines{text_, body_, text_.size()};
        for (Line line; lines.Next(line);) {
            if (line.kind == Line::Blank) continue;
            lines_.push_back({line.name, line.begin, line.end, std::string()});
            behind_ = line.next;
        }
        keptEnd_ = behind_;
        walked_ = true;
    }

    // Writes the text anew from the lines: each written line of the text in place, the new ones behind the
    // last non-blank line, so that blank lines which set the section apart stay where they are.
    void Render()
    {
        if (!walked_) return;
        std::string out;
        std::string added;
        std::size_t copied = 0;
        for (const Slot& line : lines_) {
            if (line.end == 0) {
                added += line.text + eol_;
            } else if (!line.text.empty()) {
                out.append(text_, copied, line.begin - copied);
                out += line.text;
                copied = line.end;
            }
        }
        out.append(text_, copied, keptEnd_ - copied);
        const std::string_view after = std::string_view(text_).substr(behind_);
        if (!added.empty())
            EndLastLine(out, eol_);
        else if (Joins(out, after))   // with nothing left between them, the header's lone CR would join a LF
            out += eol_;
        out += EndedBefore(std::move(added), after, eol_);
        out += after;
        text_ = std::move(out);
        walked_ = false;
    }

    std::string text_;
    const bool headed_;
    const std::string& eol_;
    // What a walk of the text found, and the writes since:
    bool walked_ = false;
    std::vector<Slot> lines_;    // the text's non-blank lines, then the new ones
    std::size_t body_ = 0;       // where the lines begin, behind the header's line end
    std::size_t keptEnd_ = 0;    // the end of the text's lines that stay: body_ once they are replaced
    std::size_t behind_ = 0;     // behind the last non-blank line's line end: where new lines go
};

using EditIterator = std::vector<IniEdit>::const_iterator;

// Makes the edits from `first` on, up to and including the first that reshapes the file, and returns where
// it stopped. Until then each edit changes only its own section, so the edits of one section are made on
// that section's text alone, and new sections follow one another at the end in the order they were first
// written.
EditIterator ApplyUntilReshaped(std::string& file, EditIterator first, EditIterator edits, IniSameValue same)
{
    EditIterator last = first;
    while (last != edits && !Reshapes(*last)) ++last;
    if (last != edits) ++last;
    const std::string eol = LineEndOf(file);
    // The sections edited, in the order of their first edit, each with where it stands and its new text.
    struct Edited {
        std::string_view name;
        IniSpan span;
        std::string text;
    };
    std::vector<Edited> sections;
    for (EditIterator edit = first; edit != last; ++edit) {
        bool listed = false;
        for (const Edited& section : sections) listed = listed || SameName(section.name, edit->section);
        if (listed) continue;
        const IniSpan span = IniFindSection(file, edit->section);
        SectionWriter writer(span.found ? file.substr(span.begin, span.end - span.begin) : std::string(),
                             span.found && !edit->section.empty(), eol);
        for (EditIterator each = edit; each != last; ++each) {
            if (!SameName(each->section, edit->section)) continue;
            if (each->wholeSection)
                writer.SetLines(each->lines);
            else
                writer.SetKey(each->key, each->value, same);
        }
        sections.push_back({edit->section, span, writer.Text()});
    }
    // The sections found are replaced in the file itself, the last first, so that the places of the others
    // stay as found; a big file is then neither copied nor moved more than its changed tail. (By their ends:
    // the lines before the first header may be none, at the first header's place.)
    std::vector<const Edited*> inFile;
    for (const Edited& section : sections) {
        if (!section.span.found) continue;
        auto at = inFile.begin();
        while (at != inFile.end() && (*at)->span.end > section.span.end) ++at;
        inFile.insert(at, &section);
    }
    for (const Edited* section : inFile)
        file.replace(section->span.begin, section->span.end - section->span.begin, section->text);
    for (const Edited& section : sections) {
        if (section.span.found) continue;
        EndLastLine(file, eol);
        file.append("[").append(section.name).append("]").append(eol).append(section.text);
    }
    return last;
}

}  // namespace

void IniApply(std::string& file, const std::vector<IniEdit>& edits, IniSameValue same)
{
    for (EditIterator edit = edits.begin(); edit != edits.end();)
        edit = ApplyUntilReshaped(file, edit, edits.end(), same);
}
