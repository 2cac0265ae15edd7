#include "report/StatementsWindow.h"

#include "formats/FileReplace.h"
#include "platform/Ui.h"
#include "report/StatementDocuments.h"
#include "util/Csv.h"
#include "util/PdfWriter.h"

CStatementsWindow::CStatementsWindow(CUi& ui, CStatements statements)
    : ui_(ui), statements_(std::move(statements)), pages_(StatementPages(statements_)) {}

std::string CStatementsWindow::SuggestedName(const char* extension) const {
    const std::string studio = MakeFileNamePart(statements_.studioName);
    std::string name = studio.empty() ? std::string("Statements") : studio + "_Statements";
    name += extension;
    return name;
}

void CStatementsWindow::OnSaveCsv() {
    const std::string path =
        ui_.AskForFileToSave("Save statements as CSV", {"CSV files (*.csv *.CSV)", "All files (*)"},
                             SuggestedName(".csv"));
    if (path.empty()) {
        return;
    }
    std::string whyNot;
    // The mark tells a spreadsheet opened by a double click that the file is UTF-8.
    if (!ReplaceFileContents(path, kUtf8ByteOrderMark + StatementsCsv(statements_), whyNot)) {
        ui_.ShowMessage("The statements could not be written to " + path + " (" + whyNot + ").");
        return;
    }
    ui_.ShowInformation("The statements were written to " + path + ".");
}

std::string CStatementsWindow::AskPdfFile() {
    return ui_.AskForFileToSave("Save statements as PDF",
                                {"PDF files (*.pdf *.PDF)", "All files (*)"},
                                SuggestedName(".pdf"));
}

CPageDocument CStatementsWindow::Document(CPaper paper) const {
    return StatementsDocument(header_, statements_, paper);
}

void CStatementsWindow::SavePdf(const std::string& path, CPaper paper) {
    std::string whyNot;
    if (ReplaceFileContents(path, PdfBytes(Document(paper)), whyNot)) {
        ui_.ShowInformation("The statements were written to " + path + ".");
    } else {
        ui_.ShowMessage("The statements could not be written to " + path + " (" + whyNot + ").");
    }
}

void CStatementsWindow::OnSaveEachPdf(CPaper paper) {
    const std::string folder = ui_.AskForFolder("Save each statement as PDF into a folder");
    if (!folder.empty()) {
        SaveEachStatementAsPdf(ui_, header_, statements_, paper, folder);
    }
}

void CStatementsWindow::OnPrintFailed() {
    ui_.ShowMessage("The statements could not be printed.");
}
