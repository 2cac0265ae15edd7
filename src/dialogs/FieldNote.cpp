#include "dialogs/FieldNote.h"

std::string RefusedCharacterNote(char refused) {
    std::string shown;
    switch (refused) {
        case '\t':
            shown = "A tab";
            break;
        case '\r':
        case '\n':
            shown = "A line break";
            break;
        default:
            shown.assign(1, refused);
    }
    // The separators of the data file's fields would split the line the text is stored on.
    return shown + " cannot be used here";
}

std::string UnstorableLetterNote(const std::string& letterUtf8) {
    return letterUtf8 +
           " cannot be stored: the organizer's files hold only the letters of Western European "
           "languages";
}

std::string LengthLimitNote(int maxLength) {
    return "At most " + std::to_string(maxLength) + " characters";
}
