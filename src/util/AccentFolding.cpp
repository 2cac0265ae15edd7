#include "util/AccentFolding.h"

#include "util/Text.h"

namespace {

// The capitals 0xC0 to 0xDE of the code page without their accents; "." where the letter is one
// of its own (Æ, Ð, Þ) or no letter (×).
constexpr const char* kPlainCapitals = "AAAAAA.CEEEEIIII.NOOOOO.OUUUUY.";

}  // namespace

std::string FoldCaseAndAccents(const std::string& text) {
    std::string folded = ToUpperCodePage(text);
    for (char& c : folded) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xC0 && byte <= 0xDE && kPlainCapitals[byte - 0xC0] != '.') {
            c = kPlainCapitals[byte - 0xC0];
        } else if (byte == 0x8A) {  // Š
            c = 'S';
        } else if (byte == 0x8E) {  // Ž
            c = 'Z';
        } else if (byte == 0x9F) {  // Ÿ
            c = 'Y';
        }
    }
    return folded;
}
