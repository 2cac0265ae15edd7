// Writing the studio data file: the studio, its persons, entries (with their group dancers),
// purchases and comments, one record per line.
#include "formats/DataFileWriter.h"

#include <cctype>
#include <filesystem>
#include <map>
#include <unordered_map>

#include "data/Database.h"
#include "data/LookupScope.h"
#include "formats/DataFileLayout.h"
#include "formats/FileReplace.h"
#include "platform/Ui.h"
#include "util/LineReader.h"
#include "util/Money.h"
#include "util/SystemPath.h"
#include "util/Text.h"

namespace {

// Builds one line: every field is followed by the separator.
class CLineWriter {
public:
    explicit CLineWriter(const std::string& separator) : sep_(separator) {}

    CLineWriter& Text(const std::string& text) {
        line_ += FieldSafeText(text);
        line_ += sep_;
        return *this;
    }
    // A one-letter field; an unset letter is written as an empty field, never as a NUL byte.
    CLineWriter& Letter(char letter) {
        return Text(letter == 0 ? std::string() : std::string(1, letter));
    }
    CLineWriter& Int(long value) { return Text(std::to_string(value)); }
    CLineWriter& Amount(int64_t cents) { return Text(FormatCents(cents)); }
    // A date-time stamp: its status number, then the stamp text.
    CLineWriter& Stamp(int32_t status, DATE date) {
        return Int(status).Text(FormatDateStamp(date));
    }
    // Sub-records come already formatted, separators included.
    CLineWriter& Raw(const std::string& formatted) {
        line_ += formatted;
        return *this;
    }
    CLineWriter& Empty(int count) {
        for (int i = 0; i < count; ++i) {
            line_ += sep_;
        }
        return *this;
    }
    const std::string& Line() const { return line_; }

private:
    const std::string& sep_;
    std::string line_;
};

// What the file carries for a missing person: "PR" and eleven separators.
std::string EmptyPersonRecord(const std::string& separator) {
    return CLineWriter(separator).Text("PR").Empty(10).Line();
}

std::string PersonTypeField(const CPersonRecord& person) {
    char gender = person.gender;
    if (person.youth == 1) {
        gender = static_cast<char>(std::tolower(static_cast<unsigned char>(gender)));
    }
    std::string type(1, gender);
    if (person.version >= 2) {
        type += std::to_string(person.version);
    }
    return type;
}

}  // namespace

std::string FormatDateStamp(DATE date) {
    return FormatDateText(date);
}

DATE ParseDateStamp(const std::string& text) {
    return ParseDateText(text);
}

std::string FieldSafeText(const std::string& text) {
    std::string safe = text;
    for (char& c : safe) {
        if (c == '|' || c == ';' || c == '\t' || c == '\r' || c == '\n' || c == '\0') {
            c = ' ';
        }
    }
    return safe;
}

std::string DataFileNotSavedMessage(const std::string& path, const std::string& reason,
                                    bool hadPreviousCopy) {
    return "Error - the data file " + path + " could not be saved (" + reason + ")." +
           (hadPreviousCopy ? " The previous copy of the file is unchanged." : "");
}

std::string FormatStudioRecord(const CDatabase& store, int studioNumber) {
    CLineWriter out(store.fieldSeparator);
    const CStudioRecord* studio = store.FindStudio(studioNumber);
    if (studio == nullptr) {
        return out.Text("ST").Empty(kStudioSubRecordFields - 1).Line();
    }
    const std::string shownName = studio->invoiceName.empty()
                                      ? studio->name
                                      : studio->name + " <" + studio->invoiceName + ">";
    out.Text("ST").Text(shownName);
    for (const std::string* text :
         {&studio->address1, &studio->address2, &studio->city, &studio->state, &studio->zip,
          &studio->country, &studio->phone, &studio->fax, &studio->email}) {
        out.Text(*text);
    }
    return out.Letter(studio->kind == 0 ? 'M' : studio->kind)
        .Text("R")
        .Stamp(studio->status, studio->created)
        .Line();
}

std::string FormatPersonRecord(const CDatabase& store, int personNumber) {
    CLineWriter out(store.fieldSeparator);
    const CPersonRecord* person = store.FindPerson(personNumber);
    if (person == nullptr) {
        return EmptyPersonRecord(store.fieldSeparator);
    }
    out.Text("PR");
    if (person->gender == 0 || person->classLetter == 0) {
        out.Empty(2);  // a non-competitor
    } else {
        out.Text(PersonTypeField(*person)).Letter(person->classLetter);
    }
    out.Text(person->firstName).Text(person->lastName).Text(person->nickname);
    if (person->version >= 2) {
        out.Text(person->noteToMC);
    }
    out.Text(person->membershipNumber).Text(person->ssNumber);
    // No group (-1) goes out as its unsigned 32-bit form.
    out.Text(
        std::string(1, 'R').append(std::to_string(static_cast<uint32_t>(person->roommateGroup))));
    return out.Stamp(person->status, person->created).Line();
}

