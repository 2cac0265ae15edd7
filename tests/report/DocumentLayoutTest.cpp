// The report's pages as a studio hands them out: amounts in one column, each couple's entries on
// one page where they fit, a running head and "Page N of M" on every page, and the PDF's text
// as the reader gets it back.
#include <gtest/gtest.h>

#include <map>

#include "report/DocumentLayout.h"
#include "report/ReportDocument.h"
#include "support/PdfText.h"
#include "util/PdfWriter.h"

namespace {

CDocumentHeader Header() {
    CDocumentHeader header;
    header.studioName = "Caf\xe9 Dance";
    header.studioAddress = {"1 Main Street", "Springfield, IL 62701"};
    header.competitionName = "Fall Classic";
    header.organizerEmail = "entries@fall.example.org";
    header.datePrinted = "9 December 2026";
    return header;
}

// `couples` couples, each with `entries` entries of 12.34 and their subtotal.
std::vector<CReportLine> Report(int couples, int entries) {
    std::vector<CReportLine> lines = {{CReportLineKind::Studio, "Caf\xe9 Dance", ""},
                                      {CReportLineKind::Blank, "", ""},
                                      {CReportLineKind::Heading, "Dance entries:", ""},
                                      {CReportLineKind::Blank, "", ""}};
    for (int c = 0; c < couples; ++c) {
        lines.push_back({CReportLineKind::Couple, "Couple " + std::to_string(c), ""});
        for (int e = 0; e < entries; ++e) {
            lines.push_back(
                {CReportLineKind::Entry, "Waltz of couple " + std::to_string(c), "12.34"});
        }
        lines.push_back({CReportLineKind::Subtotal, "Subtotal", "99.99"});
        lines.push_back({CReportLineKind::Blank, "", ""});
    }
    lines.push_back({CReportLineKind::Total, "Approximate total due:", "1234.56"});
    return lines;
}

// On which page each text stands.
std::multimap<std::string, std::size_t> PagesOfTexts(const CPageDocument& document) {
    std::multimap<std::string, std::size_t> pages;
    for (std::size_t k = 0; k < document.pages.size(); ++k) {
        for (const CPageText& text : document.pages[k].texts) {
            pages.emplace(text.text, k);
        }
    }
    return pages;
}

TEST(DocumentLayout, ACouplesBlockMovesToTheNextPageRatherThanBeSplit) {
    // Blocks of eight entries on Letter paper: some block must meet a page's end.
    const CPageDocument document = ReportDocument(Header(), Report(12, 8), CPaper::Letter);
    ASSERT_GE(document.pages.size(), 3u);
    EXPECT_EQ(document.width, 612);
    EXPECT_EQ(document.height, 792);
    for (int c = 0; c < 12; ++c) {
        const std::string label = "Couple " + std::to_string(c);
        const auto pages = PagesOfTexts(document);
        const std::size_t page = pages.find(label)->second;
        const auto [from, to] = pages.equal_range("Waltz of couple " + std::to_string(c));
        int count = 0;
        for (auto it = from; it != to; ++it, ++count) {
            EXPECT_EQ(it->second, page) << label;
        }
        EXPECT_EQ(count, 8);
    }
    // Every page ends no lower than the bottom margin.
    for (const CPage& page : document.pages) {
        for (const CPageText& text : page.texts) {
            EXPECT_LE(text.y, 792 - 54);
        }
    }
}

TEST(DocumentLayout, ABlockLongerThanAPageGoesOnOverThePages) {
    const CPageDocument document = ReportDocument(Header(), Report(1, 120), CPaper::A4);
    ASSERT_GE(document.pages.size(), 2u);
    EXPECT_NEAR(document.width, 595.28, 0.01);
    // It begins on the first page, right under the heading, and none of it is lost.
    const auto pages = PagesOfTexts(document);
    EXPECT_EQ(pages.find("Couple 0")->second, 0u);
    EXPECT_EQ(pages.count("Waltz of couple 0"), 120u);
}

TEST(DocumentLayout, AmountsStandRightAlignedInOneColumnAndEveryPageIsNumbered) {
    const CPageDocument document = ReportDocument(Header(), Report(12, 8), CPaper::Letter);
    const std::string count = std::to_string(document.pages.size());
    for (std::size_t k = 0; k < document.pages.size(); ++k) {
        int numbers = 0;
        int heads = 0;
        for (const CPageText& text : document.pages[k].texts) {
            if (text.text == "12.34" || text.text == "99.99" || text.text == "1234.56") {
                EXPECT_EQ(text.align, CTextAlign::Right);
                EXPECT_EQ(text.x, 612 - 54);
            }
            numbers += text.text == "Page " + std::to_string(k + 1) + " of " + count;
            heads += text.text == "Caf\xe9 Dance - Fall Classic";
        }
        EXPECT_EQ(numbers, 1) << "page " << k + 1;
        EXPECT_EQ(heads, 1) << "page " << k + 1;
    }
    // The subtotal and the total are bold, with a rule above their amounts.
    const CPage& first = document.pages.front();
    bool boldSubtotal = false;
    for (const CPageText& text : first.texts) {
        boldSubtotal |= text.text == "99.99" && text.role == CFontRole::Bold;
    }
    EXPECT_TRUE(boldSubtotal);
    EXPECT_GE(first.rules.size(), 2u);  // the running head's and at least one subtotal's
}

TEST(DocumentLayout, ALongLineWrapsInItsColumnAndKeepsItsAmountOnItsFirstLine) {
    CDocumentLayout layout(CPaper::A4, "t", "head");
    std::string words;
    for (int k = 0; k < 40; ++k) {
        words += "Quickstep ";
    }
    layout.AddRow({CRowStyle::Plain, words, "45.00"});
    const CPageDocument document = layout.Finish();
    const CPage& page = document.pages.front();
    int lines = 0;
    double amountY = 0, firstY = 0;
    for (const CPageText& text : page.texts) {
        if (text.text.starts_with("Quickstep")) {
            firstY = lines++ == 0 ? text.y : firstY;
            // The words stay left of the amount column.
            EXPECT_LE(54 + TextWidth(text.text, CFontRole::Regular, 10), 595.28 - 54 - 90);
        }
        amountY = text.text == "45.00" ? text.y : amountY;
    }
    EXPECT_GE(lines, 3);
    EXPECT_EQ(amountY, firstY);
}

TEST(PdfWriter, TheTextComesBackAsTextWithItsAccentsBracketsAndBackslashes) {
    TAVORIN_NEED_PDFTOTEXT();
    CDocumentLayout layout(CPaper::Letter, "Caf\xe9",
                           "Zo\xeb \xd1\xfa\xf1"
                           "ez - head");
    layout.AddRow({CRowStyle::Title,
                   "Statement for Zo\xeb \xd1\xfa\xf1"
                   "ez"});
    layout.AddRow({CRowStyle::Plain,
                   "Waltz (half) a\\b \x80 \x96 \xc5"
                   "berg",
                   "12.50"});
    const std::string text = PdfText(PdfBytes(layout.Finish()));
    EXPECT_NE(text.find("Statement for Zo\u00eb \u00d1\u00fa\u00f1ez"), std::string::npos) << text;
    EXPECT_NE(text.find("Waltz (half) a\\b \u20ac \u2013 \u00c5berg"), std::string::npos) << text;
    EXPECT_NE(text.find("12.50"), std::string::npos);
    EXPECT_NE(text.find("Page 1 of 1"), std::string::npos);
}

}  // namespace
