#include "report/PrinterChoiceView.h"

#include <QPrintDialog>
#include <QPrinter>

#include "platform/Ui.h"

bool AskForPrinter(QWidget* parent, CUi& ui, QPrinter& printer) {
#ifdef _WIN32
    // Without a printer Qt falls back to its own PDF output, which Windows' dialog refuses.
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        ui.ShowMessage(
            "No printer is set up on this computer. Use \"Save as PDF...\" and print the PDF "
            "file, or set up a printer in the system's settings first.");
        return false;
    }
#else
    (void)ui;
#endif
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}
