#include "util/PlainLetters.h"

#include <algorithm>
#include <string_view>

#include "util/CodePage.h"

namespace {

// U+0100 to U+017F (Latin Extended-A), one plain letter each; the code page holds Œ œ Š š Ÿ Ž ž
// itself, and the two ligatures are spelt out below.
constexpr std::string_view kExtendedA =
    "AaAaAaCcCcCcCcDd"
    "DdEeEeEeEeEeGgGg"
    "GgGgHhHhIiIiIiIi"
    "Ii..JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOo"
    "OoOoRrRrRrSsSsSs"
    "SsTtTtTtUuUuUuUu"
    "UuUuWwYyYZzZzZzs";

// Letters of Romanian, Vietnamese, pinyin and the like beyond Latin Extended-A.
struct CPlainOf {
    char32_t letter;
    const char* plain;
};
constexpr CPlainOf kOthers[] = {
    {0x0132, "IJ"}, {0x0133, "ij"}, {0x0180, "b"}, {0x0189, "D"},  {0x01A0, "O"}, {0x01A1, "o"},
    {0x01AF, "U"},  {0x01B0, "u"},  {0x01CD, "A"}, {0x01CE, "a"},  {0x01CF, "I"}, {0x01D0, "i"},
    {0x01D1, "O"},  {0x01D2, "o"},  {0x01D3, "U"}, {0x01D4, "u"},  {0x01E6, "G"}, {0x01E7, "g"},
    {0x01F4, "G"},  {0x01F5, "g"},  {0x01F8, "N"}, {0x01F9, "n"},  {0x0218, "S"}, {0x0219, "s"},
    {0x021A, "T"},  {0x021B, "t"},  {0x02BB, "'"}, {0x02BC, "'"},  {0x2010, "-"}, {0x2011, "-"},
    {0x2012, "-"},  {0x2015, "-"},  {0x2032, "'"}, {0x2033, "\""},
};

// Vietnamese's stacked accents (U+1EA0 to U+1EF9) alternate capital and small letter.
struct CRun {
    char32_t first;
    char32_t last;
    char capital;
};
constexpr CRun kVietnamese[] = {{0x1EA0, 0x1EB7, 'A'}, {0x1EB8, 0x1EC7, 'E'},
                                {0x1EC8, 0x1ECB, 'I'}, {0x1ECC, 0x1EE3, 'O'},
                                {0x1EE4, 0x1EF1, 'U'}, {0x1EF2, 0x1EF9, 'Y'}};

bool IsCombiningMark(char32_t c) {
    return c >= 0x0300 && c <= 0x036F;
}

// The plain form of `c`, or "" when it has none.
std::string PlainFormOf(char32_t c) {
    if (c >= 0x0100 && c <= 0x017F && kExtendedA[c - 0x0100] != '.') {
        return std::string(1, kExtendedA[c - 0x0100]);
    }
    for (const auto& other : kOthers) {
        if (other.letter == c) {
            return other.plain;
        }
    }
    for (const auto& run : kVietnamese) {
        if (c >= run.first && c <= run.last) {
            const bool capital = (c - run.first) % 2 == 0;
            return std::string(1, capital ? run.capital : static_cast<char>(run.capital + 32));
        }
    }
    return "";
}

template <class T>
void AddOnce(std::vector<T>& list, T item, bool (*same)(const T&, const T&)) {
    if (std::none_of(list.begin(), list.end(), [&](const T& x) { return same(x, item); })) {
        list.push_back(std::move(item));
    }
}

bool SameLetter(const CPlainLetter& a, const CPlainLetter& b) {
    return a.letter == b.letter;
}

bool SameText(const std::string& a, const std::string& b) {
    return a == b;
}

}  // namespace

CCodePageText Utf8ToCodePageWithPlainLetters(const std::string& utf8) {
    CCodePageText result;
    result.text.reserve(utf8.size());
    std::size_t previousStart = 0;  // where the last character began, for its accent mark
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t c = 0;
        std::size_t length = 1;
        if (!DecodeUtf8At(utf8, pos, c, length)) {
            AddOnce(result.unstorable, utf8.substr(pos, length), SameText);
            pos += length;
            continue;
        }
        char byte = 0;
        if (Cp1252ByteOf(c, byte)) {
            result.text += byte;
        } else if (IsCombiningMark(c) && pos > 0) {
            // "e" and an acute accent: the letter stays, its accent goes.
            const std::string base = utf8.substr(previousStart, pos - previousStart);
            AddOnce(result.plainLetters, CPlainLetter{base + utf8.substr(pos, length), base},
                    SameLetter);
        } else if (const std::string plain = PlainFormOf(c); !plain.empty()) {
            result.text += plain;
            AddOnce(result.plainLetters, CPlainLetter{utf8.substr(pos, length), plain}, SameLetter);
        } else {
            AddOnce(result.unstorable, utf8.substr(pos, length), SameText);
        }
        if (!IsCombiningMark(c)) {
            previousStart = pos;
        }
        pos += length;
    }
    return result;
}
