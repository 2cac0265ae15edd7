#include "persons/PersonNameKey.h"

#include "data/Records.h"
#include "util/Collation.h"

std::string PersonNameKey(const std::string& lastName, const std::string& firstName) {
    // A line break stands in no name (the fields refuse it), so it parts the two unambiguously.
    return MatchingForm(lastName) + '\n' + MatchingForm(firstName);
}

std::string PersonNameKey(const CPersonRecord& person) {
    return PersonNameKey(person.lastName, person.firstName);
}
