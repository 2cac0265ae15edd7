#include "data/DanceCategory.h"

namespace {

template <class Item>
int FindCode(const std::vector<Item>& items, uint8_t code) {
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].code == code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

template <class Item>
int UsableCount(const std::vector<Item>& items) {
    if (items.size() == 1 && items.front().name.empty()) {
        return 0;
    }
    return static_cast<int>(items.size());
}

template <class Value>
void TakeFromList(const std::vector<Value>& list, int position, Value& value) {
    if (position >= 0 && position < static_cast<int>(list.size())) {
        value = list[position];
    }
}

}  // namespace

void CDanceCategory::NewPointers() {
    pcaDances.clear();
    pcaLevels.clear();
    pcaAges.clear();
    adultFeeList.clear();
    youthFeeList.clear();
    unitCountList.clear();
}

int CDanceCategory::FindDance(uint8_t code) const {
    return FindCode(pcaDances, code);
}
int CDanceCategory::FindLevel(uint8_t code) const {
    return FindCode(pcaLevels, code);
}
int CDanceCategory::FindAge(uint8_t code) const {
    return FindCode(pcaAges, code);
}
int CDanceCategory::DanceCount() const {
    return UsableCount(pcaDances);
}
int CDanceCategory::LevelCount() const {
    return UsableCount(pcaLevels);
}
int CDanceCategory::AgeCount() const {
    return UsableCount(pcaAges);
}

CDanceCategory::Fees CDanceCategory::FeesAt(int dancePosition, int levelPosition) const {
    Fees fees{adultFee, youthFee};
    const int position = feeBasis == 'D' ? dancePosition : feeBasis == 'L' ? levelPosition : -1;
    TakeFromList(adultFeeList, position, fees.adult);
    TakeFromList(youthFeeList, position, fees.youth);
    return fees;
}

CDanceCategory::Fees CDanceCategory::EntryFees(uint8_t dance, uint8_t level) const {
    return FeesAt(FindDance(dance), FindLevel(level));
}

CategoryEntryDetails CDanceCategory::EntryDetails(uint8_t dance, uint8_t level, uint8_t age) const {
    const int d = FindDance(dance);
    const int l = FindLevel(level);
    const int a = FindAge(age);
    CategoryEntryDetails details;
    details.danceName = DanceNameAt(d);
    if (d != -1) {
        details.danceSecondText = (pcaDances)[d].secondText;
    }
    if (l != -1) {
        details.levelName = (pcaLevels)[l].name;
        details.levelMark = (pcaLevels)[l].mark;
    }
    if (a != -1) {
        details.ageName = (pcaAges)[a].name;
        details.ageYouth = (pcaAges)[a].youth;
        details.ageSpare = (pcaAges)[a].spare;
    }
    const Fees fees = FeesAt(d, l);
    details.adultFee = fees.adult;
    details.youthFee = fees.youth;
    uint8_t units = unitCount;
    const int unitPosition = unitCountBasis == 'D' ? d : unitCountBasis == 'L' ? l : -1;
    TakeFromList(unitCountList, unitPosition, units);
    details.unitCount = units == 0 ? 1 : units > 4 ? 4 : units;
    return details;
}

std::string_view CDanceCategory::DanceNameAt(int position) const {
    if (position != -1) {
        return pcaDances[position].name;
    }
    return style == 'T' ? "Team match" : style == 'Q' ? "Show Dance" : "";
}

bool CDanceCategory::AllowsEntryType(char entryType) const {
    if (entryType == 'G') {
        return kind == 'G';
    }
    if (kind == 'G') {
        return false;
    }
    switch (entryType) {
        case 'F':
        case 'M':
            return allowAdultProAm;
        case 'f':
        case 'm':
            return allowYouthProAm;
        case 'A':
            return allowAdultAmateur;
        case 'a':
            return allowYouthAmateur;
        case 'P':
            return allowProfessional;
        default:
            return false;
    }
}
