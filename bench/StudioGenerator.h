#pragma once
// A large competition and a large studio, made up reproducibly from a seed, for measuring the
// program's speed and for comparing two ways of reading the same file.
#include <cstdint>
#include <string>

class CDatabase;

struct CGeneratedSize {
    // The competition.
    int categories = 300;
    int dancesPerCategory = 10;
    int levels = 6;
    int ages = 8;
    int priceListItems = 200;
    int packages = 40;
    // The studio.
    int persons = 1000;
    int forms = 5000;
    int entries = 20000;  // spread over the forms, one per dance
    int purchases = 2000;

    // The studio of a large school that enters many competitions; the competition stays.
    static CGeneratedSize Large() { return {}; }
    static CGeneratedSize LargeTimes(int factor);
    // A few of everything, for tests.
    static CGeneratedSize Small();
};

// The setup file's text ("stu" header, DC, PL and PK lines), "|" separated, CR LF line ends.
std::string GenerateSetupText(const CGeneratedSize& size);

// Fills the studio side of `store` (whose competition is loaded) with one studio and two
// visiting studios, the persons of all seven types with roommate groups and comments, entry
// forms with one entry per dance (group entries with their dancers), and purchases.
void GenerateStudio(CDatabase& store, const CGeneratedSize& size, uint32_t seed);

// Writes "<directory>/Big.stu" and the studio's data file beside it; returns the data file's path.
std::string WriteGeneratedFiles(const std::string& directory, const CGeneratedSize& size,
                                uint32_t seed);
