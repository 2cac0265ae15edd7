// The person dialogs as a user meets them: typing a person, the checks on OK, roommates and
// comments, and the list of persons with Add, Edit and Delete, each saved to the data file.
#include <gtest/gtest.h>

#include "data/Database.h"
#include "dialogs/ListDialog.h"
#include "dialogs/TextDialog.h"
#include "persons/PersonDialog.h"
#include "persons/PersonListDialog.h"
#include "persons/PersonOperations.h"
#include "support/ListLines.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

class PersonDialogTest : public ::testing::Test {
protected:
    PersonDialogTest() {
        db.fieldSeparator = "|";
        db.dataFileName = dir.File("Spring_Star_Dance.tvr");
        AddStudio(db, "Star Dance");
    }
    std::string FileText() const { return ReadFileBytes(db.dataFileName); }
    // Chooses `type` as the type list shows it.
    static void ChooseType(CPersonDialog& dialog, const std::string& type) {
        dialog.types.SetEditText(type);
    }
    // The user picks the line `text` in "Select roommate".
    void ExpectRoommateChosen(const std::string& text) {
        ui.ExpectDialog<CListDialog>([text](CListDialog& select) {
            EXPECT_EQ(select.title, "Select roommate");
            EXPECT_FALSE(select.IsMultiple());
            EXPECT_FALSE(select.IsSorted());
            select.list.SetCurSel(select.list.FindStringExact(text));
            return select.OnOK();
        });
    }
    void ExpectCommentTyped(const std::string& expectedInitial, const std::string& typed,
                            int result = IDOK) {
        ui.ExpectDialog<CTextDialog>([=](CTextDialog& text) {
            EXPECT_EQ(text.caption, "Comment");
            EXPECT_EQ(text.maxLength, 60);
            EXPECT_EQ(text.text, expectedInitial);
            text.SetText(typed);
            return result;
        });
    }
    static int Count(const std::string& text, const std::string& part) {
        int count = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++count;
        }
        return count;
    }

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
};

TEST_F(PersonDialogTest, ANonCompetitorMustChooseATypeAgainAndOnlyTheLastNameIsRequired) {
    CPersonRecord& nell = AddPersonRecord(db, 0, 0, 0, "Nell", "Hart");
    nell.mealPreference = 'F';
    ui.ExpectDialog<CPersonDialog>([](CPersonDialog& dialog) {
        EXPECT_EQ(dialog.types.GetCount(), 7);
        EXPECT_EQ(dialog.types.GetText(6), "Non-competitor");
        EXPECT_EQ(dialog.types.GetCurSel(), -1);
        EXPECT_EQ(dialog.mealPreference, "F");

        dialog.lastName = "";
        EXPECT_FALSE(dialog.OnOK());  // a first name alone is no name
        dialog.lastName = "   ";
        EXPECT_FALSE(dialog.OnOK());
        dialog.lastName = "Hart-Lee";
        dialog.firstName = "";
        EXPECT_FALSE(dialog.OnOK());  // still no type
        ChooseType(dialog, "Lady amateur, youth");
        dialog.mealPreference = "v";
        return dialog.OnOK() ? IDOK : IDCANCEL;
    });
    EXPECT_EQ(EditPerson(db, nell.number), 1);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"No name entered.", "No name entered.",
                                                     "No type selected."}));
    EXPECT_EQ(nell.lastName, "Hart-Lee");
    EXPECT_EQ(nell.firstName, "");
    EXPECT_EQ(nell.mealPreference, 'V');
    EXPECT_NE(FileText().find("PR|f2|A||Hart-Lee|"), std::string::npos);

    // Reopened, the type is chosen; clearing the meal preference stores none.
    ui.ExpectDialog<CPersonDialog>([](CPersonDialog& dialog) {
        EXPECT_EQ(dialog.types.GetCurSel(), 5);
        EXPECT_EQ(dialog.mealPreference, "V");
        dialog.mealPreference = "";
        ChooseType(dialog, "Non-competitor");
        return dialog.OnOK() ? IDOK : IDCANCEL;
    });
    EXPECT_EQ(EditPerson(db, nell.number), 1);
    EXPECT_EQ(nell.mealPreference, 0);
    EXPECT_EQ(nell.gender, 0);
    EXPECT_EQ(nell.classLetter, 0);
    EXPECT_EQ(nell.youth, 0);
}

