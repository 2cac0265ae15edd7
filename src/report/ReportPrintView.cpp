#include "report/ReportPrintView.h"

#include <QPainter>
#include <QPdfWriter>
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

bool PrintReportParts(QPagedPaintDevice& device, const std::vector<CStringList>& parts) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setFont(ReportPrintFont());
    // Measured on the device, whose resolution the layout is in.
    const CQtTextMeasure measure(painter.font(), &device);
    const int ascent = measure.Metrics().ascent();
    bool first = true;
    for (const CStringList& part : parts) {
        for (const CPrintedPage& page :
             LayOutPages(part, measure, device.width(), device.height())) {
            if (!first && !device.newPage()) {
                painter.end();
                return false;
            }
            first = false;
            for (const PrintedLine& line : page) {
                // The layout gives each line's top; Qt draws at the baseline.
                painter.drawText(QPoint(line.x, line.y + ascent), ToQt(line.text));
            }
        }
    }
    return painter.end();
}

bool PrintReportLines(QPrinter& printer, const CStringList& lines) {
    printer.setDocName(kJobName);
    return PrintReportParts(printer, {lines});
}

namespace {

// The system print dialog for every page; false when the user cancelled.
bool AskForPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    // Every page is printed: a page range to choose would be ignored.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

bool PrintReportWithDialog(QWidget* parent, const CStringList& lines) {
    QPrinter printer(QPrinter::HighResolution);
    return !AskForPrinter(parent, printer) || PrintReportLines(printer, lines);
}

bool PrintPartsWithDialog(QWidget* parent, const std::vector<CStringList>& parts) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kJobName);
    return !AskForPrinter(parent, printer) || PrintReportParts(printer, parts);
}

bool WriteReportPdf(const QString& path, const QString& title,
                    const std::vector<CStringList>& parts) {
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tavorin"));
    return PrintReportParts(writer, parts);
}
