#include "formats/FieldReaders.h"

#include <algorithm>
#include <climits>

#include "util/Money.h"

std::string PopText(CFieldQueue& record) {
    const std::string* field = record.Take();
    return field != nullptr ? *field : std::string();
}

int PopInt(CFieldQueue& record) {
    const std::string* field = record.Take();
    if (field == nullptr) {
        return -1;
    }
    return static_cast<int>(std::clamp<long>(ParseLeadingInt(*field), INT_MIN, INT_MAX));
}

float PopFloat(CFieldQueue& record) {
    const std::string* field = record.Take();
    return field != nullptr ? ParseLeadingFloat(*field) : 0.0f;
}

int64_t PopCents(CFieldQueue& record) {
    const std::string* field = record.Take();
    return field != nullptr ? ParseCents(*field) : 0;
}

char PopChar(CFieldQueue& record) {
    const std::string* field = record.Take();
    return field != nullptr ? FirstChar(*field) : '\0';
}

int PopYesNo(CFieldQueue& record) {
    const std::string* field = record.Take();
    if (field == nullptr || field->empty()) {
        return 0;
    }
    // Some organizer tools write the character codes of "0" and "1".
    if (*field == "48") {
        return 0;
    }
    if (*field == "49") {
        return 1;
    }
    switch (field->front()) {
        case 'Y':
        case '1':
            return 1;
        case 'N':
        case '0':
            return 0;
        default:
            return static_cast<unsigned char>(field->front());
    }
}

DATE PopDate(CFieldQueue& record) {
    const std::string* field = record.Take();
    return field != nullptr ? ParseDateText(*field) : 0.0;
}

PriceBlock PopPriceBlock(CFieldQueue& record) {
    const std::string* field = record.Take();
    return PriceBlock::Parse(field != nullptr ? *field : std::string());
}
