#include "entries/EntryTestStore.h"

EntryTest::EntryTest() {
    db.fieldSeparator = "|";
    db.dataFileName = dir.File("Spring_Star_Dance.tvr");
    AddEntryCategories(db);
    latin = db.FindCategory(kLatin);
    solo = db.FindCategory(kSolo);
    AddStudio(db, "Star Dance");
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");
    AddPersonRecord(db, 'F', 'A', 0, "Ann", "Lee");
    AddPersonRecord(db, 'M', 'A', 0, "Tom", "Fox");
    AddPersonRecord(db, 'F', 'P', 0, "Eve", "Moss");
    AddPersonRecord(db, 'F', 'A', 0, "Kim", "Hart");
}

void EntryTest::ExpectForm(std::function<void(CEntryForm&)> edit, int action, bool changed) {
    ui.ExpectDialog<CEntryFormDialog>([edit, action, changed](CEntryFormDialog& dialog) {
        edit(dialog.form);
        return CEntryFormDialog::Result(action, changed);
    });
}

void EntryTest::ExpectTypeDialog(std::function<int(CEntryTypeDialog&)> play) {
    ui.ExpectDialog<CEntryTypeDialog>(std::move(play));
}

void EntryTest::SaveNewForm(int category, char type, int gentleman, int lady, uint8_t level,
                            uint8_t age, std::vector<uint8_t> dances, const std::string& text) {
    CEntryManager manager(db);
    manager.NewForm(category, type);
    CEntryForm& form = manager.form;
    form.gentleman = gentleman;
    form.lady = lady;
    form.level = level;
    form.age = age;
    form.dances = std::move(dances);
    form.text = text;
    ASSERT_TRUE(manager.SaveEntryForm());
}

int EntryTest::EntryLinesInFile() const {
    const std::string text = "\n" + FileText();
    int lines = 0;
    for (size_t at = text.find("\nEN|"); at != std::string::npos; at = text.find("\nEN|", at + 1)) {
        ++lines;
    }
    return lines;
}
