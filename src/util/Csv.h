#pragma once
// Comma-separated values as spreadsheets read them: quoted where a value needs it, one record a
// line ended by CR LF.
#include <string>
#include <vector>

// What a UTF-8 file starts with so that a spreadsheet opened by a double click reads it as
// UTF-8 and not in the system's code page.
inline constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One value as it stands in a line: in quotes, with its quotes doubled, when it holds the
// separator, a quote or a line break.
std::string CsvField(const std::string& value, char separator = ',');

// The values joined by commas, each as CsvField gives it, and CR LF.
std::string CsvLine(const std::vector<std::string>& values);
