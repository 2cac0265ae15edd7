#include "dialogs/ListDialog.h"

#include <gtest/gtest.h>

#include "support/ScriptedUi.h"

namespace {

CListDialog SinglePicker(int initialKey = -1) {
    CListDialog dialog("Select", 'N', 'N', initialKey, 0, "", "", "");
    dialog.AddItem(10, "Spring Open");
    dialog.AddItem(20, "Summer Classic");
    dialog.AddItem(30, "Autumn Ball");
    return dialog;
}

CListDialog DancerChooser(char sortLetter = 'N') {
    CListDialog dialog("Select person", 'M', sortLetter, -1, 0, "", "", "");
    dialog.AddItem(5, "Smith, Bob");
    dialog.AddItem(2, "adams, Ann");
    dialog.AddItem(9, "Miller, Eve");
    dialog.AddItem(7, "Baker, Tom");
    return dialog;
}

using Dialog = std::function<int(CListDialog&)>;

}  // namespace

TEST(ListDialog, SingleModeOpensOnTheInitialKeyAndOKReturnsTheChosenKey) {
    CScriptedUi ui;
    auto dialog = SinglePicker(20);
    ui.ExpectDialog<CListDialog>(Dialog([](CListDialog& d) {
        EXPECT_EQ(d.list.GetCurSel(), 1);
        d.list.SetCurSel(2);
        return d.OnOK();
    }));
    EXPECT_EQ(dialog.Run(ui), 30);
    EXPECT_EQ(dialog.resultKey, 30);
}

TEST(ListDialog, SingleModeWithUnknownInitialKeySelectsTheFirstLine) {
    CScriptedUi ui;
    auto dialog = SinglePicker(99);
    ui.ExpectDialog<CListDialog>(Dialog([](CListDialog& d) { return d.OnOK(); }));
    EXPECT_EQ(dialog.Run(ui), 10);
}

TEST(ListDialog, SingleModeOKWithoutSelectionIsTheSameAsCancel) {
    CScriptedUi ui;
    auto dialog = SinglePicker();
    ui.ExpectDialog<CListDialog>(Dialog([](CListDialog& d) {
        d.list.SetCurSel(-1);
        return d.OnOK();
    }));
    ui.ExpectDialog<CListDialog>(Dialog([](CListDialog& d) { return d.OnCancel(); }));
    EXPECT_EQ(dialog.Run(ui), -1);
    EXPECT_EQ(dialog.Run(ui), -1);

    CListDialog empty("Select", 'N', 'N', -1, 0, "", "", "");
    ui.ExpectDialog<CListDialog>(Dialog([](CListDialog& d) { return d.OnOK(); }));
    EXPECT_EQ(empty.Run(ui), -1);
}

TEST(ListDialog, DoubleClickChoosesInSingleModeOnly) {
    auto single = SinglePicker();
    single.Open();
    EXPECT_EQ(single.OnDoubleClick(2), 30);

    auto multiple = DancerChooser();
    multiple.Open();
    EXPECT_EQ(multiple.OnDoubleClick(1), std::nullopt);
}

TEST(ListDialog, ExtraButtonReportsTheSelectedKey) {
    CScriptedUi ui;
    CListDialog forms("Select entry form", 'N', 'N', -1, 1, "Delete", "Select", "Exit");
    forms.AddItem(4, "Waltz");
    forms.AddItem(8, "Tango");
    EXPECT_EQ(forms.ExtraButtonText(), "Delete");
    EXPECT_EQ(forms.OKButtonText(), "Select");
    EXPECT_EQ(forms.CancelButtonText(), "Exit");
    EXPECT_TRUE(forms.ShowsExtraButton());
    EXPECT_FALSE(forms.ShowsAllAndNone());
    ui.ExpectDialog<CListDialog>(Dialog([](CListDialog& d) {
        d.list.SetCurSel(1);
        return d.OnExtra();
    }));
    EXPECT_EQ(forms.Run(ui), CListDialog::kExtraResult);
    EXPECT_EQ(forms.resultKey, 8);

    ui.ExpectDialog<CListDialog>(Dialog([](CListDialog& d) {
        d.list.SetCurSel(-1);
        return d.OnExtra();
    }));
    EXPECT_EQ(forms.Run(ui), CListDialog::kExtraResult);
    EXPECT_EQ(forms.resultKey, -1);
}

TEST(ListDialog, EmptyTextsKeepTheButtonsOwnTexts) {
    auto dialog = DancerChooser();
    EXPECT_EQ(dialog.ExtraButtonText(), "New");
    EXPECT_EQ(dialog.OKButtonText(), "OK/Select");
    EXPECT_EQ(dialog.CancelButtonText(), "Cancel");
    EXPECT_FALSE(dialog.ShowsExtraButton());
    EXPECT_TRUE(dialog.ShowsAllAndNone());
}

TEST(ListDialog, MultipleModeReturnsTheSelectedKeysInListOrder) {
    CScriptedUi ui;
    auto dialog = DancerChooser();
    std::vector<int> chosen{42};
    ui.ExpectDialog<CListDialog>(Dialog([](CListDialog& d) {
        EXPECT_TRUE(d.list.SelectedIndexes().empty());
        d.list.SetSel(3, true);
        d.list.SetSel(0, true);
        return d.OnOK();
    }));
    EXPECT_EQ(dialog.Run(ui, &chosen), 1);
    EXPECT_EQ(chosen, (std::vector<int>{5, 7}));
}

TEST(ListDialog, MultipleModeCancelAfterSelectingEmptiesTheCallersKeys) {
    CScriptedUi ui;
    auto dialog = DancerChooser();
    std::vector<int> chosen{5, 7};
    ui.ExpectDialog<CListDialog>(Dialog([](CListDialog& d) {
        d.OnAll();
        return d.OnCancel();
    }));
    EXPECT_EQ(dialog.Run(ui, &chosen), 2);
    EXPECT_TRUE(chosen.empty());
}

