#pragma once
// What one dance entry costs: the fee for its dance, level and age, with the surcharge for
// dancers whom no hotel package covers. The entry form shows it while the user fills it in, and
// the summary report charges it; the organizer's invoice decides the real amount. In cents.
#include <cstdint>
#include <vector>

class CDanceCategory;
class CDatabase;
class CEntryRecord;

// The entry's fee in its category: the youth or adult fee for its dance, level and age, plus
// the category's surcharge when the package rule asks for it.
int64_t EntryPrice(const CDatabase& store, const CDanceCategory& category,
                   const CEntryRecord& entry);

// EntryPrice in the entry's own category; 0 for an entry whose category the setup no longer
// lists, as it has no fee to show.
int64_t EntryFee(const CDatabase& store, const CEntryRecord& entry);

// 1 when the competition's package rule for `entryType` charges the surcharge, given whether
// the gentleman and the lady have a hotel package; else 0.
int SetNPInc(const CDatabase& store, int gentleman, int lady, char entryType);

// The persons (numbers) whose missing hotel package brings that surcharge: both or either of a
// couple as the rule says, the teacher or the student of a pro/am couple; empty when there is
// no surcharge.
std::vector<int> PersonsBringingSurcharge(const CDatabase& store, int gentleman, int lady,
                                          char entryType);

// Whether the person's recorded hotel package exists and carries the hotel-room flag.
bool HasHotelPackage(const CDatabase& store, int personNumber);
