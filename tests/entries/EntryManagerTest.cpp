#include "entries/EntryManager.h"

#include <gtest/gtest.h>

#include "dialogs/ListDialog.h"
#include "entries/EntryTestStore.h"
#include "entries/FormsList.h"
#include "formats/DataFileReader.h"

namespace {

constexpr const char* kEveryDanceRefused =
    "Nothing was saved: every dance of this form was left out as a duplicate.\nChange the level, "
    "the age or the persons and save again, or cancel the form.";

class EntryManagerTest : public EntryTest {
protected:
    // (entry number, dance, level) of each stored entry, in store order.
    struct CStoredEntry {
        int number;
        int formCode;
        int dance;
        int level;
        bool operator==(const CStoredEntry&) const = default;
    };
    std::vector<CStoredEntry> Stored() const {
        std::vector<CStoredEntry> stored;
        for (const auto& e : db.entryArray) {
            stored.push_back({e->number, e->formCode, e->dance, e->level});
        }
        return stored;
    }
    // Tom Fox and Ann Lee, adult amateurs, in Bronze.
    void FillTomAndAnn(CEntryForm& form, std::vector<uint8_t> dances) {
        form.gentleman = kTom;
        form.lady = kAnn;
        form.level = kBronze;
        form.age = kAdult;
        form.dances = std::move(dances);
    }
};

TEST_F(EntryManagerTest, ANewFormIsSavedAsOneEntryPerDanceAndWrittenAtOnce) {
    CEntryManager manager(db);
    manager.NewForm(kLatin, 'A');
    EXPECT_EQ(manager.form.formCode, 1);
    EXPECT_EQ(manager.form.kind, 'C');
    EXPECT_EQ(manager.form.category, latin);
    EXPECT_EQ(manager.form.statusLetter, 'N');

    // Leaving the form without a change saves nothing.
    ExpectForm([](CEntryForm&) {}, CEntryFormDialog::kActionExit, false);
    EXPECT_EQ(manager.EditForms(), 2);
    EXPECT_TRUE(db.entryArray.empty());
    EXPECT_FALSE(std::filesystem::exists(db.dataFileName));

    ExpectForm([this](CEntryForm& form) {
        FillTomAndAnn(form, {kRumba, kChaCha});
        form.amount = 3500;
    });
    EXPECT_EQ(manager.EditForms(), 1);
    EXPECT_EQ(Stored(),
              (std::vector<CStoredEntry>{{1, 1, kRumba, kBronze}, {2, 1, kChaCha, kBronze}}));
    for (const auto& entry : db.entryArray) {
        EXPECT_EQ(entry->owner, 1);
        EXPECT_EQ(entry->type, 'A');
        EXPECT_EQ(entry->kind, 'C');
        EXPECT_EQ(entry->gentleman, kTom);
        EXPECT_EQ(entry->lady, kAnn);
        EXPECT_EQ(entry->style, 'S');
        EXPECT_EQ(entry->entryMark, 'L');
        EXPECT_EQ(entry->amount, 3500);
    }
    EXPECT_EQ(EntryLinesInFile(), 2);
}

TEST_F(EntryManagerTest, ChangedDancesUpdateTheKeptDanceAddTheNewAndRemoveTheDropped) {
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kChaCha, kRumba});
    SaveNewForm(kLatin, 'A', kTom, kKim, kBronze, kAdult, {kSamba});
    db.entryArray[1]->carriedNumber = 17;

    CEntryManager manager(db);
    ASSERT_TRUE(manager.BuildEntryformFromProgramRecord(*db.entryArray[1]));
    EXPECT_EQ(manager.form.dances, (std::vector<uint8_t>{kChaCha, kRumba}));
    EXPECT_EQ(manager.form.carriedNumber, 17);
    ExpectForm([](CEntryForm& form) { form.dances = {kRumba, kSamba}; });
    // Tom already dances the Samba with Kim.
    ui.ExpectQuestion("Duplicate gentleman in Latin, Adult, Bronze, Samba. Allow it?", true);
    EXPECT_EQ(manager.EditForms(), 1);
    EXPECT_EQ(Stored(),
              (std::vector<CStoredEntry>{
                  {2, 1, kRumba, kBronze}, {3, 2, kSamba, kBronze}, {4, 1, kSamba, kBronze}}));
    EXPECT_EQ(db.FindEntry(4)->carriedNumber, 17);
    EXPECT_EQ(EntryLinesInFile(), 3);

    // Three entries numbered up to 4: a new entry takes 5, never a number still in use.
    SaveNewForm(kLatin, 'P', kBob, kEve, kSilver, kAdult, {kJive});
    EXPECT_EQ(db.entryArray.back()->number, 5);
}

