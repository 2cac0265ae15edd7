#pragma once
// A single-selection list box that shows a list model: its lines in the model's order, and the
// user's choice taken back into the model.
#include "dialogs/ListModel.h"

class QListWidget;

// Shows the lines and the selected line of `model`; the widget's signals are held meanwhile.
void ShowListLines(QListWidget* widget, const CListModel& model);
// The line the user selected (none: -1) becomes the model's selection.
void ReadListChoice(const QListWidget* widget, CListModel& model);
