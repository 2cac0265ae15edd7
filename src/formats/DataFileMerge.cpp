// Turning the lines of the studio data file back into records. Studios and persons appear on many
// lines (their own and every line that refers to them), so each sub-record is first looked for
// among the stored records.
#include <algorithm>
#include <memory>

#include "formats/DataFileMerge.h"

#include "data/Database.h"

namespace {

int32_t StatusOf(const std::string& field) {
    return LowByteOf(field);
}

// A person's last name as the file carries it: the text before the first "[".
std::string LastNameOf(const std::string& field) {
    return field.substr(0, field.find('['));
}

// The caller's look-up, or a plain scan of the store for a merge on its own.
class CLookupOrScan {
public:
    CLookupOrScan(CDatabase& store, CMergeLookup* lookup)
        : scan_(lookup != nullptr ? nullptr
                                  : std::make_unique<CMergeLookup>(store, CMergeLookupMode::kScan)),
          lookup_(lookup != nullptr ? *lookup : *scan_) {}
    CMergeLookup* operator->() const { return &lookup_; }

private:
    std::unique_ptr<CMergeLookup> scan_;
    CMergeLookup& lookup_;
};

}  // namespace

int MergeStudio(CDatabase& store, const CStringList& fields, int position, bool ownRecord,
                CMergeLookup* lookup) {
    if (position < 0) {
        return -1;
    }
    auto text = [&](int i) { return FieldAt(fields, position + i); };
    const std::string name = text(1);
    if (name.empty()) {
        return -1;
    }
    const char kind = FirstChar(text(11));
    // text(12) is the "R" the writer always puts there.
    const int32_t status = StatusOf(text(13));
    const DATE created = ParseDateText(text(14));

    auto setTexts = [&](CStudioRecord& studio) {
        studio.name = name;
        studio.address1 = text(2);
        studio.address2 = text(3);
        studio.city = text(4);
        studio.state = text(5);
        studio.zip = text(6);
        studio.country = text(7);
        studio.phone = text(8);
        studio.fax = text(9);
        studio.email = text(10);
    };
    const CLookupOrScan find(store, lookup);
    if (CStudioRecord* studio = find->FindStudio(name, created, status)) {
        if (ownRecord) {
            setTexts(*studio);
        }
        return studio->number;
    }
    auto studio = std::make_unique<CStudioRecord>();
    setTexts(*studio);
    studio->kind = kind;
    studio->status = status;
    studio->created = created;
    return find->AddStudio(std::move(studio)).number;
}

int MergePerson(CDatabase& store, const CStringList& fields, int position, bool ownRecord,
                int studioNumber, CPersonRecord** personOut, CMergeLookup* lookup) {
    if (personOut != nullptr) {
        *personOut = nullptr;
    }
    if (position < 0) {
        return -1;
    }
    const CPersonLayout layout = ReadPersonLayout(fields, position);
    const int fieldCount = layout.hasNote ? 10 : 9;
    if (static_cast<int>(fields.size()) < position + fieldCount + 2) {
        return -1;
    }
    int at = position + 2;
    const char classLetter = FirstChar(fields[at++]);
    const std::string firstName = fields[at++];
    const std::string lastName = LastNameOf(fields[at++]);
    const std::string nickname = fields[at++];
    const std::string noteToMC = layout.hasNote ? fields[at++] : std::string();
    const std::string membershipNumber = fields[at++];
    const std::string ssNumber = fields[at++];
    const int32_t roommateGroup = ParseRoommateField(fields[at++]);
    const int32_t status = StatusOf(fields[at++]);
    const DATE created = ParseDateText(fields[at++]);
    if (lastName.empty()) {
        return -1;
    }

    auto setTexts = [&](CPersonRecord& person) {
        person.firstName = firstName;
        person.lastName = lastName;
        person.nickname = nickname;
        person.noteToMC = noteToMC;
        person.membershipNumber = membershipNumber;
        person.ssNumber = ssNumber;
        person.youth = layout.youth;
    };
    const CLookupOrScan find(store, lookup);
    if (CPersonRecord* person =
            find->FindPerson({firstName, lastName, layout.gender, classLetter, created, status})) {
        if (ownRecord) {
            setTexts(*person);
            if (person->studioNumber == -1 && studioNumber != 0 && studioNumber != -1) {
                person->studioNumber = studioNumber;
            }
        }
        if (personOut != nullptr) {
            *personOut = person;
        }
        return person->number;
    }
    auto person = std::make_unique<CPersonRecord>();
    setTexts(*person);
    person->version = layout.version;
    person->gender = layout.gender;
    person->classLetter = classLetter;
    person->studioNumber = studioNumber;
    person->roommateGroup = roommateGroup;
    person->status = status;
    person->created = created;
    CPersonRecord& stored = find->AddPerson(std::move(person));
    if (personOut != nullptr) {
        *personOut = &stored;
    }
    return stored.number;
}

