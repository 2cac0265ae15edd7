// Money to the cent through the report and the statements: fees with odd cents billed as they
// are, a large studio's total equal to the exact sum of its charges, and a check that fails when
// the statements and the report disagree.
#include <gtest/gtest.h>

#include <algorithm>

#include "report/ReportTestStore.h"
#include "report/Statements.h"
#include "report/SummaryReport.h"
#include "support/StudioFixtures.h"
#include "util/LineSink.h"
#include "util/Money.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

bool HasLine(const CStringList& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class ExactCentsTest : public ::testing::Test, public CReportTestStore {
protected:
    // Fees and prices as the setup file gives them, without surcharges.
    void SetUp() override {
        CDanceCategory& latin = *db.FindCategory(kLatin);
        latin.adultFee = ParseCents("35.01");
        latin.youthFee = ParseCents("19.99");
        latin.adultExtraFee = 0;
        latin.youthExtraFee = 0;
        db.FindPriceListItem(kDayPass)->prices = PriceBlock::Parse(
            "19.99-19.99-19.99-19.99-19.99-19.99-19.99-19.99-19.99-19.99-1.1.2000.12.0.0");
    }

    std::string Report() {
        CStringList lines;
        EXPECT_TRUE(BuildSummaryReport(db, lines));
        std::string text;
        for (const std::string& line : lines) {
            text += line + "\n";
        }
        return text;
    }
};

// Renée Kim buys three day passes; Collins dances a pro/am Cha Cha, Park and Collins a Rumba
// whose 35.01 they share, Chen a youth pro/am dance of 19.99.
TEST_F(ExactCentsTest, AFeeOf35_01Or19_99IsBilledAtItsCentsAndNamesStayUtf8) {
    db.FindPerson(kKim)->firstName =
        "Ren\xE9"
        "e";  // as the code page stores it
    AddLatin(1, 'F', kTurner, kCollins);
    AddLatin(2, 'A', kPark, kCollins);
    AddLatin(1, 'f', kTurner, kChen);
    AddPurchase(db, 'O', kDayPass, kKim, "Day Pass", 1999).quantity = 3;

    const std::string report = Report();
    EXPECT_TRUE(Contains(report, "    35.01 Latin, Adult, Bronze, Cha Cha\n")) << report;
    EXPECT_TRUE(Contains(report, "    19.99 Latin, Adult, Bronze, Cha Cha\n")) << report;
    EXPECT_TRUE(Contains(report,
                         "    59.97 Kim, Ren\xE9"
                         "e - Day Pass (3)\n"))
        << report;
    EXPECT_TRUE(Contains(report, "Approximate subtotal for 3 dances,     90.01\n")) << report;
    EXPECT_TRUE(Contains(report, "Approximate total due: 149.98, ")) << report;

    CStatements statements;
    ASSERT_TRUE(BuildStatements(db, statements));
    const std::string text = StatementsText(statements);
    EXPECT_TRUE(Contains(text,
                         "Statement for Collins, Sarah, adult lady amateur\n\n"
                         "    35.01 Sarah Collins/Michael Turner: Latin, Adult, Bronze, "
                         "Cha Cha\n"
                         "    17.50 David Park/Sarah Collins: Latin, Adult, Bronze, Rumba "
                         "(half)\n"
                         "Total        52.51\n"))
        << text;
    EXPECT_TRUE(Contains(text,
                         "    17.51 David Park/Sarah Collins: Latin, Adult, Bronze, Rumba "
                         "(half)\n"))
        << text;
    EXPECT_TRUE(Contains(text,
                         "    19.99 Emily Chen/Michael Turner: Latin, Adult, Bronze, "
                         "Cha Cha\n"))
        << text;
    EXPECT_TRUE(Contains(text,
                         "Total of all statements: 149.98\n"
                         "Check: equal to the summary report's approximate total due, "
                         "149.98.\n"))
        << text;

    // The spreadsheet gets the same cents, and Renée's name in UTF-8.
    const std::string csv = StatementsCsv(statements);
    EXPECT_TRUE(Contains(csv,
                         "\r\n3,\"Kim, Ren\xC3\xA9"
                         "e\",Day Pass (3),59.97\r\n"))
        << csv;
    EXPECT_TRUE(Contains(csv, "Cha Cha\",35.01\r\n")) << csv;
    EXPECT_TRUE(Contains(csv, "Cha Cha\",19.99\r\n")) << csv;
    EXPECT_FALSE(Contains(csv, "\xE9")) << csv;
}

// A studio far larger than a real one: 24,000 dance entries of 19.99 and 35.01 and 4,000
// purchases of 1234.37, each added up in single precision as it once was, would lose cents.
TEST_F(ExactCentsTest, TensOfThousandsOfChargesAddUpToTheCent) {
    db.FindPriceListItem(kRoom)->prices = PriceBlock::Parse(
        "1234.37-1234.37-1234.37-1234.37-"
        "1234.37-1234.37-1234.37-1234.37-"
        "1234.37-1234.37-1.1.2000.12.0.0");
    // Four entries, two adult and two youth, and two purchases, then copies of them with
    // numbers of their own.
    AddLatin(1, 'F', kTurner, kCollins);
    AddLatin(2, 'F', kTurner, kCollins);
    AddLatin(1, 'f', kTurner, kChen);
    AddLatin(2, 'f', kTurner, kChen);
    AddPurchase(db, 'O', kRoom, kKim, "Hotel Room", 123437);
    AddPurchase(db, 'O', kRoom, kPark, "Hotel Room", 123437);
    constexpr int kEntries = 24000, kRooms = 4000;
    while (db.entryArray.size() < kEntries) {
        auto entry = std::make_unique<CEntryRecord>(*db.entryArray[db.entryArray.size() % 4]);
        entry->number = static_cast<int32_t>(db.entryArray.size() + 1);
        entry->formCode = static_cast<int32_t>(db.entryArray.size() / 4 + 1);
        AppendRecord(db.entryArray, std::move(entry));
    }
    while (db.purchaseArray.size() < kRooms) {
        auto room =
            std::make_unique<CFinanceRecord>(*db.purchaseArray[db.purchaseArray.size() % 2]);
        room->number = static_cast<int32_t>(db.purchaseArray.size() + 1);
        AppendRecord(db.purchaseArray, std::move(room));
    }
    const int64_t exact = int64_t{kEntries / 2} * (3501 + 1999) + int64_t{kRooms} * 123437;
    ASSERT_EQ(FormatCents(exact), "5597480.00");

    CStringList report;
    ASSERT_TRUE(BuildSummaryReport(db, report));
    EXPECT_TRUE(HasLine(report,
                        "Approximate total due: 5597480.00, *The final amount due will be "
                        "provided by organizer invoice*"));
    EXPECT_TRUE(HasLine(report, "Approximate subtotal for 24000 dances, 660000.00"));
    EXPECT_EQ(SummaryReportTotal(db), exact);

    CStatements statements;
    ASSERT_TRUE(BuildStatements(db, statements));
    EXPECT_EQ(statements.totalCents, exact);
    EXPECT_TRUE(statements.AddUpToReport());
    const std::vector<CStringList> pages = StatementPages(statements);
    ASSERT_FALSE(pages.empty());
    const CStringList& last = pages.back();
    ASSERT_GE(last.size(), 2u);
    EXPECT_EQ(last[last.size() - 2], "Total of all statements: 5597480.00");
    EXPECT_EQ(last.back(),
              "Check: equal to the summary report's approximate total due, 5597480.00.");
}

// The check is made against the report as it adds up its own lines: when the two part ways (here
// a fee changed after the statements were made) the last page says so, with both figures.
TEST_F(ExactCentsTest, TheCheckFailsWithBothFiguresWhenTheReportDisagrees) {
    AddLatin(1, 'F', kTurner, kCollins);
    CStatements statements;
    ASSERT_TRUE(BuildStatements(db, statements));
    EXPECT_EQ(statements.reportTotalCents, 3501);
    EXPECT_TRUE(statements.AddUpToReport());

    db.FindCategory(kLatin)->adultFee = ParseCents("35.02");
    statements.reportTotalCents = SummaryReportTotal(db);
    EXPECT_FALSE(statements.AddUpToReport());
    const std::vector<CStringList> pages = StatementPages(statements);
    ASSERT_FALSE(pages.empty());
    const CStringList& last = pages.back();
    ASSERT_GE(last.size(), 2u);
    EXPECT_EQ(last[last.size() - 2], "Total of all statements: 35.01");
    EXPECT_EQ(last.back(), "Check failed: the summary report's approximate total due is 35.02.");
}

}  // namespace
