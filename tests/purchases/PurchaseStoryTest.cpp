// A studio buys from the price list through the purchase list: items and packages collected
// with counts, a purchaser chosen by typing or not at all, purchases deleted, each change saved.
#include <filesystem>

#include <gtest/gtest.h>

#include "data/Database.h"
#include "persons/PersonDialog.h"
#include "purchases/PurchaseDialog.h"
#include "purchases/PurchaseListDialog.h"
#include "purchases/PurchaseOperations.h"
#include "report/Pricing.h"
#include "support/ListLines.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

constexpr int kDayPass = 1, kHotelNight = 2, kStaffMeal = 3;
constexpr int kWeekend = 7;
constexpr int kRay = 1, kLee = 2;

// Prices on and after the switch date: adult amateur, youth amateur, professional, other
// person, no person; the five before it are never due here. Whole units, kept in cents.
PriceBlock Prices(int adult, int youth, int pro, int other, int none) {
    PriceBlock block;
    block.prices = {adult * 100, youth * 100, pro * 100, other * 100, none * 100,
                    9900,        9900,        9900,      9900,        9900};
    block.switchDate = MarchDate(12, 0);
    return block;
}

void Select(CListModel& list, const std::string& text) {
    const int line = list.FindStringExact(text);
    ASSERT_GE(line, 0) << text;
    list.SetCurSel(line);
}

class PurchaseStoryTest : public ::testing::Test {
protected:
    PurchaseStoryTest() {
        db.fieldSeparator = "|";
        db.dataFileName = dir.File("Spring_Star_Dance.tvr");
        AddStudio(db, "Star Dance").number = 4;
        AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");
        AddPersonRecord(db, 'F', 'A', 0, "Ann", "Lee");
        AddItem(kDayPass, "Day Pass", false, Prices(10, 11, 12, 13, 14));
        AddItem(kHotelNight, "Hotel Night", false, Prices(80, 81, 82, 83, 84));
        AddItem(kStaffMeal, "Staff Meal", true, Prices(0, 0, 0, 0, 0));
        auto package = std::make_unique<CPackageRecord>();
        package->number = kWeekend;
        package->name = "Weekend";
        package->prices = Prices(300, 250, 320, 330, 340);
        AppendRecord(db.packageArray, std::move(package));
    }
    void AddItem(int number, const std::string& name, bool hidden, const PriceBlock& prices) {
        auto item = std::make_unique<CPriceListRecord>();
        item->number = number;
        item->name = name;
        item->hidden = hidden ? 1 : 0;
        item->prices = prices;
        AppendRecord(db.priceListArray, std::move(item));
    }
    // The user presses a button that needs a selection while none is made.
    void PressUnselected(CPurchaseDialog& dialog, void (CPurchaseDialog::*button)()) {
        const auto before = ui.messages.size();
        (dialog.*button)();
        ASSERT_EQ(ui.messages.size(), before + 1);
        EXPECT_EQ(ui.messages.back(), "No item selected");
    }
    std::string FileText() const { return ReadFileBytes(db.dataFileName); }

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
};