// A person from an older file gets a note to MC: it is saved, in the layout that carries it.
TEST_F(PersonDialogTest, ANoteToMCGivenToAnOlderPersonIsKept) {
    CPersonRecord& ann = AddPersonRecord(db, 'F', 'A', 0, "Ann", "Lee");
    ann.version = 1;
    ann.membershipNumber = "M7";
    ui.ExpectDialog<CPersonDialog>([](CPersonDialog& dialog) {
        dialog.noteToMC = "Say it LAY";
        return dialog.OnOK() ? IDOK : IDCANCEL;
    });
    EXPECT_EQ(EditPerson(db, ann.number), 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_NE(FileText().find("PR|F2|A|Ann|Lee||Say it LAY|M7|"), std::string::npos);
}

// A second person of a name already in the studio is asked about; No keeps what was typed.
TEST_F(PersonDialogTest, ASecondPersonOfTheSameNameIsAskedAbout) {
    AddPersonRecord(db, 'F', 'A', 0, "Ann", "Lee");
    const std::string question = "There is already a person named ANN LEE. Add another?";
    ui.ExpectDialog<CPersonDialog>([&](CPersonDialog& dialog) {
        dialog.firstName = "ANN";
        dialog.lastName = "LEE";
        dialog.nickname = "Annie";
        ChooseType(dialog, "Lady amateur, youth");
        ui.ExpectQuestion(question, false);
        EXPECT_FALSE(dialog.OnOK());
        EXPECT_EQ(dialog.nickname, "Annie");
        ui.ExpectQuestion(question, true);
        return dialog.OnOK() ? IDOK : IDCANCEL;
    });
    EXPECT_EQ(AddPerson(db), 1);
    ASSERT_EQ(db.personArray.size(), 2u);
    EXPECT_EQ(ui.defaultNoQuestions, (std::vector<std::string>{question, question}));
    EXPECT_EQ(db.personArray[1]->nickname, "Annie");
    // Editing either of the two without renaming asks nothing.
    ui.ExpectDialog<CPersonDialog>([](CPersonDialog& dialog) {
        dialog.nickname = "Ann the second";
        return dialog.OnOK() ? IDOK : IDCANCEL;
    });
    EXPECT_EQ(EditPerson(db, db.personArray[1]->number), 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PersonDialogTest, MealPreferenceIsOneUpperCaseCharacter) {
    EXPECT_EQ(CPersonDialog::MealPreferenceText("v"), "V");
    EXPECT_EQ(CPersonDialog::MealPreferenceText("fish"), "F");
    EXPECT_EQ(CPersonDialog::MealPreferenceText(""), "");
    EXPECT_EQ(CPersonDialog::MealPreferenceText("\xE9"), "");  // shown as none when reopened
}

TEST_F(PersonDialogTest, RoommatesShareTheNextFreeGroupAndALoneGroupIsCleared) {
    AddPersonRecord(db, 'F', 'A', 0, "Ann", "Lee");
    AddPersonRecord(db, 'M', 'A', 0, "Bob", "Ray");
    AddPersonRecord(db, 'M', 'P', 0, "Cy", "Oak").roommateGroup = 1;
    AddPersonRecord(db, 'F', 'P', 0, "Dee", "Fox").roommateGroup = 1;
    CPersonRecord& ann = *db.personArray[0];
    CPersonRecord& bob = *db.personArray[1];
    CPersonRecord& cy = *db.personArray[2];
    CPersonRecord& dee = *db.personArray[3];

    ui.ExpectDialog<CPersonDialog>([&](CPersonDialog& dialog) {
        EXPECT_TRUE(dialog.roommates.Items().empty());
        dialog.OnRoommateAdd();
        EXPECT_EQ(dialog.roommateGroup, 2);
        EXPECT_EQ(bob.roommateGroup, 2);  // at once, in the store
        dialog.OnRoommateAdd();           // Cy leaves Dee for Ann's room
        EXPECT_EQ(cy.roommateGroup, 2);
        EXPECT_EQ(Lines(dialog.roommates), (std::vector<std::string>{"Oak, Cy", "Ray, Bob"}));

        dialog.OnRoommateDelete();  // nothing selected
        dialog.roommates.SetCurSel(dialog.roommates.FindStringExact("Ray, Bob"));
        dialog.OnRoommateDelete();
        EXPECT_EQ(bob.roommateGroup, -1);
        // Cy still shares the room, though Ann's own stored group is not set before OK.
        EXPECT_EQ(dialog.roommateGroup, 2);
        EXPECT_EQ(Lines(dialog.roommates), (std::vector<std::string>{"Oak, Cy"}));
        ChooseType(dialog, "Lady amateur, adult");
        return dialog.OnOK() ? IDOK : IDCANCEL;
    });
    // The script runs in order: the person dialog, then the two choices made inside it.
    ExpectRoommateChosen("Ray, Bob");
    ExpectRoommateChosen("Oak, Cy");
    EXPECT_EQ(EditPerson(db, ann.number), 1);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"No roommate selected"}));
    EXPECT_EQ(ann.roommateGroup, 2);
    EXPECT_EQ(dee.roommateGroup, -1);  // left alone in group 1, cleared when the file was written
    EXPECT_NE(FileText().find("|Dee|Fox|||||R4294967295|"), std::string::npos);
    EXPECT_NE(FileText().find("|Ann|Lee|||||R2|"), std::string::npos);

    // Deleting Cy's last roommate clears his own group too.
    ui.ExpectDialog<CPersonDialog>([&](CPersonDialog& dialog) {
        EXPECT_EQ(Lines(dialog.roommates), (std::vector<std::string>{"Lee, Ann"}));
        dialog.roommates.SetCurSel(0);
        dialog.OnRoommateDelete();
        EXPECT_EQ(dialog.roommateGroup, -1);
        EXPECT_TRUE(dialog.roommates.Items().empty());
        return dialog.OnOK() ? IDOK : IDCANCEL;
    });
    EXPECT_EQ(EditPerson(db, cy.number), 1);
    EXPECT_EQ(cy.roommateGroup, -1);
    EXPECT_EQ(ann.roommateGroup, -1);
}

