#pragma once
// The roster as a spreadsheet sees it: one person a line in comma-separated values with a
// header line, quoted where a value needs it.
#include <array>
#include <string>
#include <vector>

class CDatabase;
class CPersonRecord;

// The columns, in the order an export writes them; an import takes them in any order.
enum CRosterColumn {
    kRosterLastName,
    kRosterFirstName,
    kRosterType,
    kRosterNickname,
    kRosterNoteToMC,
    kRosterMemberNumber,
    kRosterSSNumber,
};
const std::array<const char*, 7>& RosterColumnNames();

// The person's type as the person dialog's type box shows it; "Non-competitor" for anyone who
// does not compete.
std::string PersonTypeText(const CPersonRecord& person);

// Every person in store order, in UTF-8 with CR LF line ends.
std::string FormatRosterCsv(const CDatabase& store);

// One line of a CSV roster as read: its values and its line number in the file.
struct CCsvRecord {
    int lineNumber = 0;
    std::vector<std::string> fields;
    bool unclosedQuote = false;  // the line ended inside a quoted value
};
// Splits `text` into records, one a line: a quoted value never runs over a line end. Lines
// holding nothing at all are left out.
std::vector<CCsvRecord> SplitCsvRecords(const std::string& text, char separator);
// The separator of the header line: a comma, or the semicolon or tab some spreadsheets write
// when that is what the line holds.
char DetectCsvSeparator(const std::string& text);
