#pragma once
#include <string>

// The settings file's bytes as the INI engine works on them. The platform reads a file that begins with
// a UTF-8 byte-order mark as UTF-8, and one that begins with FF FE (FE FF) as UTF-16 little (big) endian;
// any other file is 8-bit text in the ANSI code page. The engine works on 8-bit text: the file's own
// bytes, or for UTF-16 the same text as UTF-8. Decoding and encoding again gives back every file's exact
// bytes, so that the lines a build does not change keep them.

enum class TextEncoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian };

struct SettingsText {
    TextEncoding encoding = TextEncoding::Ansi;
    std::string text;   // without the byte-order mark; UTF-8 unless the encoding is Ansi
    std::string tail;   // a UTF-16 file's odd last byte, kept as it was
};

SettingsText DecodeSettingsText(std::string bytes);
std::string EncodeSettingsText(const SettingsText& text);
