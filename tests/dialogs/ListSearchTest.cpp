#include "dialogs/ListSearch.h"

#include <gtest/gtest.h>

#include "dialogs/ListModel.h"
#include "dialogs/TextDialog.h"
#include "support/ScriptedUi.h"

namespace {

class ListSearch : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Adams, Ann", "Smith, Bob", "Goldsmith, Eve"}) {
            list.AddString(name);
        }
        list.SetCurSel(0);
    }

    // The user types `text` into "Search for:" and presses OK.
    void UserTypes(const std::string& text) {
        ui.ExpectDialog<CTextDialog>(std::function<int(CTextDialog&)>([text](CTextDialog& d) {
            EXPECT_EQ(d.caption, "Search for:");
            EXPECT_EQ(d.maxLength, 60);
            EXPECT_EQ(d.text, "");
            d.SetText(text);
            return IDOK;
        }));
    }

    CScriptedUi ui;
    CListModel list;
};

}  // namespace

TEST_F(ListSearch, FindsEachLaterMatchAndReportsTheEndWithoutWrapping) {
    UserTypes("smith");
    EXPECT_EQ(SearchList(ui, list, list.GetCurSel()), 1);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(ui.lastSearchText, "SMITH");

    EXPECT_EQ(SearchListAgain(ui, list, list.GetCurSel()), 2);
    EXPECT_EQ(list.GetCurSel(), 2);

    EXPECT_EQ(SearchListAgain(ui, list, list.GetCurSel()), -1);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Not found:SMITH"}));
    EXPECT_EQ(list.GetCurSel(), 2);
}

TEST_F(ListSearch, LastLineSelectedAlwaysReportsNotFound) {
    ui.lastSearchText = "A";
    list.SetCurSel(2);
    EXPECT_EQ(SearchListAgain(ui, list, 2), -1);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Not found:A"}));
}

TEST_F(ListSearch, AgainBeforeAnySearchSelectsTheNextLine) {
    EXPECT_EQ(SearchListAgain(ui, list, 0), 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ListSearch, WithoutSelectionStartsAtTheFirstLine) {
    list.SetCurSel(-1);
    ui.lastSearchText = "ADAMS";
    EXPECT_EQ(FindNextInList(ui, list, -1), 0);
}

TEST_F(ListSearch, EmptyAnswerSaysNoSearchWordsAndKeepsTheLastText) {
    ui.lastSearchText = "EVE";
    UserTypes("");
    EXPECT_EQ(SearchList(ui, list, 0), -1);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"No search words"}));
    EXPECT_EQ(ui.lastSearchText, "EVE");
    EXPECT_EQ(list.GetCurSel(), 0);
}

TEST_F(ListSearch, CancelDoesNothing) {
    ui.lastSearchText = "EVE";
    ui.ExpectDialog(CTextDialog::kResourceId, [](CDialogModel&) { return IDCANCEL; });
    EXPECT_EQ(SearchList(ui, list, 0), -1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.lastSearchText, "EVE");
}

TEST_F(ListSearch, MultipleSelectionKeepsEarlierChoices) {
    CListModel dancers(true);
    for (const char* name : {"Adams, Ann", "Smith, Bob", "Goldsmith, Eve"}) {
        dancers.AddString(name);
    }
    dancers.SetSel(0, true);
    ui.lastSearchText = "EVE";
    EXPECT_EQ(FindNextInList(ui, dancers, 0), 2);
    EXPECT_EQ(dancers.SelectedIndexes(), (std::vector<int>{0, 2}));
}

TEST_F(ListSearch, AccentedLettersMatchTheirCapitals) {
    list.AddString("\xC9lise M\xDCLLER");  // Élise MÜLLER
    UserTypes("\xE9lise m\xFC");
    EXPECT_EQ(SearchList(ui, list, list.GetCurSel()), 3);
    EXPECT_TRUE(ui.messages.empty());
}

// The list's lines hold small accented letters; the search finds them typed with or without
// their accents, in either case, and says "Not found:" with the text as typed in capitals.
TEST_F(ListSearch, AccentedNamesAreFoundWithOrWithoutTheirAccents) {
    list.AddString("Dubois, Ren\xE9");  // Dubois, René
    list.AddString("CASTANO, PILAR");
    list.AddString("Casta\xF1o, Ana");  // Castaño, Ana
    UserTypes("Ren\xE9");
    EXPECT_EQ(SearchList(ui, list, list.GetCurSel()), 3);
    EXPECT_EQ(ui.lastSearchText, "REN\xC9");
    list.SetCurSel(0);
    UserTypes("rene");
    EXPECT_EQ(SearchList(ui, list, list.GetCurSel()), 3);
    UserTypes("casta\xF1o");
    EXPECT_EQ(SearchList(ui, list, list.GetCurSel()), 4);
    UserTypes("Castano");
    EXPECT_EQ(SearchList(ui, list, list.GetCurSel()), 5);
    EXPECT_EQ(SearchListAgain(ui, list, list.GetCurSel()), -1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Not found:CASTANO"});
}
