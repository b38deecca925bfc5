#include "settings/ini_file.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

namespace {
unsigned long ProcessId() { return GetCurrentProcessId(); }
bool SyncToDisk(std::FILE* file) { return _commit(_fileno(file)) == 0; }
// Plain rename cannot replace an existing file on Windows; write-through makes the move itself durable.
bool MoveOver(const char* from, const char* to)
{
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
// A program that only reads the file (the game server, a viewer) may hold it open without allowing it to
// be replaced; as long as it allows writing, the bytes are written in place instead, as the platform's
// own profile functions would.
bool RewriteInPlace(const char* path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                                written == bytes.size());
    ok = ok && SetEndOfFile(file) && FlushFileBuffers(file);
    CloseHandle(file);
    return ok;
}
}  // namespace
#else
#include <unistd.h>

namespace {
unsigned long ProcessId() { return static_cast<unsigned long>(getpid()); }
bool SyncToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }
bool MoveOver(const char* from, const char* to) { return std::rename(from, to) == 0; }
bool RewriteInPlace(const char*, const std::string&) { return false; }  // a rename is never refused for readers
}  // namespace
#endif

namespace {

bool Exists(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file) std::fclose(file);
    return file != nullptr;
}

// Beside the target, so that the final rename stays on one volume.
std::string TemporaryName(const char* path)
{
    static unsigned long counter = 0;
    std::string name;
    do {
        name = std::string(path) + ".~" + std::to_string(ProcessId()) + "." + std::to_string(++counter);
    } while (Exists(name));
    return name;
}

bool WriteAll(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = written && std::fflush(file) == 0 && SyncToDisk(file);
    return std::fclose(file) == 0 && written;
}

}  // namespace

bool ReadWholeFile(const char* path, std::string& bytes)
{
    bytes.clear();
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char chunk[16384];
    std::size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, count);
    bool ok = !std::ferror(file);
    std::fclose(file);
    if (!ok) bytes.clear();
    return ok;
}

bool ReplaceWholeFile(const char* path, const std::string& bytes)
{
    const std::string temporary = TemporaryName(path);
    if (!WriteAll(temporary, bytes)) {
        std::remove(temporary.c_str());
        return false;
    }
    if (MoveOver(temporary.c_str(), path)) return true;
    std::remove(temporary.c_str());
    return Exists(path) && RewriteInPlace(path, bytes);
}
