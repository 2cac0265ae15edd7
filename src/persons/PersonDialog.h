#pragma once
// "Person data": the dialog that adds or edits one person. It works on the store and on the person
// being edited; what it shows and checks grows with the person dialogs.
#include "dialogs/DialogModel.h"

class CDatabase;
class CPersonRecord;

class CPersonDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 218;

    CPersonDialog(CDatabase& store, CPersonRecord& person) : store(store), person(person) {}
    int ResourceId() const override { return kResourceId; }

    CDatabase& store;
    CPersonRecord& person;
};
