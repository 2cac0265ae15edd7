#pragma once
// A small competition for entry forms: a Latin category with four dances, three levels and two
// ages, and a solo category without dances.
#include <cstdint>

class CDatabase;

constexpr int kLatin = 10;
constexpr int kSolo = 20;
constexpr uint8_t kChaCha = 1, kRumba = 2, kSamba = 3, kJive = 4;
constexpr uint8_t kBronze = 1, kSilver = 2, kProficiency = 3;
constexpr uint8_t kAdult = 1, kOpenAge = 2;

// Adds the categories (to a store of its own as well, to read a written file back).
void AddEntryCategories(CDatabase& db);
