// The report and the statements as the studio hands them out, through their windows: the
// report saved as a document, the statements saved whole and one file per dancer, with the
// question before anything is replaced, and every cent on the dancer's own page.
#include <gtest/gtest.h>

#include <filesystem>

#include "report/ReportTestStore.h"
#include "report/ReportWindow.h"
#include "report/StatementDocuments.h"
#include "report/StatementsWindow.h"
#include "report/SummaryReport.h"
#include "support/PdfText.h"
#include "support/StudioFixtures.h"
#include "util/Money.h"

namespace {

class StatementDocumentsTest : public ::testing::Test, public CReportTestStore {
protected:
    void SetUp() override {
        CStudioRecord& studio = *db.studioArray.front();
        studio.name = "Caf\xe9 Dance";
        studio.address1 = "1 Main Street";
        studio.city = "Springfield";
        studio.state = "IL";
        studio.zip = "62701";
        db.competitionName = "Fall Classic";
        db.organizerAddress = "entries@fall.example.org";
        db.personArray.front()->firstName = "Zo\xeb";  // Turner
        db.personArray.front()->lastName =
            "\xd1\xfa\xf1"
            "ez";
        db.FindCategory(kLatin)->adultExtraFee = 2025;
        AddLatin(1, 'A', kPark, kCollins);    // 58.25: Park 29.13, Collins 29.12
        AddLatin(2, 'A', kPark, kCollins);    // again: Park 58.26 in all, Collins 58.24
        AddLatin(1, 'M', kTurner, kCollins);  // the student Turner pays
        CEntryRecord& team = AddEntry(db, kFormation, 0, 'G', -1, -1);  // the studio pays
        team.owner = db.studioArray.front()->number;
        team.level = 8;
        team.age = 3;
    }

