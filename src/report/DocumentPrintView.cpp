#include "report/DocumentPrintView.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "qt/QtText.h"
#include "report/PrinterChoiceView.h"

CPaper UserPaper() {
    return PaperForTerritory(QLocale::territoryToCode(QLocale().territory()).toStdString());
}

namespace {

// The faces the PDF names; the system's nearest sans serif where it has no Helvetica.
QFont FontOf(const CPageText& text, double scale) {
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(text.role == CFontRole::Bold);
    font.setPixelSize(std::max(1, static_cast<int>(text.size * scale + 0.5)));
    return font;
}

}  // namespace

bool PaintDocument(QPagedPaintDevice& device, const CPageDocument& document) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // Points to the device's pixels, the whole page in view even on other paper than planned.
    const double scale =
        std::min(device.width() / document.width, device.height() / document.height);
    bool first = true;
    for (const CPage& page : document.pages) {
        if (!first && !device.newPage()) {
            painter.end();
            return false;
        }
        first = false;
        for (const CPageRule& rule : page.rules) {
            QPen pen(Qt::black);
            pen.setWidthF(rule.width * scale);
            painter.setPen(pen);
            painter.drawLine(QPointF(rule.x1 * scale, rule.y1 * scale),
                             QPointF(rule.x2 * scale, rule.y2 * scale));
        }
        painter.setPen(Qt::black);
        for (const CPageText& text : page.texts) {
            const QFont font = FontOf(text, scale);
            painter.setFont(font);
            const QString shown = ToQt(text.text);
            double x = text.x * scale;
            if (text.align == CTextAlign::Right) {
                // Measured in the face the printer uses, so that the amounts end at one edge.
                x -= QFontMetricsF(font, &device).horizontalAdvance(shown);
            }
            painter.drawText(QPointF(x, text.y * scale), shown);
        }
    }
    return painter.end();
}

bool PrintDocumentWithDialog(QWidget* parent, CUi& ui, const CPageDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQt(document.title));
    printer.setFullPage(true);  // the layout has its own margins
    printer.setPageSize(QPageSize(document.width > 600 ? QPageSize::Letter : QPageSize::A4));
    return !AskForPrinter(parent, ui, printer) || PaintDocument(printer, document);
}
