#pragma once
// The type column of a roster: the person dialog's seven type texts, or the plain words a
// spreadsheet holds ("Pro", "Amateur", "Youth", "Student", "Lady"...), with the gentleman or
// lady taken from a gender column when the type does not say.
#include <string>

// The index of the person type (as in PersonTypes()), or -1 with `whyNot` set.
int RosterTypeOf(const std::string& typeText, const std::string& genderText, std::string& whyNot);

// Said once after the refused lines when a type was not understood.
std::string RosterTypesHelp();
