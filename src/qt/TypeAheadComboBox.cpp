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

// A letter beyond ASCII that the key types (Å on a Swedish keyboard), in the code page; 0 for
// any other key.
char AccentedLetterOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers others =
        event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier);
    const QString text = event.text();
    if (others != Qt::NoModifier || text.size() != 1 || text[0].unicode() < 0x80 ||
        !text[0].isLetter()) {
        return 0;
    }
    const std::string letter = FromQt(text);
    return letter.size() == 1 && letter[0] != '?' ? letter[0] : 0;
}

bool IsMoveOn(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter ||
           event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
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
    if (view()->isVisible() && IsMoveOn(*key) && !view()->currentIndex().isValid()) {
        return LeaveWithTypedText(*key);
    }
    const int virtualKey = VirtualKeyOf(*key);
    const char accented = virtualKey == 0 ? AccentedLetterOf(*key) : 0;
    ReadText();
    const QLineEdit* edit = lineEdit();
    const bool wholeTextMarked = edit->hasSelectedText() && edit->selectedText() == edit->text();
    const bool taken = virtualKey != 0 ? box_.OnKeyDown(virtualKey, wholeTextMarked)
                       : accented != 0 ? box_.OnAccentedLetter(accented, wholeTextMarked)
                                       : false;
    if (!taken) {
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
    }
    // Letters that begin no line leave no line marked: a mark left from before would be taken
    // by Enter, booking a person the user never chose.
    if (box_.TopLineMatches() && top >= 0 && top < count()) {
        view()->setCurrentIndex(model()->index(top, modelColumn()));
    } else {
        view()->selectionModel()->clear();
    }
    return true;
}

bool CTypeAheadComboBox::LeaveWithTypedText(const QKeyEvent& key) {
    // No line is marked: the drop-down closes on the typed text, and the key moves on as it
    // would from the closed box, so the form's own check later says whom to choose.
    const QString typed = ToQt(box_.list.EditText());
    hidePopup();
    setEditText(typed);
    if (key.key() == Qt::Key_Backtab ||
        (key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier))) {
        focusPreviousChild();
    } else {
        focusNextChild();
    }
    return true;
}
