#pragma once
// The competition side of the store as JSON: header values, categories, price list, packages.
// Texts are turned from Windows-1252 into UTF-8; dates are written as month.day.year.h.m.s.
#include <nlohmann/json.hpp>

class CDatabase;

nlohmann::ordered_json SetupToJson(const CDatabase& store);

// Helpers the other parts of the export share.
nlohmann::ordered_json JsonText(const std::string& text);
// A one-letter value: a one-character string, "" for the zero character.
nlohmann::ordered_json JsonLetter(char letter);
// A single-precision value written with the digits it was read with (12.5, 0.1).
nlohmann::ordered_json JsonNumber(float value);
// An amount in cents as a number of currency units.
nlohmann::ordered_json JsonCents(int64_t cents);
nlohmann::ordered_json JsonDate(double date);
