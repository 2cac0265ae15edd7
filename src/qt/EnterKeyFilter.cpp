#include "qt/EnterKeyFilter.h"

#include <QAbstractPrintDialog>
#include <QApplication>
#include <QCheckBox>
#include <QErrorMessage>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

#include "dialogs/EnterKey.h"

namespace {

ECheckState CheckStateOf(const QAbstractButton* button) {
    if (const auto* box = qobject_cast<const QCheckBox*>(button)) {
        switch (box->checkState()) {
            case Qt::Checked:
                return ECheckState::Checked;
            case Qt::PartiallyChecked:
                return ECheckState::Indeterminate;
            case Qt::Unchecked:
                break;
        }
        return ECheckState::Unchecked;
    }
    return button->isChecked() ? ECheckState::Checked : ECheckState::Unchecked;
}

CFocusedControl Describe(const QWidget* widget) {
    CFocusedControl focused;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        focused.check = CheckStateOf(button);
        if (qobject_cast<const QCheckBox*>(widget) != nullptr) {
            focused.kind = EControlKind::CheckBox;
        } else if (qobject_cast<const QRadioButton*>(widget) != nullptr) {
            focused.kind = EControlKind::RadioButton;
        } else if (qobject_cast<const QPushButton*>(widget) != nullptr ||
                   qobject_cast<const QToolButton*>(widget) != nullptr) {
            focused.kind = EControlKind::PushButton;
        } else {
            focused.kind = EControlKind::OtherButton;
        }
    } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) {
        focused.kind = plain->isReadOnly() ? EControlKind::Other : EControlKind::MultiLineEdit;
    } else if (const auto* rich = qobject_cast<const QTextEdit*>(widget)) {
        focused.kind = rich->isReadOnly() ? EControlKind::Other : EControlKind::MultiLineEdit;
    }
    return focused;
}

// Qt's own dialogs keep their own keyboard handling.
bool IsStandardDialog(const QWidget* window) {
    return qobject_cast<const QMessageBox*>(window) != nullptr ||
           qobject_cast<const QFileDialog*>(window) != nullptr ||
           qobject_cast<const QInputDialog*>(window) != nullptr ||
           qobject_cast<const QProgressDialog*>(window) != nullptr ||
           qobject_cast<const QErrorMessage*>(window) != nullptr ||
           qobject_cast<const QAbstractPrintDialog*>(window) != nullptr;
}

void ApplyCheckState(QAbstractButton* button, ECheckState state) {
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        box->setCheckState(state == ECheckState::Checked ? Qt::Checked : Qt::Unchecked);
    } else {
        // Qt keeps a radio group exclusive: setting one clears the others of its group.
        button->setChecked(state == ECheckState::Checked);
    }
}

}  // namespace

bool CEnterKeyFilter::AppliesTo(const QWidget* widget) {
    const QWidget* window = widget->window();
    if (window->property(kOwnEnterKeyProperty).toBool() ||
        widget->property(kOwnEnterKeyProperty).toBool()) {
        return false;
    }
    if (window->property(kEnterMovesOnProperty).toBool()) {
        return true;
    }
    return qobject_cast<const QDialog*>(window) != nullptr && !IsStandardDialog(window);
}

bool CEnterKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
        return false;
    }
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    QWidget* focus = QApplication::focusWidget();
    // Decide once, when the event reaches the focused control itself.
    if (focus == nullptr || watched != focus || !AppliesTo(focus)) {
        return false;
    }
    CFocusedControl focused = Describe(focus);
    const ECheckState before = focused.check;
    const int keyToProcess = HandleEnterKey(focused);
    if (keyToProcess == kEnterKey) {
        if (focused.kind == EControlKind::PushButton) {
            static_cast<QAbstractButton*>(focus)->click();
            return true;
        }
        return false;  // a multi-line edit starts a new line
    }
    if (focused.check != before) {
        ApplyCheckState(static_cast<QAbstractButton*>(focus), focused.check);
    }
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(focus, &tab);
    // On past the controls Enter does not stop at; bounded, should they be all there is.
    for (int passed = 0; passed < 8; ++passed) {
        QWidget* reached = QApplication::focusWidget();
        if (reached == nullptr || reached == focus ||
            !reached->property(kPassedByEnterProperty).toBool()) {
            break;
        }
        QKeyEvent again(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(reached, &again);
    }
    return true;
}

void InstallEnterKeyFilter(QCoreApplication& application) {
    application.installEventFilter(new CEnterKeyFilter(&application));
}
