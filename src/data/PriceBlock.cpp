#include "data/PriceBlock.h"

#include "data/Records.h"
#include "util/Money.h"
#include "util/Text.h"

int64_t PriceBlock::PriceFor(const CPersonRecord* person, DATE today) const {
    const int base = today >= switchDate ? 0 : 5;
    int slot = 4;
    if (person != nullptr) {
        if (person->classLetter == 'P') {
            slot = 2;
        } else if (person->classLetter != 'A') {
            slot = 3;
        } else {
            slot = person->youth == 1 ? 1 : 0;
        }
    }
    return prices[base + slot];
}

PriceBlock PriceBlock::Parse(const std::string& field) {
    PriceBlock block;
    CStringList parts;
    const int count = SplitFields(field, "-", parts, 0, true);
    for (int i = 0; i < 10 && i < count; ++i) {
        block.prices[i] = ParseCents(parts[i]);
    }
    block.switchDate = count > 10 ? ParseDateText(parts[10]) : TodayAtNoon();
    return block;
}
