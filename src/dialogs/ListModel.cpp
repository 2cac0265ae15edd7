#include "dialogs/ListModel.h"

#include <algorithm>

#include "platform/Ui.h"

int CListModel::AddString(const std::string& text, long data) {
    auto place = items_.end();
    if (less_) {
        place = std::upper_bound(
            items_.begin(), items_.end(), text,
            [this](const std::string& t, const CListItem& item) { return less_(t, item.text); });
    }
    place = items_.insert(place, {text, data, false, {}});
    return static_cast<int>(place - items_.begin());
}

void CListModel::SortBy(CTextLess less) {
    less_ = std::move(less);
    std::stable_sort(items_.begin(), items_.end(), [this](const CListItem& a, const CListItem& b) {
        return less_(a.text, b.text);
    });
}

void CListModel::ResetContent() {
    items_.clear();
    editText_.clear();
}

int CListModel::FindStringExact(const std::string& text) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (items_[i].text == text) {
            return i;
        }
    }
    return -1;
}

int CListModel::FindItemData(long data) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (items_[i].data == data) {
            return i;
        }
    }
    return -1;
}

void CListModel::DeleteString(int index) {
    if (index >= 0 && index < GetCount()) {
        items_.erase(items_.begin() + index);
    }
}

int CListModel::GetCurSel() const {
    for (int i = 0; i < GetCount(); ++i) {
        if (items_[i].selected) {
            return i;
        }
    }
    return -1;
}

void CListModel::SetCurSel(int index) {
    if (!multiple_) {
        SelectAll(false);
        if (index >= 0 && index < GetCount()) {
            editText_ = items_[index].text;
        }
    }
    if (index >= 0 && index < GetCount()) {
        items_[index].selected = true;
    }
}

void CListModel::SetSel(int index, bool selected) {
    if (!multiple_ && selected) {
        SetCurSel(index);
        return;
    }
    items_.at(index).selected = selected;
}

void CListModel::SelectAll(bool selected) {
    for (auto& item : items_) {
        item.selected = selected;
    }
}

std::vector<int> CListModel::SelectedIndexes() const {
    std::vector<int> result;
    for (int i = 0; i < GetCount(); ++i) {
        if (items_[i].selected) {
            result.push_back(i);
        }
    }
    return result;
}

int ListSelection(CUi& ui, const CListModel& list, const std::string& message) {
    const int index = list.GetCurSel();
    if (index < 0) {
        ui.ShowMessage(message);
    }
    return index;
}

long ListSelectionData(CUi& ui, const CListModel& list, const std::string& message) {
    const int index = ListSelection(ui, list, message);
    return index < 0 ? -1 : list.GetItemData(index);
}

long ComboDataOfText(const CListModel& combo) {
    const int index = combo.FindStringExact(combo.EditText());
    return index < 0 ? -1 : combo.GetItemData(index);
}

void ExtendSelectionRange(CListModel& list) {
    const auto selected = list.SelectedIndexes();
    if (selected.empty()) {
        return;
    }
    for (int i = selected.front(); i <= selected.back(); ++i) {
        list.SetSel(i, true);
    }
}

void SelectClickedItem(CListModel& list, int index) {
    if (index < 0 || index >= list.GetCount()) {
        return;
    }
    list.SetSel(index, true);
    ExtendSelectionRange(list);
}
