#pragma once
// A list box or combo box as the models see it: lines of text with item data and a selection.
// Views render it (sorted where the control sorts) and report clicks back by line index.
#include <functional>
#include <string>
#include <vector>

class CUi;

// How a sorted list orders its lines: the models sort ignoring case, and views may pass the
// platform's collation instead.
using CLineOrder = std::function<bool(const std::string&, const std::string&)>;

struct CListItem {
    std::string text;
    long data = 0;
    bool selected = false;
};

class CListModel {
public:
    explicit CListModel(bool multipleSelection = false) : multiple_(multipleSelection) {}

    int AddString(const std::string& text, long data = 0);
    void ResetContent();
    int GetCount() const { return static_cast<int>(items_.size()); }
    const std::string& GetText(int index) const { return items_.at(index).text; }
    long GetItemData(int index) const { return items_.at(index).data; }
    void SetItemData(int index, long data) { items_.at(index).data = data; }
    // Index of the first line whose text equals `text` exactly, or -1.
    int FindStringExact(const std::string& text) const;
    int FindItemData(long data) const;
    void DeleteString(int index);

    bool IsMultiple() const { return multiple_; }
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
    std::string editText_;
};

// The selected index; with nothing selected shows `message` (OK) and returns -1.
int ListSelection(CUi& ui, const CListModel& list, const std::string& message);
// The item data of the selected line, or -1 after the same message.
long ListSelectionData(CUi& ui, const CListModel& list, const std::string& message);
// Item data of the line whose text equals the combo's edit text exactly, or -1.
long ComboDataOfText(const CListModel& combo);
// Sorts the lines (stably) by their texts, each keeping its item data and selection.
void SortListLines(CListModel& list, const CLineOrder& less);
// Selects every line between the first and the last selected line.
void ExtendSelectionRange(CListModel& list);
// A click on line `index` of a multiple-selection list: selects it, then extends the range.
void SelectClickedItem(CListModel& list, int index);
