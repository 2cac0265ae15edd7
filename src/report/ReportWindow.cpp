#include "report/ReportWindow.h"

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
