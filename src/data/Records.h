#pragma once
// The studio-side records and the setup file's price-list items and packages. Records refer to
// each other by number; -1 means none.
#include <cstdint>
#include <string>
#include <vector>

#include "data/PriceBlock.h"
#include "util/Dates.h"

class CDanceCategory;

struct CommentEntry {
    uint8_t first = 1;
    uint8_t second = 1;
    std::string text;
};
using CCommentArray = std::vector<CommentEntry>;

class CStudioRecord {
public:
    virtual ~CStudioRecord() = default;

    int32_t index = 0;
    int32_t number = 0;
    int32_t spare1 = 0;
    std::string name, address1, address2, city, state, zip, country, phone, fax, email, invoiceName;
    char kind = 0;  // 'I' independent person or couple, 'M' otherwise
    uint8_t spareByte = 0;
    CCommentArray pCommentArray;
    int32_t spareNumber = 0;
    DATE created = NowToMinute();
    int32_t status = 0;
    DATE secondTime = NowToMinute();
    int32_t spare2 = 0;
};

class CPersonRecord {
public:
    virtual ~CPersonRecord() = default;

    // Order flag 1: "Last, First"; otherwise "First Last". The outputs receive the parts.
    std::string FormatPersonName(int orderFlag, std::string* lastOut = nullptr,
                                 std::string* firstOut = nullptr, char* classOut = nullptr) const;
    // The name in that order appended to `text`.
    void AppendName(std::string& text, int orderFlag) const;
    // 0/1 professional gentleman/lady, 2/3 adult amateur, 4/5 youth amateur, 7 anyone else.
    int PersonTypeCode() const;

    // What is looked up for every entry (the number and the package) and the last name come
    // first, within one line of the processor's cache.
    int32_t number = 0;
    int32_t dancePackage = -1;  // the package that covers the person's dance entries
    uint8_t version = 2;
    char classLetter = 0;  // 'P', 'A' or 0 (non-competitor)
    char gender = 0;       // 'M', 'F' or 0
    uint8_t youth = 0;
    int32_t index = 0;
    std::string lastName, firstName, nickname, noteToMC, membershipNumber, ssNumber, seventhText;
    int32_t studioNumber = -1;
    int32_t spareNumber = -1;
    int32_t roommateGroup = -1;
    uint8_t flag1 = 0, flag2 = 0, mealPreference = 0, flag4 = 0;
    CCommentArray pCommentArray;
    int32_t spareNumber2 = 0;
    DATE created = NowToMinute();
    int32_t status = 0;
    DATE secondTime = NowToMinute();
    int32_t spare = 0;
};

// One purchase of a price-list item ('O') or a package ('P').
class CFinanceRecord {
public:
    virtual ~CFinanceRecord() = default;

    int32_t index = 0;
    int32_t number = 0;
    uint8_t spareByte = 0;
    char type = 0;
    int32_t studioNumber = -1;
    int32_t purchaserNumber = -1;  // a person, or -1 for the studio
    int64_t price = 0;             // of one piece, in cents
    int32_t quantity = 1;
    int32_t itemNumber = -1;
    int32_t spareNumber = 0;
    int32_t spareNumber2 = -1;
    std::string purchaserName;
    std::string itemName;
    DATE created = NowToMinute();
    DATE secondTime = NowToMinute();  // the time the data file carries
    int32_t status = 0;
    DATE thirdTime = NowToMinute();
    int32_t spare = 0;
};

// One dance of one entry form.
class CEntryRecord {
public:
    virtual ~CEntryRecord() = default;

    // 'P' for a proficiency level or an age whose name holds "*", else the category's style.
    char EffectiveStyle(const CDanceCategory& category) const;

    // What the report, the statements and every save read of each entry comes first, within
    // one line of the processor's cache: the rest is read rarely, and a large studio's entries
    // are read many times over.
    int32_t number = 0;
    char type = 0;  // F, M, f, m, A, a, P, G
    uint8_t dance = 0, level = 0, age = 0;
    int32_t gentleman = -1, lady = -1;
    int32_t owner = -1;
    int32_t categoryCode = -1;
    int32_t formCode = -1;
    std::string teamName;
    int32_t index = 0;
    char kind = 0;
    int32_t coach = -1;
    std::vector<int32_t> dancers;
    int32_t carriedNumber = -1;
    char style = 0;
    char statusLetter = 'N';
    int64_t amount = 0;  // cents
    int32_t spare1 = 0;
    int32_t carriedNumber2 = -1;
    char carriedLetter = 0;
    char entryMark = 0;
    int32_t spare2 = 0;
    int32_t moreNumber1 = -1, moreNumber2 = -1;
    int32_t spare3 = 0;
    int32_t thirdNumber = -1;
    int32_t spare4 = 0;
    DATE created = NowToMinute();
    int32_t status = 0;
    DATE secondTime = NowToMinute();
    int32_t spare5 = 0;
};

class CPriceListRecord {
public:
    virtual ~CPriceListRecord() = default;
    int64_t Price(const CPersonRecord* person) const { return prices.PriceFor(person); }

    int32_t index = 0;
    int32_t number = 0;
    int32_t spare1 = 0;
    std::string name;
    std::string note;
    DATE date = TodayAtNoon();
    char kind = 'O';  // 'R' hotel room, 'S' ..., 'O' other
    int32_t kindNumber = 0;
    int32_t spareNumber = -1;
    uint8_t extraFlag = 0, hidden = 0, extraNumber = 1, extraNumberCopy = 1;
    char extraLetter = 0;
    PriceBlock prices;
};

class CPackageRecord {
public:
    virtual ~CPackageRecord() = default;
    int64_t Price(const CPersonRecord* person) const { return prices.PriceFor(person); }

    int32_t index = 0;
    int32_t number = 0;
    int32_t spare1 = 0;
    std::string name;
    std::string note;
    int32_t coversEntries = 0;
    PriceBlock prices;
    float extraValue1 = 0, extraValue2 = 0, extraValue3 = 0;
    std::vector<int32_t> itemNumbers;
};
