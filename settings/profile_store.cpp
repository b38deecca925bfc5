#include "settings/profile_store.h"

#include <cstring>
#include <utility>

#include "settings/ini_text.h"
#include "settings/settings_file.h"
#include "settings/text_encoding.h"

char ProfilePath[ProfilePathSize] = "";

namespace {

const char SettingsFileName[] = "qv3server.ini";
const int ProfileFlagSize = 5;   // a flag value: at most 4 characters and the NUL

// Where a section read so far stands in the document's text as it is now.
struct KnownSection {
    std::string name;
    IniSpan span;
};

// The file as last opened. The writes not made in the text yet are made together, in one pass, when the
// text is next needed; the sections found are kept so that the pages' many reads of a few sections find
// each once. Both are forgotten with the text they stand for.
struct OpenedFile {
    SettingsText document;
    std::vector<IniEdit> pending;
    std::vector<KnownSection> sections;
};
OpenedFile File;

std::string ToPages(const std::string& text);

// Text beyond the ANSI code page reaches the pages as '?'; a value written back as the pages show it keeps
// its line as it is, so that a build without edits keeps such text.
bool SameOnPages(std::string_view stored, std::string_view written)
{
    return ToPages(std::string(stored)) == ToPages(std::string(written));
}

void MakePendingWrites()
{
    if (File.pending.empty())
        return;
    const bool ansi = File.document.encoding == TextEncoding::Ansi;
    IniApply(File.document.text, File.pending, ansi ? nullptr : SameOnPages);
    File.pending.clear();
    File.sections.clear();
}

// The text of the section's first occurrence (or of the lines before the first header, for ""); empty
// when there is no such section.
std::string_view SectionText(const std::string& section)
{
    MakePendingWrites();
    const KnownSection* known = nullptr;
    for (const KnownSection& each : File.sections)
        if (each.name == section) known = &each;
    if (!known) {
        File.sections.push_back({section, IniFindSection(File.document.text, section)});
        known = &File.sections.back();
    }
    if (!known->span.found)
        return std::string_view();
    return std::string_view(File.document.text).substr(known->span.begin, known->span.end - known->span.begin);
}

std::string Convert(const std::string& text, UINT from, UINT to)
{
    if (text.empty())
        return text;
    int units = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), &wide[0], units);
    int bytes = WideCharToMultiByte(to, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(to, 0, wide.data(), units, &result[0], bytes, nullptr, nullptr);
    return result;
}

// The pages speak the ANSI code page; a file with a byte-order mark holds its text as UTF-8. A sequence
// cut short at a value's end is converted as within the file, where a line end follows it; the decoder
// takes a sequence cut short at the very end of its input together with what remains of it, so the line
// end comes off again only where it is still there.
std::string ToPages(const std::string& text)
{
    if (File.document.encoding == TextEncoding::Ansi)
        return text;
    std::string converted = Convert(text + '\n', CP_UTF8, CP_ACP);
    if (!converted.empty() && converted.back() == '\n')
        converted.pop_back();
    return converted;
}

std::string ToDocument(const std::string& text)
{
    return File.document.encoding == TextEncoding::Ansi ? text : Convert(text, CP_ACP, CP_UTF8);
}

std::string Read(const char* section, const char* key, const char* defaultValue, std::size_t size)
{
    const std::string documentSection = ToDocument(section);
    std::string value = IniGetString(SectionText(documentSection), documentSection, ToDocument(key), defaultValue,
                                     std::string::npos);
    value = ToPages(value);
    return value.substr(0, size - 1);
}

}  // namespace

bool BuildProfilePath()
{
    char directory[ProfilePathSize];
    DWORD length = GetCurrentDirectoryA(ProfilePathSize, directory);
    if (length == 0 || length >= ProfilePathSize ||
        length + 1 + sizeof(SettingsFileName) > ProfilePathSize) {
        ProfilePath[0] = '\0';
        return false;
    }
    std::memcpy(ProfilePath, directory, length);
    ProfilePath[length] = '\\';
    std::memcpy(ProfilePath + length + 1, SettingsFileName, sizeof(SettingsFileName));
    return true;
}

