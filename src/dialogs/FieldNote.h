#pragma once
// What a field says, by the field, when it refuses something typed: the user must see why a
// character did not appear, not lose it in silence.
#include <string>

// "| cannot be used here"; tabs and line breaks are named in words.
std::string RefusedCharacterNote(char refused);
// "At most 40 characters".
std::string LengthLimitNote(int maxLength);