    // Plays the report window: `play` gets the statements window.
    void WithStatementsWindow(const std::function<void(CReportWindow&, CStatementsWindow&)>& play) {
        ui.ExpectDialog<CReportWindow>([&](CReportWindow& report) {
            ui.ExpectDialog<CStatementsWindow>([&](CStatementsWindow& window) {
                play(report, window);
                return IDOK;
            });
            report.OnStatements();
            return IDOK;
        });
        std::string unused;
        SummaryReport(db, 'S', unused);
    }
};

TEST_F(StatementDocumentsTest, EachDancerGetsAFileWithTheirCentsAndNothingIsReplacedUnasked) {
    TAVORIN_NEED_PDFTOTEXT();
    CTempDir dir;
    const std::string folder = dir.Path().string();
    const std::string report = dir.File("Report.pdf");
    const std::string all = dir.File("All.pdf");
    ui.fileAnswers = {folder, folder, folder, ""};
    CStatements statements;
    WithStatementsWindow([&](CReportWindow& reportWindow, CStatementsWindow& window) {
        ASSERT_TRUE(reportWindow.OffersDocument());
        reportWindow.SaveDocumentPdf(report, CPaper::A4);
        window.SavePdf(all, CPaper::Letter);
        statements = window.Statements();
        window.OnSaveEachPdf(CPaper::A4);
        ui.ExpectQuestion(
              "The folder " + folder +
                  " already holds 4 of these files, such as Statement - \xc3\x91\xc3\xba"
                  "\xc3\xb1"
                  "ez, Zo\xc3\xab.pdf.\nReplace them?",
              false)
            .ExpectQuestion("The folder " + folder +
                                " already holds Statement - Collins, Sarah.pdf.\nReplace it?",
                            true);
        window.OnSaveEachPdf(CPaper::A4);  // No: nothing written
        for (const char* name : {"Statement - Park, David.pdf", "Statement - Studio.pdf",
                                 "Statement - \xc3\x91\xc3\xba\xc3\xb1"
                                 "ez, Zo\xc3\xab.pdf"}) {
            std::filesystem::remove(dir.Path() / name);
        }
        window.OnSaveEachPdf(CPaper::A4);  // one left to replace: Yes
        window.OnSaveEachPdf(CPaper::A4);  // the folder dialog cancelled
    });
    EXPECT_EQ(ui.messages, (CStringList{"The report was written to " + report + ".",
                                        "The statements were written to " + all + ".",
                                        "4 statements were written to " + folder + ".",
                                        "No statements were written.",
                                        "4 statements were written to " + folder + "."}));
    EXPECT_EQ(ui.log.back(), "folder: Save each statement as PDF into a folder");

    const std::string reportText = PdfFileText(report);
    EXPECT_NE(reportText.find("Caf\u00e9 Dance"), std::string::npos) << reportText;
    EXPECT_NE(reportText.find("Page 1 of 1"), std::string::npos);
    EXPECT_NE(reportText.find("Competition: Fall Classic"), std::string::npos);
    EXPECT_NE(reportText.find("Organizer: entries@fall.example.org"), std::string::npos);
    EXPECT_NE(reportText.find("Springfield, IL 62701"), std::string::npos);

    // Every statement's total on its own page of the whole set, and to the cent in its file.
    ASSERT_EQ(statements.statements.size(), 4u);
    const std::string allText = PdfFileText(all);
    const std::vector<CStatementFile> files = StatementFiles(statements);
    std::size_t page = 0;
    for (const CStatementFile& file : files) {
        SCOPED_TRACE(file.name);
        const std::string total = FormatCents(file.statement->totalCents);
        const std::string own = PdfFileText((dir.Path() / file.name).string());
        EXPECT_NE(own.find("\nTotal"), std::string::npos);
        EXPECT_NE(own.find(total + "\n", own.find("\nTotal")), std::string::npos) << own;
        const std::size_t start = allText.find("Statement for", page);
        ASSERT_NE(start, std::string::npos);
        page = allText.find('\f', start);
        const std::string onPage = allText.substr(start, page - start);
        EXPECT_NE(onPage.find(total + "\n", onPage.find("\nTotal")), std::string::npos) << onPage;
    }
    EXPECT_EQ(files[0].name, "Statement - \u00d1\u00fa\u00f1ez, Zo\u00eb.pdf");
    EXPECT_EQ(files[3].name, "Statement - Studio.pdf");
    const std::string park = PdfFileText((dir.Path() / "Statement - Park, David.pdf").string());
    EXPECT_NE(park.find("Statement for David Park"), std::string::npos) << park;
    EXPECT_NE(park.find("29.13"), std::string::npos);
    EXPECT_NE(park.find("58.26\n"), std::string::npos);
    EXPECT_NE(allText.find("Summary of the statements"), std::string::npos);
    EXPECT_NE(allText.find("Check: equal to the summary report's approximate total due, " +
                           FormatCents(statements.reportTotalCents) + "."),
              std::string::npos)
        << allText;
    EXPECT_NE(allText.find("Page 5 of 5"), std::string::npos);
}

TEST(StatementFiles, TwoDancersOfOneNameGetTwoFiles) {
    CStatements statements;
    statements.statements = {{1, "Kim, Grace", "", 0, 0, 0, "Grace Kim"},
                             {2, "KIM, Grace", "", 0, 0, 0, "Grace KIM"},
                             {3, "A/B: C?", "", 0, 0, 0, "C? A/B"},
                             {-1, "Studio", "", 0, 0, 0, ""}};
    const auto files = StatementFiles(statements);
    ASSERT_EQ(files.size(), 4u);
    EXPECT_EQ(files[0].name, "Statement - Kim, Grace.pdf");
    EXPECT_EQ(files[1].name, "Statement - KIM, Grace (2).pdf");
    EXPECT_EQ(files[2].name, "Statement - A_B_ C_.pdf");
    EXPECT_EQ(files[3].name, "Statement - Studio.pdf");
    EXPECT_EQ(files[1].statement, &statements.statements[1]);
}

}  // namespace
