#include "dialogs/TypeAheadBox.h"

#include "util/Collation.h"
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

// "Ab" begins "Åberg" and "n" begins "Ñúñez": the user may not have the accented key.
bool BeginsWithLetters(const std::string& text, const std::string& start) {
    return text.size() >= start.size() &&
           MatchingForm(text.substr(0, start.size())) == MatchingForm(start);
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
    Type(std::move(typed));
    return true;
}

bool CTypeAheadBox::OnAccentedLetter(char letter, bool wholeTextMarked) {
    // Only the code page's letters above ASCII: the plain ones come as letter keys.
    const auto byte = static_cast<unsigned char>(letter);
    const bool isLetter = (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7) || byte == 0x8A ||
                          byte == 0x8C || byte == 0x8E || byte == 0x9A || byte == 0x9C ||
                          byte == 0x9E || byte == 0x9F;
    if (!isLetter) {
        return false;
    }
    std::string typed = wholeTextMarked ? std::string() : list.EditText();
    typed += ToUpperCodePage(std::string(1, letter));
    Type(std::move(typed));
    return true;
}

void CTypeAheadBox::Type(std::string typed) {
    list.SetEditText(typed);
    topLineMatches_ = false;
    if (!typed.empty()) {
        for (int i = 0; i < list.GetCount(); ++i) {
            if (BeginsWithLetters(list.GetText(i), typed)) {
                topLine_ = i;
                topLineMatches_ = true;
                break;
            }
        }
    }
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
