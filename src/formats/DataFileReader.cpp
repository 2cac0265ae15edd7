// Reading the studio data file back into the store at start-up. Every line names its studio and
// persons in full; the merges find them again, so each becomes one record.
#include <cstring>
#include <filesystem>
#include <string_view>

#include "formats/DataFileReader.h"

#include "data/Database.h"
#include "formats/DataFileMerge.h"
#include "formats/DataFileWriter.h"
#include "platform/Ui.h"
#include "util/LineReader.h"
#include "util/Money.h"
#include "util/Text.h"

namespace {

bool IsEntryType(char type) {
    return type != 0 && std::string_view("fFmMaAPG").find(type) != std::string_view::npos;
}

// What may trail a file without being a record: blanks, or the end-of-file mark of DOS tools.
bool IsNothing(const std::string& piece) {
    return piece.find_first_not_of(" \t\x1a") == std::string::npos;
}

}  // namespace

std::string DataFileCutMessage(const std::string& path, int lineNumber) {
    return FormatText(
        "The studio data file %s was cut at line %i: it ends in the middle of a "
        "record. The lines before it were read; that line was left out. Fetch a "
        "backup of the file before you change anything, as every change saves over "
        "it.",
        {path, std::to_string(lineNumber)});
}

bool ReadDataFile(CDatabase& store, std::string* whyNot, CMergeLookupMode lookupMode) {
    std::error_code ec;
    std::filesystem::permissions(store.dataFileName, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ec);
    return ReadDataFileAsIs(store, whyNot, lookupMode);
}

bool ReadDataFileAsIs(CDatabase& store, std::string* whyNot, CMergeLookupMode lookupMode) {
    CWaitCursor wait(store.ui);
    CLineReader file(store.dataFileName);
    auto failed = [&] {
        if (whyNot != nullptr) {
            *whyNot = std::strerror(file.Error());
        }
        return false;
    };
    if (!file.IsOpen()) {
        return failed();
    }

    // Records that were in the store before this file can be found again; lines of the file
    // itself are all distinct purchases and entries.
    const size_t knownPurchases = store.purchaseArray.size();
    const size_t knownEntries = store.entryArray.size();
    CMergeLookup lookup(store, lookupMode);
    std::vector<int32_t> groupDancers;
    bool firstLine = true;
    CStringList fields;
    std::string piece;
    int lineNumber = 0;
    int cutAtLine = 0;
    bool pieceOfLongLine = false;
    while (file.ReadPiece(piece)) {
        if (!pieceOfLongLine) {
            ++lineNumber;
        }
        pieceOfLongLine = !file.PieceEndedLine();
        // Every record ends with its line end: a last line without one is the start of a record
        // that was never finished (a copy or a save that stopped half-way). Merging it would
        // store a person or an entry with fields missing.
        if (file.FileEndsInThisPiece() && !IsNothing(piece)) {
            cutAtLine = lineNumber;
            break;
        }
        const std::string line = TrimRight(piece);
        if (firstLine) {
            store.fieldSeparator = DetectSeparator(line);
            firstLine = false;
        }
        SplitFields(line, store.fieldSeparator, fields, 0, true);
        const std::string code = FieldAt(fields, 0);
        const CSubRecordPositions at = LocateSubRecords(fields);
        auto field = [&](int i) -> const std::string& { return FieldAt(fields, i); };

        if (code == "ST") {
            MergeStudio(store, fields, at.studio, true, &lookup);
        } else if (code == "PR") {
            const int studio = MergeStudio(store, fields, at.studio, true, &lookup);
            MergePerson(store, fields, at.persons[0], true, studio, nullptr, &lookup);
        } else if (code == "PU") {
            CPurchaseLine purchase;
            purchase.studioNumber = MergeStudio(store, fields, at.studio, false, &lookup);
            purchase.purchaserNumber = MergePerson(store, fields, at.persons[0], false,
                                                   purchase.studioNumber, nullptr, &lookup);
            purchase.type = FirstChar(field(1));
            purchase.itemNumber = static_cast<int32_t>(ParseLeadingInt(field(2)));
            purchase.quantity = static_cast<int32_t>(ParseLeadingInt(field(3)));
            purchase.price = field(4).empty() ? -1 : ParseCents(field(4));
            purchase.purchaserName = field(5);
            purchase.itemName = field(6);
            purchase.status = LowByteOf(field(7));
            purchase.created = ParseDateStamp(field(8));
            MergePurchase(store, purchase, knownPurchases, &lookup);
        } else if (code == "CM") {
            const int studio = MergeStudio(store, fields, at.studio, false, &lookup);
            const int person =
                MergePerson(store, fields, at.persons[0], false, studio, nullptr, &lookup);
            MergeComment(store, LowByteOf(field(1)), LowByteOf(field(2)), field(3), studio, person,
                         &lookup);
        } else if (code == "EN") {
            CEntryLine entry;
            entry.owner = MergeStudio(store, fields, at.studio, false, &lookup);
            entry.gentleman =
                MergePerson(store, fields, at.persons[0], false, entry.owner, nullptr, &lookup);
            entry.lady =
                MergePerson(store, fields, at.persons[1], false, entry.owner, nullptr, &lookup);
            entry.coach =
                MergePerson(store, fields, at.persons[2], false, entry.owner, nullptr, &lookup);
            entry.categoryCode = static_cast<int32_t>(ParseLeadingInt(field(1)));
            entry.dance = LowByteOf(field(2));
            entry.level = LowByteOf(field(3));
            entry.age = LowByteOf(field(4));
            entry.type = FirstChar(field(5));
            entry.teamName = field(6);
            entry.statusLetter = FirstChar(field(7));
            entry.amount = ParseCents(field(8));
            entry.status = LowByteOf(field(9));
            entry.created = ParseDateStamp(field(10));
            const CDanceCategory* category = lookup.Category(entry.categoryCode);
            if (category != nullptr && IsEntryType(entry.type)) {
                MergeEntry(store, entry, *category, groupDancers, knownEntries, &lookup);
            }
            groupDancers.clear();
        } else if (code == "GR") {
            const int studio = MergeStudio(store, fields, at.studio, false, &lookup);
            const int dancer =
                MergePerson(store, fields, at.persons[0], false, studio, nullptr, &lookup);
            if (dancer != -1) {
                groupDancers.push_back(dancer);
            }
        }
    }
    // A file that is no studio file at all (its caller says so) is not called cut.
    if (cutAtLine != 0 && !store.studioArray.empty()) {
        store.ui.ShowMessage(DataFileCutMessage(store.dataFileName, cutAtLine));
    }
    return file.Error() == 0 ? true : failed();
}
