#include "settings/settings_file.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

// How the file is written, on every path: into the file itself, never by putting a new file in its place.
// Only the existing file keeps what it is: under Wine a new file gets the umask's mode, the creating user
// as owner and no access list, ReplaceFile keeps none of them either, and a rename replaces a symbolic
// link and parts the file from its other hard links. So the bytes are written through any link into the
// file's own inode, all or nothing: first, whole and flushed, into a journal beside the path (its name
// made new, so never reached through a link), which also records what the file held before; then into the
// file, grown first with the real bytes of its new end (a full disk fails there, and the file is cut back
// to its old length), written, cut to length and flushed; then the journal goes. The journal's name is
// given only to a whole journal, so that a writer killed before then leaves nothing. A journal found by
// a later read completes its write only where the file is still what that write left; otherwise it is
// kept aside, never applied over what someone changed since. A name at the journal's that is not a
// journal is never read, written, truncated or deleted: the build is refused.
//
// Turns: a lock on one byte far beyond the end of any settings file, exclusive for a writer and shared
// for a reader. Windows and Wine both honour it across processes, and Wine across its servers (it mirrors
// the lock to the Linux file), where share modes and named objects reach only one server's programs. It
// locks no byte of the text, so other programs, the game server among them, read the file as ever.

namespace {

const char JournalSuffix[] = ".tmp";
// Where a journal is made before it is given its name; no longer than the journal's name, which the
// longest folder a settings file may stand in leaves room for.
const char NewJournalSuffix[] = ".jnl";
const char KeptAsideSuffix[] = ".not-applied";
// A journal's first bytes: readable, so that whoever opens one sees what it is.
const char JournalMark[16] = {'S', 'K', 'Y', 'V', 'A', 'R', 'N', ' ', 'J', 'O', 'U', 'R', 'N', 'A', 'L', '\n'};
// Then, each number in eight bytes, lowest first: the new text's length, the old text's length, the
// checksum of each of the old text's blocks, and of the old bytes that a write of the new text over the
// start leaves in the block where it ends; then the new text, and a checksum of everything before it.
const std::size_t Block = 4096;
const std::size_t FixedHeader = sizeof JournalMark + 16;
// One call of ReadFile or WriteFile moves at most this much.
const std::size_t Chunk = std::size_t(1) << 30;
const LONGLONG TurnByte = LONGLONG(1) << 62;
// How long a program waits for another one's turn to end before it gives up.
const DWORD TurnWaitMilliseconds = 10000;

// The turn this process holds: its lock stands on this handle, and reads and writes go through it.
struct HeldFile {
    std::string path;
    HANDLE file = INVALID_HANDLE_VALUE;
    bool writing = false;
    bool created = false;   // made empty by the turn: removed at its end if still empty
    bool read = false;      // whether `bytes` hold the file as the turn last read (and settled) it
    std::string bytes;      // so, for the journal of the turn's write, without reading the file again
};
HeldFile Held;

const std::uint64_t ChecksumStart = 14695981039346656037ull;

// A 64-bit checksum going on from `hash`: eight bytes (in the machine's order) at a step, each multiplied in
// and its high bits folded down, the last few bytes one at a time; a megabyte takes a fraction of what one
// byte at a step would. Going on from the checksum of a part whose length is a multiple of eight gives the
// checksum of the whole.
std::uint64_t Checksum(const char* data, std::size_t size, std::uint64_t hash = ChecksumStart)
{
    for (; size >= 8; data += 8, size -= 8) {
        std::uint64_t word;
        std::memcpy(&word, data, 8);
        hash = (hash ^ word) * 1099511628211ull;
        hash ^= hash >> 29;
    }
    for (; size > 0; ++data, --size)
        hash = (hash ^ static_cast<unsigned char>(*data)) * 1099511628211ull;
    return hash;
}

void PutNumber(std::string& out, std::uint64_t number)
{
    for (int index = 0; index < 8; ++index)
        out.push_back(static_cast<char>((number >> (index * 8)) & 0xFF));
}

std::uint64_t NumberAt(const std::string& in, std::size_t at)
{
    std::uint64_t number = 0;
    for (int index = 7; index >= 0; --index)
        number = (number << 8) | static_cast<unsigned char>(in[at + static_cast<std::size_t>(index)]);
    return number;
}

std::size_t BlocksOf(std::size_t size) { return (size + Block - 1) / Block; }

// The checksum of text[begin, end), `end` cut to the end of the block `begin` lies in.
std::uint64_t ChecksumToBlockEnd(const std::string& text, std::size_t begin, std::size_t end)
{
    end = std::min(end, (begin / Block + 1) * Block);
    return begin < end ? Checksum(text.data() + begin, end - begin) : ChecksumStart;
}

// The journal's header for a write of `bytes` over `old`.
std::string JournalHeader(const std::string& old, const std::string& bytes)
{
    std::string header(JournalMark, sizeof JournalMark);
    PutNumber(header, bytes.size());
    PutNumber(header, old.size());
    for (std::size_t block = 0; block < BlocksOf(old.size()); ++block)
        PutNumber(header, ChecksumToBlockEnd(old, block * Block, old.size()));
    PutNumber(header, ChecksumToBlockEnd(old, std::min(bytes.size(), old.size()), old.size()));
    return header;
}

struct Journal {
    enum Kind { None, Foreign, Torn, Whole } kind = None;
    std::string bytes;                         // a whole one's new text
    std::size_t oldSize = 0;
    std::vector<std::uint64_t> oldBlocks;      // and last, the checksum of the block the start's write ends in
};

// Reads a journal's bytes into `journal`: Whole, Torn (its mark, but not whole: it never reached the file,
// which is written only once the journal is whole) or Foreign (anything else, the empty file included).
void ParseJournal(const std::string& in, Journal& journal)
{
    journal.kind = Journal::Foreign;
    if (in.size() < sizeof JournalMark || std::memcmp(in.data(), JournalMark, sizeof JournalMark) != 0)
        return;
    journal.kind = Journal::Torn;
    if (in.size() < FixedHeader + 16)
        return;
    const std::uint64_t size = NumberAt(in, sizeof JournalMark), oldSize = NumberAt(in, sizeof JournalMark + 8);
    if (size > in.size() || oldSize / Block > in.size() / 8)
        return;
    const std::size_t headerEnd = FixedHeader + 8 * (BlocksOf(static_cast<std::size_t>(oldSize)) + 1);
    if (in.size() != headerEnd + size + 8 || NumberAt(in, in.size() - 8) != Checksum(in.data(), in.size() - 8))
        return;
    journal.kind = Journal::Whole;
    journal.oldSize = static_cast<std::size_t>(oldSize);
    for (std::size_t at = FixedHeader; at < headerEnd; at += 8)
        journal.oldBlocks.push_back(NumberAt(in, at));
    journal.bytes = in.substr(headerEnd, static_cast<std::size_t>(size));
}

// Whether `file` is the old text of the journal's write, or what that write leaves when cut off: it
// writes the new text's end behind the old text first, then the new text over the old from the start (a
// process killed there stops at a page's edge, so the new text reaches a block's edge or its own end),
// then cuts the file to the new length.
bool LeftByTheWrite(const std::string& file, const Journal& journal)
{
    const std::string& bytes = journal.bytes;
    const std::size_t old = journal.oldSize;
    if (file.size() < old || file.size() > std::max(old, bytes.size()) ||
        (file.size() > old && file.compare(old, std::string::npos, bytes, old, file.size() - old) != 0))
        return false;
    // The blocks from `oldFrom` on still hold the old text.
    const std::size_t blocks = BlocksOf(old);
    std::size_t oldFrom = blocks;
    while (oldFrom > 0 && ChecksumToBlockEnd(file, (oldFrom - 1) * Block, old) == journal.oldBlocks[oldFrom - 1])
        --oldFrom;
    if (oldFrom == 0)
        return true;   // the old text, perhaps with part of the new end behind it
    if (file.size() != std::max(old, bytes.size()))
        return false;  // the new end is written whole before the start is touched
    const std::size_t common = std::min(old, bytes.size());
    std::size_t same = 0;
    while (same < common && file[same] == bytes[same]) ++same;
    // The new text over the old up to a block's edge, or over all of it, the file not yet cut: behind the
    // new text's end the old bytes stand, in the block where it ends as the journal's last checksum says.
    return oldFrom * Block <= same ||
           (same == common && common < old && common / Block + 1 >= oldFrom &&
            ChecksumToBlockEnd(file, common, old) == journal.oldBlocks[blocks]);
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

std::size_t LengthOf(HANDLE file)
{
    LARGE_INTEGER size = {};
    return GetFileSizeEx(file, &size) && size.QuadPart > 0 ? static_cast<std::size_t>(size.QuadPart) : 0;
}

// The whole file from its start. The buffer keeps room for what a build adds, so that its edits do not
// move the text to a new one.
bool ReadAll(HANDLE file, std::string& bytes)
{
    LARGE_INTEGER start = {};
    bool ok = SetFilePointerEx(file, start, nullptr, FILE_BEGIN) != FALSE;
    std::size_t filled = 0;
    bytes.resize(LengthOf(file) + 65536);
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

// Marks the file the handle holds (opened with DELETE access) for deletion when the last handle closes,
// or takes the mark back. By handle: by name, Wine would delete whatever a symbolic link of that name
// points to.
bool MarkForDeletion(HANDLE file, bool mark)
{
    FILE_DISPOSITION_INFO disposition = {static_cast<BOOLEAN>(mark ? TRUE : FALSE)};
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition) != FALSE;
}

// The folder part of a path, with its separator; "" without one.
std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of("\\/") + 1); }

