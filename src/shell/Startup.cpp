#include "shell/Startup.h"

#include <filesystem>

#include "data/Database.h"
#include "dialogs/ListDialog.h"
#include "formats/SetupLoader.h"
#include "platform/Ui.h"
#include "shell/MainDialog.h"
#include "shell/SaveAndClear.h"
#include "util/Files.h"
#include "util/SystemPath.h"

std::string CompetitionNameOf(CUi& ui, const std::string& setupPath) {
    CDatabase store(ui);
    return LoadSetupFile(store, setupPath, true) ? store.competitionName : std::string();
}

std::string ChooseSetupFile(CUi& ui, const std::string& argument,
                            const std::string& programDirectory) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (!argument.empty() && !fs::is_directory(SystemPath(argument), error)) {
        // A file named on the command line; the main window reports it when it is missing.
        return argument;
    }
    const std::string directory = argument.empty() ? programDirectory : argument;
    const auto inDirectory = [&](const std::string& name) {
        return PathText(SystemPath(directory) / SystemPath(name));
    };

    CStringList names, dates;
    ListFiles(inDirectory("*.stu"), names, dates);
    if (names.empty()) {
        // An installed program has no setup files beside it: the user opens the organizer's.
        const std::string asked = argument.empty() ? ui.AskForSetupFile() : std::string();
        if (asked.empty()) {
            ui.ShowMessage("No setup data files found");
        }
        return asked;
    }
    if (names.size() == 1) {
        return inDirectory(names.front());
    }

    CListDialog select("Select", 0, 0, 0, 0, "", "", "");
    int offered = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string competition = CompetitionNameOf(ui, inDirectory(names[i]));
        if (!competition.empty()) {
            select.AddItem(static_cast<int>(i), competition);
            ++offered;
        }
    }
    // Every file was refused (each with its message): there is nothing to choose from.
    if (offered == 0) {
        return {};
    }
    const int chosen = select.Run(ui);
    if (chosen < 0 || chosen >= static_cast<int>(names.size())) {
        return {};
    }
    return inDirectory(names[static_cast<std::size_t>(chosen)]);
}

namespace {

// The competition and studio that were open before the user chose another: where the program
// goes back to when the new one cannot be opened.
struct CPreviousStudio {
    std::string setupPath;
    std::string dataFile;
    std::string competitionName;
};

}  // namespace

int RunTavorin(CUi& ui, const std::string& argument, const std::string& programDirectory) {
    std::string setupPath = ChooseSetupFile(ui, argument, programDirectory);
    std::string dataFile;
    CPreviousStudio previous;
    while (!setupPath.empty()) {
        CMainDialog mainDialog(ui, setupPath);
        mainDialog.preferredDataFile = dataFile;
        const bool opened = mainDialog.Initialize();
        if (opened) {
            ui.RunDialog(mainDialog);
        }
        const CPreviousStudio thisOne{setupPath, mainDialog.Store().dataFileName,
                                      mainDialog.Store().competitionName};
        // Whatever way the window ended, the studio's data is written once more before it goes;
        // its lock goes with the dialog at the end of this turn.
        SaveAndClear(mainDialog.Store(), false);
        dataFile.clear();
        if (opened && mainDialog.result == CMainDialog::kOpenCompetitionResult) {
            previous = thisOne;
            setupPath = ChooseSetupFile(ui, mainDialog.nextCompetition,
                                        DirectoryOf(mainDialog.nextCompetition));
            if (!setupPath.empty()) {
                continue;
            }
        } else if (opened || previous.setupPath.empty()) {
            break;
        }
        // The other competition did not open (the user was told why): back to the studio that
        // was open, once.
        ui.ShowInformation("Tavorin goes back to " + previous.competitionName + ".");
        setupPath = previous.setupPath;
        dataFile = previous.dataFile;
        previous = {};
    }
    return 0;
}
