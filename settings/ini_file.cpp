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
}  // namespace
#else
#include <unistd.h>

namespace {
unsigned long ProcessId() { return static_cast<unsigned long>(getpid()); }
bool SyncToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }
bool MoveOver(const char* from, const char* to) { return std::rename(from, to) == 0; }
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
    if (WriteAll(temporary, bytes) && MoveOver(temporary.c_str(), path)) return true;
    std::remove(temporary.c_str());
    return false;
}