TEST_F(PurchaseStoryTest, APersonFoundByTypingBuysThreeDayPassesAndTwoPackages) {
    ui.ExpectDialog<CPurchaseListDialog>([&](CPurchaseListDialog& list) {
        EXPECT_EQ(list.purchases.GetCount(), 0);
        list.OnDelete();
        EXPECT_EQ(ui.messages, (std::vector<std::string>{"No purchase selected"}));
        ui.ExpectDialog<CPurchaseDialog>([&](CPurchaseDialog& dialog) {
            // Sorted persons led by "<None>", nobody chosen; the hidden meal is not for sale.
            EXPECT_EQ(Lines(dialog.purchaserBox.list),
                      (std::vector<std::string>{"<None>", "Lee, Ann", "Ray, Bob"}));
            EXPECT_EQ(dialog.purchaserBox.list.GetCurSel(), -1);
            EXPECT_EQ(Lines(dialog.priceList),
                      (std::vector<std::string>{"Price list: Day Pass", "Price list: Hotel Night",
                                                "Package:Weekend"}));
            EXPECT_EQ(dialog.priceList.GetItemData(1), kHotelNight + 1);
            EXPECT_EQ(dialog.priceList.GetItemData(2), ~static_cast<long>(kWeekend));

            PressUnselected(dialog, &CPurchaseDialog::OnPutItem);
            Select(dialog.priceList, "Price list: Day Pass");
            for (int i = 0; i < 3; ++i) {
                dialog.OnPutItem();
            }
            Select(dialog.priceList, "Package:Weekend");
            dialog.OnPutItem();
            EXPECT_EQ(
                Lines(dialog.selectedItems),
                (std::vector<std::string>{"(3) Price list: Day Pass", "(1) Package:Weekend"}));
            PressUnselected(dialog, &CPurchaseDialog::OnIncrement);
            PressUnselected(dialog, &CPurchaseDialog::OnDecrement);
            PressUnselected(dialog, &CPurchaseDialog::OnDeleteItem);
            Select(dialog.selectedItems, "(1) Package:Weekend");
            dialog.OnIncrement();
            dialog.OnIncrement();
            EXPECT_EQ(dialog.selectedItems.GetText(1), "(3) Package:Weekend");
            // Decrement stops at 1; the line stays selected while its count changes.
            for (int i = 0; i < 3; ++i) {
                dialog.OnDecrement();
            }
            EXPECT_EQ(dialog.selectedItems.GetText(1), "(1) Package:Weekend");
            dialog.OnIncrement();
            EXPECT_EQ(dialog.selectedItems.GetCurSel(), 1);
            EXPECT_EQ(dialog.selectedItems.GetText(1), "(2) Package:Weekend");
            // A hotel night put and taken out again; the keys go on counting.
            Select(dialog.priceList, "Price list: Hotel Night");
            dialog.OnPutItem();
            EXPECT_EQ(dialog.Lines().back().key, 2);
            Select(dialog.selectedItems, "(1) Price list: Hotel Night");
            dialog.OnDeleteItem();
            EXPECT_EQ(dialog.selectedItems.GetCount(), 2);

            // A few letters scroll to Ann Lee but do not choose her: OK warns, Yes goes back.
            EXPECT_TRUE(dialog.purchaserBox.OnKeyDown('L'));
            EXPECT_TRUE(dialog.purchaserBox.OnKeyDown('E'));
            EXPECT_EQ(dialog.purchaserBox.list.EditText(), "LE");
            EXPECT_EQ(dialog.purchaserBox.TopLine(), 1);
            EXPECT_EQ(dialog.purchaserBox.list.GetCurSel(), -1);
            ui.ExpectQuestion(CPurchaseDialog::kNoPurchaserQuestion, true);
            EXPECT_FALSE(dialog.OnOK());
            EXPECT_TRUE(db.purchaseArray.empty());

            // The name typed in full chooses her, whatever the letter case.
            for (const int key :
                 {int{'E'}, CTypeAheadBox::kCommaKey, int{' '}, int{'A'}, int{'N'}, int{'N'}}) {
                dialog.purchaserBox.OnKeyDown(key);
            }
            EXPECT_EQ(dialog.purchaserBox.list.EditText(), "LEE, ANN");
            EXPECT_TRUE(dialog.OnOK());
            return IDOK;
        });
        list.OnAdd();
        EXPECT_EQ(Lines(list.purchases),
                  (std::vector<std::string>{"Lee, Ann - Day Pass (3)", "Lee, Ann - Weekend (2)"}));
        return IDOK;
    });
    ShowPurchaseList(db);

    ASSERT_EQ(db.purchaseArray.size(), 2u);
    const CFinanceRecord& passes = *db.purchaseArray[0];
    EXPECT_EQ(passes.number, 1);
    EXPECT_EQ(passes.type, 'O');
    EXPECT_EQ(passes.itemNumber, kDayPass);
    EXPECT_EQ(passes.quantity, 3);
    EXPECT_EQ(passes.price, 1000);
    EXPECT_EQ(passes.purchaserNumber, kLee);
    EXPECT_EQ(passes.purchaserName, "Ann Lee");
    EXPECT_EQ(passes.studioNumber, 4);
    EXPECT_EQ(passes.status, 0);
    const CFinanceRecord& packages = *db.purchaseArray[1];
    EXPECT_EQ(packages.number, 2);
    EXPECT_EQ(packages.type, 'P');
    EXPECT_EQ(packages.itemNumber, kWeekend);
    EXPECT_EQ(packages.quantity, 2);
    EXPECT_EQ(packages.price, 30000);
    EXPECT_NE(FileText().find("PU|O|1|3|10.00|Ann Lee|Day Pass|0|"), std::string::npos);
    EXPECT_NE(FileText().find("PU|P|7|2|300.00|Ann Lee|Weekend|0|"), std::string::npos);
}

