#pragma once
// A list model shown in a QListWidget, and the user's selection taken back, for views whose
// lists the model fills and refills.
#include "dialogs/ListModel.h"

class QListWidget;

// Shows the lines in model order with their selection, the selected line scrolled into view.
void RenderList(QListWidget* widget, const CListModel& lines);
// Takes the widget's selection into the model.
void ReadList(const QListWidget* widget, CListModel& lines);
