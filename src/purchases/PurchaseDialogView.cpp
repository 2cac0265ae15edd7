#include "purchases/PurchaseDialogView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Ui.h"
#include "purchases/PurchaseDialog.h"
#include "qt/ControlNames.h"
#include "qt/ListWidgets.h"
#include "qt/QtText.h"
#include "qt/TrailingTextDelegate.h"
#include "qt/TypeAheadComboBox.h"

namespace {

using Dialog = CPurchaseDialog;

QPushButton* MakeButton(const char* text, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setAutoDefault(false);
    return button;
}

QListWidget* MakeList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

// Wide enough for the longest line the list holds now, within reason; longer lines scroll.
void FitWidthToLines(QListWidget* list, int least, int most) {
    int widest = least;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        const QString price = item->data(CTrailingTextDelegate::kRole).toString();
        const int priceWidth =
            price.isEmpty() ? 0 : list->fontMetrics().horizontalAdvance(price) + 16;
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(item->text()) + priceWidth);
    }
    list->setMinimumWidth(std::min(widest + 2 * list->frameWidth() + 8, most));
}

}  // namespace

CPurchaseDialogView::CPurchaseDialogView(CPurchaseDialog& model, CUi& ui, QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    setWindowTitle(QString::fromLatin1(Dialog::kTitle));
    auto* purchaserLabel = new QLabel(QString::fromLatin1(Dialog::kPurchaserLabel), this);
    purchaser_ = new CTypeAheadComboBox(model_.purchaserBox, this);
    TAVORIN_NAME_CONTROL(purchaser_, Dialog::kPurchaserId, purchaserLabel);
    auto* addPerson = MakeButton(Dialog::kAddPersonText, this);
    TAVORIN_NAME_CONTROL(addPerson, Dialog::kAddPersonId, addPerson->text());

    auto* priceListLabel = new QLabel(QString::fromLatin1(Dialog::kPriceListLabel), this);
    priceList_ = MakeList(this);
    TAVORIN_NAME_CONTROL(priceList_, Dialog::kPriceListId, priceListLabel);
    auto* putItem = MakeButton(Dialog::kPutItemText, this);
    TAVORIN_NAME_CONTROL(putItem, Dialog::kPutItemId, putItem->text());
    auto* selectedLabel = new QLabel(QString::fromLatin1(Dialog::kSelectedItemsLabel), this);
    selectedItems_ = MakeList(this);
    TAVORIN_NAME_CONTROL(selectedItems_, Dialog::kSelectedItemsId, selectedLabel);
    auto* deleteItem = MakeButton(Dialog::kDeleteItemText, this);
    TAVORIN_NAME_CONTROL(deleteItem, Dialog::kDeleteItemId, deleteItem->text());
    auto* increment = MakeButton(Dialog::kIncrementText, this);
    TAVORIN_NAME_CONTROL(increment, Dialog::kIncrementId, increment->text());
    auto* decrement = MakeButton(Dialog::kDecrementText, this);
    TAVORIN_NAME_CONTROL(decrement, Dialog::kDecrementId, decrement->text());

    auto* ok = MakeButton("OK", this);
    TAVORIN_NAME_CONTROL(ok, Dialog::kOkId, ok->text());
    auto* cancel = MakeButton("Cancel", this);
    TAVORIN_NAME_CONTROL(cancel, Dialog::kCancelId, cancel->text());
    auto* help = MakeButton("Help", this);
    TAVORIN_NAME_CONTROL(help, Dialog::kHelpId, help->text());

    auto* page = new QVBoxLayout(this);
    page->addWidget(purchaserLabel);
    auto* top = new QHBoxLayout;
    top->addWidget(purchaser_, 1);
    top->addWidget(addPerson);
    page->addLayout(top);
    page->addSpacing(Units().Y(6));

    // The price list, the actions between the lists, the collected items.
    auto* lists = new QGridLayout;
    lists->addWidget(priceListLabel, 0, 0);
    lists->addWidget(priceList_, 1, 0);
    auto* actions = new QVBoxLayout;
    actions->addWidget(putItem);
    actions->addSpacing(Units().Y(12));
    actions->addWidget(deleteItem);
    actions->addWidget(increment);
    actions->addWidget(decrement);
    actions->addStretch(1);
    lists->addLayout(actions, 1, 1);
    lists->addWidget(selectedLabel, 0, 2);
    lists->addWidget(selectedItems_, 1, 2);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(2, 1);
    page->addLayout(lists, 1);

    // What the collected items cost; hidden when the setup file hides prices.
    total_ = new QLabel(ToQt(model_.TotalText()), this);
    total_->setObjectName(QStringLiteral("purchaseTotal"));
    total_->setAccessibleName(QStringLiteral("Total"));
    total_->setVisible(!model_.TotalText().empty());
    total_->setMinimumWidth(
        total_->fontMetrics().horizontalAdvance(QStringLiteral("Total: 00000.00")));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(total_);
    buttons->addStretch(1);
    for (QPushButton* button : {ok, cancel, help}) {
        button->setMinimumWidth(Units().X(50));
        buttons->addWidget(button);
    }
    page->addSpacing(Units().Y(4));
    page->addLayout(buttons);

    connect(addPerson, &QPushButton::clicked, this, [this] { Run(&Dialog::OnAddPerson); });
    connect(putItem, &QPushButton::clicked, this, [this] { Run(&Dialog::OnPutItem); });
    connect(priceList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        priceList_->setCurrentItem(item);
        item->setSelected(true);
        Run(&Dialog::OnPutItem);
    });
    connect(deleteItem, &QPushButton::clicked, this, [this] { Run(&Dialog::OnDeleteItem); });
    connect(increment, &QPushButton::clicked, this, [this] { Run(&Dialog::OnIncrement); });
    connect(decrement, &QPushButton::clicked, this, [this] { Run(&Dialog::OnDecrement); });
    // Prices follow the purchaser: a person may have prices of his or her own.
    connect(purchaser_, &QComboBox::currentIndexChanged, this, [this] { ShowPrices(); });
    connect(purchaser_, &QComboBox::editTextChanged, this, [this] { ShowPrices(); });
    for (QListWidget* list : {priceList_, selectedItems_}) {
        list->setItemDelegate(new CTrailingTextDelegate(list));
    }
    connect(ok, &QPushButton::clicked, this, &CPurchaseDialogView::accept);
    connect(cancel, &QPushButton::clicked, this, &CPurchaseDialogView::reject);
    connect(help, &QPushButton::clicked, this, [this] { model_.OnHelp(); });

    Render();
    FitWidthToLines(priceList_, Units().X(140), Units().X(240));
    // Collected lines read like the price list's with a count in front.
    selectedItems_->setMinimumWidth(priceList_->minimumWidth() + Units().X(12));
    const int rows = std::clamp(priceList_->count(), 8, 16);
    priceList_->setMinimumHeight(rows * priceList_->sizeHintForRow(0) +
                                 2 * priceList_->frameWidth() + 4);
    purchaser_->setFocus();
}

