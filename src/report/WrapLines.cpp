#include "report/WrapLines.h"

void WrapLines(const CStringList& source, CStringList& target, const CTextMeasure& measure,
               int width) {
    target.clear();
    CStringList words;
    for (const auto& line : source) {
        if (line.empty()) {
            target.emplace_back();
            continue;
        }
        SplitFields(line, " ", words, 0, true);
        std::string current;
        for (const auto& word : words) {
            std::string candidate = current + word + " ";
            if (measure.TextWidth(candidate) <= width) {
                current = std::move(candidate);
            } else {
                target.push_back(current);
                current = word + " ";
            }
        }
        if (!current.empty()) {
            target.push_back(current);
        }
    }
}

std::vector<CPrintedPage> LayOutPages(const CStringList& lines, const CTextMeasure& measure,
                                      int pageWidth, int pageHeight) {
    const int left = pageWidth / 20;
    const int top = pageHeight / 20;
    const int limit = pageHeight - 2 * top;
    CStringList wrapped;
    WrapLines(lines, wrapped, measure, pageWidth - left);

    std::vector<CPrintedPage> pages;
    bool pageOpen = false;
    int y = top;
    int previousHeight = 0;
    for (std::size_t i = 0; i < wrapped.size(); ++i) {
        if (!pageOpen) {
            pages.emplace_back();
            pageOpen = true;
        }
        pages.back().push_back({left, y, wrapped[i]});
        const int height =
            wrapped[i].empty() && i > 0 ? previousHeight : measure.TextHeight(wrapped[i]);
        previousHeight = height;
        y += height;
        if (y > limit) {
            pageOpen = false;
            y = top;
        }
    }
    return pages;
}
