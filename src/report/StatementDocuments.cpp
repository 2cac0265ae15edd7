#include "report/StatementDocuments.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

#include "formats/FileReplace.h"
#include "platform/Ui.h"
#include "report/DocumentLayout.h"
#include "util/CodePage.h"
#include "util/Money.h"
#include "util/PdfWriter.h"
#include "util/SafeFileName.h"
#include "util/SystemPath.h"

namespace {

constexpr const char* kStatementsTitle = "Statements";

void AddSender(std::vector<CDocumentRow>& rows, const CDocumentHeader& header) {
    rows.push_back({CRowStyle::Strong, header.studioName});
    for (const std::string& line : header.studioAddress) {
        rows.push_back({CRowStyle::Small, line});
    }
    rows.push_back({CRowStyle::Blank});
    rows.push_back({CRowStyle::Blank});
}

void AddAbout(std::vector<CDocumentRow>& rows, const CDocumentHeader& header) {
    if (!header.competitionName.empty()) {
        rows.push_back({CRowStyle::Plain, "Competition: " + header.competitionName});
    }
    if (!header.datePrinted.empty()) {
        rows.push_back({CRowStyle::Plain, "Date: " + header.datePrinted});
    }
    rows.push_back({CRowStyle::Blank});
}

void AddStatement(CDocumentLayout& layout, const CDocumentHeader& header,
                  const CStatements& statements, const CStatement& statement) {
    layout.NewPage();
    std::vector<CDocumentRow> rows;
    AddSender(rows, header);
    const bool studio = statement.addressee.empty();
    rows.push_back(
        {CRowStyle::Title, "Statement for " + (studio ? header.studioName : statement.addressee)});
    rows.push_back({CRowStyle::Small, studio ? std::string("the studio's own account")
                                             : std::string(statement.kind)});
    AddAbout(rows, header);
    rows.push_back({CRowStyle::Strong, "Item", "Amount"});
    layout.AddBlock(rows, true);
    for (const CStatementLine& line : statements.LinesOf(statement)) {
        layout.AddRow(
            {CRowStyle::Plain, std::string(statements.items[line.item]), FormatCents(line.cents)});
    }
    layout.AddRow({CRowStyle::Total, "Total", FormatCents(statement.totalCents)});
}

void AddSummary(CDocumentLayout& layout, const CDocumentHeader& header,
                const CStatements& statements) {
    layout.NewPage();
    std::vector<CDocumentRow> rows;
    AddSender(rows, header);
    rows.push_back({CRowStyle::Title, "Summary of the statements"});
    AddAbout(rows, header);
    rows.push_back({CRowStyle::Strong, "Statement", "Total"});
    layout.AddBlock(rows, true);
    if (statements.statements.empty()) {
        layout.AddRow({CRowStyle::Plain, "Nobody is charged anything."});
    }
    for (const CStatement& statement : statements.statements) {
        layout.AddRow({CRowStyle::Plain, statement.name, FormatCents(statement.totalCents)});
    }
    layout.AddBlock(
        {{CRowStyle::Total, "Total of all statements:", FormatCents(statements.totalCents)},
         {CRowStyle::Plain, StatementsCheckText(statements)}},
        true);
}

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

CPageDocument StatementsDocument(const CDocumentHeader& header, const CStatements& statements,
                                 CPaper paper) {
    CDocumentLayout layout(paper, header.RunningHead(kStatementsTitle),
                           header.RunningHead(kStatementsTitle));
    if (statements.pricesHidden) {
        layout.AddRow({CRowStyle::Plain, kStatementsPricesHidden});
        return layout.Finish();
    }
    for (const CStatement& statement : statements.statements) {
        AddStatement(layout, header, statements, statement);
    }
    AddSummary(layout, header, statements);
    return layout.Finish();
}

CPageDocument StatementDocument(const CDocumentHeader& header, const CStatements& statements,
                                const CStatement& statement, CPaper paper) {
    CDocumentLayout layout(paper, "Statement for " + statement.name,
                           header.RunningHead("Statement"));
    AddStatement(layout, header, statements, statement);
    return layout.Finish();
}

std::vector<CStatementFile> StatementFiles(const CStatements& statements) {
    std::vector<CStatementFile> files;
    std::set<std::string> taken;  // in lower case
    for (const CStatement& statement : statements.statements) {
        const std::string stem = "Statement - " + Cp1252ToUtf8(statement.name);
        std::string name = SafeFileName(stem, ".pdf");
        for (int k = 2; !taken.insert(Lower(name)).second; ++k) {
            name = SafeFileName(stem + " (" + std::to_string(k) + ")", ".pdf");
        }
        files.push_back({std::move(name), &statement});
    }
    return files;
}

int SaveEachStatementAsPdf(CUi& ui, const CDocumentHeader& header, const CStatements& statements,
                           CPaper paper, const std::string& folder) {
    if (statements.pricesHidden) {
        ui.ShowMessage(kStatementsPricesHidden);
        return 0;
    }
    const std::filesystem::path directory = SystemPath(folder);
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error)) {
        ui.ShowMessage("The statements could not be written: " + folder + " is not a folder.");
        return 0;
    }
    const std::vector<CStatementFile> files = StatementFiles(statements);
    std::vector<std::string> existing;
    for (const CStatementFile& file : files) {
        if (std::filesystem::exists(directory / SystemPath(file.name), error)) {
            existing.push_back(file.name);
        }
    }
    if (!existing.empty()) {
        const std::string question =
            existing.size() == 1
                ? "The folder " + folder + " already holds " + existing[0] + ".\nReplace it?"
                : "The folder " + folder + " already holds " + std::to_string(existing.size()) +
                      " of these files, such as " + existing[0] + ".\nReplace them?";
        if (!ui.AskYesNo(question)) {
            ui.ShowMessage("No statements were written.");
            return 0;
        }
    }
    int written = 0;
    for (const CStatementFile& file : files) {
        const std::string path = PathText(directory / SystemPath(file.name));
        std::string whyNot;
        const std::string pdf =
            PdfBytes(StatementDocument(header, statements, *file.statement, paper));
        if (!ReplaceFileContents(path, pdf, whyNot)) {
            // Paths and names are UTF-8 here; the message shows them as they are.
            ui.ShowMessage("The statement could not be written to " + path + " (" + whyNot + "). " +
                           std::to_string(written) + " of the " + std::to_string(files.size()) +
                           " statements were written before it.");
            return written;
        }
        ++written;
    }
    ui.ShowInformation((written == 1 ? std::string("1 statement was")
                                     : std::to_string(written) + " statements were") +
                       " written to " + folder + ".");
    return written;
}
