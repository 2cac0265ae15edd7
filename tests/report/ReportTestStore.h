#pragma once
// A studio for the report's tests: a Latin category with a surcharge, a team category, a hotel
// package with a room in it, a room and a day pass on the price list, and five persons.
#include "data/Database.h"
#include "support/ScriptedUi.h"

struct CReportTestStore {
    // Person numbers.
    static constexpr int kTurner = 1;   // gentleman professional
    static constexpr int kCollins = 2;  // adult lady amateur
    static constexpr int kKim = 3;      // non-competitor
    static constexpr int kPark = 4;     // adult gentleman amateur
    static constexpr int kChen = 5;     // youth lady amateur
    // Setup numbers.
    static constexpr int kLatin = 10;
    static constexpr int kFormation = 20;
    static constexpr int kHotelPackage = 1;
    static constexpr int kDayPass = 2;
    static constexpr int kRoom = 5;

    CReportTestStore();

    // An entry in Latin, Adult, Bronze; dance 1 Cha Cha, 2 Rumba.
    CEntryRecord& AddLatin(uint8_t dance, char type, int gentleman, int lady);

    CScriptedUi ui;
    CDatabase db{ui};
};