int MergePurchase(CDatabase& store, const CPurchaseLine& line, size_t knownCount,
                  CMergeLookup* lookup) {
    const CLookupOrScan find(store, lookup);
    if (find->HasPurchase(line, knownCount)) {
        return 1;
    }
    auto purchase = std::make_unique<CFinanceRecord>();
    purchase->type = line.type;
    purchase->studioNumber = line.studioNumber;
    purchase->purchaserNumber = line.purchaserNumber;
    purchase->price = line.price;
    purchase->quantity = line.quantity;
    purchase->itemNumber = line.itemNumber;
    purchase->purchaserName = line.purchaserName;
    purchase->created = line.created;
    purchase->secondTime = line.created;
    purchase->status = line.status;
    if (line.price >= 0) {
        purchase->itemName = line.itemName;
    } else {
        // No price on the line: the setup file's item names and prices it.
        const std::string* itemName = nullptr;
        if (line.type == 'P') {
            if (const CPackageRecord* package = find->Package(line.itemNumber)) {
                itemName = &package->name;
            }
        } else if (const CPriceListRecord* item = find->PriceListItem(line.itemNumber)) {
            itemName = &item->name;
        }
        if (itemName != nullptr) {
            purchase->itemName = *itemName;
            purchase->price = 0;
        }
    }
    find->AddPurchase(std::move(purchase));
    return 1;
}

int MergeComment(CDatabase& store, uint8_t first, uint8_t second, const std::string& text,
                 int studioNumber, int personNumber, CMergeLookup* lookup) {
    const CLookupOrScan find(store, lookup);
    CCommentArray* comments = nullptr;
    if (CPersonRecord* person = find->PersonByNumber(personNumber)) {
        comments = &person->pCommentArray;
    } else if (CStudioRecord* studio = find->StudioByNumber(studioNumber)) {
        comments = &studio->pCommentArray;
    } else {
        return 0;
    }
    const bool present = std::any_of(comments->begin(), comments->end(),
                                     [&](const CommentEntry& c) { return c.text == text; });
    if (!present) {
        comments->push_back({first, second, text});
    }
    return 1;
}

void MergeEntry(CDatabase& store, const CEntryLine& line, const CDanceCategory& category,
                const std::vector<int32_t>& dancers, size_t knownCount, CMergeLookup* lookup) {
    const CLookupOrScan find(store, lookup);
    if (find->HasEntry(line, knownCount)) {
        return;
    }
    auto entry = std::make_unique<CEntryRecord>();
    entry->type = line.type;
    entry->gentleman = line.gentleman;
    entry->lady = line.lady;
    entry->coach = line.coach;
    entry->dancers = dancers;
    entry->owner = line.owner;
    entry->categoryCode = line.categoryCode;
    entry->dance = line.dance;
    entry->level = line.level;
    entry->age = line.age;
    entry->teamName = line.teamName;
    entry->statusLetter = line.statusLetter;
    entry->amount = line.amount <= 0 ? 0 : line.amount;
    entry->status = line.status;
    entry->created = line.created;
    entry->formCode = find->FormCodeFor({line.gentleman, line.lady, line.coach, line.owner,
                                         line.categoryCode, line.level, line.age, line.type});
    // What every entry of the category carries.
    entry->kind = category.kind;
    entry->style = entry->EffectiveStyle(category);
    entry->entryMark = category.entryMark;
    find->AddEntry(std::move(entry));
}
