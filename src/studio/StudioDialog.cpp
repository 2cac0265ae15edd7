#include "studio/StudioDialog.h"

#include "data/Records.h"
#include "platform/Ui.h"
#include "studio/StudioCopy.h"

const std::array<CStudioDialog::Field, 13>& CStudioDialog::Fields() {
    static const std::array<Field, 13> fields{{
        {kNameId,
         "Enter name of studio or a mailing address name for an independent person or couple.",
         &CStudioDialog::name},
        {kNameAgainId,
         "Enter studio or mailing address name again to verify spelling. This cannot be changed "
         "after this point.",
         &CStudioDialog::nameAgain},
        {kInvoiceNameId,
         "If you are working out of the studio but want to be invoiced separately, enter your "
         "name for the invoice.",
         &CStudioDialog::invoiceName},
        {kInvoiceNameAgainId,
         "Enter name for invoice again to verify spelling, This cannot be changed after this "
         "point.",
         &CStudioDialog::invoiceNameAgain},
        {kAddress1Id, "Address", &CStudioDialog::address1},
        {kAddress2Id, "Address", &CStudioDialog::address2},
        {kCityId, "City", &CStudioDialog::city},
        {kStateId, "State", &CStudioDialog::state},
        {kZipId, "ZIP", &CStudioDialog::zip},
        {kCountryId, "Country", &CStudioDialog::country},
        {kPhoneId, "Phone", &CStudioDialog::phone},
        {kFaxId, "FAX", &CStudioDialog::fax},
        {kEmailId, "Email", &CStudioDialog::email},
    }};
    return fields;
}

CStudioDialog::CStudioDialog(CUi& ui, CStudioRecord& record) : ui_(ui), record_(record) {
    // A stored "name <invoice name>" is split back into its two names; a ">" before the "<"
    // means the text is one name.
    const auto open = record.name.find('<');
    const auto close = record.name.find('>');
    if (open != std::string::npos && close != std::string::npos && open < close) {
        name = record.name.substr(0, open);
        invoiceName = record.name.substr(open + 1, close - open - 1);
    } else {
        name = record.name;
    }
    nameAgain = name;
    invoiceNameAgain = invoiceName;
    if (!name.empty()) {
        nameEditable = false;
    }
    independent = record.kind == 'I';
    address1 = record.address1;
    address2 = record.address2;
    city = record.city;
    state = record.state;
    zip = record.zip;
    country = record.country;
    phone = record.phone;
    fax = record.fax;
    email = record.email;
}

bool CStudioDialog::OnOK() {
    if (nameEditable) {
        if (name.empty()) {
            ui_.ShowMessage("No studio name.");
            return false;
        }
        if (nameAgain != name) {
            ui_.ShowMessage("Check spelling of studio name.");
            return false;
        }
        if (invoiceNameAgain != invoiceName) {
            ui_.ShowMessage("Check spelling of name for invoice.");
            return false;
        }
        const std::string storedName = invoiceName.empty() ? name : name + " <" + invoiceName + ">";
        if (acceptName && !acceptName(storedName)) {
            return false;
        }
        record_.name = storedName;
    }
    record_.kind = independent ? 'I' : 'M';
    record_.zip = zip;
    record_.state = state;
    record_.phone = phone;
    record_.fax = fax;
    record_.email = email;
    record_.country = country;
    record_.city = city;
    record_.address1 = address1;
    record_.address2 = address2;
    return true;
}

void CStudioDialog::OnHelp() {
    ui_.OpenHelp(HelpContext());
}

void CStudioDialog::OnCopyFrom() {
    if (!nameEditable) {
        return;
    }
    const std::string path = ui_.AskForFileToOpen(
        "Copy studio data from", {"Studio data files (*.tvr *.TVR)", "All files (*)"});
    if (!path.empty()) {
        CopyStudioFromFile(*this, ui_, path);
    }
}
