#include "studio/StudioCopy.h"

#include "data/Database.h"
#include "formats/DataFileReader.h"
#include "platform/Ui.h"
#include "studio/StudioDialog.h"
#include "util/Files.h"

bool CopyStudioFromFile(CStudioDialog& dialog, CUi& ui, const std::string& path) {
    CDatabase other(ui);
    other.dataFileName = path;
    std::string whyNot;
    if (!ReadDataFileAsIs(other, &whyNot)) {
        ui.ShowMessage("No studio data was copied: " + FileNameOf(path) + " cannot be read (" +
                       whyNot + ").");
        return false;
    }
    if (other.studioArray.empty()) {
        ui.ShowMessage("No studio data was copied: " + FileNameOf(path) + " holds no studio data.");
        return false;
    }
    // The dialog opened on that studio shows its fields as they are to be copied, the stored
    // "name <invoice name>" split into its two names.
    const CStudioDialog source(ui, *other.studioArray.front());
    for (const auto& field : CStudioDialog::Fields()) {
        dialog.TextOf(field) = source.TextOf(field);
    }
    dialog.independent = source.independent;
    // The split keeps the blank before "<", and OK puts one back: without this the name would
    // grow by a blank with every competition it is copied into.
    if (!dialog.invoiceName.empty() && !dialog.name.empty() && dialog.name.back() == ' ') {
        dialog.name.pop_back();
        dialog.nameAgain = dialog.name;
    }
    return true;
}
