#include "report/Statements.h"

#include <algorithm>
#include <functional>

#include "data/Database.h"
#include "data/LookupScope.h"
#include "entries/EntryDescriptions.h"
#include "platform/Ui.h"
#include "report/ReportCharges.h"
#include "report/SummaryReport.h"
#include "util/CodePage.h"
#include "util/Csv.h"
#include "util/DenseNumbering.h"
#include "util/LineSink.h"
#include "util/Money.h"

namespace {

constexpr int kStudioAccount = -1;

// Who pays which part of an entry's fee: one payer, or the gentleman's and the lady's halves.
struct CShare {
    int payer;
    int64_t cents;
    bool half;
};
struct CShares {
    CShare share[2];
    int count;
};

class CStatementsBuilder {
public:
    CStatementsBuilder(const CDatabase& store, CStatements& out) : store_(store), out_(out) {}

    // One pass over the charges in the report's order makes every line's text once, in one
    // table; the lines are then counted into their statements' places, in one piece.
    void Build(const CStudioCharges& charges) {
        std::string item;  // reused: one buffer for every line's text
        for (const auto& [entry, fee, couple] : charges.entries) {
            item = charges.coupleLabels[couple];
            item += ": ";
            AppendEntryDescription(item, store_, *entry, true);
            const CShares shares = SharesOf(*entry, fee);
            if (shares.count == 2) {
                item += " (half)";
            }
            const std::size_t text = out_.items.Add(item);
            for (int i = 0; i < shares.count; ++i) {
                Charge(shares.share[i].payer, text, shares.share[i].cents);
            }
        }
        for (const auto& [purchase, price] : charges.purchases) {
            item = purchase->itemName;
            item += " (";
            item += std::to_string(static_cast<uint32_t>(purchase->quantity));
            item += ')';
            Charge(Payer(purchase->purchaserNumber), out_.items.Add(item), price.value_or(0));
        }
        Collect();
    }

private:
    struct CCharge {
        std::size_t payer;  // its number in payers_
        CStatementLine line;
    };

    // The person when the store has one of that number, else the studio's account.
    int Payer(int personNumber) const {
        return store_.FindReferencedPerson(personNumber) != nullptr ? personNumber : kStudioAccount;
    }

    void Charge(int payer, std::size_t item, int64_t cents) {
        charges_.push_back({payers_.Number(payer).first, {item, cents}});
    }

    CShares SharesOf(const CEntryRecord& entry, int64_t cents) const {
        switch (entry.type) {
            case 'F':
            case 'f':
                return {{{Payer(entry.lady), cents, false}}, 1};
            case 'M':
            case 'm':
                return {{{Payer(entry.gentleman), cents, false}}, 1};
            case 'A':
            case 'a':
            case 'P': {
                const int gentleman = Payer(entry.gentleman);
                const int lady = Payer(entry.lady);
                if (gentleman == lady) {
                    return {{{gentleman, cents, false}}, 1};
                }
                const int64_t ladyHalf = cents / 2;
                return {{{gentleman, cents - ladyHalf, true}, {lady, ladyHalf, true}}, 2};
            }
            default:
                return {{{kStudioAccount, cents, false}}, 1};
        }
    }

    // The statements in person-list order, then the studio's account; a second record of a
    // number already given its statement gets none. Then each charge goes to its statement's
    // place, in the order the charges came.
    void Collect() {
        std::vector<std::size_t> statementOf(payers_.size(), kNone);
        for (const auto& person : store_.personArray) {
            const std::size_t payer =
                person->number == kStudioAccount ? kNone : payers_.Find(person->number);
            if (payer != kNone && statementOf[payer] == kNone) {
                statementOf[payer] = out_.statements.size();
                out_.statements.push_back(
                    {person->number, person->FormatPersonName(1), PersonKind(*person)});
            }
        }
        // The studio's account, and whoever should have been left without a statement (no one
        // is: every payer but the studio is a person of the list).
        if (std::find(statementOf.begin(), statementOf.end(), kNone) != statementOf.end()) {
            std::replace(statementOf.begin(), statementOf.end(), kNone, out_.statements.size());
            out_.statements.push_back({kStudioAccount, "Studio", ""});
        }
        for (const CCharge& charge : charges_) {
            CStatement& statement = out_.statements[statementOf[charge.payer]];
            ++statement.lineCount;
            statement.totalCents += charge.line.cents;
        }
        std::vector<std::size_t> next;  // per statement: where its next line goes
        next.reserve(out_.statements.size());
        std::size_t start = 0;
        for (CStatement& statement : out_.statements) {
            statement.firstLine = start;
            next.push_back(start);
            start += statement.lineCount;
            out_.totalCents += statement.totalCents;
        }
        out_.lines.resize(charges_.size());
        for (const CCharge& charge : charges_) {
            out_.lines[next[statementOf[charge.payer]]++] = charge.line;
        }
    }

