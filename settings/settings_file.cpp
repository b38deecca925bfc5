#include "settings/settings_file.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

const char TemporarySuffix[] = ".tmp";
const DWORD KeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool WriteAll(HANDLE file, const std::string& bytes)
{
    DWORD written = 0;
    return bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                             written == bytes.size());
}

// What a replacement must keep of the file it replaces: its owner and who may do what with it.
const SECURITY_INFORMATION KeptSecurity = OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;

// The open file's owner and access list, as self-relative bytes; empty where they cannot be read.
std::vector<char> SecurityOf(HANDLE file)
{
    // Most descriptors fit the first buffer; a longer one is asked for again at its size.
    std::vector<char> buffer(1024);
    DWORD size = 0;
    if (!GetKernelObjectSecurity(file, KeptSecurity, buffer.data(), static_cast<DWORD>(buffer.size()), &size)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
            return {};
        buffer.resize(size);
        if (!GetKernelObjectSecurity(file, KeptSecurity, buffer.data(), size, &size))
            return {};
    }
    buffer.resize(GetSecurityDescriptorLength(buffer.data()));
    return buffer;
}

// Whether the descriptor's access list lets everyone read the file. A file system without such lists (or a
// descriptor that could not be read) counts as readable by everyone.
bool EveryoneMayRead(const std::vector<char>& security)
{
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL list = nullptr;
    if (security.empty() ||
        !GetSecurityDescriptorDacl(const_cast<char*>(security.data()), &present, &list, &defaulted) || !present ||
        !list)
        return true;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone))
        return true;
    bool may = false;
    for (DWORD index = 0; index < list->AceCount && !may; ++index) {
        ACCESS_ALLOWED_ACE* entry = nullptr;
        if (GetAce(list, index, reinterpret_cast<void**>(&entry)) && entry->Header.AceType == ACCESS_ALLOWED_ACE_TYPE &&
            EqualSid(&entry->SidStart, everyone))
            may = (entry->Mask & (FILE_READ_DATA | GENERIC_READ | GENERIC_ALL)) != 0;
    }
    FreeSid(everyone);
    return may;
}

// The new bytes in the file itself, for when it cannot be replaced. Room for them is made first, so that a
// full disk refuses the write before any byte of the file has changed.
bool WriteInPlace(const char* path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size = {};
    LARGE_INTEGER wanted = {};
    wanted.QuadPart = static_cast<LONGLONG>(bytes.size());
    bool ok = GetFileSizeEx(file, &size) &&
              (wanted.QuadPart <= size.QuadPart ||
               (SetFilePointerEx(file, wanted, nullptr, FILE_BEGIN) && SetEndOfFile(file)));
    LARGE_INTEGER start = {};
    ok = ok && SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && WriteAll(file, bytes) && SetEndOfFile(file) &&
         FlushFileBuffers(file);
    CloseHandle(file);
    return ok;
}

// What replacing the file must keep of it, read through the access that replacing it takes. False when it
// does not open so (another program holds it without sharing its writes): it is then not replaced, also
// because Wine's ReplaceFile leaves a file of its own behind when it fails.
bool OpenForReplacing(const char* path, std::vector<char>& security)
{
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE | DELETE | READ_CONTROL,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    security = SecurityOf(file);
    CloseHandle(file);
    return true;
}

// Writes the bytes to the temporary file and puts it in the file's place. False, with no temporary file
// left, when that cannot be done or would let more people read the file than before.
bool ReplaceByTemporary(const char* path, const std::string& temporary, const std::string& bytes, bool exists,
                        const WIN32_FILE_ATTRIBUTE_DATA& old)
{
    std::vector<char> security;
    if (exists && !OpenForReplacing(path, security))
        return false;
    const FILETIME& created = old.ftCreationTime;
    const DWORD kept = (exists ? old.dwFileAttributes & KeptAttributes : 0) | FILE_ATTRIBUTE_ARCHIVE;
    const DWORD access = GENERIC_WRITE | READ_CONTROL;
    HANDLE file = CreateFileA(temporary.c_str(), access, 0, nullptr, CREATE_NEW, kept, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) {
        // A file left by a killed process goes first: its attributes would stay with it.
        SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(temporary.c_str());
        file = CreateFileA(temporary.c_str(), access, 0, nullptr, CREATE_NEW, kept, nullptr);
    }
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // A platform that gives a new file its own permissions rather than the old file's (Wine gives the
    // umask's) must not make a file that only some may read readable by everyone: checked before the
    // bytes, which may hold the server's password, are in it.
    std::vector<char> own = exists ? SecurityOf(file) : std::vector<char>();
    bool ok = !exists || EveryoneMayRead(security) || !EveryoneMayRead(own);
    // The creation time stays the file's, whichever way it is replaced; a file system that keeps none
    // does not stop the build.
    if (ok && (created.dwLowDateTime || created.dwHighDateTime))
        SetFileTime(file, &created, nullptr, nullptr);
    ok = ok && WriteAll(file, bytes) && FlushFileBuffers(file);
    CloseHandle(file);
    // Where the new file already has the old one's owner and access list, as a file made in the same folder
    // by its owner mostly has, a rename keeps everything; ReplaceFile, which keeps them otherwise, costs
    // several times as much.
    const bool renameKeepsAll = !exists || (!security.empty() && security == own);
    const DWORD renaming = (exists ? MOVEFILE_REPLACE_EXISTING : 0) | MOVEFILE_WRITE_THROUGH;
    ok = ok && (renameKeepsAll ? MoveFileExA(temporary.c_str(), path, renaming)
                               : ReplaceFileA(path, temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                              nullptr, nullptr)) != FALSE;
    if (!ok)
        DeleteFileA(temporary.c_str());
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
    // At the size the file has now, in as few reads as the system allows; to its end, should it grow. The
    // buffer keeps room for what a build adds, so that its edits do not move the text to a new one.
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) != FALSE;
    std::size_t filled = 0;
    bytes.resize((ok && size.QuadPart > 0 ? static_cast<std::size_t>(size.QuadPart) : 0) + 65536);
    DWORD got = 0;
    while (ok && (ok = ReadFile(file, &bytes[filled], static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled,
                                                                                      1u << 30)),
                                &got, nullptr) != FALSE) &&
           got > 0) {
        filled += got;
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);
    }
    bytes.resize(ok ? filled : 0);
    CloseHandle(file);
    return ok;
}

bool ReplaceSettingsFile(const char* path, const std::string& bytes)
{
    // The attributes and the creation time, which the new file keeps.
    WIN32_FILE_ATTRIBUTE_DATA old = {};
    const bool exists = GetFileAttributesExA(path, GetFileExInfoStandard, &old) != FALSE;
    if (exists && (old.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    const std::string temporary = std::string(path) + TemporarySuffix;
    // A temporary name past the platform's path limit could not be renamed: write in place instead.
    if (temporary.size() < MAX_PATH && ReplaceByTemporary(path, temporary, bytes, exists, old))
        return true;
    return exists && WriteInPlace(path, bytes);
}
