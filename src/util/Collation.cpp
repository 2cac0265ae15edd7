#include "util/Collation.h"

#include <algorithm>

#include "util/Text.h"

char PlainLetter(char letter) {
    const auto byte = static_cast<unsigned char>(letter);
    // The code page's accented letters from 0xC0, capitals then small letters 0x20 above them.
    static constexpr char kFromC0[] =
        "AAAAAA\xC6"
        "CEEEEIIII\xD0NOOOOO\xD7OUUUUY\xDE\xDF"
        "aaaaaa\xE6"
        "ceeeeiiii\xF0nooooo\xF7ouuuuy\xFEy";
    if (byte >= 0xC0) {
        return kFromC0[byte - 0xC0];
    }
    switch (byte) {
        case 0x8A:
            return 'S';
        case 0x8E:
            return 'Z';
        case 0x9A:
            return 's';
        case 0x9E:
            return 'z';
        case 0x9F:
            return 'Y';
        default:
            return letter;
    }
}

std::string MatchingForm(const std::string& text) {
    std::string plain = text;
    for (char& c : plain) {
        c = PlainLetter(c);
    }
    return ToUpperCodePage(std::move(plain));
}

namespace {

std::string CollationKey(const std::string& text) {
    std::string key;
    key.reserve(text.size());
    for (char c : MatchingForm(text)) {
        switch (static_cast<unsigned char>(c)) {
            case 0xC6:
                key += "AE";
                break;
            case 0x8C:
                key += "OE";
                break;
            case 0xDF:
                key += "SS";
                break;
            case 0xDE:
                key += "TH";
                break;
            case 0xD0:
                key += 'D';
                break;
            default:
                key += c;
        }
    }
    return key;
}

}  // namespace

bool CollatesBefore(const std::string& a, const std::string& b) {
    const std::string keyA = CollationKey(a);
    const std::string keyB = CollationKey(b);
    if (keyA != keyB) {
        // Bytes compared unsigned, so that whatever is left above 0x7F comes after the letters.
        return std::lexicographical_compare(
            keyA.begin(), keyA.end(), keyB.begin(), keyB.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    }
    return a < b;
}
