// The flat tables the report and the statements keep their forms, payers and texts in.
#include <gtest/gtest.h>

#include <string>

#include "util/DenseNumbering.h"
#include "util/TextTable.h"

namespace {

// Every key in the same few slots, so that probing past the others is what finds a key.
struct CFewSlots {
    std::size_t operator()(int key) const { return static_cast<std::size_t>(key % 3); }
};

TEST(DenseNumbering, KeysKeepTheNumberOfTheirFirstAppearanceAsTheTableGrows) {
    CDenseNumbering<int, CFewSlots> numbers;
    for (int round = 0; round < 2; ++round) {
        for (int key = 0; key < 500; ++key) {
            const auto [number, added] = numbers.Number(key * 7 - 1000);
            ASSERT_EQ(number, static_cast<std::size_t>(key));
            ASSERT_EQ(added, round == 0);
        }
    }
    EXPECT_EQ(numbers.size(), 500u);
    EXPECT_EQ(numbers.Find(-1000), 0u);
    EXPECT_EQ(numbers.Find(499 * 7 - 1000), 499u);
    EXPECT_EQ(numbers.Find(-999), (CDenseNumbering<int, CFewSlots>::kNone));
    EXPECT_EQ((CDenseNumbering<int, CFewSlots>().Find(5)),
              (CDenseNumbering<int, CFewSlots>::kNone));
}

TEST(TextTable, EveryTextComesBackWholeEmptyOnesToo) {
    CTextTable texts;
    std::string expected[300];
    for (int i = 0; i < 300; ++i) {
        expected[i] = i % 5 == 0 ? "" : "Couple " + std::to_string(i) + std::string(i % 40, 'x');
        ASSERT_EQ(texts.Add(expected[i]), static_cast<std::size_t>(i));
    }
    ASSERT_EQ(texts.size(), 300u);
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(texts[i], expected[i]) << i;
    }
}

}  // namespace
