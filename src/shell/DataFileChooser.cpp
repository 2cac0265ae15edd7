#include "shell/DataFileChooser.h"

#include "dialogs/ListDialog.h"
#include "formats/DataFileChoice.h"

std::string ChooseDataFile(CUi& ui, const std::string& pattern) {
    const CStringList paths = DataFilesOfCompetition(pattern);
    const int count = static_cast<int>(paths.size());
    if (count == 0) {
        return {};
    }
    if (count == 1) {
        return paths[0];
    }
    CListDialog dialog("Select", 'N', 'N', CListDialog::kNoChoice, 0, "", "", "");
    for (int i = 0; i < count; ++i) {
        const std::string studio = ReadStudioNameOfFile(paths[i]);
        dialog.AddItem(i, studio.empty() ? paths[i] : studio);
    }
    const int chosen = dialog.Run(ui);
    if (chosen < 0 || chosen >= count) {
        return {};
    }
    return paths[chosen];
}
