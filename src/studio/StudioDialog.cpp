#include "studio/StudioDialog.h"

#include <algorithm>

#include "data/Records.h"
#include "platform/Ui.h"
#include "studio/StudioCopy.h"

namespace {

constexpr int kLongLength = 60;
constexpr int kMediumLength = 40;
constexpr int kShortLength = 20;
constexpr int kPhoneLength = 30;
constexpr int kEmailLength = 80;

// Something before an "@", and a dot with something on both sides after it.
bool LooksLikeEmailAddress(const std::string& text) {
    const auto at = text.find('@');
    if (at == std::string::npos || at == 0) {
        return false;
    }
    const auto dot = text.find('.', at + 2);
    return dot != std::string::npos && dot + 1 < text.size();
}

}  // namespace

const std::array<CStudioDialog::Field, 13>& CStudioDialog::Fields() {
    static const std::array<Field, 13> fields{{
        {kNameId,
         "Enter name of studio or a mailing address name for an independent person or couple.",
         &CStudioDialog::name, kLongLength},
        {kNameAgainId,
         "Enter studio or mailing address name again to verify spelling. This cannot be changed "
         "after this point.",
         &CStudioDialog::nameAgain, kLongLength},
        {kInvoiceNameId,
         "If you are working out of the studio but want to be invoiced separately, enter your "
         "name for the invoice.",
         &CStudioDialog::invoiceName, kMediumLength},
        {kInvoiceNameAgainId,
         "Enter name for invoice again to verify spelling, This cannot be changed after this "
         "point.",
         &CStudioDialog::invoiceNameAgain, kMediumLength},
        {kAddress1Id, "Address", &CStudioDialog::address1, kLongLength},
        {kAddress2Id, "Address", &CStudioDialog::address2, kLongLength},
        {kCityId, "City", &CStudioDialog::city, kMediumLength},
        {kStateId, "State", &CStudioDialog::state, kShortLength},
        {kZipId, "ZIP", &CStudioDialog::zip, kShortLength},
        {kCountryId, "Country", &CStudioDialog::country, kMediumLength},
        {kPhoneId, "Phone", &CStudioDialog::phone, kPhoneLength},
        {kFaxId, "FAX", &CStudioDialog::fax, kPhoneLength},
        {kEmailId, "Email", &CStudioDialog::email, kEmailLength},
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
    for (std::size_t i = 0; i < Fields().size(); ++i) {
        openedTexts_[i] = TextOf(Fields()[i]);
    }
    openedIndependent_ = independent;
}

int CStudioDialog::Limit(const Field& field) const {
    const auto index = static_cast<std::size_t>(&field - Fields().data());
    const auto opened = index < openedTexts_.size() ? openedTexts_[index].size() : 0;
    return std::max(field.maxLength, static_cast<int>(opened));
}

bool CStudioDialog::HasChanges() const {
    for (std::size_t i = 0; i < Fields().size(); ++i) {
        if (TextOf(Fields()[i]) != openedTexts_[i]) {
            return true;
        }
    }
    return independent != openedIndependent_;
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
        if (!EmailAccepted()) {
            return false;
        }
        if (acceptName && !acceptName(storedName)) {
            return false;
        }
        record_.name = storedName;
    }
    if (!nameEditable && !EmailAccepted()) {
        return false;
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

bool CStudioDialog::EmailAccepted() const {
    if (email.empty() || email == record_.email || LooksLikeEmailAddress(email)) {
        return true;
    }
    std::string question = "\"";
    question += email;
    question +=
        "\" does not look like an e-mail address (name@example.com): the organizer may "
        "not reach you there.\n\nKeep it as it is?";
    return ui_.AskYesNo(question);
}

void CStudioDialog::OnHelp() {
    ui_.OpenHelp(HelpContext());
}

void CStudioDialog::OnCopyFrom() {
    if (!nameEditable) {
        return;
    }
    const std::string path =
        ui_.AskForFileToOpen("Copy studio data from",
                             {"Studio data files (*.tvr *.TVR)", "All files (*)"}, copyFromFolder);
    if (!path.empty()) {
        CopyStudioFromFile(*this, ui_, path);
    }
}
