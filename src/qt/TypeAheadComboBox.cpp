#include "qt/TypeAheadComboBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

#include "dialogs/TypeAheadBox.h"
#include "qt/QtText.h"

namespace {

// The virtual-key code of a key as the box knows keys (letters in upper case whatever the
// shift state), or 0 for the keys it never takes.
int VirtualKeyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers others =
        event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (others != Qt::NoModifier) {
        return 0;
    }
    const int key = event.key();
    if (key == Qt::Key_Backspace) {
        return CTypeAheadBox::kBackspaceKey;
    }
    if (key == Qt::Key_Comma) {
        return CTypeAheadBox::kCommaKey;
    }
    if (key == Qt::Key_Space || (key >= Qt::Key_0 && key <= Qt::Key_9) ||
        (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return key;
    }
    return 0;
}

}  // namespace

CTypeAheadComboBox::CTypeAheadComboBox(CTypeAheadBox& box, QWidget* parent)
    : QComboBox(parent), box_(box) {
    setEditable(true);
    // The box only scrolls to names: no completion, and a typed text never becomes a line.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(12);
    lineEdit()->installEventFilter(this);
    view()->installEventFilter(this);
    installEventFilter(this);
    Render();
}

void CTypeAheadComboBox::Render() {
    const QSignalBlocker block(this);
    clear();
    for (const auto& item : box_.list.Items()) {
        addItem(ToQt(item.text), QVariant::fromValue(item.data));
        setItemData(count() - 1, ToQt(item.tip), Qt::ToolTipRole);
    }
    setCurrentIndex(box_.list.GetCurSel());
    setEditText(ToQt(box_.list.EditText()));
}

void CTypeAheadComboBox::ReadText() {
    box_.list.SetEditText(FromQt(currentText()));
}

bool CTypeAheadComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QComboBox::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const int virtualKey = VirtualKeyOf(*key);
    ReadText();
    const QLineEdit* edit = lineEdit();
    const bool wholeTextMarked = edit->hasSelectedText() && edit->selectedText() == edit->text();
    if (virtualKey == 0 || !box_.OnKeyDown(virtualKey, wholeTextMarked)) {
        return QComboBox::eventFilter(watched, event);
    }
    if (!view()->isVisible()) {
        showPopup();
    }
    // Opening the drop-down may show the chosen line's text; the typed text is what counts.
    setEditText(ToQt(box_.list.EditText()));
    const int top = box_.TopLine();
    if (top >= 0 && top < count()) {
        const QModelIndex line = model()->index(top, modelColumn());
        view()->scrollTo(line, QAbstractItemView::PositionAtTop);
        if (box_.TopLineMatches()) {
            view()->setCurrentIndex(line);
        }
    }
    return true;
}
