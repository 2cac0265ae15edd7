#pragma once
// Text from outside (a UTF-8 roster) into the code page of the studio data file. A letter the
// code page lacks is written as its plain letter where it has one (Ł -> L, ő -> o, ș -> s) and
// reported, so that nothing becomes "?" without the user being told.
#include <string>
#include <vector>

struct CPlainLetter {
    std::string letter;    // UTF-8, as it stood
    std::string storedAs;  // what the code page text holds instead
};

struct CCodePageText {
    std::string text;  // Windows-1252
    // Each letter written as its plain form, once, in the order of first appearance.
    std::vector<CPlainLetter> plainLetters;
    // Each character (UTF-8) that has no plain form in the code page, once; it is left out of
    // `text`, which the caller should then not store.
    std::vector<std::string> unstorable;
};

// `utf8` must be valid UTF-8. An accent written as a mark of its own after its letter (as some
// systems decompose names) is left out and reported with its letter.
CCodePageText Utf8ToCodePageWithPlainLetters(const std::string& utf8);