TEST_F(EntryManagerTest, ALevelChangeMakesNewEntriesWithQuestionsAndRemovesTheOldOnes) {
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kChaCha, kRumba});
    SaveNewForm(kLatin, 'A', kTom, kKim, kSilver, kAdult, {kRumba});

    CEntryManager manager(db);
    ASSERT_TRUE(manager.BuildEntryformFromProgramRecord(*db.entryArray[0]));
    ExpectForm([](CEntryForm& form) { form.level = kSilver; });
    // No drops only the Rumba; the Cha Cha is saved and both Bronze entries go, as the closing
    // says.
    ui.ExpectQuestion("Duplicate gentleman in Latin, Adult, Silver, Rumba. Allow it?", false);
    expectedMessages = {
        "1 of the form's 2 dances were saved. Left out as duplicates:\nLatin, "
        "Adult, Silver, Rumba"};
    manager.EditForms();
    EXPECT_EQ(
        ui.defaultNoQuestions,
        std::vector<std::string>{"Duplicate gentleman in Latin, Adult, Silver, Rumba. Allow it?"});
    EXPECT_EQ(Stored(),
              (std::vector<CStoredEntry>{{3, 2, kRumba, kSilver}, {4, 1, kChaCha, kSilver}}));
    EXPECT_EQ(EntryLinesInFile(), 2);
}

TEST_F(EntryManagerTest, ACoupleChangeUpdatesTheEntriesInPlaceWithoutAQuestion) {
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kChaCha, kRumba});
    SaveNewForm(kLatin, 'A', kBob, kKim, kBronze, kAdult, {kChaCha});

    CEntryManager manager(db);
    ASSERT_TRUE(manager.BuildEntryformFromProgramRecord(*db.entryArray[0]));
    // Kim now dances the Cha Cha twice; updated entries are not questioned.
    ExpectForm([](CEntryForm& form) { form.lady = kKim; });
    manager.EditForms();
    EXPECT_EQ(Stored(),
              (std::vector<CStoredEntry>{
                  {1, 1, kChaCha, kBronze}, {2, 1, kRumba, kBronze}, {3, 2, kChaCha, kBronze}}));
    EXPECT_EQ(db.entryArray[0]->lady, kKim);
    EXPECT_EQ(db.entryArray[1]->lady, kKim);
}

TEST_F(EntryManagerTest, SameDancesAfterASaveMakesNewEntriesOnTheNextSave) {
    CEntryManager manager(db);
    manager.NewForm(kLatin, 'A');
    ExpectForm(
        [this](CEntryForm& form) {
            FillTomAndAnn(form, {kChaCha, kRumba});
        },
        CEntryFormDialog::kActionSameDances);
    ExpectForm([](CEntryForm& form) {
        EXPECT_EQ(form.formCode, -1);
        EXPECT_EQ(form.level, 255);
        EXPECT_EQ(form.age, 255);
        EXPECT_EQ(form.gentleman, kTom);
        EXPECT_EQ(form.dances, (std::vector<uint8_t>{kChaCha, kRumba}));
        form.level = kSilver;
        form.age = kAdult;
    });
    EXPECT_EQ(manager.EditForms(), 1);
    EXPECT_EQ(Stored(), (std::vector<CStoredEntry>{{1, 1, kChaCha, kBronze},
                                                   {2, 1, kRumba, kBronze},
                                                   {3, 2, kChaCha, kSilver},
                                                   {4, 2, kRumba, kSilver}}));

    // Saving the same form again updates what it just saved.
    ASSERT_TRUE(manager.SaveEntryForm());
    EXPECT_EQ(db.entryArray.size(), 4u);
}

