#include "dialogs/qt/ListWidgetLines.h"

#include <QListWidget>
#include <QSignalBlocker>

#include "platform/qt/QtText.h"

void ShowListLines(QListWidget* widget, const CListModel& model) {
    const QSignalBlocker quiet(widget);
    widget->clear();
    for (const auto& line : model.Items()) {
        widget->addItem(ToQt(line.text));
    }
    const int selected = model.GetCurSel();
    if (selected >= 0) {
        widget->setCurrentRow(selected);
        widget->scrollToItem(widget->item(selected));
    }
}

void ReadListChoice(const QListWidget* widget, CListModel& model) {
    const auto chosen = widget->selectedItems();
    model.SetCurSel(chosen.isEmpty() ? -1 : widget->row(chosen.front()));
}
