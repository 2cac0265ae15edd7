#pragma once
// Reading the organizer's setup file into the store: the header, the dance categories, the price
// list and the packages.
#include <string>

#include "util/Text.h"

class CDatabase;

// Reads `setupPath` into the store (only its first line in header-only mode). 1 when read,
// 0 when the file cannot be opened or its header is invalid.
int LoadSetupFile(CDatabase& store, const std::string& setupPath, bool headerOnly);
int CheckSetupHeader(CDatabase& store, const std::string& headerLine);
void ParseCategoryRecord(CDatabase& store, CStringList& record);
void ParsePriceListRecord(CDatabase& store, CStringList& record);
void ParsePackageRecord(CDatabase& store, CStringList& record);
