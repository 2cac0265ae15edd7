#include "report/DocumentHeader.h"

#include "data/Database.h"

std::string PrintedDateText(DATE date) {
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    if (date == 0) {
        return {};
    }
    const CDateParts parts = SplitDate(date);
    if (parts.month < 1 || parts.month > 12) {
        return {};
    }
    return std::to_string(parts.day) + ' ' + kMonths[parts.month - 1] + ' ' +
           std::to_string(parts.year);
}

std::string CDocumentHeader::RunningHead(const std::string& what) const {
    std::string head = studioName;
    for (const std::string* part : {&competitionName, &what}) {
        if (!part->empty()) {
            head += head.empty() ? "" : " - ";
            head += *part;
        }
    }
    return head;
}

CDocumentHeader DocumentHeaderOf(const CDatabase& store, DATE printed) {
    CDocumentHeader header;
    header.competitionName = store.competitionName;
    header.organizerEmail = store.organizerAddress;
    header.datePrinted = PrintedDateText(printed);
    if (store.studioArray.empty()) {
        return header;
    }
    const CStudioRecord& studio = *store.studioArray.front();
    header.studioName = studio.name;
    // "City, ST 12345" on one line, as an envelope has it.
    std::string place = studio.city;
    if (!studio.state.empty()) {
        place += place.empty() ? "" : ", ";
        place += studio.state;
    }
    if (!studio.zip.empty()) {
        place += place.empty() ? "" : " ";
        place += studio.zip;
    }
    for (const std::string& line : {studio.address1, studio.address2, place, studio.country}) {
        if (!line.empty()) {
            header.studioAddress.push_back(line);
        }
    }
    return header;
}
