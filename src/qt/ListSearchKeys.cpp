#include "qt/ListSearchKeys.h"

#include <QListWidget>
#include <QShortcut>

#include "dialogs/ListModel.h"
#include "dialogs/ListSearch.h"
#include "qt/QtText.h"

namespace {

using SearchFunction = int (*)(CUi&, CListModel&, int);

void SearchIn(QListWidget* list, CUi& ui, SearchFunction search) {
    const bool multiple = list->selectionMode() == QAbstractItemView::MultiSelection ||
                          list->selectionMode() == QAbstractItemView::ExtendedSelection;
    CListModel lines(multiple);
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        lines.AddString(FromQt(item->text()), row);
        lines.SetSel(row, item->isSelected());
    }
    // A multiple-selection list searches on from its current line, a single one from its
    // selected line. A multiple list with nothing chosen yet still has a current line (the
    // focus frame); searching after it would skip the first line.
    const int current =
        multiple && !list->selectedItems().isEmpty() ? list->currentRow() : lines.GetCurSel();
    const int found = search(ui, lines, current);
    if (found < 0) {
        return;
    }
    list->setFocus(Qt::ShortcutFocusReason);
    list->setCurrentRow(
        found, multiple ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(found));
}

void Bind(QListWidget* list, Qt::Key key, CUi& ui, SearchFunction search) {
    auto* shortcut = new QShortcut(QKeySequence(key), list);
    shortcut->setContext(Qt::WindowShortcut);
    // One search per press of the key: a key held down a little too long must not skip matches.
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, list,
                     [list, &ui, search] { SearchIn(list, ui, search); });
}

}  // namespace

void AttachListSearch(QListWidget* list, CUi& ui) {
    Bind(list, Qt::Key_F2, ui, SearchList);
    Bind(list, Qt::Key_F3, ui, SearchListAgain);
}

void SearchListWidget(QListWidget* list, CUi& ui) {
    SearchIn(list, ui, SearchList);
}

void SearchListWidgetAgain(QListWidget* list, CUi& ui) {
    SearchIn(list, ui, SearchListAgain);
}