namespace {

// The size of the file last written to `path` (or, for a first save there, to the data file the
// store was read from), with room for some growth; 0 when neither exists.
std::size_t ExpectedFileSize(const std::string& path, const std::string& dataFileName) {
    for (const std::string* file : {&path, &dataFileName}) {
        std::error_code error;
        const auto size = std::filesystem::file_size(SystemPath(*file), error);
        if (!error) {
            return static_cast<std::size_t>(size + size / 16 + 4096);
        }
    }
    return 0;
}

// A person's sub-record stands on his or her own line and on every entry, group dancer,
// purchase and comment line that names the person: one save formats each once.
class CPersonRecordCache {
public:
    explicit CPersonRecordCache(const CDatabase& store) : store_(store) {}

    const std::string& Of(int personNumber) {
        auto [at, added] = formatted_.try_emplace(personNumber);
        if (added) {
            at->second = FormatPersonRecord(store_, personNumber);
        }
        return at->second;
    }

private:
    const CDatabase& store_;
    std::unordered_map<int, std::string> formatted_;
};

}  // namespace

bool WriteDataFile(CDatabase& store, const std::string& path) {
    if (store.studioArray.empty()) {
        store.ui.ShowMessage("Error - no studio");
        return false;
    }
    CWaitCursor wait(store.ui);
    const CLookupScope lookups(store);
    store.DropLoneRoomGroups();
    const std::string studio = FormatStudioRecord(store, store.studioArray.front()->number);
    store.AssignHotelPackages();

    CPersonRecordCache persons(store);
    // The file is built as one text: a large studio's lines, each kept apart until the end, would
    // cost the memory of the file twice over. Its room is taken at once, as large as the last
    // copy of the file and a little more: growing a text of megabytes piece by piece copies it
    // again and again into fresh memory.
    std::string bytes;
    bytes.reserve(ExpectedFileSize(path, store.dataFileName));
    // A line longer than its readers take would come back in pieces, each read as a line of its
    // own: the record would be lost at the next read. Such a file is not written at all.
    int lineCount = 0;
    int tooLongLine = 0;
    std::size_t tooLongSize = 0;
    auto addLine = [&](const std::string& line) {
        ++lineCount;
        if (line.size() > CLineReader::kMaxWholeLine && tooLongLine == 0) {
            tooLongLine = lineCount;
            tooLongSize = line.size();
        }
        bytes += line;
        bytes += "\r\n";
    };
    addLine(studio);
    for (const auto& person : store.personArray) {
        addLine(persons.Of(person->number) + studio);
    }
    for (const auto& entry : store.entryArray) {
        for (int32_t dancer : entry->dancers) {
            addLine(CLineWriter(store.fieldSeparator).Text("GR").Raw(studio).Empty(1).Line() +
                    persons.Of(dancer));
        }
        CLineWriter out(store.fieldSeparator);
        out.Text("EN")
            .Int(entry->categoryCode)
            .Int(entry->dance)
            .Int(entry->level)
            .Int(entry->age)
            .Letter(entry->type)
            .Text(entry->teamName)
            .Letter(entry->statusLetter)
            .Amount(entry->amount)
            .Stamp(entry->status, entry->created)
            .Raw(studio)
            .Raw(persons.Of(entry->gentleman))
            .Raw(persons.Of(entry->lady))
            .Raw(persons.Of(entry->coach));
        addLine(out.Line());
    }
    for (const auto& purchase : store.purchaseArray) {
        if (purchase->type != 'P' && purchase->type != 'O') {
            continue;
        }
        CLineWriter out(store.fieldSeparator);
        out.Text("PU")
            .Letter(purchase->type)
            .Int(purchase->itemNumber)
            .Int(purchase->quantity)
            .Amount(purchase->price)
            .Text(purchase->purchaserName)
            .Text(purchase->itemName)
            .Stamp(purchase->status, purchase->created)
            .Raw(studio)
            .Raw(persons.Of(purchase->purchaserNumber));
        addLine(out.Line());
    }
    auto commentLine = [&](const CommentEntry& comment) {
        CLineWriter out(store.fieldSeparator);
        out.Text("CM").Int(comment.first).Int(comment.second).Text(comment.text);
        return out.Line();
    };
    for (const auto& owner : store.studioArray) {
        for (const CommentEntry& comment : owner->pCommentArray) {
            addLine(commentLine(comment) + FormatStudioRecord(store, owner->number) +
                    EmptyPersonRecord(store.fieldSeparator));
        }
    }
    for (const auto& person : store.personArray) {
        for (const CommentEntry& comment : person->pCommentArray) {
            addLine(commentLine(comment) + persons.Of(person->number) +
                    FormatStudioRecord(store, person->studioNumber));
        }
    }

    std::string reason;
    std::error_code ignored;
    const bool hadPreviousCopy = std::filesystem::exists(SystemPath(path), ignored);
    if (tooLongLine != 0) {
        reason = FormatText(
            "its line %i would be %i characters long, and a studio data file's "
            "lines are read back whole only up to %i characters; shorten the "
            "longest texts",
            {std::to_string(tooLongLine), std::to_string(tooLongSize),
             std::to_string(CLineReader::kMaxWholeLine)});
        store.ui.ShowMessage(DataFileNotSavedMessage(path, reason, hadPreviousCopy));
        return false;
    }
    if (!ReplaceFileContents(path, bytes, reason)) {
        store.ui.ShowMessage(DataFileNotSavedMessage(path, reason, hadPreviousCopy));
        return false;
    }
    return true;
}
