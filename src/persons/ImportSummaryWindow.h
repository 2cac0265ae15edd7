#pragma once
// What an import did, in a window of its own: the counts and notes above, the refused lines in a
// list that scrolls however many there are, and "Save list..." to keep them in a text file.
#include <string>

#include "dialogs/DialogModel.h"
#include "dialogs/ListModel.h"
#include "persons/PersonImport.h"

class CUi;

class CImportSummaryWindow : public CDialogModel {
public:
    // A window of the program's own, numbered after the person list it belongs to.
    static constexpr int kResourceId = 135;

    static constexpr int kSummaryId = 1001;
    static constexpr int kRefusedListId = 1002;
    static constexpr int kSaveListId = 1003;
    static constexpr int kOkId = 1;

    static constexpr const char* kCaption = "Import persons";
    static constexpr const char* kRefusedLabel = "Lines not imported:";
    static constexpr const char* kSaveListText = "Save list...";
    // Persons already in the studio named in the summary before it only counts them.
    static constexpr std::size_t kNamesShown = 10;

    CImportSummaryWindow(CUi& ui, CImportSummary summary);
    int ResourceId() const override { return kResourceId; }

    // UTF-8, as the summary holds it.
    const std::string& SummaryText() const { return summaryText_; }
    // One line per refused line of the file, as the command line prints them.
    CListModel refused;

    // "Save list...": asks for the file, writes the refused lines (UTF-8, CR LF), says where or
    // why not.
    void OnSaveList();

private:
    CUi& ui_;
    CImportSummary summary_;
    std::string summaryText_;
};

// The summary in its window, or in a plain message when no line was refused.
void ShowImportSummary(CUi& ui, CImportSummary summary);
