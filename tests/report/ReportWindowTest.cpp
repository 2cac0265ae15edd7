// The report window's find box and its saving as text and PDF, as a user goes through them:
// finding on and round, a text found nowhere, the files written whole or not at all.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/TextMeasure.h"
#include "report/PaperSize.h"
#include "report/ReportWindow.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

class CCharacterMeasure : public CTextMeasure {
public:
    int TextWidth(const std::string& text) const override { return static_cast<int>(text.size()); }
    int TextHeight(const std::string& text) const override { return text.empty() ? 0 : 10; }
};

const CStringList kLines = {
    "Star Dance",                               // offsets 0..10
    "Sarah Collins/Michael Turner",             // 11..39
    "    38.00 Latin, Adult, Bronze, Cha Cha",  // 40..
    "Zo\xEB Walker, lady amateur",              // Windows-1252 e diaeresis
    "    38.00 Latin, Adult, Silver, Rumba",
};

// Where `column` of line `line` of `lines` stands in the window's text.
std::size_t OffsetOf(std::size_t line, std::size_t column, const CStringList& lines = kLines) {
    std::size_t offset = column;
    for (std::size_t i = 0; i < line; ++i) {
        offset += lines[i].size() + 1;
    }
    return offset;
}

}  // namespace

TEST(ReportWindow, FindGoesOnRoundToTheTopSaysWhenThereIsNoneAndSearchesTheWrappedLinesAndAccents) {
    CScriptedUi ui;
    CReportWindow window(ui, "Summary report", kLines);
    window.wrap = false;
    window.Open(CCharacterMeasure(), 1000);

    // In either case, then on with F3, then round from the top.
    ASSERT_TRUE(window.FindNext("LATIN"));
    EXPECT_EQ(window.Match()->offset, OffsetOf(2, 10));
    EXPECT_EQ(window.Match()->length, 5u);
    ASSERT_TRUE(window.FindNext("LATIN"));
    EXPECT_EQ(window.Match()->offset, OffsetOf(4, 10));
    ASSERT_TRUE(window.FindNext("LATIN"));
    EXPECT_EQ(window.Match()->offset, OffsetOf(2, 10));

    // Accented capitals match their small letters; overlapping places each count.
    ASSERT_TRUE(window.FindNext("ZO\xCB"));
    EXPECT_EQ(window.Match()->offset, OffsetOf(3, 0));
    ASSERT_TRUE(window.FindNext("a"));
    EXPECT_EQ(window.Match()->offset, OffsetOf(3, 5));
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_FALSE(window.FindNext("Waltz"));
    EXPECT_FALSE(window.Match().has_value());
    // An empty find box finds nothing and says nothing.
    EXPECT_FALSE(window.FindNext(""));
    EXPECT_EQ(ui.messages, CStringList{"Cannot find \"Waltz\"."});

    // After a miss the search starts again at the top; opening again forgets the match.
    ASSERT_TRUE(window.FindNext("Michael"));
    EXPECT_EQ(window.Match()->offset, OffsetOf(1, 14));
    window.Open(CCharacterMeasure(), 1000);
    EXPECT_FALSE(window.Match().has_value());

    // Wrapped into a narrow window, the search runs over the lines as shown.
    window.wrap = true;
    window.Open(CCharacterMeasure(), 16);
    ASSERT_TRUE(window.FindNext("rumba"));
    std::size_t offset = 0;
    std::size_t line = 0;
    for (; window.wrappedLines[line].find("Rumba") == std::string::npos; ++line) {
        offset += window.wrappedLines[line].size() + 1;
    }
    EXPECT_EQ(window.Match()->offset, offset + window.wrappedLines[line].find("Rumba"));
    // The window shows the lines with LF alone, one character each, where the match was counted.
    std::string shown = window.joinedText;
    std::erase(shown, '\r');
    EXPECT_EQ(shown.substr(window.Match()->offset, 5), "Rumba");

    // A name meets its letters with or without their accents, both ways, marked where it stands.
    const CStringList accented = {"Star Dance",
                                  "CASTA\xD1O, PILAR / \xC5"
                                  "berg, Lars",
                                  "    38.00 Latin, Casta\xF1o, Ana"};
    CReportWindow names(ui, "Summary report", accented);
    names.wrap = false;
    names.Open(CCharacterMeasure(), 1000);
    ASSERT_TRUE(names.FindNext("Castano"));
    EXPECT_EQ(names.Match()->offset, OffsetOf(1, 0, accented));
    EXPECT_EQ(names.Match()->length, 7u);
    ASSERT_TRUE(names.FindNext("castano"));
    EXPECT_EQ(names.Match()->offset, OffsetOf(2, 17, accented));
    ASSERT_TRUE(names.FindNext("abERG"));
    EXPECT_EQ(names.Match()->offset, OffsetOf(1, 17, accented));
    ASSERT_TRUE(names.FindNext("CASTA\xD1O, A"));
    EXPECT_EQ(names.Match()->offset, OffsetOf(2, 17, accented));
    EXPECT_EQ(ui.messages, CStringList{"Cannot find \"Waltz\"."});
}