TEST_F(PersonDialogTest, CommentsAreKeptAtOnceEvenWhenTheDialogIsCancelled) {
    CPersonRecord& ann = AddPersonRecord(db, 'F', 'A', 0, "Ann", "Lee");
    ui.ExpectDialog<CPersonDialog>([&](CPersonDialog& dialog) {
        dialog.OnCommentAdd();
        dialog.OnCommentAdd();
        dialog.OnCommentAdd();
        EXPECT_EQ(Lines(dialog.comments),
                  (std::vector<std::string>{"Arrives Friday", "Vegetarian"}));
        dialog.comments.SetCurSel(-1);
        dialog.OnCommentEdit();
        dialog.OnCommentDelete();
        dialog.comments.SetCurSel(dialog.comments.FindStringExact("Vegetarian"));
        dialog.OnCommentEdit();
        dialog.comments.SetCurSel(dialog.comments.FindStringExact("Vegetarian"));
        dialog.OnCommentEdit();
        // Comments are stored already: Cancel has nothing to discard and asks nothing.
        EXPECT_TRUE(MayDiscardChanges(dialog, ui));
        ChooseType(dialog, "Lady amateur, youth");
        ui.ExpectQuestion("Discard your changes?", false);
        EXPECT_FALSE(MayDiscardChanges(dialog, ui));
        ChooseType(dialog, "Lady amateur, adult");
        dialog.lastName = "Changed";
        ui.ExpectQuestion("Discard your changes?", true);
        EXPECT_TRUE(MayDiscardChanges(dialog, ui));
        return IDCANCEL;
    });
    ExpectCommentTyped("", "Vegetarian");
    ExpectCommentTyped("", "Arrives Friday");
    ExpectCommentTyped("", "", IDCANCEL);
    ExpectCommentTyped("Vegetarian", "", IDOK);  // an emptied field changes nothing
    ExpectCommentTyped("Vegetarian", "Vegan");
    EXPECT_EQ(EditPerson(db, ann.number), 0);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"No item selected", "No item selected"}));
    EXPECT_EQ(ann.lastName, "Lee");
    ASSERT_EQ(ann.pCommentArray.size(), 2u);
    EXPECT_EQ(ann.pCommentArray[0].text, "Vegan");
    EXPECT_EQ(ann.pCommentArray[0].first, 1);
    EXPECT_EQ(ann.pCommentArray[0].second, 1);
    // The comments are in the file already; the cancelled name is not.
    EXPECT_NE(FileText().find("CM|1|1|Vegan|PR|F2|A|Ann|Lee|"), std::string::npos);
    EXPECT_NE(FileText().find("CM|1|1|Arrives Friday|"), std::string::npos);
    EXPECT_EQ(FileText().find("Changed"), std::string::npos);

    ui.ExpectDialog<CPersonDialog>([](CPersonDialog& dialog) {
        dialog.comments.SetCurSel(dialog.comments.FindStringExact("Arrives Friday"));
        dialog.OnCommentDelete();
        EXPECT_EQ(Lines(dialog.comments), (std::vector<std::string>{"Vegan"}));
        return IDCANCEL;
    });
    EXPECT_EQ(EditPerson(db, ann.number), 0);
    EXPECT_EQ(FileText().find("Arrives Friday"), std::string::npos);
}

