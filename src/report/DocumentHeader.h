#pragma once
// Who a printed report or statement comes from and what it is about: the studio as the sender,
// the competition, the organizer's e-mail and the day it was printed.
#include <string>
#include <vector>

#include "util/Dates.h"

class CDatabase;

struct CDocumentHeader {
    std::string studioName;
    std::vector<std::string> studioAddress;  // its lines, the empty ones left out
    std::string competitionName;
    std::string organizerEmail;
    std::string datePrinted;  // "9 December 2026"
    // "Starlight Ballroom - Spring Festival", on top of every page.
    std::string RunningHead(const std::string& what) const;
};

// "9 December 2026"; empty for no date.
std::string PrintedDateText(DATE date);

// From the first studio of the store (empty texts when there is none), dated `printed`.
CDocumentHeader DocumentHeaderOf(const CDatabase& store, DATE printed);
