// tavorin-cli: the program's core on the command line.
//
//   tavorin-cli [--yes] export SETUP.stu [DATA.tvr]
//   tavorin-cli [--yes] rewrite SETUP.stu DATA.tvr OUT.tvr
//   tavorin-cli [--yes] forms SETUP.stu DATA.tvr [PERSON]
//   tavorin-cli [--yes] report SETUP.stu DATA.tvr [--pdf FILE]
//   tavorin-cli [--yes] import SETUP.stu DATA.tvr FROM
//   tavorin-cli [--yes] persons SETUP.stu DATA.tvr [--csv]
//   tavorin-cli [--yes] statements SETUP.stu DATA.tvr [--csv | --pdf-folder DIR]
//
// Messages the program would show go to standard error as "message: TEXT", questions as
// "question: TEXT", answered No unless --yes is given. Exit status: 0 done, 1 the files could not
// be loaded or written (or another Tavorin has the studio open), 2 wrong usage, 3 an import
// that refused lines or found no person.
#include <charconv>
#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliLoading.h"
#include "cli/ConsoleUi.h"
#include "cli/PersonCommands.h"
#include "cli/SetupJson.h"
#include "cli/StudioJson.h"
#include "data/Database.h"
#include "entries/FormsList.h"
#include "formats/DataFileLock.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "formats/FileReplace.h"
#include "formats/SetupLoader.h"
#include "report/ReportDocument.h"
#include "report/StatementDocuments.h"
#include "report/Statements.h"
#include "report/SummaryReport.h"
#include "util/CodePage.h"
#include "util/Files.h"
#include "util/PdfWriter.h"
#include "util/SystemPath.h"

namespace {

struct CCommand {
    const char* name;
    const char* operands;  // as shown in the usage text
    int (*run)(const COperands& operands, CUi& ui);
};

int RunExport(const COperands& operands, CUi& ui) {
    if (operands.size() != 1 && operands.size() != 2) {
        return kExitUsage;
    }
    CDatabase store(ui);
    if (!LoadSetup(store, operands[0])) {
        return kExitNotLoaded;
    }
    if (operands.size() == 2 && !LoadDataFile(store, operands[1])) {
        return kExitNotLoaded;
    }
    auto json = SetupToJson(store);
    if (operands.size() == 2) {
        AddStudioJson(store, json);
    }
    std::cout << json.dump(2) << '\n';
    return kExitDone;
}

// Writes the data file read from DATA to OUT with the program's writer.
int RunRewrite(const COperands& operands, CUi& ui) {
    if (operands.size() != 3) {
        return kExitUsage;
    }
    CDatabase store(ui);
    if (!LoadSetup(store, operands[0])) {
        return kExitNotLoaded;
    }
    // OUT may be the studio a Tavorin has open (or DATA itself).
    const auto lock = LockForWriting(ui, operands[2]);
    if (!lock || !LoadDataFile(store, operands[1])) {
        return kExitNotLoaded;
    }
    return WriteDataFile(store, operands[2]) ? kExitDone : kExitNotLoaded;
}

// Prints the forms list as "Select entry form" shows it: the studio's forms, or those of the
// person with the number PERSON.
int RunForms(const COperands& operands, CUi& ui) {
    if (operands.size() != 2 && operands.size() != 3) {
        return kExitUsage;
    }
    int person = -1;
    if (operands.size() == 3) {
        const std::string& text = operands[2];
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), person);
        if (error != std::errc() || end != text.data() + text.size()) {
            return kExitUsage;
        }
    }
    CDatabase store(ui);
    if (!LoadSetup(store, operands[0]) || !LoadDataFile(store, operands[1])) {
        return kExitNotLoaded;
    }
    const int studio = store.studioArray.empty() ? -1 : store.studioArray.front()->number;
    const auto lines = operands.size() == 3 ? ListEntryForms(store, 'P', person)
                                            : ListEntryForms(store, 'S', studio);
    if (lines.empty()) {
        ui.ShowMessage("No entry forms found.");
    }
    for (const auto& line : lines) {
        std::cout << Cp1252ToUtf8(line.text) << '\n';
    }
    return kExitDone;
}

// The paper of the user's locale, as the desktop program chooses it.
CPaper LocalePaper() {
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const std::string name = EnvironmentValue(variable);
        if (!name.empty()) {
            return PaperForTerritory(TerritoryOfLocaleName(name));
        }
    }
    return PaperForTerritory("");
}

// Takes "OPTION VALUE" out of the operands; false when the option is there without a value.
bool TakeOption(COperands& operands, const char* option, std::string& value) {
    for (std::size_t k = 0; k < operands.size(); ++k) {
        if (operands[k] == option) {
            if (k + 1 >= operands.size()) {
                return false;
            }
            value = operands[k + 1];
            operands.erase(operands.begin() + static_cast<std::ptrdiff_t>(k),
                           operands.begin() + static_cast<std::ptrdiff_t>(k + 2));
            return true;
        }
    }
    return true;
}