std::string NameOf(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

// The operator's words for refusals that more than one step gives.
const char WriteErrorText[] = "An error occurred while writing to the INI file.  The INI file may be write-protected.";
const char UnreadableText[] = "The INI file qv3server.ini exists but could not be read: another program may hold it open.";

// Another program is writing the file: waiting ends it.
Refusal TurnBusy()
{
    return Refusal::Busy("Another program is writing the INI file qv3server.ini.");
}

// A file at the journal's name is not a journal.
Refusal ForeignJournal(const char* path)
{
    const std::string name = NameOf(path) + JournalSuffix;
    return name + " beside the INI file is not a journal of the editor's (a copy or a note of yours, a link or a "
                  "folder, perhaps), and the editor neither reads, changes nor removes it.  Nothing was written.  "
                  "Rename or move " + name + ", then try again.";
}

// Whether the open file is the very name `name` in its folder, not a file that a link of that name points
// to: Wine follows links even where asked not to, but reports the path it reached.
bool ReachedDirectly(HANDLE file, const std::string& name)
{
    const std::string folder = FolderOf(name).empty() ? std::string(".") : FolderOf(name);
    HANDLE directory = CreateFileA(folder.c_str(), FILE_READ_ATTRIBUTES,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (directory == INVALID_HANDLE_VALUE)
        return false;
    // The folder's path as reached, then the name: room for both, and for the path the file reached.
    char expected[MAX_PATH * 4];
    char reached[MAX_PATH * 4];
    DWORD length = GetFinalPathNameByHandleA(directory, expected, MAX_PATH * 3, FILE_NAME_NORMALIZED);
    CloseHandle(directory);
    const std::string base = NameOf(name);
    if (length == 0 || length >= MAX_PATH * 3 || base.size() >= MAX_PATH)
        return false;
    if (expected[length - 1] != '\\')
        expected[length++] = '\\';
    std::memcpy(expected + length, base.c_str(), base.size() + 1);
    length = GetFinalPathNameByHandleA(file, reached, sizeof reached, FILE_NAME_NORMALIZED);
    return length > 0 && length < sizeof reached && lstrcmpiA(reached, expected) == 0;
}

// What stands at the journal's name. A plain file of one name, reached directly, that begins as a journal
// is left open in `held` (with DELETE access); anything else, a link, a folder, a pipe, a file with other
// names, one that cannot be opened or one that is not a journal, is Foreign: never touched.
void OpenJournal(const std::string& name, HANDLE& held, Journal& journal)
{
    held = INVALID_HANDLE_VALUE;
    journal = Journal();
    // Wine answers a pipe with ERROR_INVALID_PARAMETER, and a link to nothing as no file at all (making
    // the journal then fails).
    const DWORD attributes = GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        journal.kind = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Journal::None : Journal::Foreign;
        return;
    }
    journal.kind = Journal::Foreign;
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
        return;
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    BY_HANDLE_FILE_INFORMATION information = {};
    std::string bytes;
    if (GetFileInformationByHandle(file, &information) && information.nNumberOfLinks == 1 &&
        ReachedDirectly(file, name) && ReadAll(file, bytes))
        ParseJournal(bytes, journal);
    if (journal.kind == Journal::Foreign)
        CloseHandle(file);
    else
        held = file;
}

// Renames the journal held to the first free name of "<file>.not-applied", "-2", "-3", ...; "" when none.
std::string KeepAside(HANDLE journal, const std::string& path)
{
    for (int number = 1; number < 100; ++number) {
        const std::string name = path + KeptAsideSuffix + (number > 1 ? "-" + std::to_string(number) : "");
        std::vector<WCHAR> info(sizeof(FILE_RENAME_INFO) / sizeof(WCHAR) + name.size() + 1, 0);
        auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(info.data());
        const int units = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, rename->FileName,
                                              static_cast<int>(name.size() + 1));
        rename->ReplaceIfExists = FALSE;
        rename->FileNameLength = static_cast<DWORD>(units > 0 ? units - 1 : 0) * sizeof(WCHAR);
        if (SetFileInformationByHandle(journal, FileRenameInfo, rename, static_cast<DWORD>(info.size() * sizeof(WCHAR))))
            return name;
        if (GetLastError() != ERROR_ALREADY_EXISTS && GetLastError() != ERROR_FILE_EXISTS)
            return "";
    }
    return "";
}

