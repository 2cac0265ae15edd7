#include "util/CodePage.h"

#include <array>
#include <cstdint>

namespace {

// Characters of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char Cp1252Of(char32_t c) {
    char byte = '?';
    return Cp1252ByteOf(c, byte) ? byte : '?';
}

// Decodes one character at `pos`. On a malformed sequence returns false and sets `length` to the
// bytes to skip: the lead byte and the continuation bytes that still fitted it, so that one bad
// sequence gives one replacement.
}  // namespace

bool Cp1252ByteOf(char32_t c, char& byte) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        byte = static_cast<char>(c);
        return true;
    }
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

std::string Utf8Of(char32_t c) {
    std::string out;
    AppendUtf8(out, c);
    return out;
}

namespace {

bool DecodeUtf8(const std::string& text, size_t pos, char32_t& c, size_t& length) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(pos);
    length = 1;
    if (lead < 0x80) {
        c = lead;
        return true;
    }
    size_t needed = 0;
    uint8_t low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        needed = 1;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        needed = 2;
        c = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        needed = 3;
        c = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    } else {
        return false;
    }
    for (size_t i = 1; i <= needed; ++i) {
        if (pos + i >= text.size()) {
            return false;
        }
        const uint8_t next = byte(pos + i);
        const uint8_t from = i == 1 ? low : 0x80;
        const uint8_t to = i == 1 ? high : 0xBF;
        if (next < from || next > to) {
            return false;
        }
        c = (c << 6) | (next & 0x3F);
        length = i + 1;
    }
    return true;
}

}  // namespace

bool DecodeUtf8At(const std::string& text, size_t pos, char32_t& c, size_t& length) {
    return DecodeUtf8(text, pos, c, length);
}

std::string Cp1252ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto byte = static_cast<uint8_t>(ch);
        AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte);
    }
    return out;
}

std::string Utf8ToCp1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        char32_t c = 0;
        size_t length = 1;
        out += DecodeUtf8(text, pos, c, length) ? Cp1252Of(c) : '?';
        pos += length;
    }
    return out;
}

bool Cp1252Holds(char32_t character) {
    return character == '?' || Cp1252Of(character) != '?';
}

bool IsValidUtf8(const std::string& text) {
    for (size_t pos = 0; pos < text.size();) {
        char32_t c = 0;
        size_t length = 1;
        if (!DecodeUtf8(text, pos, c, length)) {
            return false;
        }
        pos += length;
    }
    return true;
}

std::string DisplayTextToUtf8(const std::string& text) {
    return IsValidUtf8(text) ? text : Cp1252ToUtf8(text);
}
