#include "report/ReportWindowView.h"

#include <QDesktopServices>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>

#include "platform/Ui.h"
#include "qt/ControlNames.h"
#include "qt/QtText.h"
#include "qt/QtTextMeasure.h"
#include "report/ReportPrintView.h"
#include "report/ReportWindow.h"

namespace {

// The window's size in dialog units.
constexpr int kWidth = 435;
constexpr int kHeight = 266;

// "MS Sans Serif" at 10 points, or the platform's sans at that size.
QFont WindowFont() {
    QFont font(QStringLiteral("MS Sans Serif"), 10);
    if (QFontInfo(font).family() != font.family()) {
        font = QFont(QStringLiteral("Sans Serif"), 10);
    }
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

CReportWindowView::CReportWindowView(CReportWindow& model, CUi& ui, QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    setFont(WindowFont());
    setWindowTitle(ToQt(model_.Caption()));
    const CDialogUnits units = Units();

    text_ = new QPlainTextEdit(this);
    TAVORIN_NAME_CONTROL(text_, CReportWindow::kTextId, ToQt(model_.Caption()));
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setGeometry(units.Rect(0, 5, 430, 238));
    QPalette colours = text_->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    text_->setPalette(colours);

    auto* print = new QPushButton(QStringLiteral("Print"), this);
    TAVORIN_NAME_CONTROL(print, CReportWindow::kPrintId, print->text());
    print->setGeometry(units.Rect(327, 249, 50, 14));
    print->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    TAVORIN_NAME_CONTROL(ok, CReportWindow::kOkId, ok->text());
    ok->setGeometry(units.Rect(383, 249, 50, 14));
    ok->setDefault(true);

    if (model_.OffersStatements()) {
        auto* statements = new QPushButton(QStringLiteral("Statements..."), this);
        TAVORIN_NAME_CONTROL(statements, CReportWindow::kStatementsId, statements->text());
        statements->setGeometry(units.Rect(271, 249, 50, 14));
        statements->setAutoDefault(false);
        connect(statements, &QPushButton::clicked, this, [this] { model_.OnStatements(); });
    }

    if (!model_.OfferedFolder().empty()) {
        auto* folder = new QPushButton(QStringLiteral("Open folder"), this);
        TAVORIN_NAME_CONTROL(folder, CReportWindow::kOpenFolderId, folder->text());
        folder->setToolTip(
            QStringLiteral("Show the folder with the two files in the file manager"));
        folder->setGeometry(units.Rect(271, 249, 50, 14));
        folder->setAutoDefault(false);
        connect(folder, &QPushButton::clicked, this, [this] {
            QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(model_.OfferedFolder())));
        });
    }

    connect(ok, &QPushButton::clicked, this, [this] { done(IDOK); });
    connect(print, &QPushButton::clicked, this, &CReportWindowView::OnPrint);
    SetSizeAndCentre(units.X(kWidth), units.Y(kHeight));
    ok->setFocus();
}

void CReportWindowView::showEvent(QShowEvent* event) {
    CDialogView::showEvent(event);
    if (textShown_) {
        return;
    }
    textShown_ = true;
    // Wrapped once, to the width the text area has on screen: its viewport less the margins the
    // document keeps on either side and the cursor's width.
    const int margin = static_cast<int>(text_->document()->documentMargin());
    const int width = text_->viewport()->width() - 2 * margin - text_->cursorWidth();
    model_.Open(CQtTextMeasure(text_->font(), nullptr), width);
    QString text = ToQt(model_.joinedText);
    text.remove(QLatin1Char('\r'));
    text_->setPlainText(text);
}

void CReportWindowView::OnPrint() {
    if (!PrintReportWithDialog(this, model_.Lines())) {
        Ui().ShowMessage("The report could not be printed.");
    }
}
