#pragma once
// The report window: a list of text lines, word-wrapped to the width of its text area, shown
// modally and printed on request. The summary report shows itself in it, and so do the
// instructions of the data-file step. It finds a text in the lines and saves them as a PDF file
// or a text file.
#include <cstddef>
#include <optional>
#include <string>

#include "dialogs/DialogModel.h"
#include "report/PaperSize.h"
#include "report/SummaryReport.h"
#include "util/PageDocument.h"
#include "util/Text.h"

class CDatabase;
class CTextMeasure;
class CUi;

class CReportWindow : public CDialogModel {
public:
    static constexpr int kResourceId = 130;

    static constexpr int kTextId = 1016;
    static constexpr int kOkId = 1;
    static constexpr int kPrintId = 1017;
    static constexpr int kStatementsId = 1018;  // only in the summary report
    static constexpr int kOpenFolderId = 1019;  // only where files were made
    static constexpr int kFindTextId = 1020;
    static constexpr int kFindNextId = 1021;
    static constexpr int kSavePdfId = 1022;
    static constexpr int kSaveTextId = 1023;

    static constexpr const char* kSummaryCaption = "Summary report";

    // The lines are the caller's and must outlive the window.
    CReportWindow(CUi& ui, std::string caption, const CStringList& lines)
        : ui_(ui), caption_(std::move(caption)), lines_(lines) {}
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

    // The summary report is printed and saved as a document laid out from these rows (with
    // the studio of OfferStatements as its sender); other windows print their lines as they are.
    void OfferDocument(std::vector<CReportLine> rows) { documentRows_ = std::move(rows); }
    bool OffersDocument() const { return store_ != nullptr && !documentRows_.empty(); }
    // The report as printed today on `paper`.
    CPageDocument Document(CPaper paper) const;
    // "Save as PDF..." of the document: writes it to `path` and says where (or why not).
    void SaveDocumentPdf(const std::string& path, CPaper paper);

    // The instructions of the data-file step offer the folder holding the two files, to be
    // opened in the file manager.
    void OfferFolder(std::string folder) { folder_ = std::move(folder); }
    const std::string& OfferedFolder() const { return folder_; }

    // "Find next" (F3): the next place after the one found last where `text` stands in the shown
    // lines, in either case, going on from the top at the end; says so when there is none.
    bool FindNext(const std::string& text);
    // Where the match stands in the shown text, each line ended by one character.
    struct CShownMatch {
        std::size_t offset = 0;
        std::size_t length = 0;
    };
    const std::optional<CShownMatch>& Match() const { return match_; }

    // The files are offered as "<name>.pdf" and "<name>.txt"; the caption by default.
    void SuggestFileName(std::string name) { fileName_ = std::move(name); }
    // "Save as text...": asks for the file, writes the lines in UTF-8 and says where (or why
    // not).
    void OnSaveText();
    // The text file: every line in UTF-8, ended by CR LF as the report file is.
    std::string TextFileContents() const;
    // "Save as PDF...": the file to write, "" when the user cancelled.
    std::string AskPdfFile();
    // Writes the PDF the view made (`made` false when it could not lay it out) and says where
    // (or why not).
    void OnPdfMade(const std::string& path, const std::string& pdf, bool made);

    bool wrap = true;
    CStringList wrappedLines;
    std::string joinedText;

private:
    std::string SuggestedName(const char* extension) const;
    // Writes the file, replacing any old one whole; says where, or why not.
    void Save(const std::string& path, const std::string& bytes);

    CUi& ui_;
    std::string caption_;
    const CStringList& lines_;
    CDatabase* store_ = nullptr;
    std::vector<CReportLine> documentRows_;
    std::string folder_;
    std::string fileName_;
    std::optional<CShownMatch> match_;
    std::size_t matchLine_ = 0;  // where match_ stands in wrappedLines
    std::size_t matchColumn_ = 0;
};
