#include <gtest/gtest.h>

#include "dialogs/ListDialog.h"
#include "entries/EntryManager.h"
#include "entries/EntryTestStore.h"
#include "support/ListLines.h"

namespace {

class FormsListTest : public EntryTest {
protected:
    void ExpectFormsList(std::function<int(CListDialog&)> play) {
        ui.ExpectDialog<CListDialog>(std::move(play));
    }
    static std::vector<std::string> Lines(const CListDialog& dialog) {
        return ::Lines(dialog.list);
    }
    // Selects the line that reads `text` and presses the button.
    static void Choose(CListDialog& dialog, const std::string& text) {
        const int line = dialog.list.FindStringExact(text);
        ASSERT_GE(line, 0) << text;
        dialog.list.SetCurSel(line);
    }
    CEntryRecord& AddOwnedEntry(int category, uint8_t dance, char type, int gentleman, int lady) {
        CEntryRecord& entry = AddEntry(db, category, dance, type, gentleman, lady);
        entry.owner = 1;
        entry.level = kBronze;
        entry.age = kAdult;
        return entry;
    }

    const std::string tomAndAnn = "Latin, Adult, Bronze, with Tom Fox and Ann Lee";
    const std::string bobAndAnn = "Latin, Adult, Bronze, with Bob Ray and Ann Lee";
};

TEST_F(FormsListTest, TheStudioOpensAndDeletesWholeFormsFromItsList) {
    SaveNewForm(kLatin, 'F', kBob, kAnn, kBronze, kAdult, {kChaCha, kRumba});
    SaveNewForm(kLatin, 'M', kTom, kEve, kSilver, kAdult, {kSamba});
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kJive});
    SaveNewForm(kSolo, 'G', -1, -1, kBronze, kAdult, {}, "Formation");

    // Group forms first, then by couple: a professional lady with an amateur leads the pair.
    ExpectFormsList([this](CListDialog& d) {
        EXPECT_EQ(d.title, "Select entry form");
        EXPECT_FALSE(d.IsMultiple());
        EXPECT_TRUE(d.ShowsExtraButton());
        EXPECT_EQ(d.ExtraButtonText(), "Delete");
        EXPECT_EQ(d.OKButtonText(), "Select");
        EXPECT_EQ(d.CancelButtonText(), "Exit");
        EXPECT_EQ(Lines(d), (std::vector<std::string>{
                                "Solo, Adult, Bronze", tomAndAnn,
                                "Latin, Adult, Silver, with Tom Fox and Eve Moss", bobAndAnn}));
        Choose(d, bobAndAnn);
        return d.OnExtra();
    });
    ui.ExpectQuestion("Are you sure you want to delete entry?\n\n" + bobAndAnn, true);
    ExpectFormsList([this](CListDialog& d) {
        EXPECT_EQ(d.list.GetCount(), 3);
        EXPECT_EQ(EntryLinesInFile(), 3);
        Choose(d, tomAndAnn);
        return d.OnOK();
    });
    ExpectForm([](CEntryForm& form) {
        EXPECT_EQ(form.gentleman, kTom);
        EXPECT_EQ(form.dances, std::vector<uint8_t>{kJive});
        form.dances = {kJive, kChaCha};
    });
    ExpectFormsList([this](CListDialog& d) {
        EXPECT_EQ(d.list.GetCount(), 3);
        Choose(d, tomAndAnn);
        return d.OnExtra();
    });
    ui.ExpectQuestion("Are you sure you want to delete entry?\n\n" + tomAndAnn, false);
    ExpectFormsList([](CListDialog& d) { return d.OnCancel(); });

    CEntryManager(db).FormsForStudioOrPerson('S', 1);
    EXPECT_EQ(db.entryArray.size(), 4u);
    EXPECT_EQ(EntryLinesInFile(), 4);
    // Both delete questions had No as their default: Enter deletes nothing.
    EXPECT_EQ(ui.defaultNoQuestions,
              (std::vector<std::string>{"Are you sure you want to delete entry?\n\n" + bobAndAnn,
                                        "Are you sure you want to delete entry?\n\n" + tomAndAnn}));
}

