#include "dialogs/TextDialog.h"

#include <algorithm>
#include <cctype>

#include "platform/Ui.h"

int CTextDialog::Limit() const {
    return maxLength > 0 ? std::max(maxLength, initialLength_) : maxLength;
}

void CTextDialog::SetText(const std::string& typed) {
    const int limit = Limit();
    text = limit > 0 && static_cast<int>(typed.size()) > limit ? typed.substr(0, limit) : typed;
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (mode == 'U') {
            c = static_cast<char>(std::toupper(byte));
        } else if (mode == 'L') {
            c = static_cast<char>(std::tolower(byte));
        }
    }
}

std::string AskText(CUi& ui, const std::string& prompt, int maxLength,
                    const std::string& initialText, char mode) {
    CTextDialog dialog(prompt, maxLength, initialText, mode);
    return ui.RunDialog(dialog) == IDOK ? dialog.text : std::string();
}
