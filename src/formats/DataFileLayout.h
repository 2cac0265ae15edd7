#pragma once
// The shape of the studio data file's lines, shared by the writer, the reader and the store's
// merge operations. A line is a list of fields; sub-records are opened by the tags "ST" and "PR".
#include <cstdint>
#include <string>

#include "util/Dates.h"
#include "util/Text.h"

// "ST" and its fourteen fields.
constexpr int kStudioSubRecordFields = 15;

// The field at `index`, or an empty text when the line is shorter: a missing field reads as empty.
const std::string& FieldAt(const CStringList& fields, int index);

// Integer fields read with the leading-digits rule, kept to their low 8 bits.
uint8_t LowByteOf(const std::string& field);

// How the person sub-record that starts at `position` is laid out. The type field carries the
// gender letter (lower case for a youth) and the record version; version 2 and later carry the
// note to MC. A non-competitor has an empty type field, so its version cannot be read there: the
// field where a version-2 sub-record keeps its roommate group ("R...") decides, since the shorter
// layout has the status number (a plain integer) in that place.
struct CPersonLayout {
    char gender = 0;
    uint8_t youth = 0;
    uint8_t version = 1;
    bool hasNote = false;
    // The sub-record's fields, the tag included.
    int FieldCount() const { return hasNote ? 12 : 11; }
};
CPersonLayout ReadPersonLayout(const CStringList& fields, int position);

// The roommate field "R<group>"; the group is read as unsigned 32-bit, so R4294967295 is -1, and
// an empty field is -1 too.
int32_t ParseRoommateField(const std::string& field);

// Where a line's sub-records start (-1 when absent).
struct CSubRecordPositions {
    int studio = -1;
    int persons[3] = {-1, -1, -1};
};
// The record code is field 0. Lines as this program writes them put their sub-records at fixed
// places, which are used when every tag stands where the layout expects it; a value that happens
// to read "ST" or "PR" then cannot be mistaken for a tag. Any other line falls back to the tags:
// the last "ST" field and the first three "PR" fields.
CSubRecordPositions LocateSubRecords(const CStringList& fields);

// The values of one "PU" line.
struct CPurchaseLine {
    char type = 0;
    int32_t itemNumber = -1;
    int32_t quantity = 1;
    int64_t price = -1;  // cents; negative: take name and price from the setup file's item
    std::string purchaserName;
    std::string itemName;
    int32_t status = 0;
    DATE created = 0;
    int32_t studioNumber = -1;
    int32_t purchaserNumber = -1;
};

// The values of one "EN" line.
struct CEntryLine {
    int32_t categoryCode = -1;
    uint8_t dance = 0, level = 0, age = 0;
    char type = 0;
    std::string teamName;
    char statusLetter = 0;
    int64_t amount = 0;  // cents
    int32_t status = 0;
    DATE created = 0;
    int32_t owner = -1;
    int32_t gentleman = -1, lady = -1, coach = -1;
};
