#include "settings/settings_file.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

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
const std::size_t TrailerSize = sizeof JournalMark + 16;
// One call of ReadFile or WriteFile moves at most this much.
const std::size_t Chunk = std::size_t(1) << 30;

std::uint64_t Checksum(const char* data, std::size_t size)
{
    std::uint64_t hash = 14695981039346656037ull;   // 64-bit FNV-1a
    for (std::size_t index = 0; index < size; ++index)
        hash = (hash ^ static_cast<unsigned char>(data[index])) * 1099511628211ull;
    return hash;
}

std::string TrailerOf(const std::string& bytes)
{
    std::string trailer(JournalMark, sizeof JournalMark);
    for (std::uint64_t number : {static_cast<std::uint64_t>(bytes.size()), Checksum(bytes.data(), bytes.size())})
        for (int shift = 0; shift < 64; shift += 8)
            trailer += static_cast<char>((number >> shift) & 0xFF);
    return trailer;
}

// Whether `journal` is whole: the trailer its bytes call for. It is cut down to those bytes.
bool TakeJournal(std::string& journal)
{
    if (journal.size() < TrailerSize)
        return false;
    std::string trailer = journal.substr(journal.size() - TrailerSize);
    journal.resize(journal.size() - TrailerSize);
    return trailer == TrailerOf(journal);
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
    while (ok && (ok = ReadFile(file, &bytes[filled], static_cast<DWORD>(std::min(bytes.size() - filled, Chunk)),
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

std::string FinalPath(HANDLE handle)
{
    char path[MAX_PATH * 4];
    const DWORD length = GetFinalPathNameByHandleA(handle, path, sizeof path, FILE_NAME_NORMALIZED);
    return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

// Whether the open file is the very name `name` in its folder, not a file that a link of that name points
// to: Wine follows links even where asked not to, but reports the path it reached.
bool ReachedDirectly(HANDLE file, const std::string& name)
{
    const std::size_t slash = name.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "." : name.substr(0, slash + 1);
    HANDLE directory = CreateFileA(folder.c_str(), FILE_READ_ATTRIBUTES,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (directory == INVALID_HANDLE_VALUE)
        return false;
    std::string expected = FinalPath(directory);
    CloseHandle(directory);
    if (expected.empty())
        return false;
    if (expected.back() != '\\')
        expected += '\\';
    expected += name.substr(slash == std::string::npos ? 0 : slash + 1);
    const std::string reached = FinalPath(file);
    return !reached.empty() && lstrcmpiA(reached.c_str(), expected.c_str()) == 0;
}

enum class Journal { None, Foreign, Torn, Whole };

// What stands at the journal's name. A plain file of one name, reached directly, is left open in `held`
// (with DELETE access), its bytes (without the trailer) in `bytes` when it is whole. Anything else, a
// link, a folder, a pipe, a file with other names or one that cannot be opened, is Foreign: not touched.
Journal OpenJournal(const std::string& name, HANDLE& held, std::string& bytes)
{
    held = INVALID_HANDLE_VALUE;
    // Wine answers a link to nothing with ERROR_NO_MORE_FILES and a pipe with ERROR_INVALID_PARAMETER.
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
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &information) ||
        information.nNumberOfLinks != 1 ||
        (information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ||
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

std::string FileName(const char* path)
{
    const std::string text(path);
    const std::size_t slash = text.find_last_of("\\/");
    return slash == std::string::npos ? text : text.substr(slash + 1);
}

std::string ForeignJournal(const char* path)
{
    return FileName(path) + JournalSuffix + " beside it is not a file the editor made (a link, a folder, or a " +
           "file with other names), and the editor does not touch it: remove it, then build again.";
}

// The refusals that looking at the names can tell, and the stale journal, if any, held open.
std::string Refusal(const char* path, Journal& journal, HANDLE& held)
{
    const std::string name = FileName(path);
    journal = Journal::None;
    held = INVALID_HANDLE_VALUE;
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return name + " is a folder.";
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return name + " has the read-only attribute.";
    std::string stale;
    journal = OpenJournal(std::string(path) + JournalSuffix, held, stale);
    return journal == Journal::Foreign ? ForeignJournal(path) : std::string();
}

}  // namespace

bool ReadSettingsFile(const char* path, std::string& bytes)
{
    bytes.clear();
    HANDLE journal = INVALID_HANDLE_VALUE;
    std::string pending;
    switch (OpenJournal(std::string(path) + JournalSuffix, journal, pending)) {
    case Journal::Whole: {
        // A build was cut off while it wrote the file: it is completed now.
        const bool completed = WriteIntoFile(path, pending) == Outcome::Written;
        if (completed) {
            DeleteHeld(journal);
            bytes.swap(pending);
            bytes.reserve(bytes.size() + 65536);
        }
        CloseHandle(journal);
        return completed;
    }
    case Journal::Torn:
        // Cut off before the file was touched.
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
    Journal stale = Journal::None;
    HANDLE held = INVALID_HANDLE_VALUE;
    if (!Refusal(path, stale, held).empty())
        return false;
    // A journal left by a killed build: this build's bytes take its place, whole or not.
    if (held != INVALID_HANDLE_VALUE) {
        DeleteHeld(held);
        CloseHandle(held);
    }
    const std::string name = std::string(path) + JournalSuffix;
    HANDLE journal = CreateFileA(name.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                 nullptr);
    if (journal == INVALID_HANDLE_VALUE)
        return false;
    const std::string trailer = TrailerOf(bytes);
    Outcome outcome = Outcome::Untouched;
    if (WriteAll(journal, bytes.data(), bytes.size()) && WriteAll(journal, trailer.data(), trailer.size()) &&
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
    Journal stale = Journal::None;
    HANDLE held = INVALID_HANDLE_VALUE;
    std::string reason = Refusal(path, stale, held);
    if (held != INVALID_HANDLE_VALUE)
        CloseHandle(held);
    if (!reason.empty())
        return reason;
    if (stale == Journal::None) {
        // Wine shows a link to nothing as no file at all: only making the journal tells. The file made
        // goes when it is closed, also should this process be killed.
        HANDLE journal = CreateFileA((std::string(path) + JournalSuffix).c_str(), GENERIC_WRITE, 0, nullptr,
                                     CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (journal == INVALID_HANDLE_VALUE)
            return GetLastError() == ERROR_FILE_EXISTS ? ForeignJournal(path)
                                                       : "the folder of " + FileName(path) + " may not be written.";
        CloseHandle(journal);
    }
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return std::string();
    // The build's own access, opened and closed again without a byte written.
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return std::string();
    }
    return FileName(path) + (GetLastError() == ERROR_SHARING_VIOLATION
                                 ? " is held open by another program that does not let it be written."
                                 : " may not be written by this user.");
}
