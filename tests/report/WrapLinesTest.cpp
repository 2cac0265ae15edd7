// The report's word wrapping and pages, measured in characters: every byte is one unit wide and
// a line is ten units high (an empty text none, as a printer measures it).
#include <gtest/gtest.h>

#include "report/ReportWindow.h"
#include "report/WrapLines.h"
#include "support/SilentUi.h"

namespace {

class CCharacterMeasure : public CTextMeasure {
public:
    int TextWidth(const std::string& text) const override { return static_cast<int>(text.size()); }
    int TextHeight(const std::string& text) const override { return text.empty() ? 0 : 10; }
};

TEST(WrapLines, WordsFillEachLineAndAnOverlongWordStandsAlone) {
    const CStringList source = {
        "Sarah Collins/Michael Turner",
        "",
        "    38.00 Latin, Adult, Bronze, Cha Cha",
        "Supercalifragilistic word",
    };
    CStringList target = {"left over"};
    WrapLines(source, target, CCharacterMeasure(), 15);
    EXPECT_EQ(target, (CStringList{
                          "Sarah ",
                          "Collins/Michael ",  // 16 with its blank: too wide, but one word
                          "Turner ",
                          "",
                          // Blanks in a row are empty words, each keeping its blank.
                          "    38.00 ",
                          "Latin, Adult, ",
                          "Bronze, Cha ",
                          "Cha ",
                          // A first word too wide for the line leaves an empty line before it.
                          "",
                          "Supercalifragilistic ",
                          "word ",
                      }));

    CSilentUi ui;
    CReportWindow window(ui, "Instructions", source);
    window.Open(CCharacterMeasure(), 100);
    EXPECT_EQ(window.wrappedLines, (CStringList{"Sarah Collins/Michael Turner ", "",
                                                "    38.00 Latin, Adult, Bronze, Cha Cha ",
                                                "Supercalifragilistic word "}));
    window.wrap = false;
    window.Open(CCharacterMeasure(), 10);
    EXPECT_EQ(window.wrappedLines, source);
    EXPECT_EQ(window.joinedText,
              "Sarah Collins/Michael Turner\r\n\r\n    38.00 Latin, Adult, Bronze, Cha Cha\r\n"
              "Supercalifragilistic word\r\n");
}

TEST(LayOutPages, LinesContinueOnFurtherPagesAtTheTopMargin) {
    // A page of 200 x 400: margins 10 and 20, lines up to 190 wide, full once past 360.
    CStringList lines;
    for (int i = 1; i <= 40; ++i) {
        lines.push_back("Line " + std::to_string(i));
        if (i == 1 || i == 34) {
            lines.emplace_back();
        }
    }
    lines.insert(lines.begin(), "");
    const auto pages = LayOutPages(lines, CCharacterMeasure(), 200, 400);
    ASSERT_EQ(pages.size(), 2u);
    // The first line is empty and measures 0; the empty line after "Line 1" is as high as it.
    ASSERT_GE(pages[0].size(), 4u);
    EXPECT_EQ(pages[0][0].y, 20);
    EXPECT_EQ(pages[0][1].y, 20);
    EXPECT_EQ(pages[0][2].y, 30);
    EXPECT_EQ(pages[0][3].y, 40);
    // Thirty-five lines of ten from y 20: the one starting at 360 ends at 370, past the limit.
    EXPECT_EQ(pages[0].back().y, 360);
    EXPECT_EQ(pages[1].front().y, 20);
    EXPECT_EQ(pages[1].front().x, 10);
    std::size_t printed = 0;
    for (const auto& page : pages) {
        printed += page.size();
    }
    EXPECT_EQ(printed, lines.size());
    EXPECT_EQ(pages[1].back().text, "Line 40 ");
}

}  // namespace
