#pragma once
// A document laid out in pages: texts placed in points from the page's top left corner, and
// straight rules. The PDF writer and the printer both draw it, so that both show one layout.
#include <string>
#include <string_view>
#include <vector>

enum class CFontRole { Regular = 0, Bold = 1 };
enum class CTextAlign { Left, Right };

struct CPageText {
    double x = 0;  // the left end, or the right end of a right-aligned text
    double y = 0;  // the baseline
    double size = 10;
    CFontRole role = CFontRole::Regular;
    CTextAlign align = CTextAlign::Left;
    std::string text;  // Windows-1252
};

struct CPageRule {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = 0.5;
};

struct CPage {
    std::vector<CPageText> texts;
    std::vector<CPageRule> rules;
};

struct CPageDocument {
    double width = 0;  // points
    double height = 0;
    std::string title;  // Windows-1252
    std::vector<CPage> pages;
};

// The width of `text` (Windows-1252) in the face of `role` at `size` points, as a PDF reader
// sets it in Helvetica.
double TextWidth(std::string_view text, CFontRole role, double size);
