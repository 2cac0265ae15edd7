// The entry form as a user fills it in: what it offers for each kind and type, its checks in
// their order, the dancer list, the follow-up buttons and Cancel.
#include "entries/EntryFormDialog.h"

#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "dialogs/ListDialog.h"
#include "entries/EntryTestStore.h"
#include "support/ListLines.h"

namespace {

constexpr int kYouthLatin = 30;
constexpr int kShowcase = 40;
constexpr int kFormation = 50;
constexpr uint8_t kJunior = 5, kTeen = 6;
constexpr int kLia = 6;  // Lia Sand, youth lady amateur

using Form = CEntryFormDialog;

class EntryFormDialogTest : public EntryTest {
protected:
    EntryFormDialogTest() { AddPersonRecord(db, 'F', 'A', 1, "Lia", "Sand"); }
    static void Select(CListModel& list, const std::string& text) {
        const int line = list.FindStringExact(text);
        ASSERT_GE(line, 0) << text;
        list.SetSel(line, true);
    }
    // The user ends the form with `action`; with `message` the form must answer it and stay.
    std::optional<int> Press(Form& dialog, int action, const std::string& message = "") {
        if (!message.empty()) {
            expectedMessages.push_back(message);
        }
        const auto result = dialog.OnAction(action);
        EXPECT_EQ(ui.messages, expectedMessages);
        EXPECT_EQ(result.has_value(), message.empty()) << message;
        return result;
    }
    void PressDancerButton(Form& dialog, void (Form::*button)(), const std::string& message) {
        expectedMessages.push_back(message);
        (dialog.*button)();
        EXPECT_EQ(ui.messages, expectedMessages);
    }
};

TEST_F(EntryFormDialogTest, AnAmateurCoupleIsCheckedInOrderAndLeftWithItsChoices) {
    CEntryManager manager(db);
    manager.NewForm(kLatin, 'A');
    Form dialog(db, manager.form);
    EXPECT_EQ(dialog.title, "Adult amateur couple in Latin");
    EXPECT_EQ(dialog.gentlemanLabel, "Gentleman name");
    EXPECT_EQ(dialog.ladyLabel, "Lady name");
    // Adult amateurs only, by name, so that a type-ahead box's matches stand together; the
    // coach is any professional, or nobody.
    EXPECT_EQ(Lines(dialog.gentlemanBox.list), (std::vector<std::string>{"Fox, Tom"}));
    EXPECT_EQ(Lines(dialog.ladyBox.list), (std::vector<std::string>{"Hart, Kim", "Lee, Ann"}));
    EXPECT_EQ(Lines(dialog.coachBox.list),
              (std::vector<std::string>{"<None>", "Moss, Eve", "Ray, Bob"}));
    EXPECT_EQ(Lines(dialog.ages), (std::vector<std::string>{"Adult", "Open *"}));
    EXPECT_TRUE(dialog.IsShown(Form::kCoachId));
    EXPECT_TRUE(dialog.IsShown(Form::kDancesId));
    EXPECT_FALSE(dialog.IsShown(Form::kTextId));
    EXPECT_FALSE(dialog.IsShown(Form::kDancersId));
    EXPECT_TRUE(dialog.placements.empty());
    EXPECT_EQ(dialog.ControlOfAltKey('D'), Form::kDancesId);

    Press(dialog, Form::kActionExit, "Valid male name required");
    // A few letters only scroll the list; the whole name (in any case) names the gentleman.
    dialog.gentlemanBox.list.SetEditText("FO");
    Press(dialog, Form::kActionExit, "Valid male name required");
    dialog.gentlemanBox.list.SetEditText("FOX, TOM");
    Press(dialog, Form::kActionExit, "Valid lady name required");
    dialog.ladyBox.list.SetEditText("Hart, Kim");
    Press(dialog, Form::kActionExit, "No dances selected");
    Select(dialog.dances, "Samba");
    Select(dialog.dances, "Cha Cha");
    Press(dialog, Form::kActionExit, "No level selected");
    Select(dialog.levels, "Silver");
    Press(dialog, Form::kActionExit, "No age selected");
    Select(dialog.ages, "Adult");
    EXPECT_TRUE(manager.form.dances.empty()) << "nothing reaches the form before it is whole";

    // The same couple goes on to another form: the choices reach the manager's form.
    EXPECT_EQ(Press(dialog, Form::kActionSameCouple), Form::Result(Form::kActionSameCouple, true));
    EXPECT_EQ(Form::Result(Form::kActionSameCouple, true), 50 * 65536 + 1);
    const CEntryForm& form = manager.form;
    EXPECT_EQ(form.gentleman, kTom);
    EXPECT_EQ(form.lady, kKim);
    EXPECT_EQ(form.coach, -1);
    EXPECT_EQ(form.dances, (std::vector<uint8_t>{kChaCha, kSamba})) << "in list order";
    EXPECT_EQ(form.level, kSilver);
    EXPECT_EQ(form.age, kAdult);
}

TEST_F(EntryFormDialogTest, AYouthLadyProAmFormOffersYouthOnlyAndSetsTheTeachersRole) {
    CDanceCategory& youth =
        AddCategory(db, kYouthLatin, "Youth Latin", {{kRumba, "Rumba"}}, {{kBronze, "Bronze"}},
                    {{kAdult, "Adult"}, {kJunior, "Junior"}, {kTeen, "Teen"}});
    youth.allowYouthProAm = true;
    youth.pcaAges[1].youth = 1;
    youth.pcaAges[1].rangeText = "12-15";
    youth.pcaAges[2].youth = 1;
    // Bob teaches; his record still says youth from an old data file.
    db.FindPerson(kBob)->youth = 1;

    CEntryManager manager(db);
    manager.NewForm(kYouthLatin, 'f');
    Form dialog(db, manager.form);
    EXPECT_EQ(dialog.title, "youth lady pro/am in Youth Latin");
    EXPECT_EQ(dialog.gentlemanLabel, "Gentleman teacher");
    EXPECT_EQ(dialog.ladyLabel, "Lady student");
    EXPECT_EQ(Lines(dialog.gentlemanBox.list), (std::vector<std::string>{"Ray, Bob"}));
    EXPECT_EQ(Lines(dialog.ladyBox.list), (std::vector<std::string>{"Sand, Lia"}));
    EXPECT_EQ(Lines(dialog.ages), (std::vector<std::string>{"Junior (12-15)", "Teen"}));
    EXPECT_FALSE(dialog.IsShown(Form::kCoachId));

    dialog.gentlemanBox.list.SetEditText("Ray, Bob");
    dialog.ladyBox.list.SetEditText("Sand, Lia");
    Select(dialog.dances, "Rumba");
    Select(dialog.levels, "Bronze");
    Select(dialog.ages, "Junior (12-15)");
    ui.ExpectDialog<Form>([&dialog](Form& shown) {
        EXPECT_EQ(&shown.form, &dialog.form);
        return *dialog.OnAction(Form::kActionExit);
    });
    EXPECT_EQ(manager.EditForms(), Form::kFormChanged);
    ASSERT_EQ(db.entryArray.size(), 1u);
    EXPECT_EQ(db.entryArray[0]->age, kJunior);
    // The teacher of a pro/am entry is a professional and no youth; the student keeps hers.
    EXPECT_EQ(db.FindPerson(kBob)->youth, 0);
    EXPECT_EQ(db.FindPerson(kLia)->youth, 1);
    EXPECT_EQ(db.FindPerson(kLia)->classLetter, 'A');
}

// Both dancers of a youth amateur couple stay youth: in the data file and in the next form.
TEST_F(EntryFormDialogTest, AYouthCoupleStaysYouthAfterItsFormIsSaved) {
    CDanceCategory& youth = AddCategory(db, kYouthLatin, "Youth Latin", {{kRumba, "Rumba"}},
                                        {{kBronze, "Bronze"}}, {{kJunior, "Junior"}});
    youth.allowYouthAmateur = true;
    youth.pcaAges[0].youth = 1;
    AddPersonRecord(db, 'M', 'A', 1, "Max", "Berg");
    const auto youthForm = [this](CEntryManager& manager) {
        manager.NewForm(kYouthLatin, 'a');
        return std::make_unique<Form>(db, manager.form);
    };

    CEntryManager manager(db);
    auto dialog = youthForm(manager);
    EXPECT_EQ(Lines(dialog->gentlemanBox.list), (std::vector<std::string>{"Berg, Max"}));
    EXPECT_EQ(Lines(dialog->ladyBox.list), (std::vector<std::string>{"Sand, Lia"}));
    dialog->gentlemanBox.list.SetEditText("Berg, Max");
    dialog->ladyBox.list.SetEditText("Sand, Lia");
    Select(dialog->dances, "Rumba");
    Select(dialog->levels, "Bronze");
    Select(dialog->ages, "Junior");
    ui.ExpectDialog<Form>([&dialog](Form&) { return *dialog->OnAction(Form::kActionExit); });
    EXPECT_EQ(manager.EditForms(), Form::kFormChanged);
    EXPECT_NE(FileText().find("PR|m2|A|Max|Berg|"), std::string::npos);
    EXPECT_NE(FileText().find("PR|f2|A|Lia|Sand|"), std::string::npos);

    CEntryManager next(db);
    auto again = youthForm(next);
    EXPECT_EQ(Lines(again->gentlemanBox.list), (std::vector<std::string>{"Berg, Max"}));
    EXPECT_EQ(Lines(again->ladyBox.list), (std::vector<std::string>{"Sand, Lia"}));
}

TEST_F(EntryFormDialogTest, LeavingAStoredFormUnchangedWritesNothingAndCancelAsksOnlyAfterAChange) {
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kChaCha, kRumba});
    std::filesystem::remove(db.dataFileName);

    CEntryManager manager(db);
    ASSERT_TRUE(manager.BuildEntryformFromProgramRecord(*db.entryArray[0]));
    ui.ExpectDialog<Form>([](Form& dialog) {
        EXPECT_EQ(dialog.gentlemanBox.list.EditText(), "Fox, Tom");
        EXPECT_EQ(dialog.dances.SelectedIndexes(), (std::vector<int>{0, 1}));
        return *dialog.OnAction(Form::kActionExit);
    });
    EXPECT_EQ(manager.EditForms(), Form::kFormUnchanged);
    EXPECT_FALSE(std::filesystem::exists(db.dataFileName));

    Form dialog(db, manager.form);
    // Another lady typed into the box, not yet checked, is a change too; typed back, it is none.
    const std::string ann = dialog.ladyBox.list.EditText();
    dialog.ladyBox.list.SetEditText("Hart, Kim");
    ui.ExpectQuestion("You have made changes. Are you sure you want to cancel?", false);
    EXPECT_FALSE(dialog.OnCancel());
    dialog.ladyBox.list.SetEditText(ann);
    EXPECT_TRUE(dialog.OnCancel());
    // Once a check has read the boxes the change is known, and Cancel asks.
    dialog.levels.SetCurSel(-1);
    Press(dialog, Form::kActionExit, "No level selected");
    ui.ExpectQuestion("You have made changes. Are you sure you want to cancel?", false);
    EXPECT_FALSE(dialog.OnCancel());
    ui.ExpectQuestion("You have made changes. Are you sure you want to cancel?", true);
    EXPECT_TRUE(dialog.OnCancel());
    EXPECT_EQ(manager.form.lady, kAnn);
    EXPECT_EQ(db.entryArray[0]->lady, kAnn);
}

