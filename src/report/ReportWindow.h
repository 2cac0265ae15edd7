#pragma once
// The report window: a list of text lines, word-wrapped to the width of its text area, shown
// modally and printed on request. The summary report shows itself in it, and so do the
// instructions of the data-file step.
#include <string>

#include "dialogs/DialogModel.h"
#include "util/Text.h"

class CDatabase;
class CTextMeasure;

class CReportWindow : public CDialogModel {
public:
    static constexpr int kResourceId = 130;

    static constexpr int kTextId = 1016;
    static constexpr int kOkId = 1;
    static constexpr int kPrintId = 1017;
    static constexpr int kStatementsId = 1018;  // only in the summary report
    static constexpr int kOpenFolderId = 1019;  // only where files were made

    static constexpr const char* kSummaryCaption = "Summary report";

    // The lines are the caller's and must outlive the window.
    CReportWindow(std::string caption, const CStringList& lines)
        : caption_(std::move(caption)), lines_(lines) {}
    int ResourceId() const override { return kResourceId; }

    const std::string& Caption() const { return caption_; }
    const CStringList& Lines() const { return lines_; }

    // Wraps the lines to the text area's `width` (unless `wrap` is off) and joins them, each
    // ended by CR LF, into the text the area shows.
    void Open(const CTextMeasure& measure, int width);

    // The summary report offers the statements of the studio in `store`, which must outlive
    // the window.
    void OfferStatements(CDatabase& store) { store_ = &store; }
    bool OffersStatements() const { return store_ != nullptr; }
    // "Statements...": the statements window, or why there are none.
    void OnStatements();

    // The instructions of the data-file step offer the folder holding the two files, to be
    // opened in the file manager.
    void OfferFolder(std::string folder) { folder_ = std::move(folder); }
    const std::string& OfferedFolder() const { return folder_; }

    bool wrap = true;
    CStringList wrappedLines;
    std::string joinedText;

private:
    std::string caption_;
    const CStringList& lines_;
    CDatabase* store_ = nullptr;
    std::string folder_;
};
