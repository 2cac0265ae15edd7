#include "data/Records.h"

#include "data/DanceCategory.h"
#include "util/Text.h"

std::string CPersonRecord::FormatPersonName(int orderFlag, std::string* lastOut,
                                            std::string* firstOut, char* classOut) const {
    if (lastOut != nullptr) {
        *lastOut = lastName;
    }
    if (firstOut != nullptr) {
        *firstOut = firstName;
    }
    if (classOut != nullptr) {
        *classOut = classLetter;
    }
    std::string text;
    text.reserve(lastName.size() + firstName.size() + 2);
    AppendName(text, orderFlag);
    return text;
}

void CPersonRecord::AppendName(std::string& text, int orderFlag) const {
    const bool lastFirst = orderFlag == 1;
    text += lastFirst ? lastName : firstName;
    text += lastFirst ? ", " : " ";
    text += lastFirst ? firstName : lastName;
}

int CPersonRecord::PersonTypeCode() const {
    if (gender != 'M' && gender != 'F') {
        return 7;
    }
    const int lady = gender == 'F' ? 1 : 0;
    if (classLetter == 'P') {
        return lady;
    }
    if (classLetter == 'A' && youth == 0) {
        return 2 + lady;
    }
    if (classLetter == 'A' && youth == 1) {
        return 4 + lady;
    }
    return 7;
}

char CEntryRecord::EffectiveStyle(const CDanceCategory& category) const {
    const CategoryEntryDetails details = category.EntryDetails(dance, level, age);
    if (ToUpperAscii(details.levelName).find("PROFICIENCY") != std::string::npos ||
        details.ageName.find('*') != std::string::npos) {
        return 'P';
    }
    return category.style;
}
