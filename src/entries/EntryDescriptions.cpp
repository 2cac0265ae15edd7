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
    const CDanceCategory* category = store.FindCategory(entry.categoryCode);
    if (category == nullptr) {
        return {};
    }
    const CategoryEntryDetails details =
        category->EntryDetails(entry.dance, entry.level, entry.age);
    std::string text = category->name;
    if (!details.ageName.empty()) {
        text += ", " + details.ageName;
    }
    if (!details.levelName.empty()) {
        text += ", " + details.levelName;
    }
    if (withDance) {
        text += ", " + (entry.teamName.empty() ? details.danceName : entry.teamName);
    }
    return text;
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