enum class Outcome { Written, Untouched, Cut };

// The bytes into the held file itself, once the journal holds them. Untouched: it failed before any byte
// of the file changed (or what it changed was given back); Cut: the file is neither, and only the journal
// can complete it.
Outcome WriteIntoFile(HANDLE file, const std::string& bytes)
{
    const std::size_t old = LengthOf(file);
    // Room first, taken by the new end's real bytes: Wine's SetEndOfFile would reserve only the last block.
    if (bytes.size() > old && !WriteAt(file, old, bytes.data() + old, bytes.size() - old))
        return SetLength(file, old) ? Outcome::Untouched : Outcome::Cut;
    const bool ok = WriteAt(file, 0, bytes.data(), std::min(old, bytes.size())) && SetLength(file, bytes.size()) &&
                    FlushFileBuffers(file);
    return ok ? Outcome::Written : Outcome::Cut;
}

// The journal of a write of `bytes` over `old`: made whole and flushed under a name of its own, which goes
// when its handle is closed (also when the process is killed), and only then given the journal's name as
// a second name (`linked`), so that nothing but a whole journal ever stands at that name. The handle, or
// null with why not. The bytes may hold the server's password: only this user may open it.
// (Under Wine that list becomes the permission bits user and group both get, under the umask; others get
// none.)
HANDLE MakeJournal(const std::string& name, const std::string& old, const std::string& bytes, Refusal& refusal, bool& linked)
{
    // The list, made once for the process: asking for the token costs two trips to the Wine server.
    alignas(8) static char user[256];
    alignas(8) static char list[256];
    static bool listed = false;
    if (!listed) {
        HANDLE token = nullptr;
        DWORD size = 0;
        listed = OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) &&
                 GetTokenInformation(token, TokenUser, user, sizeof user, &size) &&
                 InitializeAcl(reinterpret_cast<PACL>(list), sizeof list, ACL_REVISION) &&
                 AddAccessAllowedAce(reinterpret_cast<PACL>(list), ACL_REVISION, FILE_ALL_ACCESS,
                                     reinterpret_cast<TOKEN_USER*>(user)->User.Sid);
        if (token)
            CloseHandle(token);
    }
    // Filled in as InitializeSecurityDescriptor and SetSecurityDescriptorDacl would fill it.
    SECURITY_DESCRIPTOR descriptor = {SECURITY_DESCRIPTOR_REVISION, 0, SE_DACL_PRESENT, nullptr, nullptr, nullptr,
                                      reinterpret_cast<PACL>(list)};
    SECURITY_ATTRIBUTES security = {sizeof security, listed ? &descriptor : nullptr, FALSE};
    const std::string own = name.substr(0, name.size() - (sizeof JournalSuffix - 1)) + NewJournalSuffix;
    HANDLE journal = CreateFileA(own.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE, &security,
                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    refusal = WriteErrorText;
    if (journal == INVALID_HANDLE_VALUE) {
        // Left only by a power cut, or not ours at all: either way not to be touched.
        if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS)
            refusal = NameOf(own) + " beside the INI file is in the way of the journal the editor makes there (a "
                      "write cut off by a power cut leaves one): look into it, move it away, then try again.";
        return nullptr;
    }
    const std::string header = JournalHeader(old, bytes);
    std::string trailer;
    PutNumber(trailer, Checksum(bytes.data(), bytes.size(), Checksum(header.data(), header.size())));
    const auto written = [&](HANDLE file) {
        return WriteAll(file, header.data(), header.size()) && WriteAll(file, bytes.data(), bytes.size()) &&
               WriteAll(file, trailer.data(), trailer.size()) && FlushFileBuffers(file);
    };
    linked = true;
    if (written(journal) && CreateHardLinkA(name.c_str(), own.c_str(), nullptr))
        return journal;
    const DWORD error = GetLastError();
    CloseHandle(journal);
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
        refusal = ForeignJournal(name.substr(0, name.size() - (sizeof JournalSuffix - 1)).c_str());
        return nullptr;
    }
    // A file system without second names (FAT, some network shares): the journal made at its name, whole
    // before the file is touched; only a writer killed while making it leaves a part of one there.
    linked = false;
    journal = CreateFileA(name.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE, &security,
                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (journal != INVALID_HANDLE_VALUE && written(journal))
        return journal;
    if (journal != INVALID_HANDLE_VALUE) {
        MarkForDeletion(journal, true);
        CloseHandle(journal);
    }
    return nullptr;
}

