#pragma once
// "Studio or mailing address data": the name of the studio (typed twice), an optional invoice
// name (typed twice), the kind and the mailing address. Once a name is stored it is fixed.
#include <array>
#include <functional>
#include <string>

#include "dialogs/DialogModel.h"

class CStudioRecord;
class CUi;

class CStudioDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 211;

    static constexpr int kNameId = 1773;
    static constexpr int kNameAgainId = 1774;
    static constexpr int kInvoiceNameId = 1029;
    static constexpr int kInvoiceNameAgainId = 1030;
    static constexpr int kIndependentId = 1560;
    static constexpr int kAddress1Id = 1486;
    static constexpr int kAddress2Id = 1497;
    static constexpr int kCityId = 1521;
    static constexpr int kStateId = 1541;
    static constexpr int kZipId = 1760;
    static constexpr int kCountryId = 1761;
    static constexpr int kPhoneId = 1762;
    static constexpr int kFaxId = 1763;
    static constexpr int kEmailId = 1764;
    static constexpr int kOkId = 1000;
    static constexpr int kCancelId = 2;
    static constexpr int kHelpId = 1021;
    static constexpr int kCopyFromId = 1031;

    static constexpr const char* kTitle = "Studio or mailing address data";
    static constexpr const char* kIndependentLabel =
        "Check this box if independent person or couple";
    static constexpr const char* kCountryHint = "**Do not enter country if from USA";

    // One edit field: its control, its label, the working text behind it and the most
    // characters a user may type (enough for any real address, short enough that the line
    // every data-file line begins with stays readable), in the order the dialog shows them.
    struct Field {
        int id;
        const char* label;
        std::string CStudioDialog::*text;
        int maxLength;
    };
    static const std::array<Field, 13>& Fields();

    CStudioDialog(CUi& ui, CStudioRecord& record);
    int ResourceId() const override { return kResourceId; }
    // Any field or the box differs from what the dialog opened with (Copy from... counts).
    bool HasChanges() const override;

    std::string& TextOf(const Field& field) { return this->*field.text; }
    const std::string& TextOf(const Field& field) const { return this->*field.text; }
    // The field's maximum, or the text it opened with when that is longer: a stored text is
    // never cut just by being shown and confirmed.
    int Limit(const Field& field) const;

    // Checks the names, asks about an e-mail address that cannot be one, and stores everything
    // in the record; false keeps the dialog open.
    bool OnOK();
    void OnHelp();
    // A new studio's fields from another studio data file (last competition's, say); the user
    // still confirms them with OK. Only while the names are open (a new studio).
    void OnCopyFrom();

    // Called with the name about to be stored for a new studio; false refuses it (the check
    // shows its own message) and keeps the dialog open.
    std::function<bool(const std::string& storedName)> acceptName;
    // Where "Copy from..." opens its file dialog: the folder above the competition's, where
    // last year's competition usually is; "" for the file dialog's own choice.
    std::string copyFromFolder;

    std::string name, nameAgain, invoiceName, invoiceNameAgain;
    std::string address1, address2, city, state, zip, country, phone, fax, email;
    bool independent = false;
    // Cleared when the record already has a name: the four name fields are then read-only.
    bool nameEditable = true;

private:
    // An e-mail address typed anew that has no "@" with a dot after it asks first.
    bool EmailAccepted() const;

    CUi& ui_;
    CStudioRecord& record_;
    std::array<std::string, 13> openedTexts_;
    bool openedIndependent_ = false;
};
