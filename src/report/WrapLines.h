#pragma once
// Word wrapping and page layout of the report's lines, measured by whatever shows or prints
// them: the report window's text area, a printer.
#include <string>
#include <vector>

#include "platform/TextMeasure.h"
#include "util/Text.h"

// Wraps every source line at blanks into lines no wider than `width` (target emptied first).
// Each word keeps one blank after it, so wrapped lines end with a blank; empty lines stay empty.
// A word wider than `width` stands on a line of its own (after an empty line when it is the
// first word of its source line).
void WrapLines(const CStringList& source, CStringList& target, const CTextMeasure& measure,
               int width);

struct PrintedLine {
    int x = 0;
    int y = 0;
    std::string text;
};
using CPrintedPage = std::vector<PrintedLine>;

// Lays the lines out on pages of `pageWidth` x `pageHeight` device units: margins of a
// twentieth of the page at the left and top, the lines wrapped to the rest of the width, and a
// new page once a line has passed the height less two top margins. An empty line is as high as
// the line before it.
std::vector<CPrintedPage> LayOutPages(const CStringList& lines, const CTextMeasure& measure,
                                      int pageWidth, int pageHeight);
