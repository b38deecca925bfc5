#include "check/line_diff.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

TEST(UnifiedDiff, NamesTheChangedLinesWithTheirContext)
{
    const struct { const char *before, *after, *diff; } rows[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n", ""},
        {"", "[S]\r\nk=\r\n", "--- old\n+++ new\n@@ -0,0 +1,2 @@\n+[S]\r\n+k=\r\n"},
        {"1\n2\n3\n4\n5\n6\n7\n8\n9\n", "1\n2\nX\n4\n5\nY\n7\n8\n9\n",
         "--- old\n+++ new\n@@ -2,6 +2,6 @@\n 2\n-3\n+X\n 4\n 5\n-6\n+Y\n 7\n"},
        {"1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n", "X\n2\n3\n4\n5\n6\n7\n8\n9\nY\n",
         "--- old\n+++ new\n@@ -1,2 +1,2 @@\n-1\n+X\n 2\n@@ -9,2 +9,2 @@\n 9\n-10\n+Y\n"},
        {"1\n2\n3\n4\n5\n6\n", "X\n2\n3\n4\nY\n6\n",   // 2 * context + 1 lines apart: two hunks
         "--- old\n+++ new\n@@ -1,2 +1,2 @@\n-1\n+X\n 2\n@@ -4,3 +4,3 @@\n 4\n-5\n+Y\n 6\n"},
        // A lone CR ends no line for patch: it stays inside the line it stands in.
        {"a\rb\r", "a\r\nb\r",
         "--- old\n+++ new\n@@ -1 +1,2 @@\n-a\rb\r\n\\ No newline at end of file\n+a\r\n+b\r\n\\ No newline at end of file\n"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(UnifiedDiff(r.before, r.after, "old", "new", r.before[0] == '1' ? 1 : 3), r.diff) << r.before;
}

// patch, given the diff of two texts with CRLF, LF and lone CR line ends (and a last line without one),
// accepts it and makes the second text from the first, byte for byte: the diff holds the old text's lines
// where it says they are, and the new text's.
TEST(UnifiedDiff, PatchAppliesItWhateverTheLineEnds)
{
    char folderTemplate[] = "/tmp/skyvarn-line-diff-XXXXXX";
    ASSERT_NE(mkdtemp(folderTemplate), nullptr);
    const std::string folder = folderTemplate;
    std::mt19937 random(29);
    auto text = [&] {
        std::string made;
        const char* const ends[] = {"\r\n", "\n", "\r"};
        for (auto n = random() % 10; n > 0; --n) made += "kx=1"[random() % 4], made += ends[random() % 3];
        if (random() % 4 == 0) made += "end";
        return made;
    };
    for (int round = 0; round < 100; ++round) {
        const std::string before = text(), after = text();
        const std::string diff = UnifiedDiff(before, after, "old", "new");
        if (diff.empty()) continue;
        std::ofstream(folder + "/old", std::ios::binary) << before;
        std::ofstream(folder + "/diff", std::ios::binary) << diff;
        // Without fuzz, so that every context line must be the old text's own.
        const std::string patch = "patch -s -F0 -o " + folder + "/new " + folder + "/old " + folder + "/diff";
        ASSERT_EQ(std::system(patch.c_str()), 0) << diff;
        std::ifstream made(folder + "/new", std::ios::binary);
        ASSERT_EQ(std::string(std::istreambuf_iterator<char>(made), {}), after) << diff;
    }
    std::filesystem::remove_all(folder);
}
