#pragma once
// What the summary report charges for purchases: the price-list items that they amount to, and
// what each costs. The fees of dance entries come from the entries room. The organizer's
// invoice decides the real amount; these rules only estimate it.
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "entries/EntryPricing.h"
#include "purchases/PurchasePricing.h"

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
