#include "qt/ListDialogView.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

#include "dialogs/ListDialog.h"
#include "platform/Ui.h"
#include "qt/ButtonText.h"
#include "qt/ControlNames.h"
#include "qt/ListSearchKeys.h"
#include "qt/PixelDialogFont.h"
#include "qt/QtText.h"

namespace {

QPushButton* MakeButton(QWidget* parent, const std::string& text) {
    auto* button = new QPushButton(ToQt(text), parent);
    button->setAutoDefault(false);
    return button;
}

QListWidget* MakeList(QWidget* parent, bool multiple) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(multiple ? QAbstractItemView::MultiSelection
                                    : QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->hide();
    return list;
}

void SetGeometry(QWidget* widget, const CPixelRect& rect) {
    widget->setGeometry(rect.x, rect.y, rect.width, rect.height);
}

}  // namespace

CListDialogView::CListDialogView(CListDialog& model, CUi& ui, QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    setFont(PixelDialogFont());
    setWindowTitle(ToQt(model_.title));

    lists_ = {MakeList(this, false), MakeList(this, false), MakeList(this, true),
              MakeList(this, true)};
    // The list is named by the dialog's title, the only text that says what it holds.
    TAVORIN_NAME_CONTROL(lists_[0], CListDialog::kSingleListId, windowTitle());
    TAVORIN_NAME_CONTROL(lists_[1], CListDialog::kSingleSortedListId, windowTitle());
    TAVORIN_NAME_CONTROL(lists_[2], CListDialog::kMultipleListId, windowTitle());
    TAVORIN_NAME_CONTROL(lists_[3], CListDialog::kMultipleSortedListId, windowTitle());
    list_ = FindControl<QListWidget>(this, model_.ListControlId());
    list_->show();

    all_ = MakeButton(this, "All");
    none_ = MakeButton(this, "None");
    extra_ = MakeButton(this, model_.ExtraButtonText());
    cancel_ = MakeButton(this, model_.CancelButtonText());
    ok_ = MakeButton(this, model_.OKButtonText());
    ok_->setDefault(true);
    TAVORIN_NAME_CONTROL(all_, CListDialog::kAllId, all_->text());
    TAVORIN_NAME_CONTROL(none_, CListDialog::kNoneId, none_->text());
    TAVORIN_NAME_CONTROL(extra_, CListDialog::kExtraId, extra_->text());
    NameControl(cancel_, "IDCANCEL", IDCANCEL, cancel_->text());
    NameControl(ok_, "IDOK", IDOK, ok_->text());
    all_->setVisible(model_.ShowsAllAndNone());
    none_->setVisible(model_.ShowsAllAndNone());
    extra_->setVisible(model_.ShowsExtraButton());

    // From the list the focus goes first to the button that takes the chosen line, so that Enter
    // twice opens it (Cancel may mean something else entirely, as "new studio" at start-up);
    // the other buttons follow in their row's order.
    setTabOrder(list_, ok_);
    setTabOrder(ok_, all_);
    setTabOrder(all_, none_);
    setTabOrder(none_, extra_);
    setTabOrder(extra_, cancel_);

    connect(all_, &QPushButton::clicked, this, [this] {
        model_.OnAll();
        ShowSelection();
    });
    connect(none_, &QPushButton::clicked, this, [this] {
        model_.OnNone();
        ShowSelection();
    });
    connect(extra_, &QPushButton::clicked, this, [this] { done(model_.OnExtra()); });
    connect(cancel_, &QPushButton::clicked, this, &CListDialogView::reject);
    connect(ok_, &QPushButton::clicked, this, [this] { done(model_.OnOK()); });
    connect(list_, &QListWidget::itemSelectionChanged, this, &CListDialogView::ReadSelection);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (const auto result = model_.OnDoubleClick(list_->row(item))) {
            done(*result);
        }
    });
    list_->viewport()->installEventFilter(this);
    AttachListSearch(list_, ui);

    Fill();
    int widest = 0;
    for (const QPushButton* button : {all_, none_, extra_, cancel_, ok_}) {
        if (!button->isHidden()) {
            widest = std::max(widest, ButtonTextWidth(button));
        }
    }
    SetSizeAndCentre(CListDialog::WidthForButtons(model_.WindowWidth(), widest),
                     model_.WindowHeight());
    PlaceControls();
    list_->setFocus();
}

void CListDialogView::Fill() {
    showing_ = true;
    list_->clear();
    for (const auto& line : model_.list.Items()) {
        list_->addItem(ToQt(line.text));
        list_->item(list_->count() - 1)->setToolTip(ToQt(line.tip));
    }
    showing_ = false;
    ShowSelection();
}

void CListDialogView::ShowSelection() {
    showing_ = true;
    const int current = model_.list.GetCurSel();
    if (current >= 0 && !model_.IsMultiple()) {
        list_->setCurrentRow(current);
    }
    for (int row = 0; row < list_->count(); ++row) {
        list_->item(row)->setSelected(model_.list.GetSel(row));
    }
    if (current >= 0) {
        list_->scrollToItem(list_->item(current));
    }
    showing_ = false;
}

void CListDialogView::ReadSelection() {
    if (showing_) {
        return;
    }
    for (int row = 0; row < list_->count(); ++row) {
        model_.list.SetSel(row, list_->item(row)->isSelected());
    }
}

void CListDialogView::PlaceControls() {
    const auto layout = CListDialog::LayoutFor(width(), height());
    SetGeometry(list_, layout.list);
    SetGeometry(all_, layout.all);
    SetGeometry(none_, layout.none);
    SetGeometry(extra_, layout.extra);
    SetGeometry(cancel_, layout.cancel);
    SetGeometry(ok_, layout.ok);
}

void CListDialogView::resizeEvent(QResizeEvent* event) {
    CDialogView::resizeEvent(event);
    if (list_ != nullptr) {
        PlaceControls();
    }
}

void CListDialogView::reject() {
    done(model_.OnCancel());
}

bool CListDialogView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress &&
        model_.IsMultiple()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::ShiftModifier)) {
            const int row = list_->indexAt(mouse->position().toPoint()).row();
            if (row >= 0) {
                list_->setCurrentRow(row, QItemSelectionModel::NoUpdate);
                model_.OnShiftClick(row);
                ShowSelection();
            }
            return true;
        }
    }
    return CDialogView::eventFilter(watched, event);
}
