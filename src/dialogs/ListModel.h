#pragma once
// A list box or combo box as the models see it: lines of text with item data and a selection.
// Views render it (sorted where the control sorts) and report clicks back by line index.
#include <functional>
#include <string>
#include <vector>

class CUi;

// The order of a sorted list: true when the first text comes before the second.
using CTextLess = std::function<bool(const std::string&, const std::string&)>;

struct CListItem {
    std::string text;
    long data = 0;
    bool selected = false;
    // What the line says when the pointer rests on it (a person's type, say); empty: nothing.
    std::string tip;
};

class CListModel {
public:
    explicit CListModel(bool multipleSelection = false) : multiple_(multipleSelection) {}

    // Returns the index the line got: the end, or its place in a sorted list.
    int AddString(const std::string& text, long data = 0);
    void ResetContent();
    int GetCount() const { return static_cast<int>(items_.size()); }
    const std::string& GetText(int index) const { return items_.at(index).text; }
    long GetItemData(int index) const { return items_.at(index).data; }
    void SetItemData(int index, long data) { items_.at(index).data = data; }
    void SetTip(int index, std::string tip) { items_.at(index).tip = std::move(tip); }
    // Index of the first line whose text equals `text` exactly, or -1.
    int FindStringExact(const std::string& text) const;
    int FindItemData(long data) const;
    void DeleteString(int index);

    bool IsMultiple() const { return multiple_; }
    // Makes this a sorted list, as a list box that sorts: the lines are re-sorted by `less`
    // (keeping their item data and selection, equal lines in their order) and every line added
    // later goes to its place, after the lines it equals. Models sort ignoring case; a view may
    // sort again by the platform's collation.
    void SortBy(CTextLess less);
    bool IsSorted() const { return static_cast<bool>(less_); }
    // Single selection: the selected line or -1. Multiple selection: the first selected line.
    int GetCurSel() const;
    // Single selection: selects only `index` (-1 clears). Multiple: adds `index` to the selection.
    void SetCurSel(int index);
    bool GetSel(int index) const { return items_.at(index).selected; }
    void SetSel(int index, bool selected);
    void SelectAll(bool selected);
    std::vector<int> SelectedIndexes() const;

    // The edit text of a combo box.
    const std::string& EditText() const { return editText_; }
    void SetEditText(const std::string& text) { editText_ = text; }

    const std::vector<CListItem>& Items() const { return items_; }

private:
    std::vector<CListItem> items_;
    bool multiple_;
    CTextLess less_;
    std::string editText_;
};

// The selected index; with nothing selected shows `message` (OK) and returns -1.
int ListSelection(CUi& ui, const CListModel& list, const std::string& message);
// The item data of the selected line, or -1 after the same message.
long ListSelectionData(CUi& ui, const CListModel& list, const std::string& message);
// Item data of the line whose text equals the combo's edit text exactly, or -1.
long ComboDataOfText(const CListModel& combo);
// Selects every line between the first and the last selected line.
void ExtendSelectionRange(CListModel& list);
// A click on line `index` of a multiple-selection list: selects it, then extends the range.
void SelectClickedItem(CListModel& list, int index);
