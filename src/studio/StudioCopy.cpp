#include "studio/StudioCopy.h"

#include "data/Database.h"
#include "formats/DataFileReader.h"
#include "platform/Ui.h"
#include "studio/StudioDialog.h"
#include "util/Files.h"

namespace {

// The field as the user calls it; the two fields that repeat a name for checking are not named
// again.
std::string FieldNameOf(const CStudioDialog::Field& field) {
    switch (field.id) {
        case CStudioDialog::kNameId:
            return "Studio name";
        case CStudioDialog::kInvoiceNameId:
            return "Invoice name";
        case CStudioDialog::kNameAgainId:
        case CStudioDialog::kInvoiceNameAgainId:
            return "";
        default:
            return field.label;
    }
}

}  // namespace

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
    // A value longer than its field takes is one the dialog could never have stored: it is left
    // out, and the user is told which, so that nothing is cut without a word.
    std::string leftOut;
    for (const auto& field : CStudioDialog::Fields()) {
        const std::string& text = source.TextOf(field);
        if (text.size() > static_cast<std::size_t>(field.maxLength)) {
            if (!FieldNameOf(field).empty()) {
                leftOut += "\n\"" + FieldNameOf(field) + "\" is longer than " +
                           std::to_string(field.maxLength) + " characters.";
            }
            dialog.TextOf(field).clear();
            continue;
        }
        dialog.TextOf(field) = text;
    }
    dialog.independent = source.independent;
    // The split keeps the blank before "<", and OK puts one back: without this the name would
    // grow by a blank with every competition it is copied into.
    if (!dialog.invoiceName.empty() && !dialog.name.empty() && dialog.name.back() == ' ') {
        dialog.name.pop_back();
        dialog.nameAgain = dialog.name;
    }
    if (!leftOut.empty()) {
        ui.ShowMessage("Not copied from " + FileNameOf(path) + ":" + leftOut);
    }
    return true;
}
