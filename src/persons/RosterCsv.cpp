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
    int lineNumber = 0;
    for (std::size_t begin = 0; begin < text.size();) {
        ++lineNumber;
        // A line ends at CR LF, LF or a CR alone. No name holds a line break, so a quoted value
        // ends with its line: a stray quote costs its own line and no other.
        std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::size_t next =
            end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
        if (end == begin) {
            begin = next;
            continue;
        }
        CCsvRecord record;
        record.lineNumber = lineNumber;
        std::string field;
        bool quoted = false;
        bool atFieldStart = true;
        for (std::size_t i = begin; i < end; ++i) {
            const char c = text[i];
            if (quoted) {
                if (c == '"' && i + 1 < end && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    field += c;
                }
            } else if (c == '"' && atFieldStart) {
                quoted = true;
                atFieldStart = false;
            } else if (c == separator) {
                record.fields.push_back(field);
                field.clear();
                atFieldStart = true;
            } else {
                // A quote inside a value (O"Brien) is one of its characters.
                field += c;
                atFieldStart = false;
            }
        }
        record.fields.push_back(field);
        record.unclosedQuote = quoted;
        records.push_back(std::move(record));
        begin = next;
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
