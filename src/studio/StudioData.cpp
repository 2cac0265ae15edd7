// The studio's own data: editing it, and creating the first studio with its data file.
#include "studio/StudioData.h"

#include <filesystem>

#include "data/Database.h"
#include "data/RecordArrays.h"
#include "formats/DataFileWriter.h"
#include "platform/Ui.h"
#include "studio/StudioDialog.h"
#include "util/Files.h"
#include "util/SetupPath.h"
#include "util/SystemPath.h"
#include "util/Text.h"

void EditStudioData(CDatabase& store) {
    if (store.studioArray.empty()) {
        store.ui.ShowMessage("Error - no studio");
        return;
    }
    CStudioDialog dialog(store.ui, *store.studioArray.front());
    if (store.ui.RunDialog(dialog) == IDOK) {
        WriteDataFile(store, store.dataFileName);
    }
}

std::string DataFileNameForStudio(const CDatabase& store, const std::string& studioName) {
    std::string ending = "_";
    ending.append(MakeFileNamePart(studioName)).append(".tvr");
    return WithSetupExtensionReplaced(store.setupFileName, ending);
}

namespace {

// The folder that holds the competition's folder (each competition has a folder of its own).
std::string CompetitionsAbove(const std::string& setupFileName) {
    if (setupFileName.empty()) {
        return {};
    }
    std::error_code ignored;
    const auto folder = std::filesystem::absolute(setupFileName, ignored).parent_path();
    return folder.has_parent_path() ? folder.parent_path().string() : folder.string();
}

}  // namespace

int NewStudio(CDatabase& store) {
    auto record = std::make_unique<CStudioRecord>();
    CStudioDialog dialog(store.ui, *record);
    dialog.copyFromFolder = CompetitionsAbove(store.setupFileName);
    // Another studio of the same name already has its file here; writing the new, empty
    // studio over it would lose that studio's persons and entries. Anything else of that name
    // (a folder, say) could not be saved over either.
    dialog.acceptName = [&store](const std::string& storedName) {
        const std::string path = DataFileNameForStudio(store, storedName);
        std::error_code ignored;
        const bool emptyFile = IsPlainFile(path) && FileSizeOf(path) == 0;
        if (std::filesystem::exists(SystemPath(path), ignored) && !emptyFile) {
            store.ui.ShowMessage("A data file for " + storedName + " already exists:\n" + path +
                                 "\nPlease enter a different name.");
            return false;
        }
        return true;
    };
    if (store.ui.RunDialog(dialog) != IDOK) {
        return 0;
    }
    record->number = NextNumber(store.studioArray);
    store.dataFileName = DataFileNameForStudio(store, record->name);
    AppendRecord(store.studioArray, std::move(record));
    WriteDataFile(store, store.dataFileName);
    return 1;
}