TEST_F(PersonDialogTest, AStoredTextLongerThanItsLimitIsNotCut) {
    CPersonRecord& ann = AddPersonRecord(db, 'F', 'A', 0, "Ann", std::string(55, 'L'));
    CPersonDialog dialog(db, ann);
    const auto& lastName = CPersonDialog::Fields()[0];
    const auto& firstName = CPersonDialog::Fields()[1];
    EXPECT_EQ(dialog.Limit(lastName), 55);
    EXPECT_EQ(dialog.Limit(firstName), firstName.maxLength);
    EXPECT_EQ(std::string(lastName.refused), "[");
}

TEST_F(PersonDialogTest, TheListAddsEditsAndDeletesWithPurchasesAndEntries) {
    AddCategory(db, 10, "Smooth", {{1, "Waltz"}}, {{1, "Bronze"}}, {{1, "Adult"}});
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "ray");
    AddPersonRecord(db, 'F', 'A', 0, "Ann", "Lee");
    AddEntry(db, 10, 1, 'F', 1, 2);
    AddEntry(db, 10, 1, 'M', 1, -1, 2);  // Ann is only the coach here
    AddPurchase(db, 'O', 5, 2, "Banquet", 4000);
    AddPurchase(db, 'O', 5, 1, "Banquet", 4000);

    ui.ExpectDialog<CPersonListDialog>([&](CPersonListDialog& list) {
        EXPECT_EQ(Lines(list.persons), (std::vector<std::string>{"Lee, Ann [2]", "ray, Bob [1]"}));
        list.OnEdit();
        list.OnDelete();

        ui.ExpectDialog<CPersonDialog>([](CPersonDialog& dialog) {
            dialog.lastName = "Adams";
            dialog.firstName = "Cy";
            ChooseType(dialog, "Gentleman amateur, adult");
            return dialog.OnOK() ? IDOK : IDCANCEL;
        });
        list.OnAdd();
        EXPECT_EQ(Lines(list.persons),
                  (std::vector<std::string>{"Adams, Cy [3]", "Lee, Ann [2]", "ray, Bob [1]"}));
        EXPECT_EQ(list.persons.GetCurSel(), 0);
        // Each line tells the person's type when the pointer rests on it.
        EXPECT_EQ(list.persons.Items()[0].tip, "Gentleman amateur, adult");
        EXPECT_EQ(list.persons.Items()[2].tip, "Gentleman professional");

        // Ann goes with her entry and her purchase; the entry she coaches stays.
        // The question names her, and its default is No: Enter keeps her.
        list.persons.SetCurSel(list.persons.FindStringExact("Lee, Ann [2]"));
        const std::string question =
            std::string(CPersonListDialog::kDeleteQuestion) + "\n\nLee, Ann [2]";
        ui.ExpectQuestion(question, false);
        list.OnDelete();
        EXPECT_EQ(db.personArray.size(), 3u);
        ui.ExpectQuestion(question, true);
        list.OnDelete();
        EXPECT_EQ(ui.defaultNoQuestions, (std::vector<std::string>{question, question}));
        EXPECT_EQ(Lines(list.persons), (std::vector<std::string>{"Adams, Cy [3]", "ray, Bob [1]"}));
        return IDOK;
    });
    ShowPersonList(db);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"No person selected", "No person selected"}));
    const std::string file = FileText();
    EXPECT_EQ(file.find("|Ann|Lee|"), std::string::npos);
    EXPECT_NE(file.find("PR|M2|A|Cy|Adams|"), std::string::npos);
    ASSERT_EQ(db.entryArray.size(), 1u);
    EXPECT_EQ(db.entryArray[0]->coach, 2);
    ASSERT_EQ(db.purchaseArray.size(), 1u);
    EXPECT_EQ(db.purchaseArray[0]->purchaserNumber, 1);
    EXPECT_EQ(Count(file, "\r\nEN|"), 1);
    EXPECT_EQ(Count(file, "\r\nPU|"), 1);
}

}  // namespace
