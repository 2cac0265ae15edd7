// The roster in comma-separated values, as spreadsheets write and read them.
#include "persons/RosterCsv.h"

#include "data/Database.h"
#include "persons/PersonDialog.h"
#include "util/CodePage.h"
#include "util/Csv.h"

const std::array<const char*, 7>& RosterColumnNames() {
    static const std::array<const char*, 7> names{
        {"Last name", "First name", "Type", "Nick name", "Note to MC", "Member #", "SS #"}};
    return names;
}

std::string PersonTypeText(const CPersonRecord& person) {
    const int type = PersonTypeIndex(person);
    return PersonTypes()[static_cast<std::size_t>(type >= 0 ? type : kNonCompetitorType)].text;
}

std::string FormatRosterCsv(const CDatabase& store) {
    std::string out;
    auto addLine = [&out](std::vector<std::string> values) {
        for (auto& value : values) {
            value = Cp1252ToUtf8(value);
        }
        out += CsvLine(values);
    };
    addLine({RosterColumnNames().begin(), RosterColumnNames().end()});
    for (const auto& person : store.personArray) {
        addLine({person->lastName, person->firstName, PersonTypeText(*person), person->nickname,
                 person->noteToMC, person->membershipNumber, person->ssNumber});
    }
    return out;
}

std::vector<CCsvRecord> SplitCsvRecords(const std::string& text, char separator) {
    std::vector<CCsvRecord> records;
    CCsvRecord record;
    std::string field;
    int line = 1;
    bool quoted = false;
    bool anything = false;  // the record holds a value or a separator
    record.lineNumber = line;
    auto endField = [&] {
        record.fields.push_back(field);
        field.clear();
    };
    auto endRecord = [&] {
        endField();
        if (anything) {
            records.push_back(record);
        }
        record = CCsvRecord{};
        record.lineNumber = line;
        anything = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') {
                    ++line;
                }
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
            anything = true;
        } else if (c == separator) {
            endField();
            anything = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            ++line;
            endRecord();
        } else {
            field += c;
            anything = true;
        }
    }
    record.unclosedQuote = quoted;
    if (anything || !field.empty()) {
        endRecord();
    }
    return records;
}

char DetectCsvSeparator(const std::string& text) {
    const std::string header = text.substr(0, text.find_first_of("\r\n"));
    for (const char candidate : {',', ';', '\t'}) {
        if (header.find(candidate) != std::string::npos) {
            return candidate;
        }
    }
    return ',';
}
