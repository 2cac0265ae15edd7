#pragma once
// Makes every control findable: by its id (tests, views), by its constant's name (objectName)
// and by its label or text (the accessibility interface that screen readers use).
#include <QString>
#include <QWidget>

class QLabel;

// objectName becomes the constant's name without its class ("CListDialog::kAllId" -> "kAllId"),
// and the id is kept as the property "controlId".
void NameControl(QWidget* widget, const char* constantName, int id);
#define TAVORIN_NAME_CONTROL(widget, constant) NameControl((widget), #constant, (constant))

// The control with `id` among the children of `root`, or nullptr.
QWidget* FindControlById(const QWidget* root, int id);
template <class Widget>
Widget* FindControl(const QWidget* root, int id) {
    return qobject_cast<Widget*>(FindControlById(root, id));
}

// A label or button text as a screen reader should say it: no mnemonic marks, no line breaks.
QString AccessibleText(const QString& text);
// The widget's accessible name from its text.
void SetAccessibleText(QWidget* widget, const QString& text);
// `label` names `field`: it becomes its buddy and its accessible name.
void LabelControl(QLabel* label, QWidget* field);
