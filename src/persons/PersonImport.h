#pragma once
// Bringing persons into the studio from another competition's studio data file or from a CSV
// roster. The other file is only read.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class CDatabase;

// Every text here is UTF-8, as a roster's names and letters beyond the code page are shown.
struct CImportSummary {
    std::string fileName;  // the file's name, without its folder
    bool readable = true;
    std::string whyNot;  // when not readable
    bool fromRoster = false;
    bool cancelled = false;  // the user stopped it; nothing was added
    // The roster's lines after the header that hold anything (or the other file's persons):
    // each was added, was already in the studio, or was refused.
    int read = 0;
    int added = 0;
    // "Last, First" of every person who was not added because the studio has him or her.
    std::vector<std::string> alreadyThere;
    // "Line 4: unknown type "Lady pro"", one for each line that added nothing.
    std::vector<std::string> refusedLines;
    // "Line 9, Wójcik, Łukasz: Ł is stored as L", for each added line whose letters the code
    // page lacks.
    std::vector<std::string> plainLetterNotes;
    // What reading the other file found wrong with it (a file cut short, say).
    std::vector<std::string> fileNotes;
    // Header names that are none of the roster's columns; their values are left out.
    std::vector<std::string> unknownColumns;
    // Some "Type" was not understood: the summary says what the column takes.
    bool unknownType = false;
};

// Told now and then how far the import is (`done` of `total` lines or persons); returning false
// stops it, and then nothing is added.
using CImportProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Adds the persons of the file at `path` (a ".csv" roster, else a studio data file) to the
// store without writing it. A file that cannot be read adds nothing and says why.
CImportSummary ImportPersons(CDatabase& store, const std::string& path,
                             const CImportProgress& progress = {});
// The same, then the data file is written when anyone was added; `saved` is false only when
// that write failed (the writer has told the user).
CImportSummary ImportPersonsAndSave(CDatabase& store, const std::string& path, bool& saved,
                                    const CImportProgress& progress = {});

// Every line of the file was added or was there already, and the file held someone.
bool ImportTookEveryLine(const CImportSummary& summary);

// What the user is told afterwards: the summary without the refused lines, which the summary
// window lists; of the persons already in the studio it names `namesAtMost` and counts the rest.
std::string ImportSummaryHead(const CImportSummary& summary, std::size_t namesAtMost);
// Everything in one text, the refused lines included.
std::string ImportSummaryText(const CImportSummary& summary);
