#include "persons/PersonFiles.h"

#include "data/Database.h"
#include "formats/DataFileWriter.h"
#include "formats/FileReplace.h"
#include "persons/ImportSummaryWindow.h"
#include "persons/PersonImport.h"
#include "persons/RosterCsv.h"
#include "platform/Ui.h"
#include "util/Csv.h"
#include "util/Files.h"
#include "util/Text.h"

bool ImportPersonsAsked(CDatabase& store) {
    const std::string path =
        store.ui.AskForFileToOpen("Import persons", {"Studio data files and CSV rosters "
                                                     "(*.tvr *.TVR *.csv *.CSV)",
                                                     "Studio data files (*.tvr *.TVR)",
                                                     "CSV rosters (*.csv *.CSV)", "All files (*)"});
    if (path.empty()) {
        return false;
    }
    // A roster of thousands takes a while: the work runs with a bar and Cancel, and the file is
    // written only after it, on the screen's own thread where the writer may speak.
    CImportSummary summary;
    store.ui.RunWithProgress(
        "Importing persons from " + FileNameOf(path) + "...", [&](CProgress& progress) {
            summary = ImportPersons(store, path, [&](std::size_t done, std::size_t total) {
                return progress.Report(done, total);
            });
        });
    const int added = summary.added;
    if (added > 0) {
        WriteDataFile(store, store.dataFileName);
    }
    ShowImportSummary(store.ui, std::move(summary));
    return added > 0;
}

bool ExportPersons(const CDatabase& store, const std::string& path, std::string& whyNot) {
    // The command line's roster goes to other programs and stays without the mark; a file is
    // most often opened by a double click in a spreadsheet.
    std::string bytes = kUtf8ByteOrderMark;
    bytes += FormatRosterCsv(store);
    return ReplaceFileContents(path, bytes, whyNot);
}

void ExportPersonsAsked(CDatabase& store) {
    const std::string studio =
        store.studioArray.empty() ? "" : MakeFileNamePart(store.studioArray.front()->name);
    const std::string path = store.ui.AskForFileToSave(
        "Export persons", {"CSV rosters (*.csv *.CSV)", "All files (*)"},
        (studio.empty() ? std::string("Persons") : studio + "_Persons") + ".csv");
    if (path.empty()) {
        return;
    }
    std::string whyNot;
    if (!ExportPersons(store, path, whyNot)) {
        store.ui.ShowMessage("The persons could not be written to " + path + " (" + whyNot +
                             "). Nothing was changed there.");
        return;
    }
    const std::size_t count = store.personArray.size();
    store.ui.ShowInformation(
        (count == 1 ? std::string("1 person") : std::to_string(count) + " persons") +
        " written to " + path + ".");
}
