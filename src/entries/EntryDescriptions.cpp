#include "entries/EntryDescriptions.h"

#include "data/Database.h"

namespace {

// "First Last" of a stored person; empty for none or a number no person has any more.
std::string FullName(const CDatabase& store, int personNumber) {
    return store.PersonNameText(personNumber, 0);
}

bool IsKnownPerson(const CDatabase& store, int personNumber) {
    return personNumber != -1 && store.FindPerson(personNumber) != nullptr;
}

}  // namespace

std::string DescribeEntry(const CDatabase& store, const CEntryRecord& entry, bool withDance) {
    std::string text;
    AppendEntryDescription(text, store, entry, withDance);
    return text;
}

void AppendEntryDescription(std::string& text, const CDatabase& store, const CEntryRecord& entry,
                            bool withDance) {
    const CDanceCategory* category = store.FindCategory(entry.categoryCode);
    if (category == nullptr) {
        return;
    }
    text += category->name;
    if (const int a = category->FindAge(entry.age); a != -1 && !category->pcaAges[a].name.empty()) {
        text += ", ";
        text += category->pcaAges[a].name;
    }
    const int l = category->FindLevel(entry.level);
    if (l != -1 && !category->pcaLevels[l].name.empty()) {
        text += ", ";
        text += category->pcaLevels[l].name;
    }
    if (withDance) {
        text += ", ";
        if (entry.teamName.empty()) {
            text += category->DanceNameAt(category->FindDance(entry.dance));
        } else {
            text += entry.teamName;
        }
    }
}

std::string DescribeForm(const CDatabase& store, const CEntryRecord& entry, char mode, int id) {
    std::string joiner = ", with";
    std::string gentlemanPart;
    std::string ladyPart;
    if ((mode == 'S' || (mode == 'P' && id != entry.gentleman)) &&
        IsKnownPerson(store, entry.gentleman)) {
        gentlemanPart = ", with " + FullName(store, entry.gentleman);
        joiner = " and";
    }
    if ((mode == 'S' || (mode == 'P' && id != entry.lady)) && IsKnownPerson(store, entry.lady)) {
        ladyPart = joiner + " " + FullName(store, entry.lady);
    }
    return DescribeEntry(store, entry, false) + gentlemanPart + ladyPart;
}

std::string CoupleLabel(const CDatabase& store, const CEntryRecord& entry) {
    const std::string gentleman = FullName(store, entry.gentleman);
    const std::string lady = FullName(store, entry.lady);
    if ((entry.type == 'F' || entry.type == 'f') && !gentleman.empty() && !lady.empty()) {
        return lady + "/" + gentleman;
    }
    if (gentleman.empty()) {
        return "Studio";
    }
    if (!lady.empty()) {
        return gentleman + "/" + lady;
    }
    return gentleman;
}
