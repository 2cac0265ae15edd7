#pragma once
// One entry form as the user fills it in: one category, one entry type, one couple (or group),
// one level, one age and any number of dances. The store keeps one entry per dance.
#include <cstdint>
#include <string>
#include <vector>

class CDanceCategory;

struct CEntryForm {
    // Shared by every entry of the form; -1 until the form is first saved.
    int formCode = -1;
    int owner = -1;  // studio number
    int gentleman = -1;
    int lady = -1;
    int coach = -1;  // of an amateur couple
    // Categories live as long as the store, which outlives every form.
    const CDanceCategory* category = nullptr;
    int categoryCode = -1;
    char kind = 0;       // the category's kind
    char entryType = 0;  // F, M, f, m, A, a, P or G
    uint8_t level = 0;   // 0 or 255: none chosen yet
    uint8_t age = 0;
    int carriedNumber = -1;
    std::vector<uint8_t> dances;   // codes, in list order
    std::vector<int32_t> dancers;  // person numbers, in list order
    char statusLetter = 'N';
    int64_t amount = 0;  // cents
    char carriedLetter = 0;
    int carriedNumber2 = -1;
    std::string text;  // team name, or the dance typed for a category without dances
    // Numbers of the stored entries this form was loaded from (or last saved as).
    std::vector<int> formEntries;
};
