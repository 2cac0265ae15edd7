#include "support/PdfText.h"

#include <cstdlib>
#include <regex>

#include "support/StudioFixtures.h"

bool HavePdfToText() {
#ifdef _WIN32
    return false;  // poppler is not part of the Windows test run
#else
    static const bool found = std::system("command -v pdftotext >/dev/null 2>&1") == 0;
    return found;
#endif
}

std::string PdfFileText(const std::string& path) {
    CTempDir dir;
    const std::string out = dir.File("text.txt");
    const std::string command = "pdftotext -q -layout -enc UTF-8 '" + path + "' '" + out + "'";
    if (std::system(command.c_str()) != 0) {
        return {};
    }
    return ReadFileBytes(out);
}

std::string PdfText(const std::string& pdf) {
    CTempDir dir;
    const std::string path = dir.File("document.pdf");
    WriteFileBytes(path, pdf);
    return PdfFileText(path);
}

std::vector<CPdfWord> PdfFileWords(const std::string& path) {
    CTempDir dir;
    const std::string out = dir.File("words.html");
    const std::string command = "pdftotext -q -bbox -enc UTF-8 '" + path + "' '" + out + "'";
    std::vector<CPdfWord> words;
    if (std::system(command.c_str()) != 0) {
        return words;
    }
    const std::string html = ReadFileBytes(out);
    static const std::regex kItem(
        "<page |<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>");
    std::size_t page = 0;
    bool seenPage = false;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), kItem);
         it != std::sregex_iterator(); ++it) {
        if ((*it)[1].length() == 0) {
            page += seenPage ? 1 : 0;
            seenPage = true;
            continue;
        }
        words.push_back({page, std::stod((*it)[1]), std::stod((*it)[2]), (*it)[3]});
    }
    return words;
}
