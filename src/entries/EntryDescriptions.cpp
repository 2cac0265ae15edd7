#include "entries/EntryDescriptions.h"

#include "data/Database.h"

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
    std::string text;
    AppendFormDescription(text, store, entry, mode, id);
    return text;
}

void AppendFormDescription(std::string& text, const CDatabase& store, const CEntryRecord& entry,
                           char mode, int id) {
    AppendEntryDescription(text, store, entry, false);
    const CPersonRecord* gentleman = mode == 'S' || (mode == 'P' && id != entry.gentleman)
                                         ? store.FindReferencedPerson(entry.gentleman)
                                         : nullptr;
    const CPersonRecord* lady = mode == 'S' || (mode == 'P' && id != entry.lady)
                                    ? store.FindReferencedPerson(entry.lady)
                                    : nullptr;
    if (gentleman != nullptr) {
        text += ", with ";
        gentleman->AppendName(text, 0);
    }
    if (lady != nullptr) {
        text += gentleman != nullptr ? " and " : ", with ";
        lady->AppendName(text, 0);
    }
}

std::string CoupleLabel(const CDatabase& store, const CEntryRecord& entry) {
    std::string text;
    AppendCoupleLabel(text, store, entry);
    return text;
}

void AppendCoupleLabel(std::string& text, const CDatabase& store, const CEntryRecord& entry) {
    const CPersonRecord* gentleman = store.FindReferencedPerson(entry.gentleman);
    const CPersonRecord* lady = store.FindReferencedPerson(entry.lady);
    if (gentleman == nullptr) {
        text += "Studio";
        return;
    }
    const bool ladyFirst = (entry.type == 'F' || entry.type == 'f') && lady != nullptr;
    (ladyFirst ? lady : gentleman)->AppendName(text, 0);
    if (lady != nullptr) {
        text += '/';
        (ladyFirst ? gentleman : lady)->AppendName(text, 0);
    }
}
