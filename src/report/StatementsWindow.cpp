#include "report/StatementsWindow.h"

#include "formats/FileReplace.h"
#include "platform/Ui.h"
#include "util/Csv.h"

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

void CStatementsWindow::OnPdfWritten(const std::string& path, bool written) {
    if (written) {
        ui_.ShowInformation("The statements were written to " + path + ".");
    } else {
        ui_.ShowMessage("The statements could not be written to " + path + ".");
    }
}

void CStatementsWindow::OnPrintFailed() {
    ui_.ShowMessage("The statements could not be printed.");
}
