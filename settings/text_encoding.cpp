#include "settings/text_encoding.h"

#include <string_view>
#include <utility>

namespace {

const char Utf8Mark[] = "\xEF\xBB\xBF";

bool StartsWith(std::string_view bytes, std::string_view mark)
{
    return bytes.substr(0, mark.size()) == mark;
}

void AppendUnit(std::string& bytes, char16_t unit, bool bigEndian)
{
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// UTF-16 code units (in host order) to UTF-8. An unpaired surrogate is carried as the 3-byte sequence of
// its value, so that even a malformed file comes back as it was.
std::string Utf16ToUtf8(std::u16string_view units)
{
    std::string text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t code = units[i];
        if (IsHighSurrogate(code) && i + 1 < units.size() && IsLowSurrogate(units[i + 1]))
            code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00);
        if (code < 0x80) {
            text += static_cast<char>(code);
        } else if (code < 0x800) {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            text += static_cast<char>(0xE0 | (code >> 12));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            text += static_cast<char>(0xF0 | (code >> 18));
            text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

// Reads what Utf16ToUtf8 writes; any other byte (which only an edit could bring in) becomes the code
// unit of the same value, so nothing is ever dropped.
std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string units;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        bool whole = length > 1 && i + length <= text.size();
        for (int k = 1; whole && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            whole = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (length > 1 && !whole) {
            units += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        i += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            units += static_cast<char16_t>(0xD800 + (code >> 10));
            units += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            units += static_cast<char16_t>(code);
        }
    }
    return units;
}

}  // namespace

SettingsText DecodeSettingsText(std::string bytes)
{
    // 8-bit text keeps the very buffer it was read into: a settings file may hold megabytes.
    SettingsText decoded;
    if (StartsWith(bytes, Utf8Mark)) {
        decoded.encoding = TextEncoding::Utf8;
        bytes.erase(0, 3);
        decoded.text = std::move(bytes);
        return decoded;
    }
    const bool little = StartsWith(bytes, "\xFF\xFE");
    if (!little && !StartsWith(bytes, "\xFE\xFF")) {
        decoded.text = std::move(bytes);
        return decoded;
    }
    decoded.encoding = little ? TextEncoding::Utf16LittleEndian : TextEncoding::Utf16BigEndian;
    std::u16string units;
    std::size_t pos = 2;
    for (; pos + 1 < bytes.size(); pos += 2) {
        const unsigned char first = static_cast<unsigned char>(bytes[pos]);
        const unsigned char second = static_cast<unsigned char>(bytes[pos + 1]);
        units += static_cast<char16_t>(little ? first | (second << 8) : (first << 8) | second);
    }
    decoded.text = Utf16ToUtf8(units);
    decoded.tail = bytes.substr(pos);
    return decoded;
}

std::string EncodeSettingsText(const SettingsText& text)
{
    switch (text.encoding) {
    case TextEncoding::Ansi:
        return text.text;
    case TextEncoding::Utf8:
        return Utf8Mark + text.text;
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian:
        break;
    }
    const bool bigEndian = text.encoding == TextEncoding::Utf16BigEndian;
    std::string bytes;
    AppendUnit(bytes, 0xFEFF, bigEndian);
    for (char16_t unit : Utf8ToUtf16(text.text)) AppendUnit(bytes, unit, bigEndian);
    return bytes + text.tail;
}
