// Importing persons: every source yields candidates, and one rule decides who is added.
#include "persons/PersonImport.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <unordered_set>

#include "data/Database.h"
#include "data/RecordArrays.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "persons/PersonDialog.h"
#include "persons/PersonNameKey.h"
#include "persons/RosterCsv.h"
#include "persons/RosterTypes.h"
#include "platform/Ui.h"
#include "util/CodePage.h"
#include "util/Csv.h"
#include "util/PlainLetters.h"
#include "util/SystemPath.h"
#include "util/Text.h"

namespace {

// Characters that would shift the fields of the data file, or break its lines.
constexpr const char* kLineBreakers = "|;\t\r\n";

// How often the progress is told, in lines: often enough for a bar that moves, seldom enough
// to cost nothing.
constexpr std::size_t kProgressStep = 256;

// The persons an import is about to add, kept apart until the import is through so that a
// cancelled one adds nobody; the studio's names and those already taken from the file in one
// index, so that each candidate costs one look-up however large the studio.
class CImportBatch {
public:
    explicit CImportBatch(CDatabase& store)
        : store_(store), nextNumber_(NextNumber(store.personArray)) {
        for (const auto& person : store.personArray) {
            names_.insert(PersonNameKey(*person));
        }
    }

    // Takes `candidate` unless the studio (or this file) has the name; false when it has.
    bool Offer(const CPersonRecord& candidate) {
        if (!names_.insert(PersonNameKey(candidate)).second) {
            return false;
        }
        // A new person as the person dialog makes one; what the candidate brings is its data,
        // not its place in the other competition (studio, roommates, time of creation).
        auto person = std::make_unique<CPersonRecord>();
        person->number = nextNumber_++;
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
        taken_.push_back(std::move(person));
        return true;
    }

    int AddToStore() {
        for (auto& person : taken_) {
            AppendRecord(store_.personArray, std::move(person));
        }
        const int count = static_cast<int>(taken_.size());
        taken_.clear();
        return count;
    }

private:
    CDatabase& store_;
    int nextNumber_;
    std::unordered_set<std::string> names_;
    std::vector<std::unique_ptr<CPersonRecord>> taken_;
};

std::string NameOf(const CPersonRecord& person) {
    return Cp1252ToUtf8(person.lastName + ", " + person.firstName);
}

// Calls the progress now and then; false once the user has asked to stop.
class CProgressTicks {
public:
    CProgressTicks(const CImportProgress& progress, std::size_t total)
        : progress_(progress), total_(total) {}
    bool Tick(std::size_t done) {
        if (!progress_ || (done % kProgressStep != 0 && done != total_)) {
            return true;
        }
        return progress_(done, total_);
    }

private:
    const CImportProgress& progress_;
    std::size_t total_;
};

// The roster column of each of the person dialog's fields, for naming a value too long.
const char* ColumnNameOf(const CPersonDialog::Field& field) {
    struct CColumnOf {
        std::string CPersonRecord::*stored;
        CRosterColumn column;
    };
    static const CColumnOf kColumns[] = {
        {&CPersonRecord::lastName, kRosterLastName},
        {&CPersonRecord::firstName, kRosterFirstName},
        {&CPersonRecord::nickname, kRosterNickname},
        {&CPersonRecord::noteToMC, kRosterNoteToMC},
        {&CPersonRecord::membershipNumber, kRosterMemberNumber},
        {&CPersonRecord::ssNumber, kRosterSSNumber},
    };
    for (const auto& entry : kColumns) {
        if (entry.stored == field.stored) {
            return RosterColumnNames()[entry.column];
        }
    }
    return field.label;
}

// The person dialog's limits hold for every way in: a longer value would be one that the dialog
// could never have stored, and one long enough would make a data-file line the reader cannot
// take back. "" when the candidate keeps them.
std::string TooLongValueOf(const CPersonRecord& candidate) {
    for (const auto& field : CPersonDialog::Fields()) {
        if ((candidate.*field.stored).size() > static_cast<std::size_t>(field.maxLength)) {
            return std::string("\"") + ColumnNameOf(field) + "\" is longer than " +
                   std::to_string(field.maxLength) + " characters";
        }
    }
    for (const auto& comment : candidate.pCommentArray) {
        if (comment.text.size() > static_cast<std::size_t>(CPersonDialog::kCommentLength)) {
            return "a comment is longer than " + std::to_string(CPersonDialog::kCommentLength) +
                   " characters";
        }
    }
    return "";
}

// The port for reading the other file: an import may run away from the screen's thread, and
// what the reader would say (a file cut short) belongs in the summary.
class CCollectingUi : public CUi {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        messages.push_back(text);
        return false;
    }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    int RunDialog(CDialogModel&) override { return IDCANCEL; }
    void OpenHelp(unsigned) override {}

