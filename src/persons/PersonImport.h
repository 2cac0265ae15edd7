#pragma once
// Bringing persons into the studio from another competition's studio data file or from a CSV
// roster. The other file is only read.
#include <string>
#include <vector>

class CDatabase;

struct CImportSummary {
    std::string fileName;  // the file's name, without its folder
    bool readable = true;
    std::string whyNot;  // when not readable
    int added = 0;
    // "Last, First" of every person who was not added because the studio has him or her.
    std::vector<std::string> alreadyThere;
    // "Line 4: unknown type "Lady pro"", one for each line that added nothing.
    std::vector<std::string> refusedLines;
    // Lines whose characters the code page lacks became "?".
    std::vector<int> replacedLines;
    // Header names that are none of the roster's columns; their values are left out.
    std::vector<std::string> unknownColumns;
};

// Adds the persons of the file at `path` (a ".csv" roster, else a studio data file) to the
// store without writing it. A file that cannot be read adds nothing and says why.
CImportSummary ImportPersons(CDatabase& store, const std::string& path);
// The same, then the data file is written when anyone was added; `saved` is false only when
// that write failed (the writer has told the user).
CImportSummary ImportPersonsAndSave(CDatabase& store, const std::string& path, bool& saved);

// What the user is told afterwards.
std::string ImportSummaryText(const CImportSummary& summary);
