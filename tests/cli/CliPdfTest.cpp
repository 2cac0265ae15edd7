// The report and the statements as PDF documents from the command line, read back as text the
// way a reader finds and copies it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>

#include "support/CliRun.h"
#include "support/PdfText.h"
#include "support/StudioFixtures.h"
#include "util/Text.h"

namespace {

const std::string kSetup = TAVORIN_EXAMPLES_DIR "/SpringFestival.stu";
const std::string kStudio = TAVORIN_EXAMPLES_DIR "/SpringFestival_Starlight_Ballroom.tvr";

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Every "123.45" of the text, in order.
std::vector<std::string> Amounts(const std::string& text) {
    static const std::regex kAmount("-?[0-9]+\\.[0-9][0-9]\\b");
    std::vector<std::string> amounts;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kAmount);
         it != std::sregex_iterator(); ++it) {
        amounts.push_back(it->str());
    }
    return amounts;
}

std::vector<std::string> FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CliPdf, TheReportsPdfHasTheHeadingPageNumbersAndEveryAmountOfTheReport) {
    TAVORIN_NEED_PDFTOTEXT();
    CTempDir dir;
    const CRun text = RunCli("report '" + kSetup + "' '" + kStudio + "'");
    ASSERT_EQ(text.status, 0) << text.err;
    const std::string pdf = dir.File("Report.pdf");
    const CRun run = RunCli("report '" + kSetup + "' '" + kStudio + "' --pdf '" + pdf + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "message: The report was written to " + pdf + ".\n");

    const std::string read = PdfFileText(pdf);
    ASSERT_NE(read, "");
    const std::string firstPage = read.substr(0, read.find('\f'));
    for (const char* part :
         {"Starlight Ballroom - Spring Dance Festival 2025", "Page 1 of 2", "Summary report",
          "1200 Harbor Boulevard", "Portland, OR 97201", "Competition: Spring Dance Festival 2025",
          "Organizer: entries@springdancefestival.example.org",
          "Printed: ", "Persons attending competition:"}) {
        EXPECT_TRUE(Has(firstPage, part)) << part << "\n" << firstPage;
    }
    EXPECT_TRUE(Has(read, "Page 2 of 2"));
    EXPECT_FALSE(Has(read, "Page 3 of"));
    // The same amounts as the report's text, in the same order: none lost, none added.
    const std::vector<std::string> expected = Amounts(text.out);
    ASSERT_GT(expected.size(), 20u);
    EXPECT_EQ(Amounts(read), expected);
    EXPECT_TRUE(Has(read, "Approximate total due:"));
    EXPECT_TRUE(Has(read, "*The final amount due will be provided by organizer invoice*"));
    EXPECT_TRUE(Has(read, "Sunday Brunch at Caf\u00e9 Royal (1)"));

    // Every amount ends at the right margin, where the page number ends, whatever the width of
    // its line's words.
    const std::vector<CPdfWord> words = PdfFileWords(pdf);
    double margin = 0;
    for (std::size_t k = 1; k + 1 < words.size() && margin == 0; ++k) {
        margin = words[k].text == "of" && words[k - 2].text == "Page" ? words[k + 1].xMax : 0;
    }
    ASSERT_GT(margin, 500);
    int amounts = 0;
    for (const CPdfWord& word : words) {
        if (std::regex_match(word.text, std::regex("[0-9]+\\.[0-9][0-9]"))) {
            EXPECT_NEAR(word.xMax, margin, 0.5) << word.text << " on page " << word.page + 1;
            ++amounts;
        }
    }
    EXPECT_EQ(amounts, static_cast<int>(expected.size()));
}

