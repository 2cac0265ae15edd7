#pragma once
// The entry tests' studio: the small competition with a studio of five persons.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/Database.h"
#include "entries/EntryFormDialog.h"
#include "entries/EntryManager.h"
#include "entries/EntryTypeDialog.h"
#include "support/EntryCompetition.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

// Persons by number.
constexpr int kBob = 1;  // Bob Ray, professional gentleman
constexpr int kAnn = 2;  // Ann Lee, amateur lady
constexpr int kTom = 3;  // Tom Fox, amateur gentleman
constexpr int kEve = 4;  // Eve Moss, professional lady
constexpr int kKim = 5;  // Kim Hart, amateur lady

class EntryTest : public ::testing::Test {
protected:
    EntryTest();
    // Every message the user saw must have been expected.
    void TearDown() override { EXPECT_EQ(ui.messages, expectedMessages); }

    // The user fills in the entry form and ends with `action`; `edit` plays the user.
    void ExpectForm(std::function<void(CEntryForm&)> edit,
                    int action = CEntryFormDialog::kActionExit, bool changed = true);
    void ExpectTypeDialog(std::function<int(CEntryTypeDialog&)> play);

    // Saves a new form as the user would: chosen, filled in, saved with no question expected.
    void SaveNewForm(int category, char type, int gentleman, int lady, uint8_t level, uint8_t age,
                     std::vector<uint8_t> dances, const std::string& text = "");
    std::string FileText() const { return ReadFileBytes(db.dataFileName); }
    // The number of "EN" lines in the written data file.
    int EntryLinesInFile() const;

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
    CDanceCategory* latin = nullptr;
    CDanceCategory* solo = nullptr;
    std::vector<std::string> expectedMessages;
};
