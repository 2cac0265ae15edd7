#pragma once
// The texts of a list model's lines, top to bottom, as a story compares them.
#include <string>
#include <vector>

#include "dialogs/ListModel.h"

inline std::vector<std::string> Lines(const CListModel& list) {
    std::vector<std::string> lines;
    for (const auto& item : list.Items()) {
        lines.push_back(item.text);
    }
    return lines;
}
