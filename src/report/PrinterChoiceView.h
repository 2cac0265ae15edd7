#pragma once
// The system print dialog for the report and the statements.
class CUi;
class QPrinter;
class QWidget;

// The system print dialog for every page (no page range to choose, since all pages print).
// False when the user cancelled, or when no printer is set up: Windows' dialog does not open
// then, so `ui` says what to do instead of the button doing nothing.
bool AskForPrinter(QWidget* parent, CUi& ui, QPrinter& printer);
