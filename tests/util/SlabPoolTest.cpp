// Records made from their pool: side by side, a freed place reused, nothing overlapping.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "data/Records.h"

namespace {

struct CLongerPerson : CPersonRecord {
    char extra[100] = {};
};

TEST(SlabPool, RecordsLieSideBySideAFreedPlaceIsReusedAndNoneOverlaps) {
    std::vector<std::unique_ptr<CPersonRecord>> persons;
    for (int i = 0; i < 3000; ++i) {  // more than one block holds
        persons.push_back(std::make_unique<CPersonRecord>());
        persons.back()->number = i;
        persons.back()->lastName = "Person number " + std::to_string(i) + " of many";
    }
    if (kRecordsPooled) {
        int sideBySide = 0;
        for (int i = 1; i < 3000; ++i) {
            const auto gap = reinterpret_cast<const char*>(persons[i].get()) -
                             reinterpret_cast<const char*>(persons[i - 1].get());
            sideBySide += gap > 0 && gap <= static_cast<std::ptrdiff_t>(sizeof(CPersonRecord) + 64);
        }
        EXPECT_GT(sideBySide, 2900);
    }
    CPersonRecord* freed = persons[1500].get();
    persons[1500].reset();
    persons[1500] = std::make_unique<CPersonRecord>();
    if (kRecordsPooled) {
        EXPECT_EQ(persons[1500].get(), freed);
    }
    persons[1500]->number = 1500;
    persons[1500]->lastName = "Person number 1500 of many";

    // A class of another size comes from the heap, and goes back there through the base.
    std::unique_ptr<CPersonRecord> longer = std::make_unique<CLongerPerson>();
    longer->number = -5;
    for (int i = 0; i < 3000; ++i) {
        ASSERT_EQ(persons[i]->number, i);
        ASSERT_EQ(persons[i]->lastName, "Person number " + std::to_string(i) + " of many");
    }
    EXPECT_EQ(longer->number, -5);
}

}  // namespace
