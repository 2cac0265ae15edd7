#pragma once
// Finding a text in the report's lines, as the report window's Find does: letters match in
// either case and with or without their accents (the lines' code page, Windows-1252, decides
// what a letter is), and the search goes on from the top when it reaches the end.
#include <cstddef>
#include <optional>
#include <string_view>

#include "util/Text.h"

struct CLinePosition {
    std::size_t line = 0;
    std::size_t column = 0;
    bool operator==(const CLinePosition&) const = default;
};

// The first place at or after `from` where `needle` begins, else the first one before it; none
// for an empty needle or when the lines hold it nowhere. A match never spans two lines.
std::optional<CLinePosition> FindInLines(const CStringList& lines, std::string_view needle,
                                         CLinePosition from);
