#include "dialogs/ListDialog.h"

#include <algorithm>

#include "platform/Ui.h"
#include "util/Collation.h"
#include "util/Text.h"

namespace {

const std::string kExtraResourceText = "New";
const std::string kOKResourceText = "OK/Select";
const std::string kCancelResourceText = "Cancel";

}  // namespace

CListDialog::CListDialog(std::string title, char mode, char sortLetter, int initialKey,
                         int extraButton, std::string extraText, std::string okText,
                         std::string cancelText)
    : title(std::move(title)),
      mode(mode),
      sortLetter(sortLetter),
      initialKey(initialKey),
      extraButton(extraButton),
      extraText(std::move(extraText)),
      okText(std::move(okText)),
      cancelText(std::move(cancelText)),
      list(mode == 'M') {}

void CListDialog::AddItem(int key, const std::string& text, const std::string& tip) {
    keys.push_back(key);
    texts.push_back(text);
    tips.push_back(tip);
}

void CListDialog::RemoveItem(int key) {
    const auto found = std::find(keys.begin(), keys.end(), key);
    if (found == keys.end()) {
        return;
    }
    const auto index = found - keys.begin();
    keys.erase(found);
    texts.erase(texts.begin() + index);
    tips.erase(tips.begin() + index);
}

void CListDialog::ClearItems() {
    keys.clear();
    texts.clear();
    tips.clear();
}

int CListDialog::Run(CUi& ui, std::vector<int>* chosenKeys) {
    chosenKeys_ = chosenKeys;
    resultKey = kNoChoice;
    Open();
    const int result = ui.RunDialog(*this);
    chosenKeys_ = nullptr;
    return result;
}

void CListDialog::Open() {
    list.ResetContent();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        list.SetTip(list.AddString(texts[i], keys[i]), tips[i]);
    }
    if (IsSorted()) {
        SortShownLines(CollatesBefore);
    }
    // A multiple-selection list opens with nothing selected, so that OK alone adds nobody.
    if (!IsMultiple()) {
        list.SetCurSel(list.FindItemData(initialKey));
        if (list.GetCurSel() < 0 && list.GetCount() > 0) {
            list.SetCurSel(0);
        }
    }
}

void CListDialog::SortShownLines(
    const std::function<bool(const std::string&, const std::string&)>& less) {
    list.SortBy(less);
}

int CListDialog::SelectedKey() const {
    const int index = list.GetCurSel();
    return index < 0 ? kNoChoice : KeyOfShownLine(index);
}

int CListDialog::OnOK() {
    if (IsMultiple()) {
        if (chosenKeys_ != nullptr) {
            chosenKeys_->clear();
            for (const int index : list.SelectedIndexes()) {
                chosenKeys_->push_back(KeyOfShownLine(index));
            }
        }
        return kMultipleOK;
    }
    resultKey = SelectedKey();
    return resultKey;
}

int CListDialog::OnCancel() {
    if (IsMultiple()) {
        if (chosenKeys_ != nullptr) {
            chosenKeys_->clear();
        }
        return kMultipleCancel;
    }
    return kNoChoice;
}

int CListDialog::OnExtra() {
    resultKey = SelectedKey();
    return kExtraResult;
}

std::optional<int> CListDialog::OnDoubleClick(int index) {
    if (IsMultiple() || index < 0 || index >= list.GetCount()) {
        return std::nullopt;
    }
    list.SetCurSel(index);
    return OnOK();
}

void CListDialog::OnShiftClick(int index) {
    if (IsMultiple()) {
        SelectClickedItem(list, index);
    }
}

int CListDialog::ListControlId() const {
    if (IsMultiple()) {
        return IsSorted() ? kMultipleSortedListId : kMultipleListId;
    }
    return IsSorted() ? kSingleSortedListId : kSingleListId;
}

const std::string& CListDialog::ExtraButtonText() const {
    return extraText.empty() ? kExtraResourceText : extraText;
}

const std::string& CListDialog::OKButtonText() const {
    return okText.empty() ? kOKResourceText : okText;
}

const std::string& CListDialog::CancelButtonText() const {
    return cancelText.empty() ? kCancelResourceText : cancelText;
}

int CListDialog::WindowWidth() const {
    std::size_t longest = title.size();
    for (const auto& text : texts) {
        longest = std::max(longest, text.size());
    }
    const int w = static_cast<int>(std::min<std::size_t>(10 * longest + 10, 500));
    return w >= 165 ? w + 135 : 300;
}

int CListDialog::WindowHeight() const {
    const int lines = static_cast<int>(std::min<std::size_t>(texts.size(), 17));
    return lines * 16 + 70;
}

int CListDialog::WidthForButtons(int g, int buttonWidth) {
    // LayoutFor gives each button g / 5 - 8 pixels.
    return std::max(g, (buttonWidth + 8) * 5);
}

CListDialogLayout CListDialog::LayoutFor(int g, int l) {
    const int h = g / 5 - 8;
    const int y = l - 27;
    CListDialogLayout layout;
    layout.list = {0, 0, g, l - 30};
    layout.all = {4, y, h, 24};
    layout.none = {h + 12, y, h, 24};
    layout.extra = {2 * h + 20, y, h, 24};
    layout.cancel = {3 * h + 28, y, h, 24};
    layout.ok = {(g / 5) * 4 + 4, y, h, 24};
    return layout;
}
