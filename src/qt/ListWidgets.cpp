#include "qt/ListWidgets.h"

#include <QListWidget>

#include "qt/QtText.h"

void RenderList(QListWidget* widget, const CListModel& lines) {
    const QSignalBlocker block(widget);
    widget->clear();
    for (const auto& line : lines.Items()) {
        auto* item = new QListWidgetItem(ToQt(line.text), widget);
        item->setSelected(line.selected);
        item->setToolTip(ToQt(line.tip));
    }
    const int current = lines.GetCurSel();
    if (current >= 0) {
        widget->setCurrentRow(current, QItemSelectionModel::NoUpdate);
        widget->scrollToItem(widget->item(current));
    }
}

void ReadList(const QListWidget* widget, CListModel& lines) {
    for (int row = 0; row < widget->count() && row < lines.GetCount(); ++row) {
        lines.SetSel(row, widget->item(row)->isSelected());
    }
    if (!lines.IsMultiple() && widget->selectedItems().isEmpty()) {
        lines.SetCurSel(-1);
    }
}
