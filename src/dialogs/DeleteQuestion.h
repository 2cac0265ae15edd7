#pragma once
// The question before something is deleted: the program's words, then the line of what goes,
// so that the user sees what Yes removes. No is the default, so that Enter deletes nothing.
#include <string>

class CUi;

// true for Yes. `line` is the list line of what goes ("Lee, Ann [1]"); empty, the question
// stands alone.
bool AskBeforeDeleting(CUi& ui, const std::string& question, const std::string& line);
