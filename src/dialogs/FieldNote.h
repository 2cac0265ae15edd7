#pragma once
// What a field says, by the field, when it refuses something typed: the user must see why a
// character did not appear, not lose it in silence.
#include <string>

// "| cannot be used here"; tabs and line breaks are named in words.
std::string RefusedCharacterNote(char refused);
// "Ł cannot be stored: ..." for a letter (UTF-8) the organizer's files have no place for; the
// note is UTF-8, as the letter cannot be written in the code page.
std::string UnstorableLetterNote(const std::string& letterUtf8);
// "At most 40 characters".
std::string LengthLimitNote(int maxLength);
