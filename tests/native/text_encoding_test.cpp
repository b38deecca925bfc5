#include "settings/text_encoding.h"

#include <gtest/gtest.h>
#include <random>

using namespace std::string_literals;

TEST(TextEncoding, MarksChooseTheEncodingAndTheTextIsWhatTheEngineReads)
{
    const struct { std::string bytes; TextEncoding encoding; std::string text; } rows[] = {
        {"[a]\r\n", TextEncoding::Ansi, "[a]\r\n"}, {"\xEF\xBB\xBF[a]\xE9", TextEncoding::Utf8, "[a]\xE9"},
        {"\xFF\xFE[\0\xE9\0"s, TextEncoding::Utf16LittleEndian, "[\xC3\xA9"},
        {"\xFE\xFF\0[\xD8\x3D\xDE\x00"s, TextEncoding::Utf16BigEndian, "[\xF0\x9F\x98\x80"},
        {"\xFF\xFE\0\xD8\0\xDC"s, TextEncoding::Utf16LittleEndian, "\xF0\x90\x80\x80"},   // U+10000, the first of four bytes
        {"\xEF\xBB", TextEncoding::Ansi, "\xEF\xBB"}, {"", TextEncoding::Ansi, ""}};
    for (const auto& r : rows) {
        SettingsText decoded = DecodeSettingsText(r.bytes);
        EXPECT_EQ(decoded.encoding, r.encoding) << testing::PrintToString(r.bytes);
        EXPECT_EQ(decoded.text, r.text) << testing::PrintToString(r.bytes);
    }
}

// A build that changes no line must give back the file's very bytes, however malformed.
TEST(TextEncoding, EveryFileComesBackByteForByte)
{
    const std::string marks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
    const std::string bytes = "\0\r\n[]=a\x7F\x80\xBF\xC3\xD8\xDC\xE0\xED\xF0\xF4\xF8\xFF"s;
    std::mt19937 random(7);
    for (int round = 0; round < 4000; ++round) {
        std::string file = marks[round % 4];
        for (auto n = random() % 64; n > 0; --n) file += bytes[random() % bytes.size()];
        ASSERT_EQ(EncodeSettingsText(DecodeSettingsText(file)), file) << testing::PrintToString(file);
    }
    // Text added in a UTF-16 file goes in as UTF-16.
    SettingsText text = DecodeSettingsText("\xFF\xFE"s);
    text.text = "k=\xC3\xA9";
    EXPECT_EQ(EncodeSettingsText(text), "\xFF\xFEk\0=\0\xE9\0"s);
}
