#pragma once
// Ten prices and the date on which the first five take over from the last five.
#include <array>
#include <cstdint>

#include "util/Dates.h"

class CPersonRecord;

struct PriceBlock {
    // Prices 1 to 5 apply on and after the switch date, 6 to 10 before it; within each five:
    // amateur adult, amateur youth, professional, any other person, no person.
    std::array<int64_t, 10> prices{};  // in cents
    DATE switchDate = TodayAtNoon();

    // The price for `person` (nullptr: no person) as of `today`.
    int64_t PriceFor(const CPersonRecord* person, DATE today) const;
    int64_t PriceFor(const CPersonRecord* person) const { return PriceFor(person, TodayAtNoon()); }

    // One setup-file field: ten "-"-separated prices and the switch date as the eleventh part.
    // Missing prices are 0, a missing switch date is today at noon.
    static PriceBlock Parse(const std::string& field);
};
