#include <gtest/gtest.h>

#include "data/Database.h"
#include "persons/PersonDialog.h"
#include "persons/PersonOperations.h"
#include "shell/SaveAndClear.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

class PersonStoreTest : public ::testing::Test {
protected:
    PersonStoreTest() {
        db.fieldSeparator = "|";
        db.dataFileName = dir.File("Spring_Star_Dance.tvr");
        AddStudio(db, "Star Dance");
    }
    // The user fills in the person data dialog and presses OK.
    void ExpectPersonTyped(const std::string& last, const std::string& first) {
        ui.ExpectDialog<CPersonDialog>([last, first](CPersonDialog& dialog) {
            dialog.person.lastName = last;
            dialog.person.firstName = first;
            dialog.person.gender = 'F';
            dialog.person.classLetter = 'A';
            return IDOK;
        });
    }
    std::string FileText() const { return ReadFileBytes(db.dataFileName); }

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
};

TEST_F(PersonStoreTest, AnAddedPersonIsStoredAndSavedAtOnce) {
    ExpectPersonTyped("Lee", "Ann");
    EXPECT_EQ(AddPerson(db), 1);
    ASSERT_EQ(db.personArray.size(), 1u);
    const CPersonRecord& ann = *db.personArray[0];
    EXPECT_EQ(ann.number, 1);
    EXPECT_EQ(ann.studioNumber, -1);
    EXPECT_EQ(ann.roommateGroup, -1);
    EXPECT_EQ(ann.version, 2);
    EXPECT_NE(FileText().find("PR|F2|A|Ann|Lee|"), std::string::npos);
}

TEST_F(PersonStoreTest, CancellingTheNewPersonStoresAndWritesNothing) {
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");
    ui.ExpectDialog<CPersonDialog>([this](CPersonDialog& dialog) {
        EXPECT_EQ(dialog.person.number, 2);
        // A roommate chosen before Cancel keeps the group the dialog gave him.
        db.personArray[0]->roommateGroup = db.NextRoommateGroup();
        dialog.person.pCommentArray.push_back({1, 1, "gone with the person"});
        return IDCANCEL;
    });
    EXPECT_EQ(AddPerson(db), 0);
    EXPECT_EQ(db.personArray.size(), 1u);
    EXPECT_EQ(db.personArray[0]->roommateGroup, 1);
    EXPECT_FALSE(std::filesystem::exists(db.dataFileName));
}

TEST_F(PersonStoreTest, EditingSavesOnlyOnOK) {
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");
    ui.ExpectDialog<CPersonDialog>([](CPersonDialog&) { return IDCANCEL; });
    EXPECT_EQ(EditPerson(db, 1), 0);
    EXPECT_FALSE(std::filesystem::exists(db.dataFileName));
    ui.ExpectDialog<CPersonDialog>([](CPersonDialog& dialog) {
        dialog.person.nickname = "Bobby";
        return IDOK;
    });
    EXPECT_EQ(EditPerson(db, 1), 1);
    EXPECT_NE(FileText().find("|Bob|Ray|Bobby|"), std::string::npos);
    EXPECT_EQ(EditPerson(db, 42), 0);  // no such person: no dialog
}

TEST_F(PersonStoreTest, NumbersGrowFromTheHighestStillStored) {
    for (int i = 0; i < 5; ++i) {
        AddPersonRecord(db, 'M', 'A', 0, "P" + std::to_string(i), "Person");
    }
    DeletePerson(db, 3);
    ExpectPersonTyped("Six", "");
    AddPerson(db);
    EXPECT_EQ(db.personArray.back()->number, 6);
    DeletePerson(db, 6);
    DeletePerson(db, 5);
    ExpectPersonTyped("Five", "");
    AddPerson(db);
    EXPECT_EQ(db.personArray.back()->number, 5);
}

TEST_F(PersonStoreTest, DeletingAPersonTakesHisEntriesAndPurchasesAlong) {
    AddCategory(db, 12, "Rhythm", {{1, "Cha cha"}}, {}, {});
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");
    AddPersonRecord(db, 'F', 'A', 0, "Ann", "Lee");
    AddPersonRecord(db, 'F', 'A', 0, "Cat", "Fox");
    AddEntry(db, 12, 1, 'F', 1, 2);     // Bob dances
    AddEntry(db, 12, 1, 'A', 3, 2, 1);  // Bob only coaches
    AddEntry(db, 12, 1, 'F', 2, 1);     // Bob as the lady's partner
    AddEntry(db, 12, 1, 'G', -1, -1).dancers = {1, 3};
    AddPurchase(db, 'O', 1, 1, "Ticket", 1000);
    AddPurchase(db, 'O', 1, 2, "Ticket", 1000);
    AddPurchase(db, 'O', 1, 1, "Dinner", 1000);

    EXPECT_EQ(DeletePerson(db, 1), 1);
    ASSERT_EQ(db.entryArray.size(), 2u);
    EXPECT_EQ(db.entryArray[0]->coach, 1);
    EXPECT_EQ(db.entryArray[1]->type, 'G');
    ASSERT_EQ(db.purchaseArray.size(), 1u);
    EXPECT_EQ(db.purchaseArray[0]->purchaserNumber, 2);
    EXPECT_EQ(FileText().find("|Bob|"), std::string::npos);
}

TEST_F(PersonStoreTest, DeletingAnUnknownPersonStillSaves) {
    EXPECT_EQ(DeletePerson(db, 9), 0);
    EXPECT_TRUE(std::filesystem::exists(db.dataFileName));
}

TEST_F(PersonStoreTest, LookUpsFindTheFirstRecordWithTheNumber) {
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");
    AddCategory(db, 12, "Rhythm", {}, {}, {});
    AddCategory(db, 14, "Smooth", {}, {}, {});
    int position = -1;
    EXPECT_EQ(db.FindCategory(14, &position)->name, "Smooth");
    EXPECT_EQ(position, 1);
    EXPECT_EQ(db.FindCategory(13), nullptr);
    EXPECT_EQ(db.FindPerson(1)->firstName, "Bob");
    EXPECT_EQ(db.FindPerson(2), nullptr);
    EXPECT_EQ(db.FindStudio(1)->name, "Star Dance");
    EXPECT_EQ(db.FindEntry(1), nullptr);
    EXPECT_EQ(db.FindPackage(1), nullptr);
    EXPECT_EQ(db.FindPriceListItem(1), nullptr);
}

TEST_F(PersonStoreTest, TheNextRoommateGroupIsOneAboveTheHighest) {
    EXPECT_EQ(db.NextRoommateGroup(), 1);
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray").roommateGroup = 4;
    AddPersonRecord(db, 'F', 'P', 0, "Ann", "Lee");
    EXPECT_EQ(db.NextRoommateGroup(), 5);
}

TEST_F(PersonStoreTest, SaveAndClearWritesBeforeItEmptiesTheStore) {
    AddCategory(db, 12, "Rhythm", {}, {}, {});
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");
    SaveAndClear(db, true);
    EXPECT_NE(FileText().find("|Bob|Ray|"), std::string::npos);
    EXPECT_TRUE(db.studioArray.empty());
    EXPECT_TRUE(db.personArray.empty());
    EXPECT_EQ(db.categoryArray.size(), 1u);
    EXPECT_TRUE(ui.messages.empty());

    // Without a studio there is nothing to write and nothing to say; the store is cleared.
    std::filesystem::remove(db.dataFileName);
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");
    SaveAndClear(db, false);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(db.dataFileName));
    EXPECT_TRUE(db.personArray.empty());
    EXPECT_TRUE(db.categoryArray.empty());
}

}  // namespace
