#pragma once
// Edit fields whose text goes into the studio data file refuse the characters that would break
// its lines: the field separators "|", ";" and TAB, and line breaks. Typed or pasted, they are
// dropped.
#include <QValidator>

class QLineEdit;

class CFieldTextValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// Gives `edit` the validator.
void RefuseFieldSeparators(QLineEdit* edit);