Refusal OpenSettingsFile(JournalNote* note)
{
    std::string bytes;
    JournalNote found;
    Refusal unread = ReadSettingsFile(ProfilePath, bytes, found);
    File = OpenedFile{DecodeSettingsText(std::move(bytes)), {}, {}};
    if (note)
        *note = found;
    return unread;
}

std::string KeptAsideText(const JournalNote& note)
{
    return "A write of the INI file qv3server.ini was cut off, but the file has changed since (by hand or by "
           "another program), so that write " +
           std::string(note.kind == JournalNote::KeptAside ? "was not completed: its journal was kept aside as "
                                                           : "will not be completed: the next build keeps its "
                                                             "journal aside as ") +
           note.keptAs + ", and the file stays as it is.";
}

Refusal SaveSettingsFile()
{
    MakePendingWrites();
    // 8-bit text goes out as it stands, without a copy (one conditional expression of both would copy it).
    return File.document.encoding == TextEncoding::Ansi
               ? ReplaceSettingsFile(ProfilePath, File.document.text)
               : ReplaceSettingsFile(ProfilePath, EncodeSettingsText(File.document));
}

const std::string& SettingsDocumentText()
{
    MakePendingWrites();
    return File.document.text;
}

bool SettingsDocumentIsUtf8()
{
    return File.document.encoding != TextEncoding::Ansi;
}

void ReadProfileText(const char* section, const char* key, char (&destination)[ProfileTextSize])
{
    std::string value = Read(section, key, "\n", ProfileTextSize);
    std::memcpy(destination, value.c_str(), value.size() + 1);
}

int ReadProfileFlag(const char* section, const char* key)
{
    return Read(section, key, "0\n", ProfileFlagSize) == "0" ? 0 : 1;
}

int WriteProfileText(const char* section, const char* key, const char* value)
{
    IniEdit edit;
    edit.section = ToDocument(section);
    edit.key = ToDocument(key);
    edit.value = ToDocument(value);
    File.pending.push_back(edit);
    return 1;
}

int WriteProfileFlag(const char* section, const char* key, int flag)
{
    return WriteProfileText(section, key, flag ? "1" : "0");
}

void ReadSectionList(const char* section, SectionBuffer& buffer)
{
    const std::string documentSection = ToDocument(section);
    buffer.text = ToPages(IniGetSection(SectionText(documentSection), documentSection));
    buffer.position = 0;
}

void WriteSectionList(const char* section, const std::vector<std::string>& entries)
{
    IniEdit edit;
    edit.section = ToDocument(section);
    edit.wholeSection = true;
    for (const std::string& entry : entries)
        edit.lines.push_back(ToDocument(entry));
    File.pending.push_back(edit);
}

SettingValues ReadSettingValues(const std::vector<OwnedSetting>& settings)
{
    SettingValues values;
    for (std::size_t first = 0; first < settings.size();) {
        // The keys that follow one another in one section are read in one walk of its lines.
        std::size_t end = first + 1;
        while (settings[first].key && end < settings.size() && settings[end].key &&
               std::strcmp(settings[end].section, settings[first].section) == 0)
            ++end;
        const std::string section = ToDocument(settings[first].section);
        const std::string_view text = SectionText(section);
        if (!settings[first].key) {
            values.push_back(text.empty() ? MissingSetting : IniGetSection(text, section));
        } else {
            std::vector<std::string> keys;
            for (std::size_t index = first; index < end; ++index)
                keys.push_back(ToDocument(settings[index].key));
            // A missing key, or a line of that name without "=", reads as the default.
            for (std::string& value : IniGetStrings(text, section, keys, MissingSetting, std::string::npos))
                values.push_back(std::move(value));
        }
        first = end;
    }
    return values;
}
