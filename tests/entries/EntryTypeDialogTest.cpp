// Choosing an entry type and a category, opening the forms of a studio or person, and the
// dance-entries step that runs one form after another until the user leaves.
#include "entries/EntryTypeDialog.h"

#include <gtest/gtest.h>

#include "dialogs/ListDialog.h"
#include "entries/DanceEntriesStep.h"
#include "entries/EntryTestStore.h"
#include "support/ListLines.h"

namespace {

constexpr int kFormation = 50;

class EntryTypeDialogTest : public EntryTest {
protected:
    EntryTypeDialogTest() {
        CDanceCategory& formation = AddCategory(db, kFormation, "Formation", {{kRumba, "Rumba"}},
                                                {{kBronze, "Bronze"}}, {{kAdult, "Adult"}});
        formation.kind = 'G';
        // A group category admits groups only, whatever its flags say.
        formation.allowAdultAmateur = true;
    }
    void Message(const std::string& text) { expectedMessages.push_back(text); }
};

TEST_F(EntryTypeDialogTest, TheMarkedTypeListsTheCategoriesAdmittingIt) {
    CEntryTypeDialog dialog(db, 0, 0, false);
    EXPECT_EQ(dialog.entryType, 'F');
    for (const auto& button : CEntryTypeDialog::TypeButtons()) {
        EXPECT_TRUE(dialog.IsTypeEnabled(button.type)) << button.text;
    }
    EXPECT_EQ(Lines(dialog.categories), (std::vector<std::string>{"Latin", "Solo"}));
    dialog.OnTypeClicked('G');
    EXPECT_EQ(Lines(dialog.categories), (std::vector<std::string>{"Formation"}));
    dialog.OnTypeClicked('A');
    EXPECT_EQ(Lines(dialog.categories), (std::vector<std::string>{"Latin"}));

    // No category admits youth amateurs: the list is empty and OK says so.
    dialog.OnTypeClicked('a');
    EXPECT_TRUE(dialog.categories.Items().empty());
    Message("No category selected");
    EXPECT_FALSE(dialog.OnOK());

    dialog.OnTypeClicked('P');
    dialog.categories.SetCurSel(0);
    EXPECT_TRUE(dialog.OnOK());
    EXPECT_EQ(dialog.entryType, 'P');
    EXPECT_EQ(dialog.categoryCode, kLatin);
}

TEST_F(EntryTypeDialogTest, AKeptPersonNarrowsTheTypesAndAGroupStaysAGroup) {
    // Bob, the teacher of a lady pro/am form, stays: he can only teach or dance as a
    // professional. Nothing is marked until the user chooses.
    CEntryTypeDialog sameMan(db, 'F', 'M', true);
    EXPECT_EQ(sameMan.mode, CEntryTypeDialog::kProfessionalGentleman);
    EXPECT_EQ(sameMan.entryType, 0);
    EXPECT_TRUE(sameMan.categories.Items().empty());
    EXPECT_TRUE(sameMan.persons.Items().empty());
    sameMan.OnTypeClicked('M');
    EXPECT_EQ(sameMan.entryType, 0) << "a disabled type cannot be marked";
    Message("No category selected");
    EXPECT_FALSE(sameMan.OnOK());
    sameMan.OnTypeClicked('f');
    EXPECT_EQ(Lines(sameMan.categories), (std::vector<std::string>{}));
    sameMan.OnTypeClicked('P');
    EXPECT_EQ(Lines(sameMan.categories), (std::vector<std::string>{"Latin"}));

    // The lady of an amateur couple stays an amateur lady.
    CEntryTypeDialog sameLady(db, 'A', 'F', true);
    EXPECT_EQ(sameLady.mode, CEntryTypeDialog::kAmateurLady);
    std::string enabled;
    for (const auto& button : CEntryTypeDialog::TypeButtons()) {
        if (sameLady.IsTypeEnabled(button.type)) {
            enabled += button.type;
        }
    }
    EXPECT_EQ(enabled, "FfAa");

    // A group has no gentleman or lady to keep: its next form is a group again.
    CEntryTypeDialog group(db, 'G', 'M', true);
    EXPECT_EQ(group.mode, CEntryTypeDialog::kTypeFixed);
    EXPECT_EQ(group.entryType, 'G');
    EXPECT_EQ(Lines(group.categories), (std::vector<std::string>{"Formation"}));
}

TEST_F(EntryTypeDialogTest, TheFormsOfAStudioOrPersonOpenFromThePersonsList) {
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kChaCha});
    CEntryTypeDialog dialog(db, 0, 0, false);
    EXPECT_EQ(Lines(dialog.persons),
              (std::vector<std::string>{"<All> Star Dance (studio)", "Ray, Bob (individual)",
                                        "Lee, Ann (individual)", "Fox, Tom (individual)",
                                        "Moss, Eve (individual)", "Hart, Kim (individual)"}));
    EXPECT_EQ(dialog.persons.GetItemData(0), 1);
    EXPECT_EQ(dialog.persons.GetItemData(1), -kBob);

    Message("No item selected");
    dialog.OnViewForms();
    // Kim has no forms, and is listed all the same.
    dialog.PreselectPerson(-kKim);
    Message("No entry forms found.");
    dialog.OnViewForms();
    // The studio's forms: the list dialog, left with Exit; the studio stays chosen.
    dialog.PreselectPerson(1);
    ui.ExpectDialog<CListDialog>([](CListDialog& list) {
        EXPECT_EQ(list.title, "Select entry form");
        EXPECT_EQ(list.texts.size(), 1u);
        return list.OnCancel();
    });
    dialog.OnViewForms();
    EXPECT_EQ(dialog.persons.GetCurSel(), 0);
    EXPECT_EQ(ui.messages, expectedMessages);
}

