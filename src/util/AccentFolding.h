#pragma once
// Names as people compare them: "MÜLLER", "Müller" and "Muller" are one name.
#include <string>

// The code page text in capitals without accents (é, É and e all give E; ß, Æ and Œ stay
// letters of their own). Two names are the same name when their folded texts are equal.
std::string FoldCaseAndAccents(const std::string& text);
