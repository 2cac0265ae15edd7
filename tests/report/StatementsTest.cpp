// Statements per person: every payer rule in one studio, the hand-made statements adding up to
// the report's total, and the window that shows them and saves them as CSV.
#include <gtest/gtest.h>

#include <algorithm>

#include "report/ReportTestStore.h"
#include "report/ReportWindow.h"
#include "report/Statements.h"
#include "report/StatementsWindow.h"
#include "report/SummaryReport.h"
#include "support/StudioFixtures.h"
#include "util/Money.h"

namespace {

class StatementsTest : public ::testing::Test, public CReportTestStore {
protected:
    static constexpr int kBennett = 6;  // lady professional
    static constexpr int kMiller = 7;   // youth gentleman amateur
    static constexpr int kNobody = 98;  // a number no person of the studio has

    // Turner buys the hotel package, which spares the surcharge wherever the rules ask for
    // his package. Surcharges of 20.25 (adult) and 15.01 (youth) make odd cents.
    void SetUp() override {
        AddPersonRecord(db, 'F', 'P', 0, "Laura", "Bennett");
        AddPersonRecord(db, 'M', 'A', 1, "Jacob", "Miller");
        db.FindCategory(kLatin)->adultExtraFee = 2025;
        db.FindCategory(kLatin)->youthExtraFee = 1501;

        AddLatin(1, 'F', kTurner, kCollins);  // 38.00, Collins pays (teacher has a package)
        AddLatin(2, 'M', kPark, kBennett);    // 58.25, Park pays (teacher has none)
        AddLatin(1, 'A', kPark, kCollins);    // 58.25: Park 29.13, Collins 29.12
        AddLatin(1, 'a', kMiller, kChen);     // 45.01: Miller 22.51, Chen 22.50
        AddLatin(2, 'P', kTurner, kBennett);  // 38.00 under rule N: 19.00 each
        AddLatin(2, 'A', kPark, kNobody);     // 58.25: Park 29.13, the studio 29.12
        AddLatin(1, 'F', kTurner, kNobody);   // 38.00: the lady is nobody, the studio pays
        CEntryRecord& team = AddEntry(db, kFormation, 0, 'G', -1, -1);  // 240.00, the studio
        team.owner = db.studioArray.front()->number;
        team.level = 8;
        team.age = 3;
        team.teamName = "Starlight Stars";

        AddPurchase(db, 'P', kHotelPackage, kTurner, "Weekend with Hotel", 40000);
        AddPurchase(db, 'O', kRoom, kKim, "Hotel Room", 25000);
        AddPurchase(db, 'O', kDayPass, -1, "Day Pass", 3500).quantity = 3;
        AddPurchase(db, 'O', kDayPass, 42, "Day Pass", 3500);
        AddPurchase(db, 'O', 77, kCollins, "Gala", 6000);  // no longer listed: 0
    }
};

TEST_F(StatementsTest, EveryPayerRuleAddsUpToTheReportsTotal) {
    CStringList report;
    ASSERT_TRUE(BuildSummaryReport(db, report));
    const std::string total =
        "Approximate total due: 1363.76, *The final amount due will be provided by organizer "
        "invoice*";
    EXPECT_NE(std::find(report.begin(), report.end(), total), report.end());

    CStatements statements;
    ASSERT_TRUE(BuildStatements(db, statements));
    const std::vector<CStringList> expected = {
        {"Star Dance", "Statement for Turner, Michael, gentleman professional", "",
         "    19.00 Michael Turner/Laura Bennett: Latin, Adult, Bronze, Rumba (half)",
         "   400.00 Weekend with Hotel (1)", "Total       419.00"},
        {"Star Dance", "Statement for Collins, Sarah, adult lady amateur", "",
         "    38.00 Sarah Collins/Michael Turner: Latin, Adult, Bronze, Cha Cha",
         "    29.12 David Park/Sarah Collins: Latin, Adult, Bronze, Cha Cha (half)",
         "     0.00 Gala (1)", "Total        67.12"},
        {"Star Dance", "Statement for Kim, Grace, non-competitor", "", "   250.00 Hotel Room (1)",
         "Total       250.00"},
        {"Star Dance", "Statement for Park, David, adult gentleman amateur", "",
         "    58.25 David Park/Laura Bennett: Latin, Adult, Bronze, Rumba",
         "    29.13 David Park/Sarah Collins: Latin, Adult, Bronze, Cha Cha (half)",
         "    29.13 David Park: Latin, Adult, Bronze, Rumba (half)", "Total       116.51"},
        {"Star Dance", "Statement for Chen, Emily, youth lady amateur", "",
         "    22.50 Jacob Miller/Emily Chen: Latin, Adult, Bronze, Cha Cha (half)",
         "Total        22.50"},
        {"Star Dance", "Statement for Bennett, Laura, lady professional", "",
         "    19.00 Michael Turner/Laura Bennett: Latin, Adult, Bronze, Rumba (half)",
         "Total        19.00"},
        {"Star Dance", "Statement for Miller, Jacob, youth gentleman amateur", "",
         "    22.51 Jacob Miller/Emily Chen: Latin, Adult, Bronze, Cha Cha (half)",
         "Total        22.51"},
        {"Star Dance", "Statement for Studio, the studio's own account", "",
         "   240.00 Studio: Formation, Adult Teams, Open, Starlight Stars",
         "    29.12 David Park: Latin, Adult, Bronze, Rumba (half)",
         "    38.00 Michael Turner: Latin, Adult, Bronze, Cha Cha", "   105.00 Day Pass (3)",
         "    35.00 Day Pass (1)", "Total       447.12", "",
         // 419 + 67.12 + 250 + 116.51 + 22.50 + 19 + 22.51 + 447.12
         "Total of all statements: 1363.76",
         "Check: equal to the summary report's approximate total due, 1363.76."},
    };
    EXPECT_EQ(StatementPages(statements), expected);
    EXPECT_TRUE(statements.AddUpToReport());
    // The window and tavorin-cli show the same pages, an empty line between two.
    std::string text;
    for (const CStringList& page : expected) {
        text += text.empty() ? "" : "\n";
        for (const std::string& line : page) {
            text += line + "\n";
        }
    }
    EXPECT_EQ(StatementsText(statements), text);
    // The report told of the missing item; the statements do not tell it again.
    EXPECT_EQ(ui.messages, CStringList{"Package 77 for Collins, Sarah - Gala (1) not found. "
                                       "Price will be set to zero."});
}

TEST_F(StatementsTest, TheReportWindowOpensThemAndTheyAreSavedAsCsv) {
    CTempDir dir;
    db.studioArray.front()->name = "Star, \"Dance\"";
    ui.fileAnswers = {dir.File("out.csv")};
    ui.ExpectDialog<CReportWindow>([&](CReportWindow& report) {
        EXPECT_TRUE(report.OffersStatements());
        ui.ExpectDialog<CStatementsWindow>([&](CStatementsWindow& window) {
            EXPECT_EQ(window.Pages().size(), 8u);
            EXPECT_EQ(window.Text().substr(0, 14), "Star, \"Dance\"\n");
            window.OnSaveCsv();
            return IDOK;
        });
        report.OnStatements();
        return IDOK;
    });
    std::string unused;
    SummaryReport(db, 'S', unused);
    EXPECT_EQ(ui.lastSuggestedName, "Star_Dance_Statements.csv");
    const std::string csv = ReadFileBytes(dir.File("out.csv"));
    // Saved for a spreadsheet: the byte order mark first, so that accents show right.
    EXPECT_EQ(csv.substr(0, csv.find("2,\"Collins")),
              "\xEF\xBB\xBFperson,name,item,amount\r\n"
              "1,\"Turner, Michael\",\"Michael Turner/Laura Bennett: Latin, Adult, Bronze, Rumba "
              "(half)\",19.00\r\n"
              "1,\"Turner, Michael\",Weekend with Hotel (1),400.00\r\n");
    EXPECT_NE(csv.find("\r\n,Studio,Day Pass (1),35.00\r\n"), std::string::npos) << csv;
    EXPECT_EQ(ui.log.back(),
              "information: The statements were written to " + dir.File("out.csv") + ".");

    // Where the organizer hides the prices there is nothing to bill.
    db.showDancePrices = 0;
    ui.messages.clear();
    ui.ExpectDialog<CReportWindow>([&](CReportWindow& report) {
        report.OnStatements();
        return IDOK;
    });
    SummaryReport(db, 'S', unused);
    EXPECT_EQ(ui.messages.back(), kStatementsPricesHidden);
    CStatements statements;
    ASSERT_TRUE(BuildStatements(db, statements));
    EXPECT_TRUE(statements.pricesHidden);
    EXPECT_EQ(StatementsCsv(statements), "person,name,item,amount\r\n");
}

// A second record that carries a person's number is never the one found: it gets no statement
// of its own and takes nobody's lines, and the statements still add up.
TEST_F(StatementsTest, ASecondRecordOfAPersonsNumberGetsNoStatement) {
    AddPersonRecord(db, 'M', 'A', 0, "Dan", "Parker").number = kPark;
    CStatements statements;
    ASSERT_TRUE(BuildStatements(db, statements));
    CStringList names;
    for (const CStatement& statement : statements.statements) {
        names.push_back(statement.name + " " + std::to_string(statement.lineCount));
    }
    EXPECT_EQ(names,
              (CStringList{"Turner, Michael 2", "Collins, Sarah 3", "Kim, Grace 1", "Park, David 3",
                           "Chen, Emily 1", "Bennett, Laura 1", "Miller, Jacob 1", "Studio 5"}));
    EXPECT_TRUE(statements.AddUpToReport());
    EXPECT_EQ(FormatCents(statements.totalCents), "1363.76");
}

}  // namespace
