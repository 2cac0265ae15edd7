#include "report/StatementsWindowView.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Ui.h"
#include "qt/ControlNames.h"
#include "qt/QtText.h"
#include "report/DocumentPrintView.h"
#include "report/StatementsWindow.h"

namespace {

// The size of the summary report window, in dialog units.
constexpr int kWidth = 435;
constexpr int kHeight = 266;

QPushButton* AddButton(QHBoxLayout* row, const char* text, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

}  // namespace

CStatementsWindowView::CStatementsWindowView(CStatementsWindow& model, CUi& ui, QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    setWindowTitle(QString::fromLatin1(CStatementsWindow::kCaption));
    auto* page = new QVBoxLayout(this);

    auto* text = new QPlainTextEdit(this);
    TAVORIN_NAME_CONTROL(text, CStatementsWindow::kTextId,
                         QString::fromLatin1(CStatementsWindow::kCaption));
    text->setReadOnly(true);
    // The amounts stand in columns.
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QPalette colours = text->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    text->setPalette(colours);
    text->setPlainText(ToQt(model_.Text()));
    page->addWidget(text);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* print = AddButton(buttons, "Print", this);
    TAVORIN_NAME_CONTROL(print, CStatementsWindow::kPrintId, print->text());
    QPushButton* pdf = AddButton(buttons, "Save as PDF...", this);
    TAVORIN_NAME_CONTROL(pdf, CStatementsWindow::kSavePdfId, pdf->text());
    QPushButton* each = AddButton(buttons, "Save each as PDF...", this);
    TAVORIN_NAME_CONTROL(each, CStatementsWindow::kSaveEachPdfId, each->text());
    each->setToolTip(QStringLiteral("One PDF file per statement, in a folder you choose"));
    QPushButton* csv = AddButton(buttons, "Save as CSV...", this);
    TAVORIN_NAME_CONTROL(csv, CStatementsWindow::kSaveCsvId, csv->text());
    QPushButton* ok = AddButton(buttons, "OK", this);
    TAVORIN_NAME_CONTROL(ok, CStatementsWindow::kOkId, ok->text());
    ok->setDefault(true);
    page->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, [this] { done(IDOK); });
    connect(print, &QPushButton::clicked, this, &CStatementsWindowView::OnPrint);
    connect(pdf, &QPushButton::clicked, this, &CStatementsWindowView::OnSavePdf);
    connect(each, &QPushButton::clicked, this, [this] { model_.OnSaveEachPdf(UserPaper()); });
    connect(csv, &QPushButton::clicked, this, [this] { model_.OnSaveCsv(); });
    // Wide enough for the longest line, so that no charge breaks onto a second line (a
    // "(half)" standing alone); a line beyond the screen scrolls instead of wrapping.
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    int longest = 0;
    for (const QString& line : text->toPlainText().split(QLatin1Char('\n'))) {
        longest = std::max(longest, text->fontMetrics().horizontalAdvance(line));
    }
    const CDialogUnits units = Units();
    int width = std::max(units.X(kWidth), longest + 2 * text->frameWidth() +
                                              text->verticalScrollBar()->sizeHint().width() + 40);
    if (const QScreen* screen = this->screen()) {
        width = std::min(width, screen->availableGeometry().width() - 40);
    }
    SetSizeAndCentre(width, units.Y(kHeight));
    ok->setFocus();
}

void CStatementsWindowView::OnPrint() {
    if (!PrintDocumentWithDialog(this, Ui(), model_.Document(UserPaper()))) {
        model_.OnPrintFailed();
    }
}

void CStatementsWindowView::OnSavePdf() {
    const std::string path = model_.AskPdfFile();
    if (!path.empty()) {
        model_.SavePdf(path, UserPaper());
    }
}
