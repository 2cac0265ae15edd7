#include "qt/FieldTextValidator.h"

#include <QLineEdit>

namespace {

bool BreaksALine(QChar c) {
    return c == u'|' || c == u';' || c == u'\t' || c == u'\r' || c == u'\n';
}

}  // namespace

QValidator::State CFieldTextValidator::validate(QString& input, int& position) const {
    for (qsizetype i = input.size() - 1; i >= 0; --i) {
        if (BreaksALine(input[i]) || alsoRefused_.contains(input[i])) {
            input.remove(i, 1);
            if (i < position) {
                --position;
            }
        }
    }
    return Acceptable;
}

void RefuseFieldSeparators(QLineEdit* edit, const QString& alsoRefused) {
    edit->setValidator(new CFieldTextValidator(alsoRefused, edit));
}
