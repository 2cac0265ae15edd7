#pragma once
// "Select entry type and dance category": the user picks who dances and a category admitting
// that type. The entries step opens it freely; the entry manager opens it for a follow-up form,
// with the type fixed or narrowed to those in which a kept person keeps his or her role.
#include "dialogs/DialogModel.h"

class CDatabase;

class CEntryTypeDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 219;

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
    // 'M' (the gentleman stays) or 'F' (the lady stays).
    CEntryTypeDialog(CDatabase& store, char presetType, char restriction, bool hidePersons);
    int ResourceId() const override { return kResourceId; }

    bool IsTypeEnabled(char type) const;

    CDatabase& store;
    bool hidePersons;
    Mode mode = kFreeChoice;
    // Marked on opening (0: none); the chosen type after OK.
    char entryType = 0;
    // The chosen category's code after OK.
    int categoryCode = -1;
    // The persons-list line selected on opening; -1 none.
    int personsPreselection = -1;
};
