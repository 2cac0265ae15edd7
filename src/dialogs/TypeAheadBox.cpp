#include "dialogs/TypeAheadBox.h"

#include "util/Text.h"

namespace {

// The character a key types into the box, or 0 for a key the box leaves alone. Blank, digits
// and letters type themselves and the comma key a comma. The navigation keys between them
// (page and arrow keys, Home, End, Insert, Delete) keep their work in the list.
char TypedCharacter(int virtualKey) {
    if (virtualKey == ' ' || (virtualKey >= '0' && virtualKey <= '9') ||
        (virtualKey >= 'A' && virtualKey <= 'Z')) {
        return static_cast<char>(virtualKey);
    }
    if (virtualKey == CTypeAheadBox::kCommaKey) {
        return ',';
    }
    return 0;
}

bool BeginsWithIgnoringCase(const std::string& text, const std::string& start) {
    return text.size() >= start.size() && EqualsIgnoringCase(text.substr(0, start.size()), start);
}

}  // namespace

bool CTypeAheadBox::OnKeyDown(int virtualKey, bool wholeTextMarked) {
    const char c = TypedCharacter(virtualKey);
    if (virtualKey != kBackspaceKey && c == 0) {
        return false;
    }
    std::string typed = wholeTextMarked ? std::string() : list.EditText();
    if (virtualKey == kBackspaceKey) {
        if (!typed.empty()) {
            typed.pop_back();
        }
    } else {
        typed += c;
    }
    list.SetEditText(typed);
    topLineMatches_ = false;
    if (!typed.empty()) {
        for (int i = 0; i < list.GetCount(); ++i) {
            if (BeginsWithIgnoringCase(list.GetText(i), typed)) {
                topLine_ = i;
                topLineMatches_ = true;
                break;
            }
        }
    }
    return true;
}

long CTypeAheadBox::DataOfText() const {
    // Two persons may differ only in case ("Lee, Ann" and "LEE, ANN"): the one picked wins.
    for (const auto& item : list.Items()) {
        if (item.text == list.EditText()) {
            return item.data;
        }
    }
    for (const auto& item : list.Items()) {
        if (EqualsIgnoringCase(item.text, list.EditText())) {
            return item.data;
        }
    }
    return -1;
}
