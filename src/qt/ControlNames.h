#pragma once
// Makes every control findable: by its id (tests, views), by its constant's name (objectName)
// and by its label or text (the accessibility interface that screen readers use).
#include <QString>
#include <QWidget>

class QLabel;

// Names a control once, for tests and screen readers alike: objectName becomes the constant's
// name without its class ("CListDialog::kAllId" -> "kAllId"), the id is kept as the property
// "controlId", and the accessible name is `spoken` as a screen reader should say it.
void NameControl(QWidget* widget, const char* constantName, int id, const QString& spoken);
// A field named by its label: the label becomes its buddy and gives the spoken name.
void NameControl(QWidget* widget, const char* constantName, int id, QLabel* label);
#define TAVORIN_NAME_CONTROL(widget, constant, spokenOrLabel) \
    NameControl((widget), #constant, (constant), (spokenOrLabel))

// The control with `id` among the children of `root`, or nullptr.
QWidget* FindControlById(const QWidget* root, int id);
template <class Widget>
Widget* FindControl(const QWidget* root, int id) {
    return qobject_cast<Widget*>(FindControlById(root, id));
}

// A label or button text as a screen reader should say it: no mnemonic marks, no line breaks.
QString AccessibleText(const QString& text);