TEST_F(EntryTypeDialogTest, TheEntriesStepRunsFormAfterFormUntilTheUserLeaves) {
    ui.ExpectDialog<CEntryTypeDialog>([](CEntryTypeDialog& choice) {
        EXPECT_FALSE(choice.hidePersons);
        EXPECT_EQ(choice.mode, CEntryTypeDialog::kFreeChoice);
        choice.OnTypeClicked('A');
        choice.categories.SetCurSel(0);
        return choice.OnOK() ? IDOK : IDCANCEL;
    });
    ui.ExpectDialog<CEntryFormDialog>([](CEntryFormDialog& form) {
        EXPECT_EQ(form.title, "Adult amateur couple in Latin");
        form.gentlemanBox.list.SetEditText("Fox, Tom");
        form.ladyBox.list.SetEditText("Lee, Ann");
        form.dances.SetSel(form.dances.FindItemData(kJive), true);
        form.dances.SetSel(form.dances.FindItemData(kRumba), true);
        form.levels.SetCurSel(form.levels.FindItemData(kBronze));
        form.ages.SetCurSel(form.ages.FindItemData(kAdult));
        return *form.OnAction(CEntryFormDialog::kActionExit);
    });
    // Tom already dances the Jive with Kim: the user allows the second one.
    ui.ExpectQuestion("Duplicate gentleman in Latin, Adult, Bronze, Jive. Allow it?", true);
    // Back at the choice after the form and its question, the type and the category stay
    // where the user left them; leaving it ends the step.
    ui.ExpectDialog<CEntryTypeDialog>([](CEntryTypeDialog& choice) {
        EXPECT_EQ(choice.mode, CEntryTypeDialog::kFreeChoice);
        EXPECT_EQ(choice.entryType, 'A');
        EXPECT_EQ(choice.categories.GetCurSel(), choice.categories.FindItemData(kLatin));
        return IDCANCEL;
    });
    SaveNewForm(kLatin, 'A', kTom, kKim, kBronze, kAdult, {kJive});
    EditDanceEntries(db);
    ASSERT_EQ(db.entryArray.size(), 3u);
    EXPECT_EQ(db.entryArray[1]->dance, kRumba);
    EXPECT_EQ(db.entryArray[2]->dance, kJive);
    EXPECT_EQ(db.entryArray[1]->formCode, db.entryArray[2]->formCode);
    EXPECT_EQ(EntryLinesInFile(), 3);
}

}  // namespace
