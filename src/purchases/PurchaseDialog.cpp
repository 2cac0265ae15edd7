#include "purchases/PurchaseDialog.h"

#include <algorithm>
#include <memory>

#include "data/Database.h"
#include "persons/PersonLists.h"
#include "persons/PersonOperations.h"
#include "platform/Ui.h"
#include "purchases/PurchasePricing.h"
#include "util/Money.h"
#include "util/Text.h"

namespace {

constexpr const char* kNoItemSelected = "No item selected";

}  // namespace

CPurchaseDialog::CPurchaseDialog(CDatabase& store) : store_(store) {
    FillPurchaserBox();
    for (const auto& item : store_.priceListArray) {
        if (item->hidden == 0) {
            priceList.AddString("Price list: " + item->name, ItemData(item->number));
        }
    }
    for (const auto& package : store_.packageArray) {
        priceList.AddString("Package:" + package->name, PackageData(package->number));
    }
}

bool CPurchaseDialog::HasChanges() const {
    return !lines_.empty() || !purchaserBox.list.EditText().empty();
}

void CPurchaseDialog::FillPurchaserBox() {
    FillPersonCombo(store_, purchaserBox.list, 7, -1, true, true);
}

void CPurchaseDialog::OnPutItem() {
    // The selected line rather than its data decides, so that a package numbered 0 (whose data
    // is -1) can be bought too.
    const int index = ListSelection(store_.ui, priceList, kNoItemSelected);
    if (index < 0) {
        return;
    }
    const long data = priceList.GetItemData(index);
    CSelectedLine wanted;
    if (data < 0) {
        wanted.kind = 'P';
        wanted.itemNumber = static_cast<int>(~data);
        const CPackageRecord* package = store_.FindPackage(wanted.itemNumber);
        wanted.label = "Package:" + (package != nullptr ? package->name : std::string());
    } else {
        wanted.kind = 'I';
        wanted.itemNumber = static_cast<int>(data - 1);
        const CPriceListRecord* item = store_.FindPriceListItem(wanted.itemNumber);
        wanted.label = "Price list: " + (item != nullptr ? item->name : std::string());
    }
    const auto same = std::find_if(lines_.begin(), lines_.end(), [&](const CSelectedLine& line) {
        return line.kind == wanted.kind && line.itemNumber == wanted.itemNumber;
    });
    if (same != lines_.end()) {
        ++same->count;
    } else {
        wanted.key = nextKey_++;
        lines_.push_back(wanted);
    }
    ShowSelectedItems();
}

void CPurchaseDialog::ShowSelectedItems() {
    const int remembered = selectedItems.GetCurSel();
    selectedItems.ResetContent();
    for (const auto& line : lines_) {
        std::string text = "(";
        text.append(std::to_string(line.count)).append(") ").append(line.label);
        selectedItems.AddString(text, line.key);
    }
    selectedItems.SetCurSel(remembered);
}

CSelectedLine* CPurchaseDialog::SelectedLine() {
    const int index = ListSelection(store_.ui, selectedItems, kNoItemSelected);
    if (index < 0) {
        return nullptr;
    }
    const long key = selectedItems.GetItemData(index);
    const auto line = std::find_if(lines_.begin(), lines_.end(),
                                   [key](const CSelectedLine& l) { return l.key == key; });
    return line != lines_.end() ? &*line : nullptr;
}

void CPurchaseDialog::OnDeleteItem() {
    if (const CSelectedLine* line = SelectedLine()) {
        const int key = line->key;
        std::erase_if(lines_, [key](const CSelectedLine& l) { return l.key == key; });
        ShowSelectedItems();
    }
}

std::string CPurchaseDialog::ToolTipOf(int controlId) const {
    if (controlId == kIncrementId) {
        return "Buy one more of the chosen item";
    }
    if (controlId == kDecrementId) {
        return "Buy one fewer of the chosen item (at least one stays)";
    }
    return {};
}

void CPurchaseDialog::OnIncrement() {
    if (CSelectedLine* line = SelectedLine()) {
        ++line->count;
        ShowSelectedItems();
    }
}

