#include "settings/profile_store.h"

#include <windows.h>

#include <cstring>

#include "settings/ini_file.h"
#include "settings/ini_text.h"

char ProfilePath[ProfilePathSize] = "";

namespace {

const char SettingsFileName[] = "qv3server.ini";

std::string ReadSettingsFile()
{
    std::string bytes;
    ReadWholeFile(ProfilePath, bytes);
    return bytes;
}

// Applies `change` to the settings file's bytes and replaces the file. A file that exists but cannot be
// read is never rewritten: writing it from an empty text would throw away everything it holds.
template <typename Change>
bool ChangeSettingsFile(Change change)
{
    std::string bytes;
    if (!ReadWholeFile(ProfilePath, bytes) && GetFileAttributesA(ProfilePath) != INVALID_FILE_ATTRIBUTES)
        return false;
    change(bytes);
    return ReplaceWholeFile(ProfilePath, bytes);
}

int ReportWriteFailure()
{
    MessageBoxA(nullptr,
                "An error occurred while writing to the INI file.  The INI file may be write-protected.",
                "Error", MB_OK | MB_ICONERROR);
    return 0;
}

}  // namespace

int BuildProfilePath()
{
    char directory[ProfilePathSize];
    DWORD length = GetCurrentDirectoryA(ProfilePathSize, directory);
    if (length == 0 || length >= ProfilePathSize ||
        length + 1 + sizeof(SettingsFileName) > ProfilePathSize) {
        ProfilePath[0] = '\0';
        return 0;
    }
    std::memcpy(ProfilePath, directory, length);
    ProfilePath[length] = '\\';
    std::memcpy(ProfilePath + length + 1, SettingsFileName, sizeof(SettingsFileName));
    return 1;
}

void ReadProfileText(const char* section, const char* key, char (&destination)[ProfileTextSize])
{
    std::string value = IniGetString(ReadSettingsFile(), section, key, "\n", ProfileTextSize);
    std::memcpy(destination, value.c_str(), value.size() + 1);
}

int ReadProfileFlag(const char* section, const char* key)
{
    return IniGetString(ReadSettingsFile(), section, key, "0\n", ProfileFlagSize) == "0" ? 0 : 1;
}

int WriteProfileText(const char* section, const char* key, const char* value)
{
    bool written = ChangeSettingsFile([&](std::string& bytes) { IniSetString(bytes, section, key, value); });
    return written ? 1 : ReportWriteFailure();
}

int WriteProfileFlag(const char* section, const char* key, int flag)
{
    return WriteProfileText(section, key, flag ? "1" : "0");
}

void ReadSectionList(const char* section, SectionBuffer& buffer)
{
    buffer.text = IniGetSection(ReadSettingsFile(), section);
    buffer.position = 0;
}

void WriteSectionList(const char* section, const std::vector<std::string>& entries)
{
    std::vector<std::string> lines = SectionLines(entries);
    ChangeSettingsFile([&](std::string& bytes) { IniSetSection(bytes, section, lines); });
}
