#include "settings/settings_file.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

// How the file is written, on every path: into the file itself, never by putting a new file in its place.
// Only the existing file keeps what it is: under Wine a new file gets the umask's mode, the creating user
// as owner and no access list, ReplaceFile keeps none of them either, and a rename replaces a symbolic
// link and parts the file from its other hard links. So the bytes are written through any link into the
// file's own inode, all or nothing: first, whole and flushed, into a journal beside the path (its name
// made new, so never reached through a link), with their length and checksum; then into the file, grown
// first with the real bytes of its new end (a full disk fails there, and the file is cut back to its old
// length), written, cut to length and flushed; then the journal goes. A journal found whole by the next
// read is written into the file first (the write was cut off); a torn one never reached the file and goes.
// A journal name taken by anything but a plain file of one name, reached directly, is never written,
// truncated or deleted: the build is refused.

namespace {

const char JournalSuffix[] = ".tmp";
// The journal is the new bytes followed by this mark, their length and their checksum.
const char JournalMark[8] = {'S', 'K', 'V', 'J', 'N', 'L', '0', '1'};
const std::size_t TrailerSize = sizeof JournalMark + 8;
// One call of ReadFile or WriteFile moves at most this much.
const std::size_t Chunk = std::size_t(1) << 30;

std::uint32_t Checksum(const char* data, std::size_t size)
{
    std::uint32_t hash = 2166136261u;   // 32-bit FNV-1a
    for (std::size_t index = 0; index < size; ++index)
        hash = (hash ^ static_cast<unsigned char>(data[index])) * 16777619u;
    return hash;
}

// The mark, the bytes' length and their checksum, each number in four bytes, lowest first.
void TrailerOf(const char* bytes, std::size_t size, char (&trailer)[TrailerSize])
{
    std::memcpy(trailer, JournalMark, sizeof JournalMark);
    const std::uint32_t numbers[2] = {static_cast<std::uint32_t>(size), Checksum(bytes, size)};
    for (std::size_t index = 0; index < 8; ++index)
        trailer[sizeof JournalMark + index] = static_cast<char>((numbers[index / 4] >> (index % 4 * 8)) & 0xFF);
}

// Whether `journal` is whole: the trailer its bytes call for. It is cut down to those bytes.
bool TakeJournal(std::string& journal)
{
    if (journal.size() < TrailerSize)
        return false;
    const std::size_t size = journal.size() - TrailerSize;
    char trailer[TrailerSize];
    TrailerOf(journal.data(), size, trailer);
    const bool whole = std::memcmp(trailer, journal.data() + size, TrailerSize) == 0;
    journal.resize(size);
    return whole;
}

bool WriteAll(HANDLE file, const char* data, std::size_t size)
{
    while (size > 0) {
        DWORD written = 0;
        const DWORD part = static_cast<DWORD>(std::min(size, Chunk));
        if (!WriteFile(file, data, part, &written, nullptr) || written != part)
            return false;
        data += part;
        size -= part;
    }
    return true;
}

bool WriteAt(HANDLE file, std::size_t offset, const char* data, std::size_t size)
{
    LARGE_INTEGER position = {};
    position.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && WriteAll(file, data, size);
}

bool SetLength(HANDLE file, std::size_t length)
{
    LARGE_INTEGER position = {};
    position.QuadPart = static_cast<LONGLONG>(length);
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

// The whole file from where it stands. The buffer keeps room for what a build adds, so that its edits
// do not move the text to a new one.
bool ReadAll(HANDLE file, std::string& bytes)
{
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) != FALSE;
    std::size_t filled = 0;
    bytes.resize((ok && size.QuadPart > 0 ? static_cast<std::size_t>(size.QuadPart) : 0) + 65536);
    DWORD got = 0;
    while (ok && (ok = ReadFile(file, bytes.data() + filled, static_cast<DWORD>(std::min(bytes.size() - filled, Chunk)),
                                &got, nullptr) != FALSE) &&
           got > 0) {
        filled += got;
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);
    }
    bytes.resize(ok ? filled : 0);
    return ok;
}

