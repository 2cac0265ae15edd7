#pragma once
// Edit fields whose text goes into the studio data file refuse the characters that would break
// its lines: the field separators "|", ";" and TAB, and line breaks, any other characters a
// field cannot keep, and the letters the code page has no place for (which would become "?"). Typed
// or pasted, they are dropped, with a beep and a note by the field; a key typed into a full field
// gets the same.
#include <QValidator>

class QLineEdit;

class CFieldTextValidator : public QValidator {
    Q_OBJECT
public:
    CFieldTextValidator(QString alsoRefused, QObject* parent)
        : QValidator(parent), alsoRefused_(std::move(alsoRefused)) {}
    State validate(QString& input, int& position) const override;

private:
    QString alsoRefused_;
};

// Gives `edit` the validator; `alsoRefused` names characters the field refuses besides.
void RefuseFieldSeparators(QLineEdit* edit, const QString& alsoRefused = QString());
