#include "qt/FieldTextValidator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

#include "dialogs/FieldNote.h"
#include "qt/QtText.h"
#include "util/CodePage.h"

namespace {

bool BreaksALine(QChar c) {
    return c == u'|' || c == u';' || c == u'\t' || c == u'\r' || c == u'\n';
}

// A beep and the note just below the field, where the eyes are.
void TellByTheField(QLineEdit* edit, const std::string& note) {
    QApplication::beep();
    QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), MessageToQt(note), edit);
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
    // Walked from the end, whole characters at a time (a letter beyond the first plane is two
    // UTF-16 units), so that removing one leaves the places before it as they were.
    std::string note;
    for (qsizetype end = input.size(); end > 0;) {
        qsizetype begin = end - 1;
        if (begin > 0 && input[begin].isLowSurrogate() && input[begin - 1].isHighSurrogate()) {
            --begin;
        }
        const QString character = input.mid(begin, end - begin);
        const char32_t codePoint = character.toUcs4().value(0);
        const bool separator = character.size() == 1 &&
                               (BreaksALine(character[0]) || alsoRefused_.contains(character[0]));
        if (separator || !Cp1252Holds(codePoint)) {
            // The file would hold "?" instead of a letter the user meant.
            note = separator ? RefusedCharacterNote(static_cast<char>(character[0].toLatin1()))
                             : UnstorableLetterNote(character.toStdString());
            input.remove(begin, end - begin);
            if (begin < position) {
                position -= static_cast<int>(std::min<qsizetype>(end, position) - begin);
            }
        }
        end = begin;
    }
    // Told after the edit has taken the text back: a tip shown from inside the check would
    // be hidden again by the edit's own repaint.
    if (!note.empty()) {
        if (auto* edit = qobject_cast<QLineEdit*>(parent())) {
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