TEST_F(PurchaseStoryTest, AStudioPurchaseAfterADeletionTakesTheNextNumber) {
    for (int i = 0; i < 4; ++i) {
        AddPurchase(db, 'O', kDayPass, kRay, "Day Pass", 1200);
    }
    db.purchaseArray[1]->quantity = 2;
    ui.ExpectDialog<CPurchaseListDialog>([&](CPurchaseListDialog& list) {
        EXPECT_EQ(list.purchases.GetCount(), 4);
        Select(list.purchases, "Ray, Bob - Day Pass (2)");
        // The question names the purchase that would go, and Enter (No) keeps it.
        const std::string question =
            "Are you sure you want to delete purchase?\n\nRay, Bob - Day Pass (2)";
        ui.ExpectQuestion(question, false);
        list.OnDelete();
        EXPECT_EQ(ui.defaultNoQuestions, std::vector<std::string>{question});
        EXPECT_EQ(db.purchaseArray.size(), 4u);
        EXPECT_FALSE(std::filesystem::exists(db.dataFileName));
        ui.ExpectQuestion(question, true);
        list.OnDelete();
        EXPECT_EQ(list.purchases.GetCount(), 3);
        EXPECT_EQ(list.purchases.FindItemData(2), -1);
        EXPECT_EQ(FileText().find("|2|12.00|"), std::string::npos);

        // Cancel stores nothing.
        ui.ExpectDialog<CPurchaseDialog>([](CPurchaseDialog& dialog) {
            Select(dialog.priceList, "Price list: Hotel Night");
            dialog.OnPutItem();
            return IDCANCEL;
        });
        list.OnAdd();
        EXPECT_EQ(db.purchaseArray.size(), 3u);

        // "<None>" and No: the studio buys, at the price for no person.
        ui.ExpectDialog<CPurchaseDialog>([&](CPurchaseDialog& dialog) {
            Select(dialog.purchaserBox.list, "<None>");
            Select(dialog.priceList, "Price list: Hotel Night");
            dialog.OnPutItem();
            ui.ExpectQuestion(CPurchaseDialog::kNoPurchaserQuestion, false);
            EXPECT_TRUE(dialog.OnOK());
            return IDOK;
        });
        list.OnAdd();
        EXPECT_NE(list.purchases.FindStringExact("Studio - Hotel Night (1)"), -1);
        return IDOK;
    });
    ShowPurchaseList(db);

    const CFinanceRecord& night = *db.purchaseArray.back();
    EXPECT_EQ(night.number, 5);
    EXPECT_EQ(night.purchaserNumber, -1);
    EXPECT_EQ(night.purchaserName, "Studio");
    EXPECT_EQ(night.price, 8400);
    EXPECT_NE(FileText().find("PU|O|2|1|84.00|Studio|Hotel Night|"), std::string::npos);
    // A number that no purchase has changes nothing.
    std::filesystem::remove(db.dataFileName);
    EXPECT_EQ(DeletePurchase(db, 2), 0);
    EXPECT_FALSE(std::filesystem::exists(db.dataFileName));
}