// Another age is another event; moving a form into an age where the couple already dances asks;
// the allowed duplicate and an entry with another coach stay forms of their own after a restart.
TEST_F(EntryManagerTest, AnAllowedDuplicateOutlivesARestartAndAgesAndCoachesKeepFormsApart) {
    constexpr uint8_t kSenior = 7;
    latin->pcaAges.push_back({kSenior, "Senior", "over 35", 0, 0});
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kChaCha, kRumba});
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kSenior, {kChaCha});  // no question
    db.FindEntry(2)->coach = kBob;  // the Rumba has a coach of its own

    ASSERT_EQ(db.entryArray.size(), 3u);
    CEntryManager manager(db);
    ASSERT_TRUE(manager.BuildEntryformFromProgramRecord(*db.FindEntry(3)));
    ExpectForm([](CEntryForm& form) { form.age = kAdult; });
    ui.ExpectQuestion("Duplicate couple in Latin, Adult, Bronze, Cha Cha. Allow it?", true);
    EXPECT_EQ(manager.EditForms(), 1);
    EXPECT_EQ(Stored(),
              (std::vector<CStoredEntry>{
                  {1, 1, kChaCha, kBronze}, {2, 3, kRumba, kBronze}, {4, 2, kChaCha, kBronze}}));

    CDatabase again{ui};
    AddEntryCategories(again);
    again.dataFileName = db.dataFileName;
    ASSERT_TRUE(ReadDataFile(again));
    const auto lines = ListEntryForms(again, 'S', 1);
    ASSERT_EQ(lines.size(), 3u);
    for (const auto& line : lines) {
        CEntryManager reopened(again);
        ASSERT_TRUE(reopened.BuildEntryformFromProgramRecord(*again.FindEntry(line.entryNumber)));
        EXPECT_EQ(reopened.form.dances.size(), 1u) << line.text;
        ASSERT_TRUE(reopened.SaveEntryForm());
    }
    EXPECT_EQ(again.entryArray.size(), 3u);
    EXPECT_EQ(EntryLinesInFile(), 3);
}

TEST_F(EntryManagerTest, LadyAndGentlemanProAmShareAnEventOnlyWhenTheCategoryRunsThemTogether) {
    SaveNewForm(kLatin, 'F', kBob, kAnn, kBronze, kAdult, {kChaCha});
    // Ann as the lady of a gentleman pro/am entry: another event while they run apart.
    SaveNewForm(kLatin, 'M', kTom, kAnn, kBronze, kAdult, {kChaCha});

    latin->proAmTogether = 'V';
    // One question per stored entry met; No drops the new entry.
    ui.ExpectQuestion("Duplicate lady in Latin, Adult, Bronze, Cha Cha. Allow it?", true)
        .ExpectQuestion("Duplicate couple in Latin, Adult, Bronze, Cha Cha. Allow it?", true);
    SaveNewForm(kLatin, 'M', kTom, kAnn, kBronze, kAdult, {kChaCha});
    ui.ExpectQuestion("Duplicate lady in Latin, Adult, Bronze, Cha Cha. Allow it?", true)
        .ExpectQuestion("Duplicate couple in Latin, Adult, Bronze, Cha Cha. Allow it?", false);
    CEntryManager refused(db);
    refused.NewForm(kLatin, 'M');
    refused.form.gentleman = kTom;
    refused.form.lady = kAnn;
    refused.form.level = kBronze;
    refused.form.age = kAdult;
    refused.form.dances = {kChaCha};
    EXPECT_FALSE(refused.SaveEntryForm());
    EXPECT_TRUE(refused.LastSaveRefusedEveryDance());
    EXPECT_EQ(db.entryArray.size(), 3u);
    expectedMessages = {kEveryDanceRefused};
}

