#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

// A fresh directory per test, so leftover temporary files show up in its listing.
class IniFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        dir = fs::temp_directory_path() / ("ini_file_test_" + name + std::to_string(std::random_device{}()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::size_t EntriesInDir() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }
    fs::path dir;
};

TEST_F(IniFileTest, ReplaceThenReadGivesTheExactBytes)
{
    const std::string path = (dir / "settings.ini").string();
    const std::string first = "[S]\r\nk=v\r\n\rx\n\0\xC7\xFF"s;
    ASSERT_TRUE(ReplaceWholeFile(path.c_str(), first));
    std::string bytes = "stale";
    ASSERT_TRUE(ReadWholeFile(path.c_str(), bytes));
    EXPECT_EQ(bytes, first);

    const std::string large(300000, '\r');
    ASSERT_TRUE(ReplaceWholeFile(path.c_str(), large));
    ASSERT_TRUE(ReadWholeFile(path.c_str(), bytes));
    EXPECT_EQ(bytes, large);
    ASSERT_TRUE(ReplaceWholeFile(path.c_str(), ""));
    ASSERT_TRUE(ReadWholeFile(path.c_str(), bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(IniFileTest, FailuresLeaveNothingBehind)
{
    std::string bytes = "stale";
    EXPECT_FALSE(ReadWholeFile((dir / "missing.ini").string().c_str(), bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(ReplaceWholeFile((dir / "no" / "such.ini").string().c_str(), "x"));

    // A directory in the file's place cannot be renamed over: it must stay, and the new file must go.
    fs::create_directory(dir / "taken.ini");
    EXPECT_FALSE(ReplaceWholeFile((dir / "taken.ini").string().c_str(), "x"));
    EXPECT_TRUE(fs::is_directory(dir / "taken.ini"));
    EXPECT_EQ(EntriesInDir(), 1u);
}

}  // namespace
