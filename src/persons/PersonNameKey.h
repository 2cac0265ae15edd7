#pragma once
// When two persons are the same person for an import: the same last and first name, ignoring
// case and accents. The rule and every index that finds its matches use this one key.
#include <string>

class CPersonRecord;

std::string PersonNameKey(const std::string& lastName, const std::string& firstName);
std::string PersonNameKey(const CPersonRecord& person);