TEST_F(EntryManagerTest, ProficiencyLevelsStarredAgesAndOtherTypesAreNeverQuestioned) {
    SaveNewForm(kLatin, 'A', kTom, kAnn, kProficiency, kAdult, {kChaCha});
    SaveNewForm(kLatin, 'A', kTom, kAnn, kProficiency, kAdult, {kChaCha});
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kOpenAge, {kChaCha});
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kOpenAge, {kChaCha});
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kChaCha});
    SaveNewForm(kLatin, 'P', kTom, kAnn, kBronze, kAdult, {kChaCha});
    latin->style = 'N';
    latin->styleNumber = 1;
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kChaCha});
    EXPECT_EQ(db.entryArray.size(), 7u);
    EXPECT_EQ(db.entryArray[0]->style, 'P');
    EXPECT_EQ(db.entryArray[2]->style, 'P');
    EXPECT_EQ(db.entryArray[4]->style, 'S');
}

TEST_F(EntryManagerTest, ACategoryWithoutDancesMakesOneEntryWithTheTypedText) {
    CEntryManager manager(db);
    manager.NewForm(kSolo, 'A');
    ExpectForm([](CEntryForm& form) {
        form.gentleman = kTom;
        form.lady = kAnn;
        form.level = kBronze;
        form.age = kAdult;
        form.text = "Fire and Ice";
    });
    manager.EditForms();
    ASSERT_EQ(db.entryArray.size(), 1u);
    EXPECT_EQ(db.entryArray[0]->dance, 0);
    EXPECT_EQ(db.entryArray[0]->teamName, "Fire and Ice");
    EXPECT_EQ(db.entryArray[0]->style, 'Q');

    ASSERT_TRUE(manager.BuildEntryformFromProgramRecord(*db.entryArray[0]));
    ExpectForm([](CEntryForm& form) { form.text = "Frost"; });
    manager.EditForms();
    ASSERT_EQ(db.entryArray.size(), 1u);
    EXPECT_EQ(db.entryArray[0]->number, 1);
    EXPECT_EQ(db.entryArray[0]->teamName, "Frost");
}

