#include "report/FindInLines.h"

#include <algorithm>

namespace {

// Windows-1252 letters in lower case: ASCII, the accented capitals from 0xC0 (but the
// multiplication sign), and the three capitals that code page puts below 0xC0.
unsigned char Folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) {
        return static_cast<unsigned char>(u + 0x20);
    }
    switch (u) {
        case 0x8A:  // S caron
        case 0x8C:  // OE
        case 0x8E:  // Z caron
            return static_cast<unsigned char>(u + 0x10);
        case 0x9F:  // Y diaeresis
            return 0xFF;
        default:
            return u;
    }
}

bool SameLetters(char a, char b) {
    return Folded(a) == Folded(b);
}

// Where `needle` begins in `line` at or after `column`, or npos.
std::size_t FindInLine(std::string_view line, std::string_view needle, std::size_t column) {
    if (column > line.size()) {
        return std::string_view::npos;
    }
    const auto found = std::search(line.begin() + static_cast<std::ptrdiff_t>(column), line.end(),
                                   needle.begin(), needle.end(), SameLetters);
    return found == line.end() ? std::string_view::npos
                               : static_cast<std::size_t>(found - line.begin());
}

}  // namespace

std::optional<CLinePosition> FindInLines(const CStringList& lines, std::string_view needle,
                                         CLinePosition from) {
    if (needle.empty() || lines.empty()) {
        return std::nullopt;
    }
    if (from.line >= lines.size()) {
        from = {};
    }
    // From `from` to the end, then from the top through the rest of `from`'s line.
    for (std::size_t step = 0; step <= lines.size(); ++step) {
        const std::size_t line = (from.line + step) % lines.size();
        const std::size_t column = step == 0 ? from.column : 0;
        const std::size_t found = FindInLine(lines[line], needle, column);
        if (found != std::string_view::npos) {
            return CLinePosition{line, found};
        }
    }
    return std::nullopt;
}
