#pragma once
// What the summary report charges: the fee of one dance entry, with the surcharge for dancers
// whom no hotel package covers, and the price-list items that the purchases amount to. The
// organizer's invoice decides the real amount; these rules only estimate it.
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CDanceCategory;
class CDatabase;
class CEntryRecord;
class CFinanceRecord;

// One price-list item as bought, alone or inside a package.
struct PurchasedItemLine {
    int studioNumber = -1;
    int purchaserNumber = -1;
    int itemNumber = -1;
    char itemKind = 0;       // the item's kind letter: 'R' a hotel room, ...
    int packageNumber = -1;  // the package it came with; -1 when bought alone
    int count = 0;
};
using CItemLineList = std::vector<PurchasedItemLine>;

// The entry's fee in its category: the youth or adult fee for its dance, level and age, plus
// the category's surcharge when the package rule asks for it.
float EntryPrice(const CDatabase& store, const CDanceCategory& category, const CEntryRecord& entry);

// EntryPrice in the entry's own category; 0 for an entry whose category the setup no longer
// lists, as it has no fee to show.
float EntryFee(const CDatabase& store, const CEntryRecord& entry);

// The price of the whole purchase for its purchaser (or for nobody, when the purchaser is not a
// person of the store) as of today, in single precision: piece price times quantity. No value
// for a package or price-list item the setup no longer lists; 0 for a kind of purchase that no
// rule prices.
std::optional<float> PurchasePrice(const CDatabase& store, const CFinanceRecord& purchase);

// 1 when the competition's package rule for `entryType` charges the surcharge, given whether
// the gentleman and the lady have a hotel package; else 0.
int SetNPInc(const CDatabase& store, int gentleman, int lady, char entryType);

// Whether the person's recorded hotel package exists and carries the hotel-room flag.
bool HasHotelPackage(const CDatabase& store, int personNumber);

// Appends the price-list items of every purchase, in purchase order. Filter 'A': one line per
// item with the purchase's quantity as count; a kind letter: only items of that kind, one line
// of count 1 per piece. Purchases of items or packages the setup no longer lists add nothing.
void ExpandPurchases(const CDatabase& store, char filter, CItemLineList& lines);

// 1 when `lines` hold an item of kind 'R' bought by the person, else 0.
int HasRoomItem(int personNumber, const CItemLineList& lines);
// The persons for whom HasRoomItem gives 1, found in one pass for a whole list of persons.
std::unordered_set<int> PersonsWithRoomItem(const CItemLineList& lines);

// The number of entries in which the person dances as gentleman or lady; 0 for -1.
unsigned EntryCountOfPerson(const CDatabase& store, int personNumber);
// EntryCountOfPerson of every person who dances in an entry, counted in one pass.
std::unordered_map<int, unsigned> EntryCountsOfPersons(const CDatabase& store);