    std::vector<std::string> messages;
};

void ImportFromDataFile(CDatabase& store, const std::string& path, CImportSummary& summary,
                        const CImportProgress& progress) {
    CCollectingUi otherUi;
    CDatabase other(otherUi);
    other.dataFileName = path;
    std::string whyNot;
    const bool read = ReadDataFileAsIs(other, &whyNot);
    for (const auto& message : otherUi.messages) {
        summary.fileNotes.push_back(DisplayTextToUtf8(message));
    }
    if (!read) {
        summary.readable = false;
        summary.whyNot = whyNot;
        return;
    }
    if (other.studioArray.empty() && other.personArray.empty()) {
        summary.readable = false;
        summary.whyNot = "it holds no studio data";
        return;
    }
    CImportBatch batch(store);
    CProgressTicks ticks(progress, other.personArray.size());
    std::size_t done = 0;
    for (const auto& person : other.personArray) {
        ++summary.read;
        if (const std::string tooLong = TooLongValueOf(*person); !tooLong.empty()) {
            summary.refusedLines.push_back(NameOf(*person) + ": " + tooLong);
        } else if (!batch.Offer(*person)) {
            summary.alreadyThere.push_back(NameOf(*person));
        }
        if (!ticks.Tick(++done)) {
            summary.cancelled = true;
            return;
        }
    }
    summary.added = batch.AddToStore();
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos ? "" : TrimRight(text.substr(first));
}

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// Nothing but blanks and control characters (a run of NUL bytes, say): no name at all.
bool HoldsNothing(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || IsControl(c); });
}

