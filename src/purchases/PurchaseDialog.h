#pragma once
// "Purchase/Select from price list": the user picks a purchaser (a person, or the studio),
// collects price-list items and packages with their counts, and on OK one purchase per
// collected line is stored, priced for that purchaser. Cancel stores nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/DialogModel.h"
#include "dialogs/ListModel.h"
#include "dialogs/TypeAheadBox.h"

class CDatabase;

// One collected line: an item or a package with its count, alive while the dialog is open.
struct CSelectedLine {
    int key = 0;  // running number within the dialog, never reused while it is open
    int itemNumber = -1;
    int count = 1;
    char kind = 'I';  // 'I' price-list item, 'P' package
    std::string label;
};

class CPurchaseDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 213;

    static constexpr int kPurchaserId = 1010;
    static constexpr int kAddPersonId = 1003;
    static constexpr int kPriceListId = 1778;
    static constexpr int kPutItemId = 1899;
    static constexpr int kSelectedItemsId = 1897;
    static constexpr int kDeleteItemId = 1584;
    static constexpr int kIncrementId = 1028;
    static constexpr int kDecrementId = 1029;
    static constexpr int kOkId = 1000;
    static constexpr int kCancelId = 2;
    static constexpr int kHelpId = 1021;

    static constexpr const char* kTitle = "Purchase/Select from price list";
    static constexpr const char* kPurchaserLabel =
        "Select purchaser (type in first few letters of last name)";
    static constexpr const char* kAddPersonText = "Add person to list.";
    static constexpr const char* kPriceListLabel = "Price list items, click to select";
    static constexpr const char* kPutItemText = "Put selected item in list ->";
    static constexpr const char* kSelectedItemsLabel = "Selected items";
    static constexpr const char* kDeleteItemText = "Delete item from list";
    static constexpr const char* kIncrementText = "Increment number";
    static constexpr const char* kDecrementText = "Decrement number";
    static constexpr const char* kNoPurchaserQuestion =
        "You have not selected a purchaser from the list of persons.\n"
        "If at all possible you should assign the purchase to a person\n"
        "for organizer accounting purposes and for rooming and seating\n"
        "assignments.\n"
        "\n"
        "Would you like to select a purchaser now?";

    // The item data of a price-list line: an item as its number + 1 (positive), a package as
    // the complement of its number (negative).
    static long ItemData(int itemNumber) { return static_cast<long>(itemNumber) + 1; }
    static long PackageData(int packageNumber) { return ~static_cast<long>(packageNumber); }

    // Fills the purchaser box (nobody chosen) and the price list: the items not hidden, then
    // every package.
    explicit CPurchaseDialog(CDatabase& store);
    int ResourceId() const override { return kResourceId; }
    std::string ToolTipOf(int controlId) const override;
    // Items were collected or a purchaser was typed or chosen.
    bool HasChanges() const override;

    // "Put selected item in list ->", and a double click on a price-list line: the line's item
    // is collected once more.
    void OnPutItem();
    void OnDeleteItem();
    void OnIncrement();
    // A count of 1 stays 1; only "Delete item from list" removes a line.
    void OnDecrement();
    // "Add person to list.": the person dialog; after OK the purchaser box is filled again.
    void OnAddPerson();
    // Stores one purchase per collected line; false keeps the dialog open (the user chose to
    // pick a purchaser after the warning).
    bool OnOK();
    void OnHelp();

    const std::vector<CSelectedLine>& Lines() const { return lines_; }

    // Prices as the report gives them, for the purchaser the box names now (a person's own
    // prices, else the general ones), as "45.00"; empty when the setup file hides prices.
    // One piece of a price-list line:
    std::string PriceOfListLine(int line) const;
    // A collected line: its count times the piece price.
    std::string PriceOfSelectedLine(int line) const;
    // "Total: 123.00" of the collected lines.
    std::string TotalText() const;

    CTypeAheadBox purchaserBox;
    CListModel priceList;
    CListModel selectedItems;

private:
    void FillPurchaserBox();
    // Shows the collected lines as "(count) label", keeping the selected position.
    void ShowSelectedItems();
    // The collected line selected in the list, or nullptr after "No item selected".
    CSelectedLine* SelectedLine();
    void StorePurchase(const CSelectedLine& line, int purchaser, const std::string& name);
    bool ShowsPrices() const;
    // `count` of the item or package ('P') for the purchaser in the box, priced as the report
    // prices a purchase; none when the setup no longer lists it.
    std::optional<int64_t> Price(char kind, int itemNumber, int count) const;

    CDatabase& store_;
    std::vector<CSelectedLine> lines_;
    int nextKey_ = 0;
};
