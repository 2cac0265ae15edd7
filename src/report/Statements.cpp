#include "report/Statements.h"

#include <charconv>
#include <cmath>
#include <unordered_map>

#include "data/Database.h"
#include "data/LookupScope.h"
#include "entries/EntryDescriptions.h"
#include "formats/DataFileWriter.h"
#include "platform/Ui.h"
#include "report/ReportCharges.h"
#include "report/SummaryReport.h"
#include "util/CodePage.h"
#include "util/Csv.h"

namespace {

constexpr int kStudioAccount = -1;

int64_t Cents(float amount) {
    return std::llround(static_cast<double>(amount) * 100.0);
}

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

    // One pass over the charges in the report's order, each line added to its payer's statement
    // as it is made: the entries are read once, and nothing is copied afterwards.
    void Build(const CStudioCharges& charges) {
        std::string item;  // reused: one buffer for every line's text
        for (const auto& [entry, fee, couple] : charges.entries) {
            item = charges.coupleLabels[couple];
            item += ": ";
            AppendEntryDescription(item, store_, *entry, true);
            const CShares shares = SharesOf(*entry, Cents(fee));
            if (shares.count == 2) {
                item += " (half)";
            }
            for (int i = 0; i < shares.count; ++i) {
                statementOf_[shares.share[i].payer].AddLine(item, shares.share[i].cents);
            }
        }
        for (const auto& [purchase, price] : charges.purchases) {
            item = purchase->itemName;
            item += " (";
            item += std::to_string(static_cast<uint32_t>(purchase->quantity));
            item += ')';
            statementOf_[Payer(purchase->purchaserNumber)].AddLine(item,
                                                                   Cents(price.value_or(0.0f)));
        }
        Collect();
        out_.reportTotal = FormatAmount(charges.TotalDue());
    }

private:
    // The person when the store has one of that number, else the studio's account.
    int Payer(int personNumber) const {
        return personNumber != -1 && store_.FindPerson(personNumber) != nullptr ? personNumber
                                                                                : kStudioAccount;
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

    // The statements in person-list order, then the studio's account.
    void Collect() {
        for (const auto& person : store_.personArray) {
            const auto found = statementOf_.find(person->number);
            if (found == statementOf_.end() || found->second.lines.empty()) {
                continue;
            }
            Add(person->number, person->FormatPersonName(1), PersonKind(*person), found->second);
        }
        if (const auto studio = statementOf_.find(kStudioAccount); studio != statementOf_.end()) {
            Add(kStudioAccount, "Studio", "", studio->second);
        }
    }

    // Moves the lines out, so that a second record of the same number, found as the first one,
    // gets none.
    void Add(int number, std::string name, std::string kind, CStatement& lines) {
        CStatement statement = std::move(lines);
        lines = CStatement{};
        statement.personNumber = number;
        statement.name = std::move(name);
        statement.kind = std::move(kind);
        out_.totalCents += statement.TotalCents();
        out_.statements.push_back(std::move(statement));
    }

    const CDatabase& store_;
    CStatements& out_;
    std::unordered_map<int, CStatement> statementOf_;  // by payer, their lines only
};

// Writes "1234.50" into `buffer`; gives its length.
std::size_t FormatCents(char (&buffer)[24], int64_t cents) {
    const uint64_t magnitude =
        cents < 0 ? 0 - static_cast<uint64_t>(cents) : static_cast<uint64_t>(cents);
    char* end = buffer;
    if (cents < 0) {
        *end++ = '-';
    }
    end = std::to_chars(end, buffer + sizeof buffer, magnitude / 100).ptr;
    *end++ = '.';
    *end++ = static_cast<char>('0' + magnitude % 100 / 10);
    *end++ = static_cast<char>('0' + magnitude % 10);
    return static_cast<std::size_t>(end - buffer);
}

// Appends "%9.2f" of the cents, as the report aligns its amounts.
void AppendAmount9(std::string& text, int64_t cents) {
    char buffer[24];
    const std::size_t length = FormatCents(buffer, cents);
    if (length < 9) {
        text.append(9 - length, ' ');
    }
    text.append(buffer, length);
}

CStringList PageOf(const CStatements& statements, const CStatement& statement) {
    std::string heading = "Statement for ";
    heading += statement.name;
    heading += ", ";
    heading += statement.kind.empty() ? std::string("the studio's own account") : statement.kind;
    CStringList page;
    page.reserve(statement.lines.size() + 7);
    page.push_back(statements.studioName);
    page.push_back(std::move(heading));
    page.push_back("");
    std::string text;
    for (const CStatementLine& line : statement.lines) {
        text.clear();
        AppendAmount9(text, line.cents);
        text += ' ';
        text += statement.Item(line);
        page.emplace_back(text);
    }
    std::string total = "Total    ";
    AppendAmount9(total, statement.TotalCents());
    page.push_back(std::move(total));
    return page;
}

}  // namespace

void CStatement::AddLine(std::string_view item, int64_t cents) {
    lines.push_back({itemTexts.size(), item.size(), cents});
    itemTexts += item;
}

int64_t CStatement::TotalCents() const {
    int64_t total = 0;
    for (const CStatementLine& line : lines) {
        total += line.cents;
    }
    return total;
}

bool CStatements::AddUpToReport() const {
    return CentsText(totalCents) == reportTotal;
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
    const CLookupScope lookups(store);
    store.AssignHotelPackages();
    CStatementsBuilder(store, statements).Build(ChargesOf(store));
    return true;
}

std::string CentsText(int64_t cents) {
    char buffer[24];
    return std::string(buffer, FormatCents(buffer, cents));
}

std::vector<CStringList> StatementPages(const CStatements& statements) {
    if (statements.pricesHidden) {
        return {{kStatementsPricesHidden}};
    }
    std::vector<CStringList> pages;
    pages.reserve(statements.statements.size() + 1);
    for (const CStatement& statement : statements.statements) {
        pages.push_back(PageOf(statements, statement));
    }
    if (pages.empty()) {
        pages.push_back({statements.studioName, "Nobody is charged anything.", ""});
    }
    CStringList& last = pages.back();
    last.push_back("");
    std::string total = "Total of all statements: ";
    total += CentsText(statements.totalCents);
    last.push_back(std::move(total));
    std::string check = statements.AddUpToReport()
                            ? "Check: equal to the summary report's approximate total due, "
                            : "Check failed: the summary report's approximate total due is ";
    check += statements.reportTotal;
    check += '.';
    last.push_back(std::move(check));
    return pages;
}

CStringList StatementsText(const CStatements& statements) {
    std::vector<CStringList> pages = StatementPages(statements);
    std::size_t size = 0;
    for (const CStringList& page : pages) {
        size += page.size() + 1;
    }
    CStringList text;
    text.reserve(size);
    for (CStringList& page : pages) {
        if (!text.empty()) {
            text.push_back("");
        }
        text.insert(text.end(), std::make_move_iterator(page.begin()),
                    std::make_move_iterator(page.end()));
    }
    return text;
}

std::string StatementsCsv(const CStatements& statements) {
    std::string csv = CsvLine({"person", "name", "item", "amount"});
    for (const CStatement& statement : statements.statements) {
        const std::string number =
            statement.personNumber == kStudioAccount ? "" : std::to_string(statement.personNumber);
        for (const CStatementLine& line : statement.lines) {
            csv +=
                CsvLine({number, Cp1252ToUtf8(statement.name),
                         Cp1252ToUtf8(std::string(statement.Item(line))), CentsText(line.cents)});
        }
    }
    return csv;
}