TEST_F(EntryFormDialogTest, AShowcaseWithDancesShowsOtherDancersAndCannotBeSaved) {
    AddCategory(db, kShowcase, "Showcase", {{kRumba, "Rumba"}, {kJive, "Jive"}},
                {{kBronze, "Bronze"}}, {{kAdult, "Adult"}})
        .kind = 'S';
    CEntryManager manager(db);
    manager.NewForm(kShowcase, 'M');
    Form dialog(db, manager.form);
    EXPECT_EQ(dialog.gentlemanLabel, "Gentleman student");
    EXPECT_EQ(dialog.ladyLabel, "Lady teacher");
    EXPECT_EQ(dialog.dancersLabel, "Other dancers");
    EXPECT_FALSE(dialog.IsShown(Form::kDancesId));
    EXPECT_TRUE(dialog.IsShown(Form::kTextId));
    EXPECT_TRUE(dialog.IsShown(Form::kSameManId));
    EXPECT_EQ(dialog.ControlOfAltKey('D'), 0);
    EXPECT_EQ(dialog.placements.at(Form::kDancersLabelId), (CPixelRect{10, 95, 120, 14}));
    EXPECT_EQ(dialog.placements.at(Form::kDancersId), (CPixelRect{10, 110, 130, 180}));
    EXPECT_EQ(dialog.placements.at(Form::kDancerDownId), (CPixelRect{145, 165, 40, 20}));
    EXPECT_EQ(dialog.placements.at(Form::kTextId), (CPixelRect{5, 330, 175, 20}));
    EXPECT_EQ(dialog.placements.at(Form::kDancesLabelId), (CPixelRect{5, 315, 50, 13}));

    dialog.gentlemanBox.list.SetEditText("Fox, Tom");
    dialog.ladyBox.list.SetEditText("Moss, Eve");
    dialog.text = "Mambo";
    Select(dialog.levels, "Bronze");
    Select(dialog.ages, "Adult");
    Press(dialog, Form::kActionExit, "No dances selected");
    Press(dialog, Form::kActionNoPersons, "No dances selected");
}

