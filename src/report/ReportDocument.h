#pragma once
// The summary report as a printed document: a heading with the studio, the competition, the
// organizer's e-mail and the day; then the report's lines with their amounts in one column, the
// subtotals and the total set apart, and each couple's entries kept on one page where they fit.
#include <vector>

#include "report/DocumentHeader.h"
#include "report/PaperSize.h"
#include "report/SummaryReport.h"
#include "util/PageDocument.h"

CPageDocument ReportDocument(const CDocumentHeader& header, const std::vector<CReportLine>& lines,
                             CPaper paper);
