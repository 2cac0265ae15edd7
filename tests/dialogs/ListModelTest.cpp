#include "dialogs/ListModel.h"

#include <gtest/gtest.h>

#include "support/ScriptedUi.h"

namespace {

CListModel Persons(bool multiple) {
    CListModel list(multiple);
    list.AddString("Lee, Ann", 12);
    list.AddString("Ray, Bob", 7);
    list.AddString("Ruiz, Carmen", 31);
    list.AddString("Wong, Dan", 4);
    return list;
}

TEST(ListSelection, NothingSelectedShowsTheMessage) {
    CScriptedUi ui;
    CListModel list = Persons(false);
    EXPECT_EQ(ListSelection(ui, list, "No person selected"), -1);
    EXPECT_EQ(ListSelectionData(ui, list, "No person selected"), -1);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"No person selected", "No person selected"}));
    list.SetCurSel(2);
    EXPECT_EQ(ListSelection(ui, list, "No person selected"), 2);
    EXPECT_EQ(ListSelectionData(ui, list, "No person selected"), 31);
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST(ComboDataOfText, NeedsTheExactText) {
    CListModel combo = Persons(false);
    combo.SetEditText("Ray, Bob");
    EXPECT_EQ(ComboDataOfText(combo), 7);
    combo.SetEditText("ray, bob");
    EXPECT_EQ(ComboDataOfText(combo), -1);
    combo.SetEditText("Ray");
    EXPECT_EQ(ComboDataOfText(combo), -1);
}

TEST(ExtendSelectionRange, FillsTheGapBetweenFirstAndLastSelection) {
    CListModel list = Persons(true);
    ExtendSelectionRange(list);
    EXPECT_TRUE(list.SelectedIndexes().empty());
    list.SetSel(0, true);
    list.SetSel(2, true);
    ExtendSelectionRange(list);
    EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{0, 1, 2}));
    SelectClickedItem(list, 3);
    EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{0, 1, 2, 3}));
    SelectClickedItem(list, 9);  // below the last line: nothing changes
    EXPECT_EQ(list.SelectedIndexes().size(), 4u);
    CListModel empty(true);
    ExtendSelectionRange(empty);
    EXPECT_EQ(empty.GetCount(), 0);
}

TEST(CListModel, DeletingALineOutOfRangeChangesNothing) {
    CListModel list = Persons(false);
    list.DeleteString(7);
    list.DeleteString(-1);
    EXPECT_EQ(list.GetCount(), 4);
    list.DeleteString(0);
    EXPECT_EQ(list.GetText(0), "Ray, Bob");
}

}  // namespace
