#pragma once
// One event group of the competition as the setup file defines it.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct DanceItem {
    uint8_t code = 0;
    std::string name;
    std::string secondText;
};

struct LevelItem {
    uint8_t code = 0;
    std::string name;
    uint8_t mark = 0;
};

struct AgeItem {
    uint8_t code = 0;
    std::string name;
    std::string rangeText;
    uint8_t youth = 0;
    uint8_t spare = 0;
};

// What one entry in a category is called and costs.
struct CategoryEntryDetails {
    std::string danceName;
    std::string danceSecondText;
    std::string levelName;
    uint8_t levelMark = 0;
    std::string ageName;
    uint8_t ageYouth = 0;
    uint8_t ageSpare = 0;
    int64_t adultFee = 0;
    int64_t youthFee = 0;
    uint8_t unitCount = 1;
};

class CDanceCategory {
public:
    CDanceCategory() = default;
    virtual ~CDanceCategory() = default;
    CDanceCategory(const CDanceCategory&) = delete;
    CDanceCategory& operator=(const CDanceCategory&) = delete;

    // Empties the six lists.
    void NewPointers();

    int FindDance(uint8_t code) const;
    int FindLevel(uint8_t code) const;
    int FindAge(uint8_t code) const;
    // The usable number of items: a list of one item with an empty name counts as none.
    int DanceCount() const;
    int LevelCount() const;
    int AgeCount() const;

    CategoryEntryDetails EntryDetails(uint8_t dance, uint8_t level, uint8_t age) const;
    // The dance's name at its list position; for none (-1) what the style calls its one dance.
    std::string_view DanceNameAt(int position) const;
    // The fees alone, as EntryDetails gives them, without the names: what pricing needs.
    struct Fees {
        int64_t adult = 0;
        int64_t youth = 0;
    };
    Fees EntryFees(uint8_t dance, uint8_t level) const;

    // Whether entries of `entryType` (F, M, f, m, A, a, P, G) may enter this category.
    bool AllowsEntryType(char entryType) const;

    int listPosition = 0;
    int code = 0;
    uint8_t carriedByte1 = 0;
    std::string name = "New category";
    char kind = 'C';  // 'C' couples, 'S' couples with other dancers, 'G' groups
    bool allowAdultProAm = true;
    bool allowYouthProAm = false;
    bool allowAdultAmateur = false;
    bool allowYouthAmateur = false;
    bool allowProfessional = false;
    char carriedLetter1 = 'C', carriedLetter2 = 'C';
    char proAmTogether = 'C';
    uint8_t carriedByte2 = 3;
    char style = 'S';
    int16_t styleFirstNumber = 8;  // read with the style, carried only
    int16_t styleNumber = 6;
    bool yesNo1 = true, yesNo2 = false;
    char entryMark = 'A';
    uint8_t carriedByte3 = 0;
    int16_t carriedNumber = 5;
    float factor = 1.8f;
    uint8_t optionBytes[6] = {1, 0, 0, 1, 0, 1};
    int64_t adultFee = 0;
    int64_t youthFee = 0;
    int64_t adultExtraFee = 0;
    int64_t youthExtraFee = 0;
    uint8_t unitCount = 1;
    uint8_t carriedBytes[3] = {0, 0, 0};
    char feeBasis = 'A';  // 'A' whole category, 'D' per dance, 'L' per level
    char unitCountBasis = 'A';
    std::string carriedText;
    std::vector<DanceItem> pcaDances;
    std::vector<LevelItem> pcaLevels;
    std::vector<AgeItem> pcaAges;
    std::vector<int64_t> adultFeeList;  // fees in cents
    std::vector<int64_t> youthFeeList;
    std::vector<uint8_t> unitCountList;

private:
    // The fees at the dance's and the level's positions in their lists (-1: not listed).
    Fees FeesAt(int dancePosition, int levelPosition) const;
};