TEST(ReportWindow, SavedAsTextInUtf8OrAsPdfAndAFailedSaveLeavesNoFile) {
    CTempDir dir;
    CScriptedUi ui;
    CReportWindow window(ui, "Summary report", kLines);
    window.SuggestFileName("SummaryReport_Star_Dance");

    ui.fileAnswers = {"", dir.File("report.txt")};
    window.OnSaveText();  // cancelled: nothing written, nothing said
    EXPECT_TRUE(ui.messages.empty());
    window.OnSaveText();
    EXPECT_EQ(ui.lastSuggestedName, "SummaryReport_Star_Dance.txt");
    EXPECT_EQ(ui.lastFileFilters,
              (std::vector<std::string>{"Text files (*.txt *.TXT)", "All files (*)"}));
    EXPECT_EQ(ReadFileBytes(dir.File("report.txt")),
              "Star Dance\r\nSarah Collins/Michael Turner\r\n"
              "    38.00 Latin, Adult, Bronze, Cha Cha\r\nZo\xC3\xAB Walker, lady amateur\r\n"
              "    38.00 Latin, Adult, Silver, Rumba\r\n");
    EXPECT_EQ(ui.log.back(),
              "information: The report was written to " + dir.File("report.txt") + ".");

    // A folder that is not there: the user learns why, and no file stands anywhere.
    const std::string missing = dir.File("gone/report.txt");
    ui.fileAnswers = {missing};
    window.OnSaveText();
    const std::string failed = "The report could not be written to " + missing + " (";
    EXPECT_EQ(ui.messages.back().substr(0, failed.size()), failed);
    EXPECT_GT(ui.messages.back().size(), failed.size() + 2);
    EXPECT_FALSE(std::filesystem::exists(dir.File("gone")));

    ui.fileAnswers = {dir.File("report.pdf")};
    EXPECT_EQ(window.AskPdfFile(), dir.File("report.pdf"));
    EXPECT_EQ(ui.lastSuggestedName, "SummaryReport_Star_Dance.pdf");
    window.OnPdfMade(dir.File("report.pdf"), "%PDF-1.4 pages", true);
    EXPECT_EQ(ReadFileBytes(dir.File("report.pdf")), "%PDF-1.4 pages");
    EXPECT_EQ(ui.log.back(),
              "information: The report was written to " + dir.File("report.pdf") + ".");

    // A PDF that could not be laid out does not replace the good one already there.
    window.OnPdfMade(dir.File("report.pdf"), "%PDF-1.4 half", false);
    EXPECT_EQ(ui.messages.back(), "The report could not be written to " + dir.File("report.pdf") +
                                      " (it could not be laid out as PDF).");
    EXPECT_EQ(ReadFileBytes(dir.File("report.pdf")), "%PDF-1.4 pages");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST(PaperSize, LetterWhereTheCountryUsesItElseA4) {
    EXPECT_EQ(PaperForTerritory("US"), CPaper::Letter);
    EXPECT_EQ(PaperForTerritory("CA"), CPaper::Letter);
    EXPECT_EQ(PaperForTerritory("MX"), CPaper::Letter);
    EXPECT_EQ(PaperForTerritory("DE"), CPaper::A4);
    EXPECT_EQ(PaperForTerritory("GB"), CPaper::A4);
    EXPECT_EQ(PaperForTerritory(""), CPaper::A4);
}
