#pragma once
// Which paper a report saved as PDF is laid out on: Letter where the country uses it, A4
// everywhere else.
#include <string_view>

enum class CPaper { A4, Letter };

// `territory`: the two-letter country code of the user's locale ("US"); empty when unknown.
CPaper PaperForTerritory(std::string_view territory);

// The country of a POSIX locale name: "US" of "en_US.UTF-8", "" of "C" or "POSIX".
std::string_view TerritoryOfLocaleName(std::string_view name);
