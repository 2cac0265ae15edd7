#pragma once
// The one place that tells the Qt user interface which view shows which dialog model.
#include <vector>

// Registers every view once (later calls do nothing). Returns the resource numbers that more
// than one view claimed; empty when all is well.
std::vector<int> RegisterDialogViews();
