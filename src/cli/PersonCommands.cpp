#include "cli/PersonCommands.h"

#include <iostream>

#include "data/Database.h"
#include "formats/DataFileLock.h"
#include "formats/FileReplace.h"
#include "persons/PersonImport.h"
#include "persons/RosterCsv.h"
#include "platform/Ui.h"
#include "util/CodePage.h"

int RunImport(const COperands& operands, CUi& ui) {
    if (operands.size() != 3) {
        return kExitUsage;
    }
    const std::string& dataFile = operands[1];
    CDatabase store(ui);
    if (!LoadSetup(store, operands[0])) {
        return kExitNotLoaded;
    }
    const auto lock = LockForWriting(ui, dataFile);
    if (!lock) {
        return kExitNotLoaded;
    }
    if (!LoadDataFile(store, dataFile)) {
        return kExitNotLoaded;
    }
    if (store.studioArray.empty()) {
        ui.ShowMessage("Error - no studio");
        return kExitNotLoaded;
    }
    bool saved = true;
    const CImportSummary summary = ImportPersonsAndSave(store, operands[2], saved);
    std::cout << ImportSummaryText(summary) << '\n';
    if (!summary.readable || !saved) {
        return kExitNotLoaded;
    }
    return ImportTookEveryLine(summary) ? kExitDone : kExitNotAllImported;
}

int RunPersons(const COperands& operands, CUi& ui) {
    CDatabase store(ui);
    bool csv = false;
    if (const int status = LoadStudioForListing(store, operands, csv); status != kExitDone) {
        return status;
    }
    if (csv) {
        std::cout << FormatRosterCsv(store);
        return kExitDone;
    }
    for (const auto& person : store.personArray) {
        std::cout << Cp1252ToUtf8(person->lastName + ", " + person->firstName + " [" +
                                  std::to_string(person->number) + "]")
                  << '\n';
    }
    return kExitDone;
}
