#include "settings/settings_file.h"

#include <windows.h>

namespace {

const char TemporarySuffix[] = ".tmp";
const DWORD KeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool WriteAll(HANDLE file, const std::string& bytes)
{
    DWORD written = 0;
    bool ok = bytes.empty() ||
              (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size());
    return ok && SetEndOfFile(file) && FlushFileBuffers(file);
}

bool WriteTemporary(const std::string& temporary, const std::string& bytes, DWORD attributes)
{
    // A file left by a killed process may carry attributes that CreateFile refuses to overwrite.
    SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temporary.c_str());
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              (attributes & KeptAttributes) | FILE_ATTRIBUTE_ARCHIVE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = WriteAll(file, bytes);
    CloseHandle(file);
    if (!ok)
        DeleteFileA(temporary.c_str());
    return ok;
}

// A program that only reads the file (the game server, a viewer) may hold it open without allowing it to
// be replaced; as long as it allows writing, the bytes go in place, as the platform's own writes would.
bool WriteInPlace(const char* path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = WriteAll(file, bytes);
    CloseHandle(file);
    return ok;
}

}  // namespace

bool ReadSettingsFile(const char* path, std::string& bytes)
{
    bytes.clear();
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES;
    bool ok = true;
    char chunk[65536];
    DWORD got = 0;
    while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    if (!ok)
        bytes.clear();
    return ok;
}

bool ReplaceSettingsFile(const char* path, const std::string& bytes)
{
    const DWORD attributes = GetFileAttributesA(path);
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    const std::string temporary = std::string(path) + TemporarySuffix;
    // A temporary name past the platform's path limit could not be renamed: write in place instead.
    if (temporary.size() < MAX_PATH && WriteTemporary(temporary, bytes, exists ? attributes : 0)) {
        DWORD flags = MOVEFILE_WRITE_THROUGH | (exists ? MOVEFILE_REPLACE_EXISTING : 0);
        if (MoveFileExA(temporary.c_str(), path, flags))
            return true;
        DeleteFileA(temporary.c_str());
    }
    return exists && WriteInPlace(path, bytes);
}
