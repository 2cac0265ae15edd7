#include "report/ReportPrintView.h"

#include <QBuffer>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "qt/QtText.h"
#include "qt/QtTextMeasure.h"
#include "report/PaperSize.h"
#include "report/PrinterChoiceView.h"
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

bool PrintReportWithDialog(QWidget* parent, CUi& ui, const CStringList& lines) {
    QPrinter printer(QPrinter::HighResolution);
    return !AskForPrinter(parent, ui, printer) || PrintReportLines(printer, lines);
}

namespace {

// A4, or Letter where the user's country uses it.
QPageSize LocalePaper() {
    const QString territory = QLocale::territoryToCode(QLocale().territory());
    return QPageSize(PaperForTerritory(territory.toStdString()) == CPaper::Letter
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

void Describe(QPdfWriter& writer, const QString& title) {
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tavorin"));
    writer.setPageSize(LocalePaper());
}

}  // namespace

bool WriteReportPdf(const QString& path, const QString& title,
                    const std::vector<CStringList>& parts) {
    QPdfWriter writer(path);
    Describe(writer, title);
    return PrintReportParts(writer, parts);
}

bool MakeReportPdf(const QString& title, const std::vector<CStringList>& parts, std::string& pdf) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return false;
    }
    bool made = false;
    {
        // The writer finishes the file when it goes.
        QPdfWriter writer(&buffer);
        Describe(writer, title);
        made = PrintReportParts(writer, parts);
    }
    pdf.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return made;
}
