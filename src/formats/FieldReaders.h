#pragma once
// Readers that consume a split record from the left: each takes the first remaining field and
// converts it. When no field is left each returns its "missing" value and takes nothing, so a
// short record never is an error.
#include <cstddef>
#include <string>

#include "data/PriceBlock.h"
#include "util/Dates.h"
#include "util/Text.h"

class CFieldQueue {
public:
    explicit CFieldQueue(const CStringList& fields) : fields_(fields) {}
    explicit CFieldQueue(CStringList&&) = delete;  // the queue only refers to the fields

    bool Empty() const { return next_ >= fields_.size(); }
    size_t Remaining() const { return Empty() ? 0 : fields_.size() - next_; }
    // The first remaining field, taken out of the queue; nullptr when none is left.
    const std::string* Take() { return Empty() ? nullptr : &fields_[next_++]; }

private:
    const CStringList& fields_;
    size_t next_ = 0;
};

// The field unchanged; missing: "".
std::string PopText(CFieldQueue& record);
// Leading decimal digits (a non-number reads as 0, values beyond the 32-bit range are clamped);
// missing: -1.
int PopInt(CFieldQueue& record);
// A decimal number in single precision; missing: 0.
float PopFloat(CFieldQueue& record);
// An amount of money in cents (ParseCents); missing: 0.
int64_t PopCents(CFieldQueue& record);
// The first character, 0 for an empty field; missing: 0.
char PopChar(CFieldQueue& record);
// "48" gives 0 and "49" gives 1; else "Y" or "1" first give 1, "N" or "0" give 0, any other first
// character its own code (0 to 255), an empty field 0; missing: 0.
int PopYesNo(CFieldQueue& record);
// Month.day.year.hour.minute.second; fewer than six parts give today at noon; missing: 0.
DATE PopDate(CFieldQueue& record);
// Ten "-"-separated prices and the switch date; missing prices are 0 and a missing switch date is
// today at noon, also when the whole field is missing.
PriceBlock PopPriceBlock(CFieldQueue& record);