// Deletes the file the handle holds, by the handle (opened with DELETE access). By name, Wine would
// delete whatever a symbolic link of that name points to.
void DeleteHeld(HANDLE file)
{
    FILE_DISPOSITION_INFO disposition = {TRUE};
    SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

// Whether the open file is the very name `name` in its folder, not a file that a link of that name points
// to: Wine follows links even where asked not to, but reports the path it reached.
bool ReachedDirectly(HANDLE file, const std::string& name)
{
    const std::size_t start = name.find_last_of("\\/") + 1;   // 0 without a folder
    char folder[MAX_PATH];
    if (name.size() >= sizeof folder)
        return false;
    std::memcpy(folder, start ? name.data() : ".", start ? start : 1);
    folder[start ? start : 1] = '\0';
    HANDLE directory = CreateFileA(folder, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (directory == INVALID_HANDLE_VALUE)
        return false;
    // The folder's path as reached, then the name: room for both, and for the path the file reached.
    char expected[MAX_PATH * 4];
    char reached[MAX_PATH * 4];
    DWORD length = GetFinalPathNameByHandleA(directory, expected, MAX_PATH * 3, FILE_NAME_NORMALIZED);
    CloseHandle(directory);
    if (length == 0 || length >= MAX_PATH * 3)
        return false;
    if (expected[length - 1] != '\\')
        expected[length++] = '\\';
    std::memcpy(expected + length, name.c_str() + start, name.size() - start + 1);
    length = GetFinalPathNameByHandleA(file, reached, sizeof reached, FILE_NAME_NORMALIZED);
    return length > 0 && length < sizeof reached && lstrcmpiA(reached, expected) == 0;
}

enum class Journal { None, Foreign, Torn, Whole };

// What stands at the journal's name. A plain file of one name, reached directly, is left open in `held`
// (with DELETE access), its bytes (without the trailer) in `bytes` when it is whole. Anything else, a
// link, a folder, a pipe, a file with other names or one that cannot be opened, is Foreign: not touched.
Journal OpenJournal(const std::string& name, HANDLE& held, std::string& bytes)
{
    held = INVALID_HANDLE_VALUE;
    // Wine answers a pipe with ERROR_INVALID_PARAMETER, and a link to nothing as no file at all (making
    // the journal then fails).
    const DWORD attributes = GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Journal::None : Journal::Foreign;
    }
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
        return Journal::Foreign;
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Journal::Foreign;
    BY_HANDLE_FILE_INFORMATION information = {};
    if (!GetFileInformationByHandle(file, &information) || information.nNumberOfLinks != 1 ||
        !ReachedDirectly(file, name)) {
        CloseHandle(file);
        return Journal::Foreign;
    }
    held = file;
    return ReadAll(file, bytes) && TakeJournal(bytes) ? Journal::Whole : Journal::Torn;
}

enum class Outcome { Written, Untouched, Cut };

// The bytes into the file itself, once the journal holds them. Untouched: it failed before any byte of
// the file changed (or what it changed was given back); Cut: the file is neither, and only the journal
// can complete it.
Outcome WriteIntoFile(const char* path, const std::string& bytes)
{
    bool created = true;
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_ARCHIVE, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) {
        // An existing file, or a link (to nothing yet, perhaps): opened through it. Others may go on
        // reading and writing it, as they could before.
        created = false;
        file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
    }
    if (file == INVALID_HANDLE_VALUE)
        return Outcome::Untouched;
    LARGE_INTEGER length = {};
    if (!GetFileSizeEx(file, &length)) {
        CloseHandle(file);
        return Outcome::Untouched;
    }
    const std::size_t old = static_cast<std::size_t>(length.QuadPart);
    // Room first, taken by the new end's real bytes: Wine's SetEndOfFile would reserve only the last block.
    if (bytes.size() > old && !WriteAt(file, old, bytes.data() + old, bytes.size() - old)) {
        bool givenBack = true;
        if (created)
            DeleteHeld(file);
        else
            givenBack = SetLength(file, old);
        CloseHandle(file);
        return givenBack ? Outcome::Untouched : Outcome::Cut;
    }
    const bool ok = WriteAt(file, 0, bytes.data(), std::min(old, bytes.size())) && SetLength(file, bytes.size()) &&
                    FlushFileBuffers(file);
    CloseHandle(file);
    return ok ? Outcome::Written : Outcome::Cut;
}

enum class Refused { No, Folder, ReadOnly, ForeignJournal, Held, Denied, FolderDenied };

// The refusals that looking at the names can tell, and the stale journal at `name`, if any, held open.
Refused Refusal(const char* path, const std::string& name, Journal& journal, HANDLE& held)
{
    journal = Journal::None;
    held = INVALID_HANDLE_VALUE;
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return attributes & FILE_ATTRIBUTE_DIRECTORY ? Refused::Folder : Refused::ReadOnly;
    std::string stale;
    journal = OpenJournal(name, held, stale);
    return journal == Journal::Foreign ? Refused::ForeignJournal : Refused::No;
}

}  // namespace

bool ReadSettingsFile(const char* path, std::string& bytes)
{
    bytes.clear();
    HANDLE journal = INVALID_HANDLE_VALUE;
    std::string pending;
    switch (OpenJournal(std::string(path) + JournalSuffix, journal, pending)) {
    case Journal::Whole:
        // A build was cut off while it wrote the file: it is completed now, and then read as any file.
        if (WriteIntoFile(path, pending) != Outcome::Written) {
            CloseHandle(journal);
            return false;
        }
        [[fallthrough]];
    case Journal::Torn:
        // (A torn one was cut off before the file was touched.)
        DeleteHeld(journal);
        CloseHandle(journal);
        break;
    case Journal::None:
    case Journal::Foreign:
        break;
    }
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES;
    const bool ok = ReadAll(file, bytes);
    CloseHandle(file);
    return ok;
}

