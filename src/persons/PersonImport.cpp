// Importing persons: every source yields candidates, and one rule decides who is added.
#include "persons/PersonImport.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "data/Database.h"
#include "data/RecordArrays.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "persons/PersonDialog.h"
#include "persons/RosterCsv.h"
#include "util/CodePage.h"
#include "util/Csv.h"
#include "util/SystemPath.h"
#include "util/Text.h"

namespace {

// Characters that would shift the fields of the data file, or break its lines.
constexpr const char* kLineBreakers = "|;\t\r\n";

bool HasName(const CDatabase& store, const CPersonRecord& candidate) {
    return std::any_of(store.personArray.begin(), store.personArray.end(), [&](const auto& p) {
        return EqualsIgnoringCase(p->firstName, candidate.firstName) &&
               EqualsIgnoringCase(p->lastName, candidate.lastName);
    });
}

// Adds `candidate` as a new person of this studio, unless the studio has the name already.
void Offer(CDatabase& store, const CPersonRecord& candidate, CImportSummary& summary) {
    if (HasName(store, candidate)) {
        summary.alreadyThere.push_back(candidate.lastName + ", " + candidate.firstName);
        return;
    }
    // A new person as the person dialog makes one; what the candidate brings is its data, not
    // its place in the other competition (studio, roommates, time of creation).
    auto person = std::make_unique<CPersonRecord>();
    person->number = NextNumber(store.personArray);
    person->gender = candidate.gender;
    person->classLetter = candidate.classLetter;
    person->youth = candidate.youth;
    person->lastName = candidate.lastName;
    person->firstName = candidate.firstName;
    person->nickname = candidate.nickname;
    person->noteToMC = candidate.noteToMC;
    person->membershipNumber = candidate.membershipNumber;
    person->ssNumber = candidate.ssNumber;
    person->pCommentArray = candidate.pCommentArray;
    AppendRecord(store.personArray, std::move(person));
    ++summary.added;
}

void ImportFromDataFile(CDatabase& store, const std::string& path, CImportSummary& summary) {
    CDatabase other(store.ui);
    other.dataFileName = path;
    std::string whyNot;
    if (!ReadDataFileAsIs(other, &whyNot)) {
        summary.readable = false;
        summary.whyNot = whyNot;
        return;
    }
    if (other.studioArray.empty() && other.personArray.empty()) {
        summary.readable = false;
        summary.whyNot = "it holds no studio data";
        return;
    }
    for (const auto& person : other.personArray) {
        Offer(store, *person, summary);
    }
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos ? "" : TrimRight(text.substr(first));
}

// The type box's line that `text` names (ignoring case and blanks around it); the last line,
// "Non-competitor", for an empty text; -1 for anything else.
int TypeOfText(const std::string& text) {
    const std::string wanted = Trimmed(text);
    if (wanted.empty()) {
        return kNonCompetitorType;
    }
    for (std::size_t i = 0; i < PersonTypes().size(); ++i) {
        if (EqualsIgnoringCase(wanted, PersonTypes()[i].text)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Why the candidate of this line cannot be a person, or "" when it can.
std::string RefusalOf(const std::array<std::string, 7>& values, int type) {
    if (IsBlank(values[kRosterLastName])) {
        return "empty last name";
    }
    if (type < 0) {
        std::string refusal = "unknown type \"";
        refusal += Trimmed(values[kRosterType]);
        refusal += '"';
        return refusal;
    }
    for (std::size_t column = 0; column < values.size(); ++column) {
        if (values[column].find_first_of(kLineBreakers) != std::string::npos) {
            const bool name = column == kRosterLastName || column == kRosterFirstName;
            std::string refusal = "a field separator (| ; or tab) or line break in ";
            if (name) {
                refusal += "the name";
            } else {
                refusal += '"';
                refusal += RosterColumnNames()[column];
                refusal += '"';
            }
            return refusal;
        }
    }
    // The data file's reader ends a last name at its first "[".
    if (values[kRosterLastName].find('[') != std::string::npos) {
        return "a \"[\" in the last name";
    }
    return "";
}

// The whole file; false with the system's reason when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& text, std::string& whyNot) {
    errno = 0;
    std::ifstream file(SystemPath(path), std::ios::binary);
    if (!file) {
        whyNot = std::strerror(errno != 0 ? errno : ENOENT);
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad()) {
        whyNot = std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

void ImportFromCsv(CDatabase& store, const std::string& path, CImportSummary& summary) {
    std::string text;
    std::string whyNot;
    if (!ReadWholeFile(path, text, whyNot)) {
        summary.readable = false;
        summary.whyNot = whyNot;
        return;
    }
    // Spreadsheets often start UTF-8 with a byte order mark.
    if (text.rfind(kUtf8ByteOrderMark, 0) == 0) {
        text.erase(0, std::strlen(kUtf8ByteOrderMark));
    }
    const bool utf8 = IsValidUtf8(text);
    const std::vector<CCsvRecord> records = SplitCsvRecords(text, DetectCsvSeparator(text));
    if (records.empty()) {
        summary.readable = false;
        summary.whyNot = "it is empty";
        return;
    }
    // Which roster column each of the file's columns is, or -1.
    std::vector<int> columnOf;
    bool hasLastName = false;
    for (const auto& name : records.front().fields) {
        int column = -1;
        for (std::size_t i = 0; i < RosterColumnNames().size(); ++i) {
            if (EqualsIgnoringCase(Trimmed(name), RosterColumnNames()[i]) &&
                std::find(columnOf.begin(), columnOf.end(), static_cast<int>(i)) ==
                    columnOf.end()) {
                column = static_cast<int>(i);
            }
        }
        hasLastName = hasLastName || column == kRosterLastName;
        if (column < 0 && !Trimmed(name).empty()) {
            summary.unknownColumns.push_back(utf8 ? Utf8ToCp1252(name) : name);
        }
        columnOf.push_back(column);
    }
    if (!hasLastName) {
        summary.readable = false;
        summary.whyNot = "its first line names no \"Last name\" column";
        summary.unknownColumns.clear();
        return;
    }
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CCsvRecord& record = records[r];
        const std::string lineText = "Line " + std::to_string(record.lineNumber) + ": ";
        if (record.unclosedQuote) {
            summary.refusedLines.push_back(lineText + "a quotation mark that is never closed");
            continue;
        }
        std::array<std::string, 7> values;
        bool replaced = false;
        for (std::size_t i = 0; i < record.fields.size() && i < columnOf.size(); ++i) {
            if (columnOf[i] < 0) {
                continue;
            }
            std::string value = record.fields[i];
            if (utf8) {
                const std::string converted = Utf8ToCp1252(value);
                replaced = replaced || std::count(converted.begin(), converted.end(), '?') !=
                                           std::count(value.begin(), value.end(), '?');
                value = converted;
            }
            values[static_cast<std::size_t>(columnOf[i])] = value;
        }
        const int type = TypeOfText(values[kRosterType]);
        const std::string refusal = RefusalOf(values, type);
        if (!refusal.empty()) {
            summary.refusedLines.push_back(lineText + refusal);
            continue;
        }
        if (replaced) {
            summary.replacedLines.push_back(record.lineNumber);
        }
        CPersonRecord candidate;
        const CPersonType& chosen = PersonTypes()[static_cast<std::size_t>(type)];
        candidate.gender = chosen.gender;
        candidate.classLetter = chosen.classLetter;
        candidate.youth = chosen.youth;
        candidate.lastName = values[kRosterLastName];
        candidate.firstName = values[kRosterFirstName];
        candidate.nickname = values[kRosterNickname];
        candidate.noteToMC = values[kRosterNoteToMC];
        candidate.membershipNumber = values[kRosterMemberNumber];
        candidate.ssNumber = values[kRosterSSNumber];
        Offer(store, candidate, summary);
    }
}

bool IsCsvName(const std::string& path) {
    const std::string extension = PathText(SystemPath(path).extension());
    return EqualsIgnoringCase(extension, ".csv");
}

}  // namespace

CImportSummary ImportPersons(CDatabase& store, const std::string& path) {
    CImportSummary summary;
    summary.fileName = PathText(SystemPath(path).filename());
    if (IsCsvName(path)) {
        ImportFromCsv(store, path, summary);
    } else {
        ImportFromDataFile(store, path, summary);
    }
    return summary;
}

CImportSummary ImportPersonsAndSave(CDatabase& store, const std::string& path, bool& saved) {
    CImportSummary summary = ImportPersons(store, path);
    saved = summary.added == 0 || WriteDataFile(store, store.dataFileName);
    return summary;
}

std::string ImportSummaryText(const CImportSummary& summary) {
    if (!summary.readable) {
        return "No persons were imported: " + summary.fileName + " cannot be read (" +
               summary.whyNot + ").";
    }
    std::string text = "Persons from " + summary.fileName + ":\n";
    text +=
        summary.added == 1 ? "1 person added." : std::to_string(summary.added) + " persons added.";
    if (!summary.alreadyThere.empty()) {
        text += "\n\nAlready in the studio, not added again: ";
        for (std::size_t i = 0; i < summary.alreadyThere.size(); ++i) {
            text += (i == 0 ? "" : "; ") + summary.alreadyThere[i];
        }
        text += ".";
    }
    if (!summary.refusedLines.empty()) {
        text += "\n\nLines not imported:";
        for (const auto& line : summary.refusedLines) {
            text += "\n" + line + ".";
        }
    }
    for (const int line : summary.replacedLines) {
        text += "\n\nLine " + std::to_string(line) +
                ": characters that a studio data file cannot hold became \"?\".";
    }
    if (!summary.unknownColumns.empty()) {
        text += "\n\nColumns left out (not known):";
        for (const auto& column : summary.unknownColumns) {
            text += " \"" + column + "\"";
        }
    }
    return text;
}
