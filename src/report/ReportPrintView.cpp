#include "report/ReportPrintView.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "qt/QtText.h"
#include "qt/QtTextMeasure.h"
#include "report/WrapLines.h"

QFont ReportPrintFont() {
    QFont font(QStringLiteral("Times New Roman"), 10);
    font.setStyleHint(QFont::Serif);
    return font;
}

namespace {

const QString kJobName = QStringLiteral("Bursana print job");

}  // namespace

bool PrintReportLines(QPrinter& printer, const CStringList& lines) {
    printer.setDocName(kJobName);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    painter.setFont(ReportPrintFont());
    // Measured on the printer, whose resolution the layout is in.
    const CQtTextMeasure measure(painter.font(), &printer);
    const int ascent = measure.Metrics().ascent();
    const std::vector<CPrintedPage> pages =
        LayOutPages(lines, measure, printer.width(), printer.height());
    bool first = true;
    for (const CPrintedPage& page : pages) {
        if (!first && !printer.newPage()) {
            painter.end();
            return false;
        }
        first = false;
        for (const PrintedLine& line : page) {
            // The layout gives each line's top; Qt draws at the baseline.
            painter.drawText(QPoint(line.x, line.y + ascent), ToQt(line.text));
        }
    }
    return painter.end();
}

bool PrintReportWithDialog(QWidget* parent, const CStringList& lines) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    // Every page is printed: a page range to choose would be ignored.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) {
        return true;
    }
    return PrintReportLines(printer, lines);
}
