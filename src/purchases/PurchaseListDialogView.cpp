#include "purchases/PurchaseListDialogView.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Ui.h"
#include "purchases/PurchaseListDialog.h"
#include "qt/ControlNames.h"
#include "qt/ListWidgets.h"

CPurchaseListDialogView::CPurchaseListDialogView(CPurchaseListDialog& model, CUi& ui,
                                                 QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    setWindowTitle(QString::fromLatin1(CPurchaseListDialog::kTitle));
    model_.Fill();

    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    // The list is named by the dialog's title, the only text that says what it holds.
    TAVORIN_NAME_CONTROL(list_, CPurchaseListDialog::kListId, windowTitle());
    // Room for a long name with a long package name.
    list_->setMinimumSize(Units().X(260), Units().Y(150));

    auto* add = new QPushButton(QStringLiteral("Add"), this);
    TAVORIN_NAME_CONTROL(add, CPurchaseListDialog::kAddId, add->text());
    auto* remove = new QPushButton(QStringLiteral("Delete"), this);
    TAVORIN_NAME_CONTROL(remove, CPurchaseListDialog::kDeleteId, remove->text());
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    TAVORIN_NAME_CONTROL(ok, CPurchaseListDialog::kOkId, ok->text());
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    TAVORIN_NAME_CONTROL(help, CPurchaseListDialog::kHelpId, help->text());
    ok->setDefault(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {add, remove, ok, help}) {
        button->setMinimumWidth(Units().X(50));
        if (button != ok) {
            button->setAutoDefault(false);
        }
    }
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(help);
    auto* page = new QHBoxLayout(this);
    page->addWidget(list_, 1);
    page->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this] { Run(&CPurchaseListDialog::OnAdd); });
    connect(remove, &QPushButton::clicked, this, [this] { Run(&CPurchaseListDialog::OnDelete); });
    connect(ok, &QPushButton::clicked, this, [this] { done(IDOK); });
    connect(help, &QPushButton::clicked, this, [this] { model_.OnHelp(); });

    RenderList(list_, model_.purchases);
    list_->setFocus();
}

void CPurchaseListDialogView::Run(void (CPurchaseListDialog::*handler)()) {
    ReadList(list_, model_.purchases);
    (model_.*handler)();
    RenderList(list_, model_.purchases);
}
