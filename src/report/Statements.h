#pragma once
// Statements per person: what each dancer owes the studio for the entries and purchases of the
// summary report, priced by the report's own charges, so that all statements together, the
// studio's own account included, come to the report's approximate total due.
//
// Who pays: a pro/am entry the student (the lady for 'F' and 'f', the gentleman for 'M' and
// 'm'); an amateur ('A', 'a') or professional ('P') couple's entry each dancer half, the odd cent
// to the gentleman; a group entry, and any share whose payer is not a person of the store, the
// studio's account. A purchase its purchaser, or the studio's account when there is none.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "util/Text.h"
#include "util/TextTable.h"

class CDatabase;
class CLineSink;

// What stands for the statements when the competition shows no prices.
constexpr const char* kStatementsPricesHidden =
    "The organizer's setup file hides the prices, so there are no statements.";

// A line's text is the entry's couple and description ("(half)" for a share), or the item.
struct CStatementLine {
    std::size_t item = 0;  // its text in CStatements::items
    int64_t cents = 0;
};

struct CStatement {
    int personNumber = -1;      // -1: the studio's own account
    std::string name;           // "Last, First", or "Studio"
    std::string_view kind;      // as the report calls the person; empty for the studio
    std::size_t firstLine = 0;  // its lines in CStatements::lines
    std::size_t lineCount = 0;
    int64_t totalCents = 0;
};

struct CStatements {
    std::string studioName;
    bool pricesHidden = false;
    // Every person who is charged something, in person-list order, then the studio's account.
    std::vector<CStatement> statements;
    // The statements' lines, statement after statement, each statement's in the report's order.
    std::vector<CStatementLine> lines;
    // The lines' texts, in one piece; both halves of an entry share theirs.
    CTextTable items;
    int64_t totalCents = 0;
    int64_t reportTotalCents = 0;  // the report's "Approximate total due", as it adds it up
    bool AddUpToReport() const;
    std::span<const CStatementLine> LinesOf(const CStatement& statement) const {
        return std::span(lines).subspan(statement.firstLine, statement.lineCount);
    }
};

// False without a studio (the report's message has been shown). Hotel packages are assigned in
// the store on the way, as the report does, since they decide the surcharges.
bool BuildStatements(CDatabase& store, CStatements& statements);

// One page per statement (a heading, its lines, its total); the last page ends with the total of
// all statements and the check against the report. Only kStatementsPricesHidden when hidden.
void WriteStatements(const CStatements& statements, CLineSink& sink);
std::vector<CStringList> StatementPages(const CStatements& statements);
// The pages one after the other, an empty line between them, each line ended by LF.
std::string StatementsText(const CStatements& statements);
// "person,name,item,amount", then a row per charge, in UTF-8 with CR LF line ends.
std::string StatementsCsv(const CStatements& statements);
