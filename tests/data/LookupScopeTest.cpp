// Within a look-up scope the store answers as its scan would: the first record of a number. A
// record added, removed or renumbered after the scope began (which its users do not do) is
// still not missed or returned.
#include <gtest/gtest.h>

#include "data/Database.h"
#include "data/LookupScope.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

class LookupScopeTest : public ::testing::Test {
protected:
    LookupScopeTest() {
        AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");  // 1
        AddPersonRecord(db, 'F', 'A', 0, "Ann", "Lee");  // 2
        // A hand-made store can hold a number twice: the first one counts.
        AddPersonRecord(db, 'F', 'A', 0, "Eve", "Twin");
        db.personArray.back()->number = 2;
    }

    CScriptedUi ui;
    CDatabase db{ui};
};

TEST_F(LookupScopeTest, AnswersAsTheScanAndNoticesAddedAndRemovedRecords) {
    const CLookupScope scope(db);
    EXPECT_EQ(db.FindPerson(1)->firstName, "Bob");
    EXPECT_EQ(db.FindPerson(2)->firstName, "Ann");
    EXPECT_EQ(db.FindPerson(3), nullptr);

    AddPersonRecord(db, 'M', 'A', 0, "Cy", "New");
    EXPECT_EQ(db.FindPerson(3)->firstName, "Cy");

    // One added and one removed: the size is as before, Ann is gone and her twin is found.
    db.personArray.erase(db.personArray.begin() + 1);
    EXPECT_EQ(db.FindPerson(2)->firstName, "Eve");
    {
        const CLookupScope inner(db);
        EXPECT_EQ(db.FindPerson(3)->firstName, "Cy");
        db.personArray.front()->number = 7;
        EXPECT_EQ(db.FindPerson(1), nullptr);
    }
    EXPECT_EQ(db.FindPerson(1), nullptr);
}

// Numbers far apart (an imported or hand-edited file) are kept another way than numbers 1, 2,
// 3...: the answers are the same.
TEST_F(LookupScopeTest, NumbersFarApartAreFoundAsTheScanFindsThem) {
    AddPersonRecord(db, 'M', 'A', 0, "Far", "Away");
    db.personArray.back()->number = 2000000000;
    AddPersonRecord(db, 'M', 'A', 0, "Below", "Zero");
    db.personArray.back()->number = -2000000000;
    const CLookupScope scope(db);
    EXPECT_EQ(db.FindPerson(2000000000)->firstName, "Far");
    EXPECT_EQ(db.FindPerson(-2000000000)->firstName, "Below");
    EXPECT_EQ(db.FindPerson(2)->firstName, "Ann");
    EXPECT_EQ(db.FindPerson(1)->firstName, "Bob");
    EXPECT_EQ(db.FindPerson(3), nullptr);
    EXPECT_EQ(db.FindPerson(2147483647), nullptr);
}

TEST_F(LookupScopeTest, EndsWithItsScope) {
    {
        const CLookupScope scope(db);
        EXPECT_NE(db.FindPerson(1), nullptr);
    }
    // Without a scope nothing is remembered: a changed number is found at once.
    db.personArray.front()->number = 9;
    EXPECT_EQ(db.FindPerson(9)->firstName, "Bob");
}

}  // namespace