void CPurchaseDialog::OnDecrement() {
    if (CSelectedLine* line = SelectedLine()) {
        if (line->count > 1) {
            --line->count;
        }
        ShowSelectedItems();
    }
}

void CPurchaseDialog::OnAddPerson() {
    if (AddPerson(store_) == 1) {
        FillPurchaserBox();
    }
}

bool CPurchaseDialog::OnOK() {
    const int purchaser = static_cast<int>(purchaserBox.DataOfText());
    if (purchaser == -1 && store_.ui.AskYesNo(kNoPurchaserQuestion)) {
        return false;
    }
    const std::string name = purchaser == -1 ? "Studio" : store_.PersonNameText(purchaser, 0);
    for (const auto& line : lines_) {
        StorePurchase(line, purchaser, name);
    }
    return true;
}

void CPurchaseDialog::StorePurchase(const CSelectedLine& line, int purchaser,
                                    const std::string& name) {
    const CPersonRecord* person = purchaser == -1 ? nullptr : store_.FindPerson(purchaser);
    auto purchase = std::make_unique<CFinanceRecord>();
    purchase->number = NextNumber(store_.purchaseArray);
    // The main window runs its steps only with a studio; -1 keeps a store without one sound.
    purchase->studioNumber = store_.studioArray.empty() ? -1 : store_.studioArray.front()->number;
    purchase->purchaserNumber = purchaser;
    purchase->quantity = line.count;
    purchase->itemNumber = line.itemNumber;
    purchase->purchaserName = name;
    purchase->status = 0;
    if (line.kind == 'P') {
        const CPackageRecord* package = store_.FindPackage(line.itemNumber);
        if (package == nullptr) {
            return;
        }
        purchase->type = 'P';
        purchase->itemName = package->name;
        purchase->price = package->Price(person);
    } else {
        const CPriceListRecord* item = store_.FindPriceListItem(line.itemNumber);
        if (item == nullptr) {
            return;
        }
        purchase->type = 'O';
        purchase->itemName = item->name;
        purchase->price = item->Price(person);
    }
    AppendRecord(store_.purchaseArray, std::move(purchase));
}

bool CPurchaseDialog::ShowsPrices() const {
    return store_.showDancePrices != 0;
}

std::optional<int64_t> CPurchaseDialog::Price(char kind, int itemNumber, int count) const {
    CFinanceRecord purchase;
    purchase.type = kind == 'P' ? 'P' : 'O';
    purchase.itemNumber = itemNumber;
    purchase.quantity = count;
    purchase.purchaserNumber = static_cast<int>(purchaserBox.DataOfText());
    return PurchasePrice(store_, purchase);
}

std::string CPurchaseDialog::PriceOfListLine(int line) const {
    if (!ShowsPrices() || line < 0 || line >= priceList.GetCount()) {
        return {};
    }
    const long data = priceList.GetItemData(line);
    const auto price = data < 0 ? Price('P', static_cast<int>(~data), 1)
                                : Price('I', static_cast<int>(data - 1), 1);
    return price ? FormatCents(*price) : std::string();
}

std::string CPurchaseDialog::PriceOfSelectedLine(int line) const {
    if (!ShowsPrices() || line < 0 || line >= selectedItems.GetCount()) {
        return {};
    }
    const long key = selectedItems.GetItemData(line);
    for (const auto& collected : lines_) {
        if (collected.key == key) {
            const auto price = Price(collected.kind, collected.itemNumber, collected.count);
            return price ? FormatCents(*price) : std::string();
        }
    }
    return {};
}

std::string CPurchaseDialog::TotalText() const {
    if (!ShowsPrices()) {
        return {};
    }
    int64_t total = 0;
    for (const auto& line : lines_) {
        total += Price(line.kind, line.itemNumber, line.count).value_or(0);
    }
    std::string text = "Total: ";
    return text.append(FormatCents(total));
}

void CPurchaseDialog::OnHelp() {
    store_.ui.OpenHelp(HelpContext());
}