TEST_F(PurchaseStoryTest, APersonAddedFromTheDialogCanBuyAtOnceAtHerPrice) {
    ui.ExpectDialog<CPurchaseDialog>([&](CPurchaseDialog& dialog) {
        dialog.purchaserBox.OnKeyDown('H');
        ui.ExpectDialog<CPersonDialog>([](CPersonDialog& person) {
            person.person.lastName = "Hart";
            person.person.firstName = "Kim";
            person.person.gender = 'F';
            person.person.classLetter = 'A';
            person.person.youth = 1;
            return IDOK;
        });
        dialog.OnAddPerson();
        // The box is filled again: Kim Hart is listed, the typed text is gone.
        EXPECT_EQ(Lines(dialog.purchaserBox.list),
                  (std::vector<std::string>{"<None>", "Hart, Kim", "Lee, Ann", "Ray, Bob"}));
        EXPECT_EQ(dialog.purchaserBox.list.EditText(), "");
        Select(dialog.purchaserBox.list, "Hart, Kim");
        Select(dialog.priceList, "Package:Weekend");
        dialog.OnPutItem();
        EXPECT_TRUE(dialog.OnOK());
        return IDOK;
    });
    EXPECT_EQ(AddPurchase(db), 1);
    ASSERT_EQ(db.purchaseArray.size(), 1u);
    EXPECT_EQ(db.purchaseArray[0]->purchaserNumber, 3);
    EXPECT_EQ(db.purchaseArray[0]->purchaserName, "Kim Hart");
    EXPECT_EQ(db.purchaseArray[0]->price, 25000);
    EXPECT_NE(FileText().find("PU|P|7|1|250.00|Kim Hart|Weekend|"), std::string::npos);
    EXPECT_NE(FileText().find("PR|f2|A|Kim|Hart|"), std::string::npos);
}

}  // namespace

TEST_F(PurchaseStoryTest, PricesFollowThePurchaserAddUpAsTheReportPricesAndCancelAsksFirst) {
    db.showDancePrices = 1;
    CPurchaseDialog dialog(db);
    EXPECT_FALSE(dialog.HasChanges());
    // Nobody chosen: the prices for no person.
    EXPECT_EQ(dialog.PriceOfListLine(0), "14.00");
    EXPECT_EQ(dialog.PriceOfListLine(2), "340.00");
    Select(dialog.priceList, "Price list: Day Pass");
    dialog.OnPutItem();
    dialog.OnPutItem();
    Select(dialog.priceList, "Package:Weekend");
    dialog.OnPutItem();
    EXPECT_EQ(dialog.PriceOfSelectedLine(0), "28.00");
    EXPECT_EQ(dialog.TotalText(), "Total: 368.00");

    // Ann, an adult amateur, has prices of her own; the lines follow as soon as she is chosen.
    Select(dialog.purchaserBox.list, "Lee, Ann");
    dialog.purchaserBox.list.SetEditText("Lee, Ann");
    EXPECT_EQ(dialog.PriceOfListLine(1), "80.00");
    EXPECT_EQ(dialog.PriceOfSelectedLine(0), "20.00");
    EXPECT_EQ(dialog.PriceOfSelectedLine(1), "300.00");
    EXPECT_EQ(dialog.TotalText(), "Total: 320.00");

    // Cancel would lose the collected items: the user is asked, and No keeps them.
    ui.ExpectQuestion("Discard your changes?", false);
    EXPECT_FALSE(MayDiscardChanges(dialog, ui));
    ASSERT_TRUE(dialog.OnOK());
    int64_t stored = 0;
    for (const auto& purchase : db.purchaseArray) {
        stored += PurchasePrice(db, *purchase).value_or(-100000);
    }
    EXPECT_EQ(stored, 32000);

    // A setup file that hides prices shows none.
    db.showDancePrices = 0;
    CPurchaseDialog hidden(db);
    EXPECT_EQ(hidden.PriceOfListLine(0), "");
    EXPECT_EQ(hidden.TotalText(), "");
    EXPECT_TRUE(MayDiscardChanges(hidden, ui));
    EXPECT_TRUE(ui.messages.empty());
}
