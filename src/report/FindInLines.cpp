#include "report/FindInLines.h"

#include "util/Collation.h"

std::optional<CLinePosition> FindInLines(const CStringList& lines, std::string_view needle,
                                         CLinePosition from) {
    if (needle.empty() || lines.empty()) {
        return std::nullopt;
    }
    if (from.line >= lines.size()) {
        from = {};
    }
    const std::string wanted = MatchingForm(std::string(needle));
    // From `from` to the end, then from the top through the rest of `from`'s line.
    for (std::size_t step = 0; step <= lines.size(); ++step) {
        const std::size_t line = (from.line + step) % lines.size();
        const std::size_t column = step == 0 ? from.column : 0;
        // The matching form keeps every letter in its place, so the column is the line's own.
        const std::size_t found = MatchingForm(lines[line]).find(wanted, column);
        if (found != std::string::npos) {
            return CLinePosition{line, found};
        }
    }
    return std::nullopt;
}