TEST_F(EntryFormDialogTest, ATeamMatchListsItsDancersAndAsksForATeamName) {
    CDanceCategory& formation = AddCategory(db, kFormation, "Formation", {{kRumba, "Rumba"}},
                                            {{kBronze, "Bronze"}}, {{kAdult, "Adult"}});
    formation.kind = 'G';
    formation.style = 'T';
    CEntryManager manager(db);
    manager.NewForm(kFormation, 'G');
    Form dialog(db, manager.form);
    EXPECT_EQ(dialog.title, "Group entry in Formation");
    for (const int id : {Form::kGentlemanId, Form::kLadyId, Form::kHintId, Form::kCoachId,
                         Form::kSameDancesId, Form::kSameLadyId}) {
        EXPECT_FALSE(dialog.IsShown(id)) << id;
    }
    EXPECT_TRUE(dialog.IsShown(Form::kNoDataId));
    EXPECT_EQ(dialog.textLabel, "Team name");
    EXPECT_EQ(dialog.placements.at(Form::kDancesLabelId), (CPixelRect{250, 5, 80, 13}));
    EXPECT_EQ(dialog.placements.at(Form::kTextId), (CPixelRect{250, 25, 175, 20}));
    EXPECT_EQ(dialog.placements.at(Form::kDancersId), (CPixelRect{10, 15, 130, 150}));
    EXPECT_EQ(dialog.placements.at(Form::kDancesId), (CPixelRect{10, 185, 130, 160}));
    EXPECT_EQ(dialog.placements.at(Form::kDancerAddId), (CPixelRect{145, 15, 40, 20}));

    // Ann is chosen twice, Tom and Kim once: Ann is listed twice.
    const auto choose = [this](std::vector<int> persons) {
        ui.ExpectDialog<CListDialog>([persons](CListDialog& chooser) {
            EXPECT_EQ(chooser.title, "Select person");
            EXPECT_TRUE(chooser.IsMultiple());
            for (const int person : persons) {
                chooser.list.SetSel(chooser.list.FindItemData(person), true);
            }
            return chooser.OnOK();
        });
    };
    choose({kAnn, kTom});
    dialog.OnDancerAdd();
    choose({kAnn, kKim});
    dialog.OnDancerAdd();
    ui.ExpectDialog<CListDialog>([](CListDialog& chooser) { return chooser.OnCancel(); });
    dialog.OnDancerAdd();
    EXPECT_EQ(Lines(dialog.dancers),
              (std::vector<std::string>{"Ann Lee", "Tom Fox", "Ann Lee", "Kim Hart"}));

    PressDancerButton(dialog, &Form::OnDancerDelete, "No dancer selected");
    PressDancerButton(dialog, &Form::OnDancerUp, "No dancer selected");
    dialog.dancers.SetCurSel(0);
    PressDancerButton(dialog, &Form::OnDancerUp, "Can't move first dancer up");
    dialog.dancers.SetCurSel(3);
    PressDancerButton(dialog, &Form::OnDancerDown, "Can't move last item down");
    dialog.OnDancerUp();
    EXPECT_EQ(Lines(dialog.dancers),
              (std::vector<std::string>{"Ann Lee", "Tom Fox", "Kim Hart", "Ann Lee"}));
    EXPECT_EQ(dialog.dancers.GetCurSel(), 2);
    // Deleting the last line removes the first entry of that person.
    dialog.dancers.SetCurSel(3);
    dialog.OnDancerDelete();
    EXPECT_EQ(Lines(dialog.dancers), (std::vector<std::string>{"Tom Fox", "Kim Hart", "Ann Lee"}));

    Select(dialog.dances, "Rumba");
    Select(dialog.levels, "Bronze");
    Select(dialog.ages, "Adult");
    Press(dialog, Form::kActionExit, "No team name entered.");
    dialog.text = "Blue Stars";
    EXPECT_EQ(Press(dialog, Form::kActionExit), Form::Result(Form::kActionExit, true));
    EXPECT_EQ(manager.form.dancers, (std::vector<int32_t>{kTom, kKim, kAnn}));
    EXPECT_EQ(manager.form.text, "Blue Stars");
    EXPECT_EQ(manager.form.gentleman, -1);
    // A group names no couple: nobody's role changes.
    EXPECT_EQ(db.FindPerson(kTom)->classLetter, 'A');
}

}  // namespace