TEST_F(EntryManagerTest, NewFormButtonsCarryOverTheChosenPersonsAndCancelEndsTheRun) {
    CEntryManager manager(db);
    manager.NewForm(kLatin, 'F');
    ExpectForm(
        [](CEntryForm& form) {
            form.gentleman = kBob;
            form.lady = kAnn;
            form.level = kBronze;
            form.age = kAdult;
            form.dances = {kChaCha};
            form.carriedLetter = 'x';
        },
        CEntryFormDialog::kActionSameCouple);
    ExpectTypeDialog([](CEntryTypeDialog& d) {
        EXPECT_TRUE(d.hidePersons);
        EXPECT_EQ(d.mode, CEntryTypeDialog::kTypeFixed);
        EXPECT_EQ(d.entryType, 'F');
        d.categoryCode = kSolo;
        return IDOK;
    });
    ExpectForm(
        [](CEntryForm& form) {
            EXPECT_EQ(form.formCode, -1);
            EXPECT_EQ(form.category->code, kSolo);
            EXPECT_EQ(form.entryType, 'F');
            EXPECT_EQ(form.gentleman, kBob);
            EXPECT_EQ(form.lady, kAnn);
            EXPECT_EQ(form.carriedLetter, 'x');
            EXPECT_TRUE(form.dances.empty());
            EXPECT_EQ(form.level, 255);
            form.level = kBronze;
            form.age = kAdult;
            form.text = "Tango fantasy";
        },
        CEntryFormDialog::kActionSameMan);
    // Bob stays the professional gentleman: F, f and P are offered.
    ExpectTypeDialog([](CEntryTypeDialog& d) {
        EXPECT_EQ(d.mode, CEntryTypeDialog::kProfessionalGentleman);
        EXPECT_TRUE(d.IsTypeEnabled('P'));
        EXPECT_FALSE(d.IsTypeEnabled('M'));
        EXPECT_EQ(d.entryType, 0);
        d.entryType = 'P';
        d.categoryCode = kLatin;
        return IDOK;
    });
    ExpectForm(
        [](CEntryForm& form) {
            EXPECT_EQ(form.entryType, 'P');
            EXPECT_EQ(form.gentleman, kBob);
            EXPECT_EQ(form.lady, -1);
            EXPECT_EQ(form.carriedLetter, 0);
            form.lady = kEve;
            form.level = kSilver;
            form.age = kAdult;
            form.dances = {kSamba};
        },
        CEntryFormDialog::kActionSameLady);
    // Eve stays the professional lady: M, m and P.
    ExpectTypeDialog([](CEntryTypeDialog& d) {
        EXPECT_EQ(d.mode, CEntryTypeDialog::kProfessionalLady);
        d.entryType = 'M';
        d.categoryCode = kLatin;
        return IDOK;
    });
    ExpectForm(
        [](CEntryForm& form) {
            EXPECT_EQ(form.gentleman, -1);
            EXPECT_EQ(form.lady, kEve);
            EXPECT_EQ(form.entryType, 'M');
        },
        CEntryFormDialog::kActionNoPersons, false);
    ExpectTypeDialog([](CEntryTypeDialog& d) {
        EXPECT_EQ(d.mode, CEntryTypeDialog::kFreeChoice);
        EXPECT_EQ(d.entryType, 'F');
        d.entryType = 'A';
        d.categoryCode = kLatin;
        return IDOK;
    });
    ExpectForm(
        [](CEntryForm& form) {
            EXPECT_EQ(form.gentleman, -1);
            EXPECT_EQ(form.lady, -1);
            EXPECT_EQ(form.entryType, 'A');
        },
        CEntryFormDialog::kActionNoData, false);
    ExpectTypeDialog([](CEntryTypeDialog&) { return IDCANCEL; });
    EXPECT_EQ(manager.EditForms(), 2);

    ASSERT_EQ(db.entryArray.size(), 3u);
    EXPECT_EQ(db.entryArray[1]->teamName, "Tango fantasy");
    EXPECT_EQ(db.entryArray[2]->type, 'P');
    EXPECT_EQ(db.entryArray[2]->lady, kEve);
    EXPECT_EQ(db.NextFormCode(), 4);
}

// Two teams of one studio in one event are two entries, not a duplicate couple: neither has a
// gentleman or a lady, and the file gets both.
TEST_F(EntryManagerTest, TwoTeamsInOneEventAreSavedWithoutADuplicateQuestion) {
    SaveNewForm(kSolo, 'G', -1, -1, kBronze, kAdult, {}, "Stars");
    SaveNewForm(kSolo, 'G', -1, -1, kBronze, kAdult, {}, "Comets");
    ASSERT_EQ(db.entryArray.size(), 2u);
    EXPECT_EQ(db.entryArray[0]->teamName, "Stars");
    EXPECT_EQ(db.entryArray[1]->teamName, "Comets");
    EXPECT_NE(db.entryArray[0]->formCode, db.entryArray[1]->formCode);
    EXPECT_EQ(EntryLinesInFile(), 2);
}