    using CPayers = CDenseNumbering<int, std::hash<int>>;
    static constexpr std::size_t kNone = CPayers::kNone;  // no payer, or no statement yet

    const CDatabase& store_;
    CStatements& out_;
    CPayers payers_;                // the payers, in order of their first charge
    std::vector<CCharge> charges_;  // in the report's order
};

void WritePage(const CStatements& statements, const CStatement& statement, CLineSink& sink,
               std::string& text) {
    sink.PageBreak();
    sink.Line(statements.studioName);
    text = "Statement for ";
    text += statement.name;
    text += ", ";
    text += statement.kind.empty() ? std::string_view("the studio's own account") : statement.kind;
    sink.Line(text);
    sink.Line("");
    for (const CStatementLine& line : statements.LinesOf(statement)) {
        text.clear();
        AppendCents9(text, line.cents);
        text += ' ';
        text += statements.items[line.item];
        sink.Line(text);
    }
    text = "Total    ";
    AppendCents9(text, statement.totalCents);
    sink.Line(text);
}

}  // namespace

bool CStatements::AddUpToReport() const {
    return totalCents == reportTotalCents;
}

bool BuildStatements(CDatabase& store, CStatements& statements) {
    statements = CStatements{};
    if (store.studioArray.empty()) {
        store.ui.ShowMessage("Error - no studio data");
        return false;
    }
    statements.studioName = store.studioArray.front()->name;
    if (store.showDancePrices != 1) {
        statements.pricesHidden = true;
        return true;
    }
    // Added up on the report's own way, so that a fault on either side shows in the check.
    statements.reportTotalCents = SummaryReportTotal(store);
    const CLookupScope lookups(store);
    store.AssignHotelPackages();
    CStatementsBuilder(store, statements).Build(ChargesOf(store));
    return true;
}

void WriteStatements(const CStatements& statements, CLineSink& sink) {
    if (statements.pricesHidden) {
        sink.Line(kStatementsPricesHidden);
        return;
    }
    sink.ExpectLines(statements.lines.size() + 5 * statements.statements.size() + 8);
    std::string text;  // reused: one buffer for every line
    for (const CStatement& statement : statements.statements) {
        WritePage(statements, statement, sink, text);
    }
    if (statements.statements.empty()) {
        sink.PageBreak();
        sink.Line(statements.studioName);
        sink.Line("Nobody is charged anything.");
        sink.Line("");
    }
    sink.Line("");
    text = "Total of all statements: ";
    AppendCents(text, statements.totalCents);
    sink.Line(text);
    text = statements.AddUpToReport()
               ? "Check: equal to the summary report's approximate total due, "
               : "Check failed: the summary report's approximate total due is ";
    AppendCents(text, statements.reportTotalCents);
    text += '.';
    sink.Line(text);
}

std::vector<CStringList> StatementPages(const CStatements& statements) {
    std::vector<CStringList> pages;
    pages.reserve(statements.statements.size() + 1);
    CPagesSink sink(pages);
    WriteStatements(statements, sink);
    return pages;
}

std::string StatementsText(const CStatements& statements) {
    std::string text;
    CTextSink sink(text, "\n");
    WriteStatements(statements, sink);
    return text;
}

std::string StatementsCsv(const CStatements& statements) {
    std::string csv = CsvLine({"person", "name", "item", "amount"});
    for (const CStatement& statement : statements.statements) {
        const std::string number =
            statement.personNumber == kStudioAccount ? "" : std::to_string(statement.personNumber);
        for (const CStatementLine& line : statements.LinesOf(statement)) {
            csv += CsvLine({number, Cp1252ToUtf8(statement.name),
                            Cp1252ToUtf8(std::string(statements.items[line.item])),
                            FormatCents(line.cents)});
        }
    }
    return csv;
}
