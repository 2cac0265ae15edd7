#include <gtest/gtest.h>

#include "data/Database.h"
#include "dialogs/ListDialog.h"
#include "dialogs/ListModel.h"
#include "entries/EntryStore.h"
#include "persons/PersonLists.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

class StoreQueriesTest : public ::testing::Test {
protected:
    StoreQueriesTest() {
        db.fieldSeparator = "|";
        db.dataFileName = dir.File("Spring_Star_Dance.tvr");
        AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");  // 1, category 0
        AddPersonRecord(db, 'F', 'A', 1, "Ann", "Lee");  // 2, category 5
        AddPersonRecord(db, 0, 0, 0, "Cy", "Guest");     // 3, non-competitor
        AddPersonRecord(db, 'F', 'A', 0, "Dot", "Fox");  // 4, category 3
    }

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
};

TEST_F(StoreQueriesTest, TheComboListsOneCategoryAndSelectsTheGivenPerson) {
    CListModel combo;
    combo.AddString("stale", 77);
    FillPersonCombo(db, combo, 5, 2, true, false);
    ASSERT_EQ(combo.GetCount(), 1);
    EXPECT_EQ(combo.GetText(0), "Lee, Ann");
    EXPECT_EQ(combo.GetItemData(0), 2);
    EXPECT_EQ(combo.GetCurSel(), 0);
    EXPECT_EQ(combo.EditText(), "Lee, Ann");
}

TEST_F(StoreQueriesTest, NoneLeadsTheComboButIsNotSelected) {
    CListModel combo;
    FillPersonCombo(db, combo, 7, -1, true, true);
    ASSERT_EQ(combo.GetCount(), 5);
    EXPECT_EQ(combo.GetText(0), "<None>");
    EXPECT_EQ(combo.GetItemData(0), -1);
    EXPECT_EQ(combo.GetCurSel(), -1);
    // Filter 7 lists everyone by name, the non-competitor included; the data follow the lines.
    EXPECT_EQ(combo.GetText(1), "Fox, Dot");
    EXPECT_EQ(combo.GetText(2), "Guest, Cy");
    EXPECT_EQ(combo.GetText(3), "Lee, Ann");
    EXPECT_EQ(combo.GetText(4), "Ray, Bob");
    EXPECT_EQ(combo.GetItemData(2), 3);
}

TEST_F(StoreQueriesTest, WithoutResetTheComboGrows) {
    CListModel combo;
    FillPersonCombo(db, combo, 0, 1, false, false);
    FillPersonCombo(db, combo, 3, -1, false, false);
    ASSERT_EQ(combo.GetCount(), 2);
    EXPECT_EQ(combo.GetText(1), "Fox, Dot");
    EXPECT_EQ(combo.GetCurSel(), 0);
}

TEST_F(StoreQueriesTest, PersonListsPassUnsetLettersThroughTheFilters) {
    CStringList texts;
    std::vector<int> numbers;
    ListPersons(db, 0, 0, -1, texts, numbers);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(texts[0], "Ray, Bob");

    texts.clear();
    numbers.clear();
    ListPersons(db, 'A', 'F', -1, texts, numbers);
    EXPECT_EQ(numbers, (std::vector<int>{2, 3, 4}));

    texts.clear();
    numbers.clear();
    ListPersons(db, 'A', 0, 0, texts, numbers);
    EXPECT_EQ(numbers, (std::vector<int>{3, 4}));
}

TEST_F(StoreQueriesTest, StudiosAreListedInStoreOrder) {
    AddStudio(db, "Star Dance");
    AddStudio(db, "Moon Dance");
    CStringList texts{"kept"};
    std::vector<int> numbers{0};
    db.ListStudios(texts, numbers);
    EXPECT_EQ(texts, (CStringList{"kept", "Star Dance", "Moon Dance"}));
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2}));
}

TEST_F(StoreQueriesTest, NamesByNumber) {
    EXPECT_EQ(db.PersonNameText(2, 1), "Lee, Ann");
    EXPECT_EQ(db.PersonNameText(2, 0), "Ann Lee");
    EXPECT_EQ(db.PersonNameText(9, 1), "");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StoreQueriesTest, TheStudioNameAsAFileNamePart) {
    EXPECT_EQ(db.StudioFileNamePart(), "");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Error - no studio"});
    AddStudio(db, "Star <Dance> Studio #1");
    EXPECT_EQ(db.StudioFileNamePart(), "Star_{Dance}_Studio_1");
}

TEST_F(StoreQueriesTest, TheNextFormCodeFollowsTheHighest) {
    EXPECT_EQ(db.NextFormCode(), 1);
    AddEntry(db, 12, 1, 'M', 1, 2).formCode = 3;
    AddEntry(db, 12, 1, 'M', 1, 2).formCode = 7;
    EXPECT_EQ(db.NextFormCode(), 8);
    // An entry that has no form code yet does not wrap the count around.
    AddEntry(db, 12, 1, 'M', 1, 2).formCode = -1;
    EXPECT_EQ(db.NextFormCode(), 8);
}

TEST_F(StoreQueriesTest, DeletingAnEntrySavesTheFile) {
    AddStudio(db, "Star Dance");
    AddEntry(db, 12, 1, 'M', 1, 2);
    AddEntry(db, 12, 2, 'M', 1, 2);
    DeleteEntry(db, 9);
    EXPECT_EQ(db.entryArray.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(db.dataFileName));
    DeleteEntry(db, 1);
    ASSERT_EQ(db.entryArray.size(), 1u);
    EXPECT_EQ(db.entryArray[0]->dance, 2);
    EXPECT_TRUE(std::filesystem::exists(db.dataFileName));
}

TEST_F(StoreQueriesTest, SelectPersonOffersTheFilteredPersonsForSeveralChoices) {
    ui.ExpectDialog<CListDialog>([](CListDialog& dialog) {
        EXPECT_EQ(dialog.title, "Select person");
        EXPECT_TRUE(dialog.IsMultiple());
        EXPECT_FALSE(dialog.IsSorted());
        // By name; the chosen ones come back in the person list's order.
        EXPECT_EQ(dialog.texts, (std::vector<std::string>{"Fox, Dot", "Lee, Ann"}));
        EXPECT_EQ(dialog.list.GetCurSel(), -1);
        dialog.list.SetSel(1, true);
        dialog.list.SetSel(0, true);
        return dialog.OnOK();
    });
    std::vector<int> chosen{99};
    EXPECT_EQ(SelectPerson(db, 'A', 'F', chosen), CListDialog::kMultipleOK);
    EXPECT_EQ(chosen, (std::vector<int>{2, 4}));

    ui.ExpectDialog<CListDialog>([](CListDialog& dialog) {
        EXPECT_EQ(dialog.keys, (std::vector<int>{4, 3, 2, 1}));
        dialog.list.SetSel(0, true);
        return dialog.OnCancel();
    });
    EXPECT_EQ(SelectPerson(db, 0, 0, chosen), CListDialog::kMultipleCancel);
    EXPECT_TRUE(chosen.empty());
}

}  // namespace
