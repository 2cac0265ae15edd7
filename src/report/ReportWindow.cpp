#include "report/ReportWindow.h"

#include "data/Database.h"
#include "platform/Ui.h"
#include "report/Statements.h"
#include "report/StatementsWindow.h"
#include "report/WrapLines.h"

void CReportWindow::Open(const CTextMeasure& measure, int width) {
    if (wrap) {
        WrapLines(lines_, wrappedLines, measure, width);
    } else {
        wrappedLines = lines_;
    }
    joinedText.clear();
    JoinLines(wrappedLines, joinedText);
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
    store_->ui.RunDialog(window);
}
