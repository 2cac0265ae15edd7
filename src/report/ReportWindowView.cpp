#include "report/ReportWindowView.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextCursor>
#include <QUrl>

#include "platform/Ui.h"
#include "qt/ControlNames.h"
#include "qt/EnterKeyFilter.h"
#include "qt/QtText.h"
#include "qt/QtTextMeasure.h"
#include "report/DocumentPrintView.h"
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
        // The application's family is the platform's sans ("Sans Serif" is unknown to Windows).
        font = QFont(QApplication::font().family(), 10);
    }
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QPushButton* AddButton(QWidget* parent, const QRect& where, const char* text) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setGeometry(where);
    button->setAutoDefault(false);
    return button;
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

    auto* findLabel = new QLabel(QStringLiteral("&Find:"), this);
    findLabel->setGeometry(units.Rect(0, 251, 20, 10));
    find_ = new QLineEdit(this);
    TAVORIN_NAME_CONTROL(find_, CReportWindow::kFindTextId, findLabel);
    find_->setGeometry(units.Rect(22, 249, 88, 14));
    find_->setProperty(CEnterKeyFilter::kOwnEnterKeyProperty, true);
    find_->installEventFilter(this);
    QPushButton* findNext = AddButton(this, units.Rect(113, 249, 44, 14), "Find next");
    TAVORIN_NAME_CONTROL(findNext, CReportWindow::kFindNextId, findNext->text());
    findNext->setToolTip(QStringLiteral("Find the next place (F3)"));
    QPushButton* saveText = AddButton(this, units.Rect(160, 249, 52, 14), "Save as text...");
    TAVORIN_NAME_CONTROL(saveText, CReportWindow::kSaveTextId, saveText->text());
    QPushButton* savePdf = AddButton(this, units.Rect(215, 249, 52, 14), "Save as PDF...");
    TAVORIN_NAME_CONTROL(savePdf, CReportWindow::kSavePdfId, savePdf->text());

    auto* findKey = new QShortcut(QKeySequence::Find, this);
    connect(findKey, &QShortcut::activated, this, [this] {
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->selectAll();
    });
    auto* nextKey = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(nextKey, &QShortcut::activated, this, &CReportWindowView::OnFindNext);
    connect(findNext, &QPushButton::clicked, this, &CReportWindowView::OnFindNext);
    connect(saveText, &QPushButton::clicked, this, [this] { model_.OnSaveText(); });
    connect(savePdf, &QPushButton::clicked, this, &CReportWindowView::OnSavePdf);
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
    const bool printed = model_.OffersDocument()
                             ? PrintDocumentWithDialog(this, Ui(), model_.Document(UserPaper()))
                             : PrintReportWithDialog(this, Ui(), model_.Lines());
    if (!printed) {
        Ui().ShowMessage("The report could not be printed.");
    }
}

bool CReportWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == find_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OnFindNext();
            return true;
        }
    }
    return CDialogView::eventFilter(watched, event);
}

void CReportWindowView::OnFindNext() {
    if (!model_.FindNext(FromQt(find_->text()))) {
        return;
    }
    const auto& match = *model_.Match();
    QTextCursor cursor(text_->document());
    cursor.setPosition(static_cast<int>(match.offset));
    cursor.setPosition(static_cast<int>(match.offset + match.length), QTextCursor::KeepAnchor);
    text_->setTextCursor(cursor);
    text_->ensureCursorVisible();
}

void CReportWindowView::OnSavePdf() {
    const std::string path = model_.AskPdfFile();
    if (path.empty()) {
        return;
    }
    if (model_.OffersDocument()) {
        model_.SaveDocumentPdf(path, UserPaper());
        return;
    }
    std::string pdf;
    const bool made = MakeReportPdf(ToQt(model_.Caption()), {model_.Lines()}, pdf);
    model_.OnPdfMade(path, pdf, made);
}
