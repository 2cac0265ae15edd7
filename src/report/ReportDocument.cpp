#include "report/ReportDocument.h"

#include "report/DocumentLayout.h"

namespace {

constexpr const char* kTitle = "Summary report";

void AddHeading(CDocumentLayout& layout, const CDocumentHeader& header) {
    std::vector<CDocumentRow> rows;
    rows.push_back({CRowStyle::Title, header.studioName});
    for (const std::string& line : header.studioAddress) {
        rows.push_back({CRowStyle::Small, line});
    }
    rows.push_back({CRowStyle::Blank});
    rows.push_back({CRowStyle::Heading, kTitle});
    if (!header.competitionName.empty()) {
        rows.push_back({CRowStyle::Plain, "Competition: " + header.competitionName});
    }
    if (!header.organizerEmail.empty()) {
        rows.push_back({CRowStyle::Plain, "Organizer: " + header.organizerEmail});
    }
    if (!header.datePrinted.empty()) {
        rows.push_back({CRowStyle::Plain, "Printed: " + header.datePrinted});
    }
    layout.AddBlock(rows, true);
}

CDocumentRow RowOf(const CReportLine& line) {
    switch (line.kind) {
        case CReportLineKind::Blank:
            return {CRowStyle::Blank};
        case CReportLineKind::Heading:
            return {CRowStyle::Heading, line.text};
        case CReportLineKind::Couple:
            return {CRowStyle::Strong, line.text};
        case CReportLineKind::Entry:
            return {CRowStyle::Plain, line.text, line.amount, true};
        case CReportLineKind::Subtotal:
            return {CRowStyle::Subtotal, line.text, line.amount};
        case CReportLineKind::Total:
            return {CRowStyle::Total, line.text, line.amount};
        default:
            return {CRowStyle::Plain, line.text, line.amount};
    }
}

// Where a block of rows that belong together ends: a heading goes with the line after it, a
// couple with its entries and subtotal.
std::size_t BlockEnd(const std::vector<CReportLine>& lines, std::size_t start) {
    std::size_t end = start + 1;
    const CReportLineKind kind = lines[start].kind;
    if (kind == CReportLineKind::Heading) {
        while (end < lines.size() && lines[end].kind == CReportLineKind::Blank) {
            ++end;
        }
        if (end < lines.size() && lines[end].kind == CReportLineKind::Couple) {
            return BlockEnd(lines, end);
        }
        return end < lines.size() ? end + 1 : end;
    }
    if (kind == CReportLineKind::Couple) {
        while (end < lines.size() && (lines[end].kind == CReportLineKind::Entry ||
                                      lines[end].kind == CReportLineKind::Subtotal)) {
            ++end;
        }
    }
    if (kind == CReportLineKind::Total && end < lines.size() &&
        lines[end].kind == CReportLineKind::Text) {
        ++end;  // the note that goes with the total
    }
    return end;
}

}  // namespace

CPageDocument ReportDocument(const CDocumentHeader& header, const std::vector<CReportLine>& lines,
                             CPaper paper) {
    CDocumentLayout layout(paper, header.RunningHead(kTitle), header.RunningHead(""));
    AddHeading(layout, header);
    std::size_t start = 0;
    // The studio's name opens the report's lines; the heading has it already.
    if (!lines.empty() && lines.front().kind == CReportLineKind::Studio) {
        start = 1;
    }
    while (start < lines.size()) {
        const std::size_t end = BlockEnd(lines, start);
        std::vector<CDocumentRow> rows;
        for (std::size_t k = start; k < end; ++k) {
            rows.push_back(RowOf(lines[k]));
        }
        layout.AddBlock(rows, end - start > 1);
        start = end;
    }
    return layout.Finish();
}