// The same couple's Cha Cha entered three times, each duplicate allowed: three forms of their
// own, each listed, and deleting one deletes that one alone.
TEST_F(EntryManagerTest, ThreeAllowedDuplicatesOfOneDanceAreThreeFormsEachDeletedAlone) {
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kChaCha});
    ui.ExpectQuestion("Duplicate couple in Latin, Adult, Bronze, Cha Cha. Allow it?", true);
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kChaCha});
    ui.ExpectQuestion("Duplicate couple in Latin, Adult, Bronze, Cha Cha. Allow it?", true)
        .ExpectQuestion("Duplicate couple in Latin, Adult, Bronze, Cha Cha. Allow it?", true);
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kChaCha});
    ASSERT_EQ(db.entryArray.size(), 3u);
    EXPECT_NE(db.entryArray[0]->formCode, db.entryArray[1]->formCode);
    EXPECT_NE(db.entryArray[1]->formCode, db.entryArray[2]->formCode);
    EXPECT_NE(db.entryArray[0]->formCode, db.entryArray[2]->formCode);

    const std::string tomAndAnn = "Latin, Adult, Bronze, with Tom Fox and Ann Lee";
    ui.ExpectDialog<CListDialog>([&](CListDialog& d) {
        EXPECT_EQ(d.list.GetCount(), 3);
        for (int line = 0; line < d.list.GetCount(); ++line) {
            EXPECT_EQ(d.list.GetText(line), tomAndAnn);
        }
        d.list.SetCurSel(1);
        return d.OnExtra();
    });
    ui.ExpectQuestion("Are you sure you want to delete entry?\n\n" + tomAndAnn, true);
    ui.ExpectDialog<CListDialog>([&](CListDialog& d) {
        EXPECT_EQ(d.list.GetCount(), 2);
        return d.OnCancel();
    });
    CEntryManager(db).FormsForStudioOrPerson('S', 1);
    EXPECT_EQ(db.entryArray.size(), 2u);
    EXPECT_EQ(EntryLinesInFile(), 2);
}

// A follow-up form for the same man, the same lady or no persons leaves the coach behind with
// the partner; only the same couple keeps him.
TEST_F(EntryManagerTest, AFollowUpFormWithoutTheCoupleStartsWithoutThePreviousCoach) {
    const std::pair<int, uint8_t> followUps[] = {{CEntryFormDialog::kActionSameMan, kChaCha},
                                                 {CEntryFormDialog::kActionSameLady, kRumba},
                                                 {CEntryFormDialog::kActionNoPersons, kSamba}};
    for (const auto& [action, dance] : followUps) {
        CEntryManager manager(db);
        manager.NewForm(kLatin, 'A');
        ExpectForm(
            [dance](CEntryForm& form) {
                form.gentleman = kTom;
                form.lady = kAnn;
                form.coach = kBob;
                form.level = kBronze;
                form.age = kAdult;
                form.dances = {dance};
            },
            action);
        ExpectTypeDialog([](CEntryTypeDialog& d) {
            d.entryType = 'A';
            d.categoryCode = kLatin;
            return IDOK;
        });
        ExpectForm(
            [action](CEntryForm& form) {
                EXPECT_EQ(form.coach, -1) << action;
                EXPECT_EQ(form.gentleman, action == CEntryFormDialog::kActionSameMan ? kTom : -1)
                    << action;
                EXPECT_EQ(form.lady, action == CEntryFormDialog::kActionSameLady ? kAnn : -1)
                    << action;
            },
            CEntryFormDialog::kActionExit, false);
        manager.EditForms();
        EXPECT_EQ(db.entryArray.back()->coach, kBob) << "the first form keeps its coach";
    }
    EXPECT_EQ(db.entryArray.size(), 3u);
}

}  // namespace

