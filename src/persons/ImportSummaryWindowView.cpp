#include "persons/ImportSummaryWindowView.h"

#include <algorithm>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "persons/ImportSummaryWindow.h"
#include "platform/Ui.h"
#include "qt/ControlNames.h"
#include "qt/QtText.h"

namespace {

// The window's size in dialog units, unless the screen is smaller.
constexpr int kWidth = 320;
constexpr int kHeight = 240;

}  // namespace

CImportSummaryWindowView::CImportSummaryWindowView(CImportSummaryWindow& model, CUi& ui,
                                                   QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    setWindowTitle(QString::fromLatin1(CImportSummaryWindow::kCaption));
    auto* page = new QVBoxLayout(this);

    auto* summary = new QPlainTextEdit(this);
    TAVORIN_NAME_CONTROL(summary, CImportSummaryWindow::kSummaryId, QStringLiteral("Summary"));
    summary->setReadOnly(true);
    summary->setPlainText(MessageToQt(model_.SummaryText()));
    page->addWidget(summary, 2);

    auto* label = new QLabel(QString::fromLatin1(CImportSummaryWindow::kRefusedLabel), this);
    page->addWidget(label);
    auto* refused = new QListWidget(this);
    TAVORIN_NAME_CONTROL(refused, CImportSummaryWindow::kRefusedListId, label->text());
    label->setBuddy(refused);
    // Hundreds of thousands of lines: all one height, so the list need not measure each.
    refused->setUniformItemSizes(true);
    QStringList lines;
    lines.reserve(model_.refused.GetCount());
    for (int i = 0; i < model_.refused.GetCount(); ++i) {
        lines.push_back(MessageToQt(model_.refused.GetText(i)));
    }
    refused->addItems(lines);
    page->addWidget(refused, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = new QPushButton(QString::fromLatin1(CImportSummaryWindow::kSaveListText), this);
    TAVORIN_NAME_CONTROL(save, CImportSummaryWindow::kSaveListId, save->text());
    save->setAutoDefault(false);
    buttons->addWidget(save);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    TAVORIN_NAME_CONTROL(ok, CImportSummaryWindow::kOkId, ok->text());
    ok->setDefault(true);
    buttons->addWidget(ok);
    page->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, [this] { done(IDOK); });
    connect(save, &QPushButton::clicked, this, [this] { model_.OnSaveList(); });

    const CDialogUnits units = Units();
    int width = units.X(kWidth);
    int height = units.Y(kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // The frame and the task bar need their room too.
        const QRect area = screen->availableGeometry();
        width = std::min(width, area.width() * 9 / 10);
        height = std::min(height, area.height() * 9 / 10);
    }
    SetSizeAndCentre(width, height);
    ok->setFocus();
}
