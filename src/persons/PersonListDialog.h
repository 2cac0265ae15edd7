#pragma once
// "List of persons": step (2) of the main window. Every person of the studio, sorted by name with
// the person number after it, and the buttons that add, edit and delete them.
#include "dialogs/DialogModel.h"
#include "dialogs/ListModel.h"

class CDatabase;

class CPersonListDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 129;

    static constexpr int kListId = 1002;
    static constexpr int kAddId = 1003;
    static constexpr int kEditId = 1004;
    static constexpr int kDeleteId = 1005;
    static constexpr int kImportId = 1006;
    static constexpr int kExportId = 1007;
    static constexpr int kOkId = 1;
    static constexpr int kHelpId = 1021;

    static constexpr const char* kTitle = "List of persons";
    static constexpr const char* kDeleteQuestion =
        "Are you sure you want to delete person along with his or her purchases and entries?";

    explicit CPersonListDialog(CDatabase& store);
    int ResourceId() const override { return kResourceId; }

    // Each handler saves its change to the data file through the person operations.
    void OnAdd();
    void OnEdit();
    void OnDelete();
    // Persons from another competition's studio data file or a CSV roster, and the roster out
    // to a CSV file.
    void OnImport();
    void OnExport();

    // "Last, First [number]" per person, the person number as item data.
    CListModel persons;

private:
    // Fills the list again; the person with `numberToSelect` stays or becomes the selected line.
    void Fill(int numberToSelect = -1);

    CDatabase& store_;
};

// Runs "List of persons" until the user closes it.
void ShowPersonList(CDatabase& store);