// Why the candidate of this line cannot be a person, or "" when it can. `values` are in the
// code page.
std::string RefusalOf(const std::array<std::string, 7>& values) {
    if (HoldsNothing(values[kRosterLastName])) {
        return "empty last name";
    }
    for (std::size_t column = 0; column < values.size(); ++column) {
        const std::string& value = values[column];
        const bool breaker = value.find_first_of(kLineBreakers) != std::string::npos;
        const bool control = std::any_of(value.begin(), value.end(), IsControl);
        if (breaker || control) {
            const bool name = column == kRosterLastName || column == kRosterFirstName;
            std::string refusal = breaker ? "a field separator (| ; or tab) or line break in "
                                          : "a control character in ";
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

// UTF-16 (what some spreadsheets save as "Unicode text"): its byte order mark, or the zero
// bytes every other byte that its Latin letters carry.
bool LooksLikeUtf16(const std::string& text) {
    if (text.rfind("\xFF\xFE", 0) == 0 || text.rfind("\xFE\xFF", 0) == 0) {
        return true;
    }
    return text.size() >= 4 && ((text[1] == '\0' && text[3] == '\0' && text[0] != '\0') ||
                                (text[0] == '\0' && text[2] == '\0' && text[1] != '\0'));
}

// The header's extra column that says who is a gentleman or a lady when the type does not.
bool IsGenderColumn(const std::string& name) {
    return EqualsIgnoringCase(name, "Gender") || EqualsIgnoringCase(name, "Sex");
}
constexpr int kGenderColumn = 7;

// "Ł is stored as L, ș as s".
std::string PlainLettersNote(const std::vector<CPlainLetter>& letters) {
    std::string note;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        note += i == 0 ? "" : ", ";
        note += letters[i].letter + (i == 0 ? " is stored as " : " as ") +
                Cp1252ToUtf8(letters[i].storedAs);
    }
    return note;
}

void ImportFromCsv(CDatabase& store, const std::string& path, CImportSummary& summary,
                   const CImportProgress& progress) {
    summary.fromRoster = true;
    std::string text;
    std::string whyNot;
    if (!ReadWholeFile(path, text, whyNot)) {
        summary.readable = false;
        summary.whyNot = whyNot;
        return;
    }
    if (LooksLikeUtf16(text)) {
        summary.readable = false;
        summary.whyNot = "it is UTF-16 text; save it as CSV UTF-8";
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
        if (column < 0 && IsGenderColumn(Trimmed(name)) &&
            std::find(columnOf.begin(), columnOf.end(), kGenderColumn) == columnOf.end()) {
            column = kGenderColumn;
        }
        hasLastName = hasLastName || column == kRosterLastName;
        if (column < 0 && !Trimmed(name).empty()) {
            summary.unknownColumns.push_back(utf8 ? name : Cp1252ToUtf8(name));
        }
        columnOf.push_back(column);
    }
    if (!hasLastName) {
        summary.readable = false;
        summary.whyNot = "its first line names no \"Last name\" column";
        summary.unknownColumns.clear();
        return;
    }
    CImportBatch batch(store);
    CProgressTicks ticks(progress, records.size() - 1);
    for (std::size_t r = 1; r < records.size(); ++r) {
        if (!ticks.Tick(r)) {
            summary.cancelled = true;
            return;
        }
        const CCsvRecord& record = records[r];
        ++summary.read;
        const std::string lineText = "Line " + std::to_string(record.lineNumber);
        auto refuse = [&](const std::string& why) {
            summary.refusedLines.push_back(lineText + ": " + why);
        };
        if (record.unclosedQuote) {
            refuse("a quotation mark that is never closed");
            continue;
        }
        if (std::all_of(record.fields.begin(), record.fields.end(), HoldsNothing)) {
            refuse("nothing but blanks or control characters");
            continue;
        }
        // "Lady amateur, adult" without its quotes would shift every later value by one; a
        // spreadsheet writes every line with the header's columns.
        if (record.fields.size() > columnOf.size()) {
            refuse(
                "more values than the first line has columns (a comma in a value that is not "
                "in quotes?)");
            continue;
        }
        std::array<std::string, 8> values;  // the roster's columns, then the gender
        std::vector<CPlainLetter> plainLetters;
        std::vector<std::string> unstorable;
        for (std::size_t i = 0; i < record.fields.size() && i < columnOf.size(); ++i) {
            if (columnOf[i] < 0) {
                continue;
            }
            std::string value = record.fields[i];
            if (utf8) {
                CCodePageText converted = Utf8ToCodePageWithPlainLetters(value);
                value = std::move(converted.text);
                for (auto& letter : converted.plainLetters) {
                    if (std::none_of(
                            plainLetters.begin(), plainLetters.end(),
                            [&](const CPlainLetter& l) { return l.letter == letter.letter; })) {
                        plainLetters.push_back(std::move(letter));
                    }
                }
                unstorable.insert(unstorable.end(), converted.unstorable.begin(),
                                  converted.unstorable.end());
            }
            values[static_cast<std::size_t>(columnOf[i])] = value;
        }
        if (!unstorable.empty()) {
            refuse(unstorable.front() +
                   " cannot be stored in a studio data file (it has no plain letter there)");
            continue;
        }
        std::array<std::string, 7> rosterValues;
        std::copy_n(values.begin(), rosterValues.size(), rosterValues.begin());
        if (const std::string refusal = RefusalOf(rosterValues); !refusal.empty()) {
            refuse(refusal);
            continue;
        }
        std::string typeRefusal;
        const int type = RosterTypeOf(values[kRosterType], values[kGenderColumn], typeRefusal);
        if (type < 0) {
            summary.unknownType = true;
            refuse(Cp1252ToUtf8(typeRefusal));
            continue;
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
        if (const std::string tooLong = TooLongValueOf(candidate); !tooLong.empty()) {
            refuse(tooLong);
            continue;
        }
        if (!batch.Offer(candidate)) {
            summary.alreadyThere.push_back(NameOf(candidate));
            continue;
        }
        if (!plainLetters.empty()) {
            // The name as the file spells it, so that the user finds the line.
            const std::string& last = record.fields[static_cast<std::size_t>(
                std::find(columnOf.begin(), columnOf.end(), kRosterLastName) - columnOf.begin())];
            const auto firstAt = std::find(columnOf.begin(), columnOf.end(), kRosterFirstName);
            const std::size_t firstIndex = static_cast<std::size_t>(firstAt - columnOf.begin());
            const std::string first = firstAt != columnOf.end() && firstIndex < record.fields.size()
                                          ? record.fields[firstIndex]
                                          : "";
            summary.plainLetterNotes.push_back(lineText + ", " + Trimmed(last) + ", " +
                                               Trimmed(first) + ": " +
                                               PlainLettersNote(plainLetters));
        }
    }
    summary.added = batch.AddToStore();
}

bool IsCsvName(const std::string& path) {
    const std::string extension = PathText(SystemPath(path).extension());
    return EqualsIgnoringCase(extension, ".csv");
}

}  // namespace

CImportSummary ImportPersons(CDatabase& store, const std::string& path,
                             const CImportProgress& progress) {
    CImportSummary summary;
    summary.fileName = DisplayTextToUtf8(PathText(SystemPath(path).filename()));
    if (IsCsvName(path)) {
        ImportFromCsv(store, path, summary, progress);
    } else {
        ImportFromDataFile(store, path, summary, progress);
    }
    return summary;
}

CImportSummary ImportPersonsAndSave(CDatabase& store, const std::string& path, bool& saved,
                                    const CImportProgress& progress) {
    CImportSummary summary = ImportPersons(store, path, progress);
    saved = summary.added == 0 || WriteDataFile(store, store.dataFileName);
    return summary;
}

bool ImportTookEveryLine(const CImportSummary& summary) {
    return summary.readable && !summary.cancelled && summary.refusedLines.empty() &&
           summary.added + static_cast<int>(summary.alreadyThere.size()) > 0;
}

std::string ImportSummaryHead(const CImportSummary& summary, std::size_t namesAtMost) {
    if (!summary.readable) {
        return "No persons were imported: " + summary.fileName + " cannot be read (" +
               summary.whyNot + ").";
    }
    if (summary.cancelled) {
        return "The import from " + summary.fileName + " was cancelled: no person was added.";
    }
    std::string text = "Persons from " + summary.fileName + ":\n";
    text +=
        summary.added == 1 ? "1 person added." : std::to_string(summary.added) + " persons added.";
    if (summary.fromRoster) {
        text += "\n" + std::to_string(summary.read) + (summary.read == 1 ? " line" : " lines") +
                " read: " + std::to_string(summary.added) + " added, " +
                std::to_string(summary.alreadyThere.size()) + " already in the studio, " +
                std::to_string(summary.refusedLines.size()) + " not imported.";
        if (summary.read == 0) {
            text += " The file holds no person.";
        }
    }
    if (!summary.alreadyThere.empty()) {
        text += "\n\nAlready in the studio, not added again: ";
        const std::size_t shown = std::min(namesAtMost, summary.alreadyThere.size());
        for (std::size_t i = 0; i < shown; ++i) {
            text += (i == 0 ? "" : "; ") + summary.alreadyThere[i];
        }
        if (shown < summary.alreadyThere.size()) {
            text += " and " + std::to_string(summary.alreadyThere.size() - shown) + " more";
        }
        text += ".";
    }
    for (const auto& note : summary.fileNotes) {
        text += "\n\n" + note;
    }
    for (const auto& note : summary.plainLetterNotes) {
        text += "\n\n" + note + ".";
    }
    if (summary.unknownType) {
        text += "\n\n" + RosterTypesHelp();
    }
    if (!summary.unknownColumns.empty()) {
        text += "\n\nColumns left out (not known):";
        for (const auto& column : summary.unknownColumns) {
            text += " \"" + column + "\"";
        }
    }
    return text;
}

std::string ImportSummaryText(const CImportSummary& summary) {
    std::string text = ImportSummaryHead(summary, summary.alreadyThere.size());
    if (!summary.refusedLines.empty()) {
        text += "\n\nLines not imported:";
        for (const auto& line : summary.refusedLines) {
            text += "\n" + line + ".";
        }
    }
    return text;
}
