#include "persons/TextDialog.h"

#include <cctype>

#include "platform/Ui.h"

void CTextDialog::SetText(const std::string& typed) {
    text = maxLength > 0 && static_cast<int>(typed.size()) > maxLength ? typed.substr(0, maxLength)
                                                                       : typed;
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