namespace {

// Answering No to every duplicate question of a form keeps the form open with all that was
// typed, stores nothing and says so; a form that keeps some dances names those left out.
TEST_F(EntryManagerTest, AFormWhoseDancesAreAllRefusedStaysOpenAndAPartOneSaysWhatWasLeftOut) {
    SaveNewForm(kLatin, 'A', kTom, kKim, kBronze, kAdult, {kRumba, kChaCha});
    ui.messages.clear();

    CEntryManager manager(db);
    manager.NewForm(kLatin, 'A');
    ExpectForm([this](CEntryForm& form) { FillTomAndAnn(form, {kRumba, kChaCha}); });
    ui.ExpectQuestion("Duplicate gentleman in Latin, Adult, Bronze, Rumba. Allow it?", false)
        .ExpectQuestion("Duplicate gentleman in Latin, Adult, Bronze, Cha Cha. Allow it?", false);
    // The same form comes back as typed, marked unsaved; the user moves it to Silver.
    bool keptAsTyped = false;
    bool markedUnsaved = false;
    ui.ExpectDialog<CEntryFormDialog>([&](CEntryFormDialog& dialog) {
        keptAsTyped = dialog.form.gentleman == kTom && dialog.form.lady == kAnn &&
                      dialog.form.level == kBronze &&
                      dialog.form.dances == std::vector<uint8_t>{kRumba, kChaCha};
        markedUnsaved = dialog.IsChanged();
        dialog.form.level = kSilver;
        return CEntryFormDialog::Result(CEntryFormDialog::kActionExit, true);
    });
    EXPECT_EQ(manager.EditForms(), 1);
    EXPECT_TRUE(keptAsTyped);
    EXPECT_TRUE(markedUnsaved);
    EXPECT_EQ(ui.messages, CStringList{kEveryDanceRefused});
    EXPECT_EQ(Stored(), (std::vector<CStoredEntry>{{1, 1, kRumba, kBronze},
                                                   {2, 1, kChaCha, kBronze},
                                                   {3, 2, kRumba, kSilver},
                                                   {4, 2, kChaCha, kSilver}}));
    EXPECT_EQ(EntryLinesInFile(), 4);

    // Tom with Eve in Bronze: the Rumba is refused, the Samba kept, and the closing says so.
    ui.messages.clear();
    CEntryManager next(db);
    next.NewForm(kLatin, 'A');
    ExpectForm([this](CEntryForm& form) {
        FillTomAndAnn(form, {kRumba, kSamba});
        form.lady = kEve;
    });
    ui.ExpectQuestion("Duplicate gentleman in Latin, Adult, Bronze, Rumba. Allow it?", false);
    EXPECT_EQ(next.EditForms(), 1);
    expectedMessages = {
        "1 of the form's 2 dances were saved. Left out as duplicates:\nLatin, "
        "Adult, Bronze, Rumba"};
    ASSERT_EQ(db.entryArray.size(), 5u);
    EXPECT_EQ(db.entryArray.back()->dance, kSamba);
    EXPECT_EQ(db.entryArray.back()->lady, kEve);
}

// An edited form whose every new dance is refused keeps the entries it had.
TEST_F(EntryManagerTest, AnEditedFormWhoseNewDancesAreAllRefusedKeepsItsEntries) {
    SaveNewForm(kLatin, 'A', kTom, kKim, kSilver, kAdult, {kRumba});
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kRumba});
    CEntryManager manager(db);
    ASSERT_TRUE(manager.BuildEntryformFromProgramRecord(*db.entryArray[1]));
    ExpectForm([](CEntryForm& form) { form.level = kSilver; });
    ui.ExpectQuestion("Duplicate gentleman in Latin, Adult, Silver, Rumba. Allow it?", false);
    // Cancelled when it comes back: the Bronze entry is still there, in the file too.
    ui.ExpectDialog<CEntryFormDialog>([](CEntryFormDialog&) {
        return CEntryFormDialog::Result(CEntryFormDialog::kActionExit, false);
    });
    manager.EditForms();
    EXPECT_EQ(Stored(),
              (std::vector<CStoredEntry>{{1, 1, kRumba, kSilver}, {2, 2, kRumba, kBronze}}));
    EXPECT_EQ(EntryLinesInFile(), 2);
    expectedMessages = {kEveryDanceRefused};
}

}  // namespace
