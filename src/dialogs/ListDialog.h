#pragma once
// The general list dialog: lines of text with an integer key each; the user chooses one line
// (single mode) or several (mode 'M'). It sizes itself to its content.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/DialogModel.h"
#include "dialogs/ListModel.h"

class CUi;

// A rectangle in pixels inside the dialog's client area.
struct CPixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const CPixelRect&) const = default;
};

struct CListDialogLayout {
    CPixelRect list;
    CPixelRect all;
    CPixelRect none;
    CPixelRect extra;
    CPixelRect cancel;
    CPixelRect ok;
};

class CListDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 284;
    static constexpr int kSingleListId = 1387;
    static constexpr int kSingleSortedListId = 1393;
    static constexpr int kMultipleListId = 1392;
    static constexpr int kMultipleSortedListId = 1397;
    static constexpr int kAllId = 1551;
    static constexpr int kNoneId = 1554;
    static constexpr int kExtraId = 1472;

    // What Run returns besides a key: the extra button, and the two ends of mode 'M'.
    static constexpr int kExtraResult = -2;
    static constexpr int kNoChoice = -1;
    static constexpr int kMultipleOK = 1;
    static constexpr int kMultipleCancel = 2;

    // mode 'M' chooses several lines, anything else one; sortLetter 'S' sorts the lines.
    // extraButton 1 shows the extra button. Empty texts keep the buttons' own texts.
    CListDialog(std::string title, char mode, char sortLetter, int initialKey, int extraButton,
                std::string extraText, std::string okText, std::string cancelText);
    int ResourceId() const override { return kResourceId; }

    // The lines, changed by the caller before Run (and between runs).
    void AddItem(int key, const std::string& text, const std::string& tip = {});
    // Removes the first line with `key`.
    void RemoveItem(int key);
    void ClearItems();

    // Runs the dialog. Single mode: the chosen key, kNoChoice for Cancel or no selection,
    // kExtraResult for the extra button. Mode 'M': kMultipleOK (the chosen keys are in
    // *chosenKeys), kMultipleCancel (*chosenKeys emptied) or kExtraResult.
    int Run(CUi& ui, std::vector<int>* chosenKeys = nullptr);

    // Opening: fills the shown list (sorted when asked) and selects the initial line. Run does
    // this before the dialog appears.
    void Open();
    // Re-sorts the shown lines, keeping each line's selection.
    void SortShownLines(const std::function<bool(const std::string&, const std::string&)>& less);

    // Handlers; each returns the value the dialog closes with.
    int OnOK();
    int OnCancel();
    int OnExtra();
    // A double click on line `index` of a single-selection list chooses it and closes; in mode
    // 'M' it does nothing and the dialog stays open.
    std::optional<int> OnDoubleClick(int index);
    void OnAll() { list.SelectAll(true); }
    void OnNone() { list.SelectAll(false); }
    // A left click with Shift held on line `index` of a multiple-selection list.
    void OnShiftClick(int index);

    bool IsMultiple() const { return mode == 'M'; }
    bool IsSorted() const { return sortLetter == 'S'; }
    // The id of the one list box this dialog shows.
    int ListControlId() const;
    bool ShowsAllAndNone() const { return IsMultiple(); }
    bool ShowsExtraButton() const { return extraButton == 1; }
    const std::string& ExtraButtonText() const;
    const std::string& OKButtonText() const;
    const std::string& CancelButtonText() const;

    // The window's size in pixels, from the longest text and the number of lines.
    int WindowWidth() const;
    int WindowHeight() const;
    // Where the list and the buttons lie in a client area of g by l pixels.
    static CListDialogLayout LayoutFor(int g, int l);
    // The width `g` or, when a button `buttonWidth` pixels wide would be cut off there (a wider
    // font, as Windows' Tahoma against the texts' measure), the least width where it fits.
    static int WidthForButtons(int g, int buttonWidth);

    // The key of the shown line `index`.
    int KeyOfShownLine(int index) const { return static_cast<int>(list.GetItemData(index)); }

    std::string title;
    char mode;
    char sortLetter;
    int initialKey;
    int extraButton;
    std::string extraText;
    std::string okText;
    std::string cancelText;

    // The lines in the order added.
    std::vector<int> keys;
    std::vector<std::string> texts;
    std::vector<std::string> tips;
    // The lines as the list box shows them, with their selection; item data is the key.
    CListModel list;
    // The key of the chosen line after OK in single mode or after the extra button, else -1.
    int resultKey = kNoChoice;

private:
    int SelectedKey() const;
    std::vector<int>* chosenKeys_ = nullptr;
};
