#include "cli/CliLoading.h"

#include "data/Database.h"
#include "formats/DataFileLock.h"
#include "formats/DataFileReader.h"
#include "formats/FileReplace.h"
#include "formats/SetupLoader.h"
#include "platform/Ui.h"
#include "util/Files.h"
#include "util/Text.h"

bool LoadSetup(CDatabase& store, const std::string& path) {
    if (!FileExists(path)) {
        store.ui.ShowMessage(FormatText("Setup data file %s not found.", {path}));
        return false;
    }
    return LoadSetupFile(store, path, false) == 1;
}

bool LoadDataFile(CDatabase& store, const std::string& path) {
    store.dataFileName = path;
    if (!FileExists(path)) {
        store.ui.ShowMessage(FormatText("Studio data file %s not found.", {path}));
        return false;
    }
    if (!ReadDataFile(store)) {
        store.ui.ShowMessage(FormatText("Studio data file %s cannot be read.", {path}));
        return false;
    }
    return true;
}

std::unique_ptr<CDataFileLock> LockForWriting(CUi& ui, const std::string& dataFile) {
    std::string holder;
    auto lock = CDataFileLock::Take(dataFile, holder);
    if (!lock) {
        ui.ShowMessage(OpenElsewhereMessage(dataFile, holder));
        return nullptr;
    }
    RemoveLeftoverReplacement(dataFile);
    return lock;
}

int LoadStudioForListing(CDatabase& store, const COperands& operands, bool& csv) {
    csv = operands.size() == 3 && operands[2] == "--csv";
    if (operands.size() != 2 && !csv) {
        return kExitUsage;
    }
    if (!LoadSetup(store, operands[0]) || !LoadDataFile(store, operands[1])) {
        return kExitNotLoaded;
    }
    return kExitDone;
}
