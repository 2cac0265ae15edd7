#include "delivery/MakeDataFile.h"

#include <filesystem>

#include "data/Database.h"
#include "formats/DataFileWriter.h"
#include "platform/Ui.h"
#include "report/ReportWindow.h"
#include "report/SummaryReport.h"
#include "util/Files.h"
#include "util/SystemPath.h"

int SaveAndReview(CDatabase& store) {
    // The writer's word counts: an older copy of the same name may still lie on disk after a
    // failed save, and it must not be sent as if it were today's. The writer has said why.
    if (!WriteDataFile(store, store.dataFileName)) {
        return 0;
    }
    if (!FileExists(store.dataFileName)) {
        store.ui.ShowMessage(
            FormatText("Error in saving data. File %s does not exist.", {store.dataFileName}));
        return 0;
    }
    if (store.ui.AskYesNo(kReviewQuestion)) {
        std::string unused;
        SummaryReport(store, 'S', unused);
    }
    return 1;
}

CStringList InstructionLines(const std::string& dataFile, const std::string& reportFile) {
    return {
        "Please print this information for later reference. Two files were created to send to "
        "competition organizer. One file contains your entry and purchase data in a format "
        "readable only by computer. The other is a text file containing a human "
        "readable/printable summary.",
        "",
        FormatText("The data file is: %s", {dataFile}),
        "The data file should be ATTACHED to an email message to the organizer.",
        "",
        FormatText("The report file is: %s", {reportFile}),
        "The report file may be INSERTED as the email message or attached as a separate file.",
        "",
        "If you don't know how to set up an email by inserting the message from the report file "
        "and attaching the data file you should get competent help in doing so, or you should "
        "use the 'Make diskette' option and send a diskette to the organizer.",
    };
}

void MakeDataFileStep(CDatabase& store) {
    if (!SaveAndReview(store)) {
        return;
    }
    std::string reportFile;
    if (!WriteSummaryReportFile(store, reportFile)) {
        return;  // instructions naming a report that is not there would mislead
    }
    const CStringList lines = InstructionLines(store.dataFileName, reportFile);
    CReportWindow window(store.ui, kInstructionsCaption, lines);
    window.OfferFolder(
        PathText(std::filesystem::absolute(SystemPath(store.dataFileName)).parent_path()));
    store.ui.RunDialog(window);
}
