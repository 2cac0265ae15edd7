#pragma once
// The summary report: the studio's check of its own data and the text that goes to the
// organizer beside the data file. Persons with their entry counts, the dance entries under their
// couples, the purchases, the approximate amount due and the rooming list.
#include <cstdint>
#include <string>

#include "util/Text.h"

class CDatabase;
class CPersonRecord;

// What the report calls the person: "adult lady amateur", "non-competitor"...
const char* PersonKind(const CPersonRecord& person);

// The report's lines. Without a studio: "Error - no studio data", no lines, false. Lone
// roommate groups are dropped and hotel packages assigned in the store on the way, as a save
// would do.
bool BuildSummaryReport(CDatabase& store, CStringList& lines);

// The report's "Approximate total due" in cents, added up by the report as it makes its lines,
// with no message shown and no line kept; 0 without a studio. The statements check their own
// total against it.
int64_t SummaryReportTotal(CDatabase& store);

// Where mode 'F' writes the report: "SummaryReport_<studio>.txt" beside the setup file.
std::string SummaryReportPath(CDatabase& store);

// Builds the report, then by `mode`: 'S' shows it in the report window captioned "Summary
// report"; 'F' writes it to SummaryReportPath with CR LF line ends and sets `output` to that
// path (even when the file could not be written); 'T' appends its lines to `output`, each ended
// by CR LF. Without a studio only the message is shown and `output` stays as it was.
void SummaryReport(CDatabase& store, char mode, std::string& output);

// Mode 'F' for callers that go on only with a report on disk: true when the file was written
// to `path`; otherwise the user has been told why.
bool WriteSummaryReportFile(CDatabase& store, std::string& path);
