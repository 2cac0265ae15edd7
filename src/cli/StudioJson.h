#pragma once
// The studio side of the store as JSON: the data file's name, studios, persons, purchases and
// entries, with the comments of studios and persons. Texts, letters and dates as in the setup
// export.
#include <nlohmann/json.hpp>

class CDatabase;

// Adds "dataFileName", "studios", "persons", "purchases" and "entries" to `out`.
void AddStudioJson(const CDatabase& store, nlohmann::ordered_json& out);
