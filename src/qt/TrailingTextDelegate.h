#pragma once
// A list line with a second text drawn at its right edge (a price beside an item), so that the
// line's own text, which searches and screen readers read, stays as it is. Screen readers get
// the second text as the line's description.
#include <QStyledItemDelegate>

class QListWidget;

class CTrailingTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRole = Qt::UserRole + 17;
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Gives `row` of `list` its trailing text (empty: none).
void SetTrailingText(QListWidget* list, int row, const QString& text);
