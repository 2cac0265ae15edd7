#pragma once
// A laid-out document (the report's or the statements' pages) on the printer: the pages the PDF
// file has, painted with the same positions, so that paper and file look alike.
#include "report/PaperSize.h"
#include "util/PageDocument.h"

class CUi;
class QPagedPaintDevice;
class QWidget;

// Letter where the user's country uses it, else A4.
CPaper UserPaper();

// Paints every page on `device`; false when it cannot be painted on.
bool PaintDocument(QPagedPaintDevice& device, const CPageDocument& document);

// The system print dialog, on the document's paper at first, then every page when the user
// confirms. False only when printing was chosen and failed.
bool PrintDocumentWithDialog(QWidget* parent, CUi& ui, const CPageDocument& document);