// Prints the summary report as the studio sees it in step 5, one line each; with --pdf FILE
// writes it as a printed document instead.
int RunReport(const COperands& given, CUi& ui) {
    COperands operands = given;
    std::string pdfPath;
    if (!TakeOption(operands, "--pdf", pdfPath) || operands.size() != 2) {
        return kExitUsage;
    }
    CDatabase store(ui);
    if (!LoadSetup(store, operands[0]) || !LoadDataFile(store, operands[1])) {
        return kExitNotLoaded;
    }
    CStringList lines;
    std::vector<CReportLine> rows;
    if (!BuildSummaryReport(store, lines, rows)) {
        return kExitNotLoaded;
    }
    if (!pdfPath.empty()) {
        const std::string pdf =
            PdfBytes(ReportDocument(DocumentHeaderOf(store, TodayAtNoon()), rows, LocalePaper()));
        std::string whyNot;
        if (!ReplaceFileContents(pdfPath, pdf, whyNot)) {
            ui.ShowMessage("The report could not be written to " + pdfPath + " (" + whyNot + ").");
            return kExitNotLoaded;
        }
        ui.ShowInformation("The report was written to " + pdfPath + ".");
        return kExitDone;
    }
    for (const auto& line : lines) {
        std::cout << Cp1252ToUtf8(line) << '\n';
    }
    return kExitDone;
}

// Prints what each person owes the studio, as text or (with --csv) as a spreadsheet's rows;
// with --pdf-folder DIR writes one PDF file per statement into DIR.
int RunStatements(const COperands& given, CUi& ui) {
    COperands operands = given;
    std::string folder;
    if (!TakeOption(operands, "--pdf-folder", folder)) {
        return kExitUsage;
    }
    CDatabase store(ui);
    bool csv = false;
    if (const int status = LoadStudioForListing(store, operands, csv); status != kExitDone) {
        return status;
    }
    if (csv && !folder.empty()) {
        return kExitUsage;
    }
    CStatements statements;
    if (!BuildStatements(store, statements)) {
        return kExitNotLoaded;
    }
    if (!folder.empty()) {
        if (statements.pricesHidden) {
            ui.ShowMessage(kStatementsPricesHidden);
            return kExitDone;
        }
        const int written = SaveEachStatementAsPdf(ui, DocumentHeaderOf(store, TodayAtNoon()),
                                                   statements, LocalePaper(), folder);
        return written == static_cast<int>(statements.statements.size()) ? kExitDone
                                                                         : kExitNotLoaded;
    }
    if (statements.pricesHidden) {
        ui.ShowMessage(kStatementsPricesHidden);
    }
    if (csv) {
        std::cout << StatementsCsv(statements);
        return kExitDone;
    }
    if (!statements.pricesHidden) {
        std::cout << Cp1252ToUtf8(StatementsText(statements));
    }
    return kExitDone;
}

const CCommand kCommands[] = {
    {"export", "SETUP.stu [DATA.tvr]", RunExport},
    {"rewrite", "SETUP.stu DATA.tvr OUT.tvr", RunRewrite},
    {"forms", "SETUP.stu DATA.tvr [PERSON]", RunForms},
    {"report", "SETUP.stu DATA.tvr [--pdf FILE]", RunReport},
    {"import", "SETUP.stu DATA.tvr FROM", RunImport},
    {"persons", "SETUP.stu DATA.tvr [--csv]", RunPersons},
    {"statements", "SETUP.stu DATA.tvr [--csv | --pdf-folder DIR]", RunStatements},
};

void PrintUsage(std::ostream& out) {
    out << "usage:\n";
    for (const auto& command : kCommands) {
        out << "  tavorin-cli [--yes] " << command.name << ' ' << command.operands << '\n';
    }
    out << "Messages go to standard error; questions are answered No unless --yes is given.\n";
    out << "Exit status: 0 done, 1 not loaded or not written, 2 wrong usage, 3 an import that\n"
           "refused lines or found no person.\n";
}

}  // namespace

int main(int argc, char** argv) {
    bool answerYes = false;
    COperands words;
#ifdef _WIN32
    // The texts go out as they are: the organizer's files have their own line ends.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
#endif
    const std::vector<std::string> arguments = ProgramArguments(argc, argv);
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--yes") {
            answerYes = true;
        } else if (word == "--help" || word == "-h") {
            PrintUsage(std::cout);
            return kExitDone;
        } else if (word == "--version") {
            std::cout << "tavorin-cli " TAVORIN_VERSION "\n";
            return kExitDone;
        } else if (word == "--csv") {
            // An operand of "persons" and "statements"; the command says whether it takes it.
            words.push_back(word);
        } else if (word == "--pdf" || word == "--pdf-folder") {
            // Operands with their value, of "report" and of "statements".
            words.push_back(word);
            if (i + 1 < arguments.size()) {
                words.push_back(arguments[++i]);
            }
        } else if (word.size() > 1 && word[0] == '-') {
            std::cerr << "tavorin-cli: unknown option " << word << '\n';
            PrintUsage(std::cerr);
            return kExitUsage;
        } else {
            words.push_back(word);
        }
    }
    if (!words.empty()) {
        for (const auto& command : kCommands) {
            if (words.front() == command.name) {
                CConsoleUi ui(std::cerr, answerYes);
                const int status = command.run(COperands(words.begin() + 1, words.end()), ui);
                if (status == kExitUsage) {
                    PrintUsage(std::cerr);
                }
                return status;
            }
        }
    }
    PrintUsage(std::cerr);
    return kExitUsage;
}
