// Loading the competition's setup file into the store: the header, then one dance category,
// price-list item or package per line.
#include <cstdio>

#include "formats/SetupLoader.h"

#include "data/Database.h"
#include "formats/FieldReaders.h"
#include "platform/Ui.h"
#include "util/LineReader.h"

namespace {

// Appends `count` items read by `readOne`. A record that ends early ends the list: an item made
// only of missing values carries nothing, and a wild count must not make millions of them.
template <class ReadOne>
void ReadCountedList(CFieldQueue& record, int count, ReadOne readOne) {
    for (int i = 0; i < count && !record.Empty(); ++i) {
        readOne();
    }
}

// "Junior (12-15)" gives the name "Junior" and the range "12-15"; a text without a "(" that is
// closed later is all name.
void SplitAgeText(const std::string& text, std::string& name, std::string& range) {
    const auto open = text.rfind('(');
    const auto close = open == std::string::npos ? std::string::npos : text.find(')', open + 1);
    if (close == std::string::npos) {
        name = text;
        range.clear();
        return;
    }
    name = text.substr(0, open);
    name.erase(name.find_last_not_of(' ') + 1);
    range = text.substr(open + 1, close - open - 1);
}

// The kind digit of a category record: its kind and its other effects. A letter counts as 0.
void ApplyKindDigit(CDanceCategory& category, char kindChar) {
    const int v = kindChar >= '0' && kindChar <= '9' ? kindChar - '0' : 0;
    switch (v) {
        case 1:
            category.kind = 'C';
            category.proAmTogether = 'V';
            break;
        case 2:
            category.kind = 'C';
            category.optionBytes[3] = 1;
            break;
        case 4:
            category.kind = 'C';
            category.optionBytes[0] = 0;
            break;
        case 6:
            category.kind = 'S';
            category.optionBytes[0] = 0;
            break;
        case 7:
        case 8:
            category.kind = 'G';
            category.optionBytes[0] = 0;
            break;
        case 9:
            break;  // the constructor's kind stays
        default:    // 0, 3, 5
            category.kind = 'C';
            break;
    }
}

}  // namespace

int LoadSetupFile(CDatabase& store, const std::string& setupPath, bool headerOnly) {
    store.setupFileName = setupPath;
    CLineReader reader(store.setupFileName);
    if (!reader.IsOpen()) {
        return 0;
    }
    std::string piece;
    if (!reader.ReadPiece(piece)) {
        // An empty file has no header and so is no setup file either.
        return CheckSetupHeader(store, std::string());
    }
    const std::string header = TrimRight(piece);
    store.fieldSeparator = DetectSeparator(header);
    if (CheckSetupHeader(store, header) == 0) {
        return 0;
    }
    if (headerOnly) {
        return 1;
    }
    CStringList fields;
    while (reader.ReadPiece(piece)) {
        SplitFields(TrimRight(piece), store.fieldSeparator, fields, 0, true);
        if (fields.empty()) {
            continue;
        }
        if (fields.front() == "DC") {
            ParseCategoryRecord(store, fields);
        } else if (fields.front() == "PL") {
            ParsePriceListRecord(store, fields);
        } else if (fields.front() == "PK") {
            ParsePackageRecord(store, fields);
        }
    }
    return 1;
}

int CheckSetupHeader(CDatabase& store, const std::string& headerLine) {
    if (store.fieldSeparator.empty()) {
        store.fieldSeparator = DetectSeparator(headerLine);
    }
    CStringList fields;
    const int count = SplitFields(headerLine, store.fieldSeparator, fields, 0, true);
    if (count < 7 || fields[0] != "stu") {
        store.ui.ShowMessage(
            FormatText("File %s is not valid entry form setup file.", {store.setupFileName}));
        return 0;
    }
    store.competitionName = fields[2];
    store.organizerAddress = fields[3];
    auto ruleLetter = [](const std::string& field) { return field.empty() ? 'S' : field[0]; };
    store.proAmPackageRule = ruleLetter(fields[4]);
    store.amateurPackageRule = ruleLetter(fields[5]);
    store.professionalPackageRule = ruleLetter(fields[6]);
    store.showDancePrices = count > 7 ? static_cast<uint8_t>(ParseLeadingInt(fields[7])) : 1;
    return 1;
}

