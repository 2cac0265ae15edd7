#include "persons/ImportSummaryWindow.h"

#include "formats/FileReplace.h"
#include "platform/Ui.h"

CImportSummaryWindow::CImportSummaryWindow(CUi& ui, CImportSummary summary)
    : ui_(ui), summary_(std::move(summary)) {
    summaryText_ = ImportSummaryHead(summary_, kNamesShown);
    for (const auto& line : summary_.refusedLines) {
        refused.AddString(line);
    }
}

void CImportSummaryWindow::OnSaveList() {
    const std::string stem = summary_.fileName.substr(0, summary_.fileName.rfind('.'));
    const std::string path = ui_.AskForFileToSave(
        "Save list", {"Text files (*.txt *.TXT)", "All files (*)"}, stem + "_not_imported.txt");
    if (path.empty()) {
        return;
    }
    std::string bytes;
    for (const auto& line : summary_.refusedLines) {
        bytes += line;
        bytes += "\r\n";
    }
    std::string whyNot;
    if (!ReplaceFileContents(path, bytes, whyNot)) {
        ui_.ShowMessage("The list could not be written to " + path + " (" + whyNot +
                        "). Nothing was changed there.");
        return;
    }
    const std::size_t count = summary_.refusedLines.size();
    ui_.ShowInformation((count == 1 ? std::string("1 line") : std::to_string(count) + " lines") +
                        " written to " + path + ".");
}

void ShowImportSummary(CUi& ui, CImportSummary summary) {
    if (summary.refusedLines.empty()) {
        ui.ShowMessage(ImportSummaryHead(summary, CImportSummaryWindow::kNamesShown));
        return;
    }
    CImportSummaryWindow window(ui, std::move(summary));
    ui.RunDialog(window);
}
