#pragma once
// Turning the sub-records of a data-file line into records, finding those already stored.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/DataFileLayout.h"
#include "formats/DataFileMergeLookup.h"
#include "util/Text.h"

class CDatabase;
class CDanceCategory;
class CPersonRecord;

// Each merge finds and adds records through `lookup`, the reader's indexes of the store; without
// one it scans the store's arrays.
//
// The own-record flag marks the line's subject, whose stored texts then take the line's values.
// Each returns the record's number, or -1 when the sub-record names none.
int MergeStudio(CDatabase& store, const CStringList& fields, int position, bool ownRecord,
                CMergeLookup* lookup = nullptr);
int MergePerson(CDatabase& store, const CStringList& fields, int position, bool ownRecord,
                int studioNumber, CPersonRecord** personOut = nullptr,
                CMergeLookup* lookup = nullptr);
// Only the first `knownCount` purchases (entries) can be found again: the lines of one file
// are all distinct records, while a line may repeat a record the store held before reading.
int MergePurchase(CDatabase& store, const CPurchaseLine& line, size_t knownCount,
                  CMergeLookup* lookup = nullptr);
void MergeEntry(CDatabase& store, const CEntryLine& line, const CDanceCategory& category,
                const std::vector<int32_t>& dancers, size_t knownCount,
                CMergeLookup* lookup = nullptr);
// 1 when the comment was attached or already there, 0 when neither person nor studio exists.
int MergeComment(CDatabase& store, uint8_t first, uint8_t second, const std::string& text,
                 int studioNumber, int personNumber, CMergeLookup* lookup = nullptr);
