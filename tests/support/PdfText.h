#pragma once
// Reads a PDF back as text with poppler's pdftotext, as a user's reader would find and copy it.
#include <string>
#include <vector>

// Whether pdftotext can be run here (tools/install-deps.sh installs poppler-utils).
bool HavePdfToText();
// The text of the PDF file, its pages' columns kept in place (-layout), pages parted by form
// feeds; "" when it could not be read.
std::string PdfFileText(const std::string& path);
// The same of PDF bytes made in memory.
std::string PdfText(const std::string& pdf);

// A word as the reader places it, in points from the page's top left corner.
struct CPdfWord {
    std::size_t page;  // from 0
    double xMin, xMax;
    std::string text;
};
// Every word of the PDF file with its box (pdftotext -bbox).
std::vector<CPdfWord> PdfFileWords(const std::string& path);

// Skips the test, saying why, where pdftotext is missing.
#define TAVORIN_NEED_PDFTOTEXT()                                                              \
    if (!HavePdfToText()) {                                                                   \
        GTEST_SKIP() << "pdftotext is missing: tools/install-deps.sh installs poppler-utils"; \
    }
