#pragma once
// A person box that can be typed into: the user picks a name from a long drop-down list, and
// typing the first letters of a last name scrolls the list to it without choosing it. The box
// keeps what was typed, so that only a name picked from the list (or typed in full) counts.
#include <string>

#include "dialogs/ListModel.h"

class CTypeAheadBox {
public:
    // Virtual-key codes of the keys the box takes besides blank, digits and letters.
    static constexpr int kBackspaceKey = 8;
    static constexpr int kCommaKey = 188;

    // A key pressed while the box has the focus, as its virtual-key code (letters in upper
    // case). The view first passes the box's current text into list's edit text, and tells
    // whether all of it is marked (as after moving into the box): typing then starts afresh, as
    // in any edit field. true when the box took the key: the drop-down is to be opened and to
    // show the new text and TopLine(); false when the key goes on to the control as usual.
    bool OnKeyDown(int virtualKey, bool wholeTextMarked = false);
    // A letter of the code page beyond ASCII typed on a keyboard that has it (Å, Ñ, é): no
    // virtual-key code names it, so the view passes the letter itself. Taken as OnKeyDown takes
    // a letter key; false for anything that is no such letter.
    bool OnAccentedLetter(char letter, bool wholeTextMarked = false);

    // The line the drop-down shows at its top: the first line beginning with the typed text
    // (ignoring case and accents); it stays where it was when no line begins so, or nothing is
    // typed.
    int TopLine() const { return topLine_; }
    // Whether the typed text begins TopLine(): the drop-down then marks that line, so that Down
    // moves on from it and Enter takes it. When it does not, no line is marked: Enter then
    // takes nobody and the typed text stays, so that the box's text decides.
    bool TopLineMatches() const { return topLineMatches_; }
    // The item data of the line whose text equals the box's text: exactly, else ignoring case;
    // -1 when none does.
    long DataOfText() const;

    // The lines with their item data and selection; its edit text is the box's text.
    CListModel list;

private:
    void Type(std::string typed);

    int topLine_ = 0;
    bool topLineMatches_ = false;
};