// The links of the open file and whether it is to be deleted, as FileStandardInfo tells it: asked so
// rather than through GetFileInformationByHandle, which under Wine also looks the volume up, at a cost
// dearer than the whole write.
FILE_STANDARD_INFO StandardInfo(HANDLE file)
{
    FILE_STANDARD_INFO information = {};
    GetFileInformationByHandleEx(file, FileStandardInfo, &information, sizeof information);
    return information;
}

// Removes the journal's name, by a handle opened through it, once it shows the second name of the journal
// this write made (whose own name goes when its handle closes); a journal made at its name goes with its
// handle.
void RemoveJournal(const std::string& name, HANDLE made, bool linked)
{
    if (!linked) {
        MarkForDeletion(made, true);
        return;
    }
    HANDLE journal = CreateFileA(name.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (journal == INVALID_HANDLE_VALUE)
        return;
    if (StandardInfo(journal).NumberOfLinks == 2)
        MarkForDeletion(journal, true);
    CloseHandle(journal);
}

// Whether the held file is still the file at its path: a turn waited for may find it deleted.
bool StillThere(HANDLE file)
{
    const FILE_STANDARD_INFO information = StandardInfo(file);
    return information.NumberOfLinks > 0 && !information.DeletePending;
}

// Opens the file for the turn: the handle (none for a reading turn on no file), or why not.
Refusal OpenForTurn(const char* path, Turn turn, HANDLE& file, bool& created)
{
    created = false;
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const DWORD access = turn == Turn::Writing ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    file = CreateFileA(path, access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD error = GetLastError();
    if (file == INVALID_HANDLE_VALUE && error == ERROR_FILE_NOT_FOUND && turn == Turn::Writing) {
        // A new file: made, and removable while it is empty.
        file = CreateFileA(path, access | DELETE, share, nullptr, CREATE_NEW, FILE_ATTRIBUTE_ARCHIVE, nullptr);
        created = file != INVALID_HANDLE_VALUE;
        // Made by another writer meanwhile, or a link to nothing yet (Wine shows it as no file, and as one
        // that exists when it is to be made): opened, through the link.
        if (!created)
            file = CreateFileA(path, access, share, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
        error = GetLastError();
    }
    if (file != INVALID_HANDLE_VALUE || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return Refusal();
    if (turn == Turn::Reading)
        return UnreadableText;
    // A file that cannot even be read says so, rather than that it may not be written.
    HANDLE readable = CreateFileA(path, GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (readable == INVALID_HANDLE_VALUE)
        return UnreadableText;
    CloseHandle(readable);
    return WriteErrorText;
}

// Settles the journal beside the file that the turn holds, whose bytes are `bytes`: see ReadSettingsFile.
Refusal SettleJournal(const char* path, std::string& bytes, JournalNote& note)
{
    HANDLE held = INVALID_HANDLE_VALUE;
    Journal journal;
    OpenJournal(std::string(path) + JournalSuffix, held, journal);
    if (held == INVALID_HANDLE_VALUE)
        return Refusal();
    const bool whole = journal.kind == Journal::Whole;
    const bool fits = whole && (bytes == journal.bytes || LeftByTheWrite(bytes, journal));
    Refusal refusal;
    if (!Held.writing) {
        // Nothing is written: the answer is what the next writer will find.
        if (fits && bytes != journal.bytes) {
            bytes = journal.bytes;
            note.kind = JournalNote::Pending;
        } else if (whole && !fits) {
            note.kind = JournalNote::WouldBeKeptAside;
            note.keptAs = NameOf(path) + KeptAsideSuffix;
        }
    } else if (whole && !fits) {
        note.kind = JournalNote::KeptAside;
        note.keptAs = NameOf(KeepAside(held, path));
        if (note.keptAs.empty())
            refusal = "The INI file qv3server.ini has changed since a write of it was cut off, and that write's "
                      "journal " + NameOf(path) + JournalSuffix + " could not be kept aside.";
    } else if (fits && bytes != journal.bytes && WriteIntoFile(Held.file, journal.bytes) != Outcome::Written) {
        refusal = "The INI file qv3server.ini holds a write that was cut off, and it could not be completed.";
    } else {
        // Completed now, complete already, or torn (a torn one never reached the file): it goes.
        if (fits && bytes != journal.bytes) {
            bytes = journal.bytes;
            Held.created = false;
            note.kind = JournalNote::Completed;
        }
        MarkForDeletion(held, true);
    }
    CloseHandle(held);
    return refusal;
}

}  // namespace

SettingsFileTurn::SettingsFileTurn(const char* path, Turn turn)
{
    if (Held.file != INVALID_HANDLE_VALUE || !Held.path.empty()) {
        refusal_ = TurnBusy();   // one turn at a time in a process
        return;
    }
    // A bound, never a measure: polls until the other turn ends.
    for (DWORD waited = 0;; waited += 20, Sleep(20)) {
        HANDLE file = INVALID_HANDLE_VALUE;
        bool created = false;
        refusal_ = OpenForTurn(path, turn, file, created);
        if (refusal_)
            return;
        if (file == INVALID_HANDLE_VALUE)
            break;   // a reading turn on no file
        OVERLAPPED at = {};
        at.Offset = static_cast<DWORD>(TurnByte & 0xFFFFFFFF);
        at.OffsetHigh = static_cast<DWORD>(TurnByte >> 32);
        const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (turn == Turn::Writing ? LOCKFILE_EXCLUSIVE_LOCK : 0);
        if (LockFileEx(file, flags, 0, 1, 0, &at)) {
            if (StillThere(file)) {
                Held.file = file;
                Held.created = created;
                break;
            }
            UnlockFileEx(file, 0, 1, 0, &at);
        }
        CloseHandle(file);
        if (waited >= TurnWaitMilliseconds) {
            refusal_ = TurnBusy();
            return;
        }
    }
    Held.path = path;
    Held.writing = turn == Turn::Writing;
    held_ = true;
}

SettingsFileTurn::~SettingsFileTurn() { End(); }

void SettingsFileTurn::End()
{
    if (!held_)
        return;
    held_ = false;
    if (Held.file != INVALID_HANDLE_VALUE) {
        // A file the turn made and nobody wrote into goes again: the turn found none.
        if (Held.created && LengthOf(Held.file) == 0)
            MarkForDeletion(Held.file, true);
        OVERLAPPED at = {};
        at.Offset = static_cast<DWORD>(TurnByte & 0xFFFFFFFF);
        at.OffsetHigh = static_cast<DWORD>(TurnByte >> 32);
        UnlockFileEx(Held.file, 0, 1, 0, &at);
        CloseHandle(Held.file);
    }
    Held = HeldFile();
}

Refusal ReadSettingsFile(const char* path, std::string& bytes, JournalNote& note)
{
    bytes.clear();
    note = JournalNote();
    if (Held.path.empty()) {
        // No turn yet: a writing one, which may complete a cut-off write; a reading one where there is no
        // file or this user may not write it.
        const bool exists = GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
        SettingsFileTurn turn(path, exists ? Turn::Writing : Turn::Reading);
        if (!turn.Refusal() || turn.Refusal().IsBusy())
            return turn.Refusal() ? turn.Refusal() : ReadSettingsFile(path, bytes, note);
        turn.End();
        SettingsFileTurn reading(path, Turn::Reading);
        return reading.Refusal() ? reading.Refusal() : ReadSettingsFile(path, bytes, note);
    }
    if (Held.file == INVALID_HANDLE_VALUE ? GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES
                                          : !ReadAll(Held.file, bytes))
        return UnreadableText;
    Refusal refusal = SettleJournal(path, bytes, note);
    Held.read = !refusal && Held.writing;
    if (Held.read)
        Held.bytes = bytes;
    return refusal;
}

Refusal ReplaceSettingsFile(const char* path, const std::string& bytes)
{
    if (Held.path.empty()) {
        SettingsFileTurn turn(path, Turn::Writing);
        return turn.Refusal() ? turn.Refusal() : ReplaceSettingsFile(path, bytes);
    }
    const DWORD attributes = GetFileAttributesA(path);
    if (!Held.writing || (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)))
        return WriteErrorText;
    // The file as it stands, any cut-off write settled first: the journal records it. Read by this turn
    // already, it stands so still: no writer of ours comes between.
    if (!Held.read) {
        std::string old;
        JournalNote note;
        if (Refusal unread = ReadSettingsFile(path, old, note))
            return unread;
    }
    const std::string& old = Held.bytes;
    const std::string name = std::string(path) + JournalSuffix;
    if (GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES)
        return ForeignJournal(path);   // anything a read leaves at the journal's name is not ours
    Refusal refusal;
    bool linked = false;
    HANDLE made = MakeJournal(name, old, bytes, refusal, linked);
    if (!made)
        return refusal;
    const Outcome outcome = WriteIntoFile(Held.file, bytes);
    // A write cut off inside the file keeps its journal, from which the next read completes it.
    if (outcome != Outcome::Cut)
        RemoveJournal(name, made, linked);
    CloseHandle(made);
    if (outcome == Outcome::Written) {
        Held.created = false;
        Held.bytes = bytes;
    }
    Held.read = outcome == Outcome::Written;
    return outcome == Outcome::Written ? Refusal() : Refusal(WriteErrorText);
}

Refusal ReplaceRefusal(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    std::string why;
    HANDLE stale = INVALID_HANDLE_VALUE;
    Journal journal;
    OpenJournal(std::string(path) + JournalSuffix, stale, journal);
    if (stale != INVALID_HANDLE_VALUE)
        CloseHandle(stale);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        why = " is a folder.";
    else if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        why = " has the read-only attribute.";
    else if (journal.kind == Journal::Foreign)
        return ForeignJournal(path);
    else if (attributes != INVALID_FILE_ATTRIBUTES) {
        // The build's own access, opened and closed again without a byte written.
        HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            why = GetLastError() == ERROR_SHARING_VIOLATION
                      ? " is held open by another program that does not let it be written."
                      : " may not be written by this user.";
        else
            CloseHandle(file);
    }
    return why.empty() ? Refusal() : Refusal(NameOf(path) + why);
}