TEST(ListDialog, AllAndNoneSelectAndDeselectEveryLine) {
    auto dialog = DancerChooser();
    dialog.Open();
    dialog.OnAll();
    EXPECT_EQ(dialog.list.SelectedIndexes().size(), 4u);
    dialog.OnNone();
    EXPECT_TRUE(dialog.list.SelectedIndexes().empty());
}

TEST(ListDialog, ShiftClickSelectsTheWholeRangeInMultipleModeOnly) {
    auto dialog = DancerChooser();
    dialog.Open();
    dialog.list.SetSel(0, true);
    dialog.OnShiftClick(2);
    EXPECT_EQ(dialog.list.SelectedIndexes(), (std::vector<int>{0, 1, 2}));

    auto single = SinglePicker();
    single.Open();
    single.OnShiftClick(2);
    EXPECT_EQ(single.list.SelectedIndexes(), (std::vector<int>{0}));
}

TEST(ListDialog, SortedListOrdersIgnoringCaseAndAnswersInShownOrder) {
    CScriptedUi ui;
    auto dialog = DancerChooser('S');
    std::vector<int> chosen;
    ui.ExpectDialog<CListDialog>(Dialog([](CListDialog& d) {
        EXPECT_EQ(d.list.GetText(0), "adams, Ann");
        EXPECT_EQ(d.list.GetText(3), "Smith, Bob");
        d.list.SetSel(3, true);
        d.list.SetSel(0, true);
        return d.OnOK();
    }));
    EXPECT_EQ(dialog.Run(ui, &chosen), 1);
    EXPECT_EQ(chosen, (std::vector<int>{2, 5}));
    EXPECT_EQ(dialog.ListControlId(), CListDialog::kMultipleSortedListId);
}

TEST(ListDialog, RemoveItemRemovesTheFirstLineWithTheKeyOnly) {
    CListDialog dialog("Select", 'N', 'N', -1, 0, "", "", "");
    dialog.AddItem(1, "one");
    dialog.AddItem(2, "two");
    dialog.AddItem(1, "one again");
    dialog.RemoveItem(1);
    dialog.RemoveItem(77);
    EXPECT_EQ(dialog.texts, (std::vector<std::string>{"two", "one again"}));
    dialog.ClearItems();
    dialog.Open();
    EXPECT_EQ(dialog.list.GetCount(), 0);
}

TEST(ListDialog, PicksOneOfFourListBoxesByModeAndSortLetter) {
    EXPECT_EQ(CListDialog("t", 'N', 'N', -1, 0, "", "", "").ListControlId(), 1387);
    EXPECT_EQ(CListDialog("t", 'N', 'S', -1, 0, "", "", "").ListControlId(), 1393);
    EXPECT_EQ(CListDialog("t", 'M', 'N', -1, 0, "", "", "").ListControlId(), 1392);
    EXPECT_EQ(CListDialog("t", 'M', 'S', -1, 0, "", "", "").ListControlId(), 1397);
}

TEST(ListDialogSize, HeightStopsGrowingAtSeventeenLines) {
    CListDialog dialog("Select", 'N', 'N', -1, 0, "", "", "");
    EXPECT_EQ(dialog.WindowHeight(), 70);
    for (int i = 0; i < 40; ++i) {
        dialog.AddItem(i, "line");
    }
    EXPECT_EQ(dialog.WindowHeight(), 17 * 16 + 70);
    EXPECT_EQ(dialog.WindowHeight(), 342);
}

TEST(ListDialogSize, WidthFollowsTheLongestTextUpToTheCap) {
    CListDialog dialog(std::string(60, 'x'), 'N', 'N', -1, 0, "", "", "");
    EXPECT_EQ(dialog.WindowWidth(), 635);

    CListDialog narrow("Select", 'N', 'N', -1, 0, "", "", "");
    EXPECT_EQ(narrow.WindowWidth(), 300);
    narrow.AddItem(1, std::string(16, 'y'));  // w = 170
    EXPECT_EQ(narrow.WindowWidth(), 305);
    narrow.AddItem(2, std::string(15, 'z'));  // w = 160 would not widen it
    EXPECT_EQ(narrow.WindowWidth(), 305);
}

TEST(ListDialogSize, WidensOnlyWhenAButtonTextWouldBeCutOff) {
    // 300 pixels give each button 52.
    EXPECT_EQ(CListDialog::WidthForButtons(300, 52), 300);
    EXPECT_EQ(CListDialog::WidthForButtons(300, 0), 300);
    EXPECT_EQ(CListDialog::WidthForButtons(300, 53), 305);
    EXPECT_EQ(CListDialog::LayoutFor(305, 150).ok.width, 53);
    EXPECT_EQ(CListDialog::WidthForButtons(635, 80), 635);
}

TEST(ListDialogSize, ButtonsShareTheBottomRow) {
    const auto layout = CListDialog::LayoutFor(300, 150);
    EXPECT_EQ(layout.list, (CPixelRect{0, 0, 300, 120}));
    EXPECT_EQ(layout.all, (CPixelRect{4, 123, 52, 24}));
    EXPECT_EQ(layout.none, (CPixelRect{64, 123, 52, 24}));
    EXPECT_EQ(layout.extra, (CPixelRect{124, 123, 52, 24}));
    EXPECT_EQ(layout.cancel, (CPixelRect{184, 123, 52, 24}));
    EXPECT_EQ(layout.ok, (CPixelRect{244, 123, 52, 24}));
}
