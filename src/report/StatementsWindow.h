#pragma once
// The statements window: every statement of the studio one after the other, printed and saved
// as PDF one statement a page, and saved as CSV for a spreadsheet.
#include <string>
#include <vector>

#include "dialogs/DialogModel.h"
#include "report/Statements.h"

class CUi;

class CStatementsWindow : public CDialogModel {
public:
    static constexpr int kResourceId = 131;

    static constexpr int kTextId = 1016;
    static constexpr int kOkId = 1;
    static constexpr int kPrintId = 1017;
    static constexpr int kSavePdfId = 1019;
    static constexpr int kSaveCsvId = 1020;

    static constexpr const char* kCaption = "Statements";

    CStatementsWindow(CUi& ui, CStatements statements);
    int ResourceId() const override { return kResourceId; }

    const CStatements& Statements() const { return statements_; }
    // One statement a page, as printed and saved.
    const std::vector<CStringList>& Pages() const { return pages_; }
    // The pages one after the other, as the window shows them.
    std::string Text() const { return StatementsText(statements_); }

    // "Save as CSV...": asks for the file, writes it, says where (or why not).
    void OnSaveCsv();
    // "Save as PDF...": the file to write, "" when the user cancelled.
    std::string AskPdfFile();
    // After the view has written the PDF file (or failed to).
    void OnPdfWritten(const std::string& path, bool written);
    void OnPrintFailed();

private:
    // "<studio>_Statements.<extension>"
    std::string SuggestedName(const char* extension) const;

    CUi& ui_;
    CStatements statements_;
    std::vector<CStringList> pages_;
};
