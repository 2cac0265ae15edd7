#pragma once
// The report on paper (or in a PDF file), laid out by the report's own page layout: the system
// print dialog, then every page in a 10-point serif with margins of a twentieth of the page.
#include <QFont>
#include <string>
#include <vector>

#include "util/Text.h"

class CUi;
class QPagedPaintDevice;
class QPrinter;
class QString;
class QWidget;

// "Times New Roman" at 10 points, or the nearest serif face the system has.
QFont ReportPrintFont();

// Prints the lines on `printer` as the document "Bursana print job", wrapped to the page and
// continued on further pages. False when the printer (or the output file) cannot be opened.
bool PrintReportLines(QPrinter& printer, const CStringList& lines);

// Shows the system print dialog (which offers printing to a PDF file) and prints all pages
// when the user confirms. False only when printing was chosen and failed.
bool PrintReportWithDialog(QWidget* parent, CUi& ui, const CStringList& lines);

// Each part begins on a page of its own and goes on over further pages when it is long; laid
// out as the report. False when the device cannot be painted on.
bool PrintReportParts(QPagedPaintDevice& device, const std::vector<CStringList>& parts);
// PrintReportParts into a PDF file with the given title, on A4 or, where the user's country
// uses it, Letter paper. False when it cannot be written.
bool WriteReportPdf(const QString& path, const QString& title,
                    const std::vector<CStringList>& parts);
// The same PDF made in memory, for the caller to save whole. False when it cannot be laid out.
bool MakeReportPdf(const QString& title, const std::vector<CStringList>& parts, std::string& pdf);
