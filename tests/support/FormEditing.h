#pragma once
// A user who keeps changing entry forms at random: new forms, other dances, another level,
// another couple, deleted forms. After each change the data file written must read back into
// the same entries, grouped into the same forms. The choices come from outside (a seeded
// generator in the tests, the fuzzer's bytes), so that both drive the same sessions.
#include <cstddef>
#include <functional>
#include <string>

#include "data/Database.h"

class CFormEditSession {
public:
    // `pick(n)` chooses a number below n; `ui` answers the duplicate questions.
    CFormEditSession(std::function<std::size_t(std::size_t)> pick, CUi& ui,
                     const std::string& dataFile);

    // One user action, ending (as every change does) with a written file. An empty text, or
    // what went wrong.
    std::string Step();
    // Reads the written file into a store of its own: an empty text when it holds the same
    // entries in the same forms, else the first difference.
    std::string DifferenceFromFile() const;

private:
    std::string AddForm();
    void ChooseDances(struct CEntryForm& form);
    // Each form dances with a couple no other form has, as the file tells forms apart by
    // couple; the persons themselves are shared, so duplicate questions come up.
    bool ChooseFreeCouple(struct CEntryForm& form);

    std::function<std::size_t(std::size_t)> pick_;
    CDatabase db_;
};
