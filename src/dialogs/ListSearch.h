#pragma once
// Searching long lists from the keyboard: F2 asks for a text and selects the next line that
// contains it, F3 repeats the last search. The last search text is the user interface's
// (CUi::lastSearchText), shared by every dialog for the whole run.
#include <string>

class CListModel;
class CUi;

// Each search starts after line `current` (-1: at the first line) and returns the line it
// selected, or -1 when it selected none. In a single-selection list `current` is the selected
// line; a multiple-selection list passes its current (focused) line.

// Asks for a search text ("Search for:"), remembers it and searches.
int SearchList(CUi& ui, CListModel& list, int current);
// Searches again for the last search text.
int SearchListAgain(CUi& ui, CListModel& list, int current);
// The search itself: the first later line containing the last search text, ignoring case, is
// selected; at the end of the list "Not found:" says so and the selection stays. No wrap-around.
int FindNextInList(CUi& ui, CListModel& list, int current);
