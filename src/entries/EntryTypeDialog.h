#pragma once
// "Select entry type and dance category": the user picks who dances and a category admitting
// that type. The entries step opens it freely, with the list of studios and persons whose entry
// forms can be opened from here; the entry manager opens it for a follow-up form, without that
// list and with the type fixed or narrowed to those in which a kept person keeps his or her role.
#include <array>

#include "dialogs/DialogModel.h"
#include "dialogs/ListModel.h"

class CDatabase;

class CEntryTypeDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 219;

    static constexpr int kAdultLadyId = 1593;
    static constexpr int kAdultGentlemanId = 1594;
    static constexpr int kYouthLadyId = 1597;
    static constexpr int kYouthGentlemanId = 1601;
    static constexpr int kAdultAmateurId = 1603;
    static constexpr int kYouthAmateurId = 1605;
    static constexpr int kProfessionalId = 1607;
    static constexpr int kGroupId = 1609;
    static constexpr int kCategoriesId = 1608;
    static constexpr int kOkId = 1000;
    static constexpr int kCancelId = 2;
    static constexpr int kPersonsId = 2023;
    static constexpr int kViewFormsId = 2030;
    static constexpr int kHelpId = 1021;

    static constexpr const char* kTitle = "Select entry type and dance category";
    static constexpr const char* kFirstStepText = "(1) First select entry type";
    static constexpr const char* kTypeGroupText = "Entry type";
    static constexpr const char* kSecondStepText =
        "(2) Then select dance category\n(double click on it or click button 'Go to selected "
        "entry form')";
    static constexpr const char* kOkText = "Go to selected entry form ";
    static constexpr const char* kCancelText = "Exit dance data entry";
    static constexpr const char* kPersonsLabel = "Persons with dance entries";
    static constexpr const char* kViewFormsText = "View entry forms for\nselected person";

    // One entry-type radio button, in the order the dialog shows them.
    struct TypeButton {
        int id;
        char type;
        const char* text;
    };
    static const std::array<TypeButton, 8>& TypeButtons();

    // Which entry-type buttons can be chosen.
    enum Mode {
        kFreeChoice = 0,
        kTypeFixed = 1,
        kProfessionalGentleman = 2,  // F, f, P
        kProfessionalLady = 3,       // M, m, P
        kAmateurGentleman = 4,       // M, m, A, a
        kAmateurLady = 5,            // F, f, A, a
    };

    // `presetType`: a type letter, or 0 for a free choice. `restriction`: 0 (the type is fixed),
    // 'M' (the gentleman stays) or 'F' (the lady stays). Opens the dialog: fills the persons
    // list (unless hidden) and the categories of the marked type.
    CEntryTypeDialog(CDatabase& store, char presetType, char restriction, bool hidePersons);
    int ResourceId() const override { return kResourceId; }

    bool IsTypeEnabled(char type) const;
    // Marks `type` and chooses category `code` among its categories, as the user left them the
    // last time; a type that cannot be chosen, or a category no longer listed, is left alone.
    void ChooseAsBefore(char type, int code);

    // Selects the persons-list line whose item data is `value` (-1: none).
    void PreselectPerson(long value);
    // A click on a type button marks that type and lists its categories.
    void OnTypeClicked(char type);
    // "Go to selected entry form " or a double click on a category; false keeps the dialog open.
    bool OnOK();
    // "View entry forms for selected person" or a double click on a line of the persons list:
    // the forms list of that studio or person. The dialog stays open.
    void OnViewForms();
    void OnHelp();

    CDatabase& store;
    bool hidePersons;
    Mode mode = kFreeChoice;
    // The marked type (0: none); the chosen type after OK.
    char entryType = 0;
    // The chosen category's code after OK.
    int categoryCode = -1;
    // The persons-list line (by item data) selected on opening; -1 none.
    int personsPreselection = -1;

    // The categories admitting the marked type, in setup-file order; item data = category code.
    CListModel categories;
    // "<All> studio (studio)" lines (item data = studio number), then "Last, First (individual)"
    // lines (item data = the person number negated). The view shows them sorted.
    CListModel persons;

private:
    void FillCategories();
    void FillPersons();
};
