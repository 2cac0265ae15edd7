#pragma once
// The statements window: every statement of the studio one after the other, printed and saved
// as PDF one statement a page, and saved as CSV for a spreadsheet.
#include <string>
#include <vector>

#include "dialogs/DialogModel.h"
#include "report/DocumentHeader.h"
#include "report/PaperSize.h"
#include "report/Statements.h"
#include "util/PageDocument.h"

class CUi;

class CStatementsWindow : public CDialogModel {
public:
    static constexpr int kResourceId = 131;

    static constexpr int kTextId = 1016;
    static constexpr int kOkId = 1;
    static constexpr int kPrintId = 1017;
    static constexpr int kSavePdfId = 1019;
    static constexpr int kSaveCsvId = 1020;
    static constexpr int kSaveEachPdfId = 1021;

    static constexpr const char* kCaption = "Statements";

    CStatementsWindow(CUi& ui, CStatements statements);
    int ResourceId() const override { return kResourceId; }

    const CStatements& Statements() const { return statements_; }
    // One statement a page, as printed and saved.
    const std::vector<CStringList>& Pages() const { return pages_; }
    // The pages one after the other, as the window shows them.
    std::string Text() const { return StatementsText(statements_); }

    // The sender and the date of the printed statements.
    void SetHeader(CDocumentHeader header) { header_ = std::move(header); }
    // Every statement one a page, then the summary page, as printed and saved.
    CPageDocument Document(CPaper paper) const;
    // "Save as PDF..." once the file is chosen: writes the document, says where (or why not).
    void SavePdf(const std::string& path, CPaper paper);
    // "Save each as PDF...": asks for a folder and writes one file per statement into it.
    void OnSaveEachPdf(CPaper paper);

    // "Save as CSV...": asks for the file, writes it, says where (or why not).
    void OnSaveCsv();
    // "Save as PDF...": the file to write, "" when the user cancelled.
    std::string AskPdfFile();
    void OnPrintFailed();

private:
    // "<studio>_Statements.<extension>"
    std::string SuggestedName(const char* extension) const;

    CUi& ui_;
    CStatements statements_;
    std::vector<CStringList> pages_;
    CDocumentHeader header_;
};
