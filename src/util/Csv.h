#pragma once
// Comma-separated values as spreadsheets read them: quoted where a value needs it, one record a
// line ended by CR LF.
#include <string>
#include <vector>

// One value as it stands in a line: in quotes, with its quotes doubled, when it holds the
// separator, a quote or a line break.
std::string CsvField(const std::string& value, char separator = ',');

// The values joined by commas, each as CsvField gives it, and CR LF.
std::string CsvLine(const std::vector<std::string>& values);
