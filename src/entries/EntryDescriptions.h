#pragma once
// How an entry is named: in duplicate questions, the forms list and the summary report.
#include <string>

class CDatabase;
class CEntryRecord;

// The category description: "Latin, Adult, Bronze" (age before level), with the dance (or the
// team name) appended when `withDance`. Empty when the entry's category is gone.
std::string DescribeEntry(const CDatabase& store, const CEntryRecord& entry, bool withDance);
// The same description appended to `text`, without making the names' copies on the way (the
// report and the statements write one per entry).
void AppendEntryDescription(std::string& text, const CDatabase& store, const CEntryRecord& entry,
                            bool withDance);

// One line of the forms list of a studio (mode 'S') or of person `id` (mode 'P'): the category
// description followed by the partners, leaving out the person whose list it is.
std::string DescribeForm(const CDatabase& store, const CEntryRecord& entry, char mode, int id);
void AppendFormDescription(std::string& text, const CDatabase& store, const CEntryRecord& entry,
                           char mode, int id);

// "Lady/Gentleman" for lady pro/am entries, "Gentleman/Lady" otherwise, "Studio" without a
// gentleman.
std::string CoupleLabel(const CDatabase& store, const CEntryRecord& entry);
void AppendCoupleLabel(std::string& text, const CDatabase& store, const CEntryRecord& entry);
