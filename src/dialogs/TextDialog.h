#pragma once
// "Enter text": one line of text under a caption, optionally forced to upper or lower case.
#include <string>

#include "dialogs/DialogModel.h"

class CUi;

class CTextDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 259;
    static constexpr int kEditId = 1469;

    CTextDialog(std::string caption, int maxLength, std::string initialText, char mode)
        : caption(std::move(caption)),
          maxLength(maxLength),
          text(std::move(initialText)),
          mode(mode),
          initialLength_(static_cast<int>(text.size())) {}
    int ResourceId() const override { return kResourceId; }

    // The most characters the edit holds: the maximum length, or the initial text's length when
    // that is longer, so that a stored text (a comment from the data file) is never cut just by
    // being shown and confirmed. 0 or less: no limit.
    int Limit() const;
    // What the edit holds after the user typed `typed`: cut to the limit and, in mode 'U' or
    // 'L', turned to upper or lower case.
    void SetText(const std::string& typed);

    std::string caption;
    int maxLength;
    std::string text;
    char mode;  // 'U' upper case, 'L' lower case, anything else as typed
    // The label by the field; empty, the caption stands there.
    std::string fieldLabel;
    // Not 0: a Help button opens this help context.
    unsigned helpContext = 0;

private:
    int initialLength_;
};

// Runs "Enter text"; the text entered, or an empty text when the user cancels.
std::string AskText(CUi& ui, const std::string& prompt, int maxLength,
                    const std::string& initialText, char mode);