void CPurchaseDialogView::ReadControls() {
    purchaser_->ReadText();
    ReadList(priceList_, model_.priceList);
    ReadList(selectedItems_, model_.selectedItems);
}

void CPurchaseDialogView::Render() {
    purchaser_->Render();
    RenderList(priceList_, model_.priceList);
    RenderList(selectedItems_, model_.selectedItems);
    ShowPrices();
}

void CPurchaseDialogView::ShowPrices() {
    purchaser_->ReadText();
    for (int row = 0; row < priceList_->count(); ++row) {
        SetTrailingText(priceList_, row, ToQt(model_.PriceOfListLine(row)));
    }
    for (int row = 0; row < selectedItems_->count(); ++row) {
        SetTrailingText(selectedItems_, row, ToQt(model_.PriceOfSelectedLine(row)));
    }
    total_->setText(ToQt(model_.TotalText()));
}

void CPurchaseDialogView::Run(void (CPurchaseDialog::*handler)()) {
    ReadControls();
    (model_.*handler)();
    Render();
}

void CPurchaseDialogView::accept() {
    ReadControls();
    if (model_.OnOK()) {
        done(IDOK);
    } else {
        // The user said Yes to choosing a purchaser now: the box is where to do it.
        purchaser_->setFocus();
        purchaser_->lineEdit()->selectAll();
    }
}
