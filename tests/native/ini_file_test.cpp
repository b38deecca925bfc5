#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

class IniFileTest : public testing::Test {  // a directory of its own: leftover files show in its listing
protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string At(const char* name) const { return (dir / name).string(); }
    auto Entries() const { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }
    const fs::path dir = fs::temp_directory_path() / ("ini_file_test_" + std::to_string(std::random_device{}()));
};

TEST_F(IniFileTest, ReplaceThenReadGivesTheExactBytes)
{
    for (const std::string& content : {"[S]\r\nk=v\r\n\rx\n\0\xC7\xFF"s, std::string(300000, '\r'), ""s}) {
        ASSERT_TRUE(ReplaceWholeFile(At("settings.ini").c_str(), content));
        std::string bytes = "stale";
        ASSERT_TRUE(ReadWholeFile(At("settings.ini").c_str(), bytes));
        EXPECT_EQ(bytes, content);
    }
    EXPECT_EQ(Entries(), 1);
}

TEST_F(IniFileTest, FailuresLeaveNothingBehind)
{
    std::string bytes = "stale";
    EXPECT_FALSE(ReadWholeFile(At("missing.ini").c_str(), bytes) || !bytes.empty()) << "fails with bytes emptied";
    EXPECT_FALSE(ReplaceWholeFile((dir / "no" / "such.ini").string().c_str(), "x"));
    // A directory in the file's place cannot be renamed over: it must stay, and the new file must go.
    fs::create_directory(dir / "taken.ini");
    EXPECT_FALSE(ReplaceWholeFile(At("taken.ini").c_str(), "x"));
    EXPECT_TRUE(fs::is_directory(dir / "taken.ini"));
    EXPECT_EQ(Entries(), 1);
}

}  // namespace