TEST(CliPdf, OneStatementFilePerDancerWithTheDancersTotalAndAQuestionBeforeReplacing) {
    TAVORIN_NEED_PDFTOTEXT();
    CTempDir dir;
    // Grace Kim becomes Zo\u00eb \u00d1\u00fa\u00f1ez (Windows-1252 in the file).
    std::string bytes = ReadFileBytes(kStudio);
    ReplaceAll(bytes, "|Grace|Kim|",
               "|Zo\xeb|\xd1\xfa\xf1"
               "ez|",
               1);
    const std::string studio = dir.File("Studio.tvr");
    WriteFileBytes(studio, bytes);
    const std::filesystem::path folder = dir.Path() / "out";
    std::filesystem::create_directory(folder);

    const CRun run = RunCli("statements '" + kSetup + "' '" + studio + "' --pdf-folder '" +
                            folder.string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "message: 8 statements were written to " + folder.string() + ".\n");
    const std::vector<std::string> expectedNames = {
        "Statement - Bennett, Laura.pdf",  "Statement - Chen, Emily.pdf",
        "Statement - Collins, Sarah.pdf",  "Statement - Miller, Jacob.pdf",
        "Statement - Park, David.pdf",     "Statement - Studio.pdf",
        "Statement - Turner, Michael.pdf", "Statement - \u00d1\u00fa\u00f1ez, Zo\u00eb.pdf"};
    std::vector<std::string> sortedExpected = expectedNames;
    std::sort(sortedExpected.begin(), sortedExpected.end());
    EXPECT_EQ(FileNames(folder), sortedExpected);

    // Each dancer's total, as the text statements give it, on that dancer's own page.
    const CRun text = RunCli("statements '" + kSetup + "' '" + studio + "'");
    ASSERT_EQ(text.status, 0) << text.err;
    static const std::regex kPage(
        "Statement for ([^,\n]+), ([^,\n]+), [^\n]*\n(?:[^\n]*\n)*?Total +([0-9.]+)\n");
    int checked = 0;
    for (auto it = std::sregex_iterator(text.out.begin(), text.out.end(), kPage);
         it != std::sregex_iterator(); ++it) {
        const std::string last = (*it)[1], first = (*it)[2], total = (*it)[3];
        const std::string name = last == "Studio" ? "Studio" : last + ", " + first;
        const std::string page = PdfFileText((folder / ("Statement - " + name + ".pdf")).string());
        SCOPED_TRACE(name);
        EXPECT_TRUE(Has(page, "Page 1 of 1"));
        if (last != "Studio") {
            EXPECT_TRUE(Has(page, "Statement for " + first + " " + last)) << page;
        }
        EXPECT_TRUE(std::regex_search(page, std::regex("\nTotal +" + total + "\n"))) << page;
        ++checked;
    }
    EXPECT_EQ(checked, 7);  // the studio's own account has "Studio" alone: checked below
    const std::string zoe =
        PdfFileText((folder / "Statement - \u00d1\u00fa\u00f1ez, Zo\u00eb.pdf").string());
    EXPECT_TRUE(Has(zoe, "Statement for Zo\u00eb \u00d1\u00fa\u00f1ez")) << zoe;
    EXPECT_TRUE(Has(zoe, "Starlight Ballroom\n"));
    EXPECT_TRUE(std::regex_search(zoe, std::regex("\nTotal +499\\.00\n"))) << zoe;
    const std::string studioPage = PdfFileText((folder / "Statement - Studio.pdf").string());
    EXPECT_TRUE(Has(studioPage, "Statement for Starlight Ballroom"));
    EXPECT_TRUE(Has(studioPage, "the studio's own account"));

    // Again into the same folder: asked first, and No (the default without --yes) keeps the
    // files as they were.
    const auto before = std::filesystem::last_write_time(folder / "Statement - Studio.pdf");
    std::filesystem::remove(folder / "Statement - Park, David.pdf");
    const CRun again = RunCli("statements '" + kSetup + "' '" + studio + "' --pdf-folder '" +
                              folder.string() + "'");
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "question: The folder " + folder.string() +
                             " already holds 7 of these files, such as Statement - Turner, "
                             "Michael.pdf.\nReplace them?\nmessage: No statements were written.\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "Statement - Park, David.pdf"));
    EXPECT_EQ(std::filesystem::last_write_time(folder / "Statement - Studio.pdf"), before);

    const CRun yes = RunCli("--yes statements '" + kSetup + "' '" + studio + "' --pdf-folder '" +
                            folder.string() + "'");
    EXPECT_EQ(yes.status, 0) << yes.err;
    EXPECT_TRUE(Has(yes.err, "message: 8 statements were written to "));
    EXPECT_EQ(FileNames(folder), sortedExpected);
}

TEST(CliPdf, WrongUseOfThePdfOptionsIsRefused) {
    EXPECT_EQ(RunCli("report '" + kSetup + "' '" + kStudio + "' --pdf").status, 2);
    EXPECT_EQ(RunCli("statements '" + kSetup + "' '" + kStudio + "' --pdf-folder").status, 2);
    CTempDir dir;
    EXPECT_EQ(RunCli("statements '" + kSetup + "' '" + kStudio + "' --csv --pdf-folder '" +
                     dir.Path().string() + "'")
                  .status,
              2);
    const CRun missing = RunCli("statements '" + kSetup + "' '" + kStudio + "' --pdf-folder '" +
                                dir.File("nowhere") + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "message: The statements could not be written: " + dir.File("nowhere") +
                               " is not a folder.\n");
}

}  // namespace
