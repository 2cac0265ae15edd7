// The studio's own data: editing it, and creating the first studio with its data file.
#include "data/Database.h"
#include "data/RecordArrays.h"
#include "persons/StudioDialog.h"
#include "platform/Ui.h"
#include "util/Files.h"
#include "util/SetupPath.h"
#include "util/Text.h"

void CDatabase::EditStudioData() {
    if (studioArray.empty()) {
        ui.ShowMessage("Error - no studio");
        return;
    }
    CStudioDialog dialog(ui, *studioArray.front());
    if (ui.RunDialog(dialog) == IDOK) {
        WriteDataFile(dataFileName);
    }
}

std::string CDatabase::DataFileNameForStudio(const std::string& studioName) const {
    return WithSetupExtensionReplaced(setupFileName, "_" + MakeFileNamePart(studioName) + ".tvr");
}

int CDatabase::NewStudio() {
    auto record = std::make_unique<CStudioRecord>();
    CStudioDialog dialog(ui, *record);
    // Another studio of the same name already has its file here; writing the new, empty
    // studio over it would lose that studio's persons and entries.
    dialog.acceptName = [this](const std::string& storedName) {
        const std::string path = DataFileNameForStudio(storedName);
        if (FileExists(path) && FileSizeOf(path) > 0) {
            ui.ShowMessage("A data file for " + storedName + " already exists:\n" + path +
                           "\nPlease enter a different name.");
            return false;
        }
        return true;
    };
    if (ui.RunDialog(dialog) != IDOK) {
        return 0;
    }
    record->number = NextNumber(studioArray);
    dataFileName = DataFileNameForStudio(record->name);
    AppendRecord(studioArray, std::move(record));
    WriteDataFile(dataFileName);
    return 1;
}
