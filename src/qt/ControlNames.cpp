#include "qt/ControlNames.h"

#include <QLabel>
#include <QVariant>

namespace {
constexpr const char* kControlIdProperty = "controlId";
}

void NameControl(QWidget* widget, const char* constantName, int id, const QString& spoken) {
    QString name = QString::fromLatin1(constantName);
    const auto scope = name.lastIndexOf(QStringLiteral("::"));
    if (scope >= 0) {
        name = name.mid(scope + 2);
    }
    widget->setObjectName(name);
    widget->setProperty(kControlIdProperty, id);
    widget->setAccessibleName(AccessibleText(spoken));
}

void NameControl(QWidget* widget, const char* constantName, int id, QLabel* label) {
    label->setBuddy(widget);
    NameControl(widget, constantName, id, label->text());
}

QWidget* FindControlById(const QWidget* root, int id) {
    for (QWidget* child : root->findChildren<QWidget*>()) {
        const QVariant value = child->property(kControlIdProperty);
        if (value.isValid() && value.toInt() == id) {
            return child;
        }
    }
    return nullptr;
}

QString AccessibleText(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'&') {
            // "&&" is a literal ampersand; a single one only marks the mnemonic.
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                result += c;
                ++i;
            }
        } else if (c == u'\n' || c == u'\r') {
            if (!result.endsWith(u' ')) {
                result += u' ';
            }
        } else {
            result += c;
        }
    }
    return result.trimmed();
}
