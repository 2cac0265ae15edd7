#include "report/StatementsWindowView.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    const CDialogUnits units = Units();
    SetSizeAndCentre(units.X(kWidth), units.Y(kHeight));
    ok->setFocus();
}

void CStatementsWindowView::OnPrint() {
    if (!PrintDocumentWithDialog(this, model_.Document(UserPaper()))) {
        model_.OnPrintFailed();
    }
}

void CStatementsWindowView::OnSavePdf() {
    const std::string path = model_.AskPdfFile();
    if (!path.empty()) {
        model_.SavePdf(path, UserPaper());
    }
}