TEST_F(FormsListTest, APersonsListNamesOnlyThePartnersAndSelectWithoutALineLeaves) {
    SaveNewForm(kLatin, 'F', kBob, kAnn, kBronze, kAdult, {kChaCha});
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kJive});
    ExpectFormsList([](CListDialog& d) {
        EXPECT_EQ(Lines(d), (std::vector<std::string>{"Latin, Adult, Bronze, with Tom Fox",
                                                      "Latin, Adult, Bronze, with Bob Ray"}));
        d.list.SetCurSel(-1);
        return d.OnOK();
    });
    CEntryManager(db).FormsForStudioOrPerson('P', kAnn);

    // Kim has no forms: no list at all.
    CEntryManager(db).FormsForStudioOrPerson('P', kKim);
    expectedMessages = {"No entry forms found."};
}

TEST_F(FormsListTest, AFormOfAVanishedCategoryStaysListedAndDeletableButIsNotOpened) {
    AddOwnedEntry(99, kChaCha, 'A', kTom, kAnn);
    const std::string line = ", with Tom Fox and Ann Lee";
    ExpectFormsList([&](CListDialog& d) {
        EXPECT_EQ(Lines(d), std::vector<std::string>{line});
        return d.OnOK();
    });
    ExpectFormsList([&](CListDialog& d) {
        Choose(d, line);
        return d.OnExtra();
    });
    ui.ExpectQuestion("Are you sure you want to delete entry?\n\n" + line, true);
    ExpectFormsList([](CListDialog& d) {
        EXPECT_EQ(d.list.GetCount(), 0);
        return d.OnCancel();
    });
    CEntryManager(db).FormsForStudioOrPerson('S', 1);
    EXPECT_TRUE(db.entryArray.empty());
    EXPECT_EQ(EntryLinesInFile(), 0);

    // Nor is a new form of such a category opened or saved.
    CEntryManager manager(db);
    manager.NewForm(99, 'A');
    EXPECT_EQ(manager.EditForms(), 2);
    EXPECT_FALSE(manager.SaveEntryForm());
    EXPECT_TRUE(db.entryArray.empty());
}

TEST_F(FormsListTest, CouplesWronglySharingAFormCodeAreKeptApart) {
    AddOwnedEntry(kLatin, kChaCha, 'A', kTom, kAnn);
    AddOwnedEntry(kLatin, kRumba, 'A', kBob, kKim).formCode = 1;
    AddOwnedEntry(kLatin, kRumba, 'A', kTom, kAnn).formCode = 1;
    const std::string bobAndKim = "Latin, Adult, Bronze, with Bob Ray and Kim Hart";

    ExpectFormsList([&](CListDialog& d) {
        EXPECT_EQ(Lines(d), (std::vector<std::string>{tomAndAnn, bobAndKim}));
        Choose(d, tomAndAnn);
        return d.OnOK();
    });
    ExpectForm([](CEntryForm& form) {
        EXPECT_EQ(form.dances, (std::vector<uint8_t>{kChaCha, kRumba}));
        form.dances = {kSamba};
    });
    ExpectFormsList([&](CListDialog& d) {
        Choose(d, tomAndAnn);
        return d.OnExtra();
    });
    ui.ExpectQuestion("Are you sure you want to delete entry?\n\n" + tomAndAnn, true);
    ExpectFormsList([&](CListDialog& d) {
        EXPECT_EQ(Lines(d), std::vector<std::string>{bobAndKim});
        return d.OnCancel();
    });
    CEntryManager(db).FormsForStudioOrPerson('S', 1);
    ASSERT_EQ(db.entryArray.size(), 1u);
    EXPECT_EQ(db.entryArray[0]->gentleman, kBob);
    EXPECT_EQ(db.entryArray[0]->dance, kRumba);
}

TEST_F(FormsListTest, AFormWhosePersonIsGoneIsListedAndCanBeMendedAndSaved) {
    SaveNewForm(kLatin, 'A', kTom, kAnn, kBronze, kAdult, {kChaCha});
    db.entryArray[0]->gentleman = 42;  // no person has this number any more
    ExpectFormsList([](CListDialog& d) {
        EXPECT_EQ(Lines(d), std::vector<std::string>{"Latin, Adult, Bronze, with Ann Lee"});
        return d.OnOK();
    });
    ExpectForm([](CEntryForm& form) {
        EXPECT_EQ(form.gentleman, 42);
        form.gentleman = kTom;
    });
    ExpectFormsList([this](CListDialog& d) {
        EXPECT_EQ(Lines(d), std::vector<std::string>{tomAndAnn});
        return d.OnCancel();
    });
    CEntryManager(db).FormsForStudioOrPerson('S', 1);
    ASSERT_EQ(db.entryArray.size(), 1u);
    EXPECT_EQ(db.entryArray[0]->number, 1);
}

}  // namespace
