#include "entries/DuplicateEntries.h"

#include "data/Database.h"
#include "entries/EntryDescriptions.h"
#include "platform/Ui.h"
#include "util/Text.h"

namespace {

bool IsProAmPair(char a, char b) {
    return (a == 'F' && b == 'M') || (a == 'M' && b == 'F') || (a == 'f' && b == 'm') ||
           (a == 'm' && b == 'f');
}

}  // namespace

bool InSameEvent(const CDanceCategory& category, const CEntryRecord& a, const CEntryRecord& b) {
    if (a.categoryCode != b.categoryCode || a.categoryCode != category.code) {
        return false;
    }
    if (category.style == 'N' && category.styleNumber == 1) {
        return false;
    }
    if (a.EffectiveStyle(category) == 'P' || b.EffectiveStyle(category) == 'P') {
        return false;
    }
    if (a.dance != b.dance || a.level != b.level || a.age != b.age) {
        return false;
    }
    return a.type == b.type || (category.proAmTogether == 'V' && IsProAmPair(a.type, b.type));
}

bool AllowDuplicates(CDatabase& store, const CEntryRecord& newEntry) {
    const CDanceCategory* category = store.FindCategory(newEntry.categoryCode);
    if (category == nullptr) {
        return true;
    }
    for (const auto& stored : store.entryArray) {
        const bool sameMan = newEntry.gentleman != -1 && newEntry.gentleman == stored->gentleman;
        const bool sameLady = newEntry.lady != -1 && newEntry.lady == stored->lady;
        if (!(sameMan || sameLady) || !InSameEvent(*category, newEntry, *stored)) {
            continue;
        }
        const char* question = sameMan && sameLady ? "Duplicate couple in %s. Allow it?"
                               : sameMan           ? "Duplicate gentleman in %s. Allow it?"
                                                   : "Duplicate lady in %s. Allow it?";
        if (!store.ui.AskYesNoDefaultNo(
                FormatText(question, {DescribeEntry(store, newEntry, true)}))) {
            return false;
        }
    }
    return true;
}
