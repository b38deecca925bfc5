#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "settings/settings_file.h"

// Runs the settings file's write path on real file systems, for the scripts beside it:
//   fs_driver write FILE BYTES     writes BYTES' content into FILE; exit 0, or 1 when it was refused
//   fs_driver read FILE OUT        reads FILE (completing a cut-off write) into OUT; exit 0, or 1
//   fs_driver refusal FILE         prints why a write would be refused; exit 0 when it would not be
//   fs_driver churn FILE A B       says what FILE holds once read ("a", "b" or "torn"; then "journal" when
//                                  a journal was found, "cut" when the file itself was neither before the
//                                  read), then writes A and B in turn until killed

namespace {

std::string Bytes(const char* path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

int Churn(const char* file, const std::string& a, const std::string& b)
{
    const bool journal = GetFileAttributesA((std::string(file) + ".tmp").c_str()) != INVALID_FILE_ATTRIBUTES;
    const std::string left = Bytes(file);
    std::string now;
    JournalNote note;
    const bool read = !ReadSettingsFile(file, now, note);
    std::printf("%s%s%s\n", !read ? "unreadable" : now == a ? "a" : now == b ? "b" : "torn", journal ? " journal" : "",
                left == a || left == b ? "" : " cut");
    std::printf("ready\n");
    std::fflush(stdout);
    for (unsigned round = 0;; ++round)
        if (ReplaceSettingsFile(file, round % 2 ? a : b)) {
            std::printf("refused\n");
            return 1;
        }
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 2 ? argv[1] : "";
    if (command == "write" && argc == 4)
        return ReplaceSettingsFile(argv[2], Bytes(argv[3])) ? 1 : 0;
    if (command == "read" && argc == 4) {
        std::string bytes;
        JournalNote note;
        if (ReadSettingsFile(argv[2], bytes, note))
            return 1;
        std::ofstream(argv[3], std::ios::binary) << bytes;
        return 0;
    }
    if (command == "refusal" && argc == 3) {
        const std::string reason = ReplaceRefusal(argv[2]).Reason();
        std::printf("%s\n", reason.c_str());
        return reason.empty() ? 0 : 2;
    }
    if (command == "churn" && argc == 5)
        return Churn(argv[2], Bytes(argv[3]), Bytes(argv[4]));
    std::fprintf(stderr, "usage: fs_driver write|read|refusal|churn FILE ...\n");
    return 2;
}
