#include "qt/TrailingTextDelegate.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kGap = 12;

}  // namespace

void CTrailingTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QString trailing = index.data(kRole).toString();
    if (trailing.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The line's own text gives way to the trailing one: it is cut with "..." before it.
    QStyleOptionViewItem line = option;
    initStyleOption(&line, index);
    const int trailingWidth = line.fontMetrics.horizontalAdvance(trailing) + kGap;
    line.text = line.fontMetrics.elidedText(line.text, Qt::ElideRight,
                                            std::max(0, line.rect.width() - trailingWidth - 8));
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &line, painter, widget);
    painter->save();
    painter->setPen(line.palette.color(
        (line.state & QStyle::State_Selected) != 0 ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(line.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, trailing);
    painter->restore();
}

QSize CTrailingTextDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString trailing = index.data(kRole).toString();
    if (!trailing.isEmpty()) {
        size.rwidth() += option.fontMetrics.horizontalAdvance(trailing) + kGap;
    }
    return size;
}

void SetTrailingText(QListWidget* list, int row, const QString& text) {
    QListWidgetItem* item = list->item(row);
    if (item == nullptr) {
        return;
    }
    item->setData(CTrailingTextDelegate::kRole, text);
    item->setData(Qt::AccessibleDescriptionRole, text);
}
