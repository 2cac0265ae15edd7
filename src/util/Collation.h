#pragma once
// How names and list lines are matched and sorted, for every list and every search the user
// types into: a letter matches with and without its accent, in either case ("Castano" finds
// "Castaño", "N" finds "Ñúñez"), and sorted lists put Åberg among the A's. Texts are
// Windows-1252.
#include <string>

// The letter without its accent (Å -> A, ñ -> n, Š -> S, ÿ -> y); any other byte, and the
// letters that are no accented form of one plain letter (Æ, Œ, ß, Þ, Ð), are returned as they
// are. One byte for one, so a match found in the plain form lies at the same place in the text.
char PlainLetter(char letter);

// The text as it is matched: every letter in its plain form and in capitals. Two texts match
// where their matching forms are equal.
std::string MatchingForm(const std::string& text);

// The order of sorted lists: ignoring case and accents first (Æ as AE, Œ as OE, ß as SS), ties
// by the exact text, so that equal-looking lines keep a stable order.
bool CollatesBefore(const std::string& a, const std::string& b);