void ParseCategoryRecord(CDatabase& store, CStringList& fields) {
    CFieldQueue record(fields);
    record.Take();  // "DC"
    auto category = std::make_unique<CDanceCategory>();
    category->listPosition = static_cast<int>(store.categoryArray.size());
    for (int i = 1; i <= 4; ++i) {
        category->optionBytes[i] = 0;
    }
    category->optionBytes[5] = 1;

    const char kindChar = PopChar(record);
    const std::string eligibility = PopText(record);
    auto allows = [&](char letter) { return eligibility.find(letter) != std::string::npos; };
    category->allowAdultAmateur = allows('A');
    category->allowYouthAmateur = allows('a');
    category->allowAdultProAm = allows('B');
    category->allowYouthProAm = allows('b');
    category->allowProfessional = allows('P');
    category->code = PopInt(record);
    category->name = PopText(record);

    ReadCountedList(record, PopInt(record), [&] {
        DanceItem dance;
        dance.code = static_cast<uint8_t>(PopInt(record));
        dance.name = PopText(record);
        category->pcaDances.push_back(std::move(dance));
    });
    ReadCountedList(record, PopInt(record), [&] {
        LevelItem level;
        level.code = static_cast<uint8_t>(PopInt(record));
        level.name = PopText(record);
        category->pcaLevels.push_back(std::move(level));
    });
    ReadCountedList(record, PopInt(record), [&] {
        AgeItem age;
        age.code = static_cast<uint8_t>(PopInt(record));
        SplitAgeText(PopText(record), age.name, age.rangeText);
        age.youth = PopChar(record) == '1' ? 1 : 0;
        category->pcaAges.push_back(std::move(age));
    });
    category->feeBasis = PopChar(record);

    const int feeCount = PopInt(record);
    std::vector<int64_t> adultFees, youthFees;
    ReadCountedList(record, feeCount, [&] {
        adultFees.push_back(PopCents(record));
        youthFees.push_back(PopCents(record));
    });
    if (!adultFees.empty()) {
        category->adultFee = adultFees.front();
        category->youthFee = youthFees.front();
    }
    if (feeCount > 1) {
        category->adultFeeList = std::move(adultFees);
        category->youthFeeList = std::move(youthFees);
    }
    category->adultExtraFee = PopCents(record);
    category->youthExtraFee = PopCents(record);
    category->unitCountBasis = PopChar(record);

    const int unitCountCount = PopInt(record);
    std::vector<int> unitCounts;
    ReadCountedList(record, unitCountCount, [&] { unitCounts.push_back(PopInt(record)); });
    if (!unitCounts.empty() && unitCounts.front() > 0) {
        category->unitCount = static_cast<uint8_t>(unitCounts.front());
    }
    if (unitCountCount > 1) {
        for (int units : unitCounts) {
            category->unitCountList.push_back(static_cast<uint8_t>(units));
        }
    }

    category->factor = PopFloat(record);
    const int styleFirstNumber = PopInt(record);
    category->styleFirstNumber = static_cast<int16_t>(styleFirstNumber);
    category->styleNumber = static_cast<int16_t>(PopInt(record));
    category->carriedNumber = static_cast<int16_t>(PopInt(record));
    category->style = PopChar(record);
    // An "N" style whose first number is 1 marks events exempt from the duplicate test.
    if (category->style == 'N' && styleFirstNumber == 1) {
        category->styleNumber = 1;
    }
    category->yesNo1 = PopChar(record) == 'Y';
    category->yesNo2 = PopChar(record) == 'Y';
    category->entryMark = PopChar(record);
    for (int i = 0; i < 3; ++i) {
        PopYesNo(record);  // read and not used
    }

    ApplyKindDigit(*category, kindChar);
    store.categoryArray.push_back(std::move(category));
}

void ParsePriceListRecord(CDatabase& store, CStringList& fields) {
    CFieldQueue record(fields);
    record.Take();  // "PL"
    auto item = std::make_unique<CPriceListRecord>();
    item->number = PopInt(record);
    item->kind = PopChar(record);
    item->name = PopText(record);
    const char kindDigit = PopChar(record);
    if (item->kind == 'S') {
        item->kindNumber = kindDigit - '0';
    }
    item->date = PopDate(record);
    item->extraFlag = static_cast<uint8_t>(PopYesNo(record));
    item->extraNumber = static_cast<uint8_t>(PopInt(record));
    item->extraNumberCopy = item->extraNumber;
    item->extraLetter = PopChar(record);
    item->hidden = static_cast<uint8_t>(PopYesNo(record));
    item->prices = PopPriceBlock(record);
    item->note.clear();
    AppendRecord(store.priceListArray, std::move(item));
}

void ParsePackageRecord(CDatabase& store, CStringList& fields) {
    CFieldQueue record(fields);
    record.Take();  // "PK"
    auto package = std::make_unique<CPackageRecord>();
    package->number = PopInt(record);
    package->name = PopText(record);
    package->coversEntries = PopYesNo(record);
    package->prices = PopPriceBlock(record);
    package->extraValue1 = PopFloat(record);
    package->extraValue2 = PopFloat(record);
    package->extraValue3 = PopFloat(record);
    ReadCountedList(record, PopInt(record),
                    [&] { package->itemNumbers.push_back(PopInt(record)); });
    package->note.clear();
    AppendRecord(store.packageArray, std::move(package));
}
