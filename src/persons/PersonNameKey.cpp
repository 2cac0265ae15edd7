#include "persons/PersonNameKey.h"

#include "data/Records.h"
#include "util/AccentFolding.h"

std::string PersonNameKey(const std::string& lastName, const std::string& firstName) {
    // A line break stands in no name (the fields refuse it), so it parts the two unambiguously.
    return FoldCaseAndAccents(lastName) + '\n' + FoldCaseAndAccents(firstName);
}

std::string PersonNameKey(const CPersonRecord& person) {
    return PersonNameKey(person.lastName, person.firstName);
}
