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

namespace {

bool IsEntryType(char type) {
    return type != 0 && std::string_view("fFmMaAPG").find(type) != std::string_view::npos;
}

}  // namespace

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
    while (file.ReadPiece(piece)) {
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
    return file.Error() == 0 ? true : failed();
}