bool ReplaceSettingsFile(const char* path, const std::string& bytes)
{
    const std::string name = std::string(path) + JournalSuffix;
    Journal stale = Journal::None;
    HANDLE held = INVALID_HANDLE_VALUE;
    if (Refusal(path, name, stale, held) != Refused::No)
        return false;
    // A journal left by a killed build: this build's bytes take its place, whole or not.
    if (held != INVALID_HANDLE_VALUE) {
        DeleteHeld(held);
        CloseHandle(held);
    }
    // The new bytes may hold the server's password: only this user may open the journal. (Under Wine that
    // list becomes the permission bits user and group both get, under the umask; others get none.)
    alignas(8) char user[256];
    alignas(8) char list[256];
    // Filled in as InitializeSecurityDescriptor and SetSecurityDescriptorDacl would fill it.
    SECURITY_DESCRIPTOR descriptor = {SECURITY_DESCRIPTOR_REVISION, 0, SE_DACL_PRESENT, nullptr, nullptr, nullptr,
                                      reinterpret_cast<PACL>(list)};
    HANDLE token = nullptr;
    DWORD size = 0;
    const bool listed = OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) &&
                        GetTokenInformation(token, TokenUser, user, sizeof user, &size) &&
                        InitializeAcl(reinterpret_cast<PACL>(list), sizeof list, ACL_REVISION) &&
                        AddAccessAllowedAce(reinterpret_cast<PACL>(list), ACL_REVISION, FILE_ALL_ACCESS,
                                            reinterpret_cast<TOKEN_USER*>(user)->User.Sid);
    if (token)
        CloseHandle(token);
    SECURITY_ATTRIBUTES security = {sizeof security, listed ? &descriptor : nullptr, FALSE};
    HANDLE journal = CreateFileA(name.c_str(), GENERIC_WRITE | DELETE, 0, &security, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                 nullptr);
    if (journal == INVALID_HANDLE_VALUE)
        return false;
    char trailer[TrailerSize];
    TrailerOf(bytes.data(), bytes.size(), trailer);
    Outcome outcome = Outcome::Untouched;
    if (WriteAll(journal, bytes.data(), bytes.size()) && WriteAll(journal, trailer, TrailerSize) &&
        FlushFileBuffers(journal))
        outcome = WriteIntoFile(path, bytes);
    // A write cut off inside the file keeps its journal, from which the next start-up completes it.
    if (outcome != Outcome::Cut)
        DeleteHeld(journal);
    CloseHandle(journal);
    return outcome == Outcome::Written;
}

std::string ReplaceRefusal(const char* path)
{
    const std::string name = std::string(path) + JournalSuffix;
    Journal stale = Journal::None;
    HANDLE held = INVALID_HANDLE_VALUE;
    Refused refused = Refusal(path, name, stale, held);
    if (held != INVALID_HANDLE_VALUE)
        CloseHandle(held);
    if (refused == Refused::No && stale == Journal::None) {
        // Wine shows a link to nothing as no file at all: only making the journal tells. The file made
        // goes when it is closed, also should this process be killed.
        HANDLE journal =
            CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (journal == INVALID_HANDLE_VALUE)
            refused = GetLastError() == ERROR_FILE_EXISTS ? Refused::ForeignJournal : Refused::FolderDenied;
        else
            CloseHandle(journal);
    }
    if (refused == Refused::No && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) {
        // The build's own access, opened and closed again without a byte written.
        HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            refused = GetLastError() == ERROR_SHARING_VIOLATION ? Refused::Held : Refused::Denied;
        else
            CloseHandle(file);
    }
    // Named arrays, not literals: the linker then leaves them out of the editor, which never asks.
    static const char Folder[] = " is a folder.";
    static const char ReadOnly[] = " has the read-only attribute.";
    static const char Foreign[] = ".tmp beside it is not a file the editor made (a link, a folder, or a file "
                                  "with other names), and the editor does not touch it: remove it, then build again.";
    static const char Held[] = " is held open by another program that does not let it be written.";
    static const char Denied[] = " may not be written by this user.";
    static const char FolderDenied[] = " may not be written: its folder lets no file be made beside it.";
    static const char* const Reasons[] = {"", Folder, ReadOnly, Foreign, Held, Denied, FolderDenied};
    if (refused == Refused::No)
        return std::string();
    const char* file = path;
    for (const char* each = path; *each; ++each)
        if (*each == '\\' || *each == '/')
            file = each + 1;
    return file + std::string(Reasons[static_cast<int>(refused)]);
}
