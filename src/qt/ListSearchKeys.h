#pragma once
// F2 and F3 on a dialog's main list: F2 asks for a search text and selects the next line that
// contains it, F3 searches again. The keys work wherever the focus is in the list's window.
class QListWidget;
class CUi;

void AttachListSearch(QListWidget* list, CUi& ui);

// The two searches on a list widget; the found line becomes selected and the list gets the focus.
void SearchListWidget(QListWidget* list, CUi& ui);
void SearchListWidgetAgain(QListWidget* list, CUi& ui);
