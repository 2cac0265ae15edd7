#include "qt/FieldTextValidator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QToolTip>

#include "dialogs/FieldNote.h"
#include "qt/QtText.h"

namespace {

bool BreaksALine(QChar c) {
    return c == u'|' || c == u';' || c == u'\t' || c == u'\r' || c == u'\n';
}

// A beep and the note just below the field, where the eyes are.
void TellByTheField(QLineEdit* edit, const std::string& note) {
    QApplication::beep();
    QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), ToQt(note), edit);
}

// A key typed into a full field would vanish: the field says why instead.
class CLengthLimitNote : public QObject {
public:
    explicit CLengthLimitNote(QLineEdit* edit) : QObject(edit), edit_(edit) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == edit_ && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool types =
                !key->text().isEmpty() && key->text().at(0).isPrint() &&
                (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
            if (types && !edit_->hasSelectedText() && edit_->text().size() >= edit_->maxLength()) {
                TellByTheField(edit_, LengthLimitNote(edit_->maxLength()));
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* edit_;
};

}  // namespace

QValidator::State CFieldTextValidator::validate(QString& input, int& position) const {
    QChar refused;
    for (qsizetype i = input.size() - 1; i >= 0; --i) {
        if (BreaksALine(input[i]) || alsoRefused_.contains(input[i])) {
            refused = input[i];
            input.remove(i, 1);
            if (i < position) {
                --position;
            }
        }
    }
    // Told after the edit has taken the text back: a tip shown from inside the check would
    // be hidden again by the edit's own repaint.
    if (!refused.isNull()) {
        if (auto* edit = qobject_cast<QLineEdit*>(parent())) {
            const std::string note = RefusedCharacterNote(static_cast<char>(refused.toLatin1()));
            QTimer::singleShot(0, edit, [edit = QPointer<QLineEdit>(edit), note] {
                if (edit) {
                    TellByTheField(edit, note);
                }
            });
        }
    }
    return Acceptable;
}

void RefuseFieldSeparators(QLineEdit* edit, const QString& alsoRefused) {
    edit->setValidator(new CFieldTextValidator(alsoRefused, edit));
    edit->installEventFilter(new CLengthLimitNote(edit));
}
