#include "report/ReportWindow.h"

#include "data/Database.h"
#include "formats/FileReplace.h"
#include "platform/Ui.h"
#include "report/FindInLines.h"
#include "report/ReportDocument.h"
#include "report/Statements.h"
#include "report/StatementsWindow.h"
#include "report/WrapLines.h"
#include "util/CodePage.h"
#include "util/PdfWriter.h"

void CReportWindow::Open(const CTextMeasure& measure, int width) {
    if (wrap) {
        WrapLines(lines_, wrappedLines, measure, width);
    } else {
        wrappedLines = lines_;
    }
    joinedText.clear();
    JoinLines(wrappedLines, joinedText);
    match_.reset();
}

bool CReportWindow::FindNext(const std::string& text) {
    // Again from just after the last match, so that F3 moves on, and overlapping places count.
    const CLinePosition from =
        match_ ? CLinePosition{matchLine_, matchColumn_ + 1} : CLinePosition{};
    const std::optional<CLinePosition> found = FindInLines(wrappedLines, text, from);
    if (!found) {
        match_.reset();
        if (!text.empty()) {
            ui_.ShowMessage("Cannot find \"" + text + "\".");
        }
        return false;
    }
    std::size_t offset = 0;
    for (std::size_t line = 0; line < found->line; ++line) {
        offset += wrappedLines[line].size() + 1;
    }
    matchLine_ = found->line;
    matchColumn_ = found->column;
    match_ = CShownMatch{offset + found->column, text.size()};
    return true;
}

namespace {

// "Save Summary report as PDF"
std::string SaveCaption(const std::string& caption, const char* kind) {
    std::string text = "Save ";
    text += caption;
    text += " as ";
    text += kind;
    return text;
}

}  // namespace

std::string CReportWindow::SuggestedName(const char* extension) const {
    std::string name = fileName_.empty() ? MakeFileNamePart(caption_) : fileName_;
    if (name.empty()) {
        name = "Report";
    }
    name += extension;
    return name;
}

std::string CReportWindow::TextFileContents() const {
    std::string text;
    for (const std::string& line : lines_) {
        AppendLine(text, Cp1252ToUtf8(line));
    }
    return text;
}

void CReportWindow::OnSaveText() {
    const std::string path =
        ui_.AskForFileToSave(SaveCaption(caption_, "text"),
                             {"Text files (*.txt *.TXT)", "All files (*)"}, SuggestedName(".txt"));
    if (!path.empty()) {
        Save(path, TextFileContents());
    }
}

std::string CReportWindow::AskPdfFile() {
    return ui_.AskForFileToSave(SaveCaption(caption_, "PDF"),
                                {"PDF files (*.pdf *.PDF)", "All files (*)"},
                                SuggestedName(".pdf"));
}

void CReportWindow::OnPdfMade(const std::string& path, const std::string& pdf, bool made) {
    if (!made) {
        ui_.ShowMessage("The report could not be written to " + path +
                        " (it could not be laid out as PDF).");
        return;
    }
    Save(path, pdf);
}

CPageDocument CReportWindow::Document(CPaper paper) const {
    const CDocumentHeader header =
        store_ != nullptr ? DocumentHeaderOf(*store_, TodayAtNoon()) : CDocumentHeader{};
    return ReportDocument(header, documentRows_, paper);
}

void CReportWindow::SaveDocumentPdf(const std::string& path, CPaper paper) {
    Save(path, PdfBytes(Document(paper)));
}

void CReportWindow::Save(const std::string& path, const std::string& bytes) {
    std::string whyNot;
    if (!ReplaceFileContents(path, bytes, whyNot)) {
        ui_.ShowMessage("The report could not be written to " + path + " (" + whyNot + ").");
        return;
    }
    ui_.ShowInformation("The report was written to " + path + ".");
}

void CReportWindow::OnStatements() {
    if (store_ == nullptr) {
        return;
    }
    CStatements statements;
    if (!BuildStatements(*store_, statements)) {
        return;
    }
    if (statements.pricesHidden) {
        store_->ui.ShowMessage(kStatementsPricesHidden);
        return;
    }
    CStatementsWindow window(store_->ui, std::move(statements));
    window.SetHeader(DocumentHeaderOf(*store_, TodayAtNoon()));
    store_->ui.RunDialog(window);
}
