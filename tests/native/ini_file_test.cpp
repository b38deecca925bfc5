#include "settings/ini_file.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

using namespace std::string_literals;
namespace fs = std::filesystem;

TEST(IniFile, ReplacesTheExactBytesOrLeavesNothingBehind)
{
    // A directory of its own, so that a leftover temporary file shows in its listing.
    const fs::path dir = fs::temp_directory_path() / ("ini_file_test_" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    const std::string path = (dir / "settings.ini").string(), taken = (dir / "taken.ini").string();
    std::string bytes = "stale";
    for (const std::string& content : {"[S]\r\nk=v\r\n\rx\n\0\xC7\xFF"s, std::string(300000, '\r'), ""s}) {
        EXPECT_TRUE(ReplaceWholeFile(path.c_str(), content) && ReadWholeFile(path.c_str(), bytes));
        EXPECT_EQ(bytes, content);
    }
    bytes = "stale";
    EXPECT_FALSE(ReadWholeFile((dir / "missing.ini").string().c_str(), bytes) || !bytes.empty()) << "bytes emptied";
    EXPECT_FALSE(ReplaceWholeFile((dir / "no" / "such.ini").string().c_str(), "x"));
    // A directory in the file's place cannot be renamed over: it must stay, and the new file must go.
    fs::create_directory(taken);
    EXPECT_FALSE(ReplaceWholeFile(taken.c_str(), "x"));
    EXPECT_TRUE(fs::is_directory(taken));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "a temporary file is left";
    fs::remove_all(dir);
}
