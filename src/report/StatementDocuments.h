#pragma once
// The statements as documents a studio hands out: one page for each, addressed to the dancer
// with the studio as the sender, its items and their amounts in a column, and the total; for
// the whole set a last page with every statement's total and the check against the report. One
// PDF file per dancer on request.
#include <string>
#include <vector>

#include "report/DocumentHeader.h"
#include "report/PaperSize.h"
#include "report/Statements.h"
#include "util/PageDocument.h"

class CUi;

// Every statement, one a page, then the summary page.
CPageDocument StatementsDocument(const CDocumentHeader& header, const CStatements& statements,
                                 CPaper paper);
// One statement alone.
CPageDocument StatementDocument(const CDocumentHeader& header, const CStatements& statements,
                                const CStatement& statement, CPaper paper);

struct CStatementFile {
    std::string name;  // UTF-8: "Statement - Last, First.pdf", "Statement - Studio.pdf"
    const CStatement* statement;
};
// A file name for every statement, made safe for any file system; two dancers of one name
// (ignoring case, as Windows does) get " (2)" and so on after the second one's.
std::vector<CStatementFile> StatementFiles(const CStatements& statements);

// "Save each as PDF...": writes one file per statement into `folder`. Files of those names that
// are there already are replaced only when the user says Yes to one question naming them; says
// how many were written and where, or why not. The number of files written.
int SaveEachStatementAsPdf(CUi& ui, const CDocumentHeader& header, const CStatements& statements,
                           CPaper paper, const std::string& folder);
