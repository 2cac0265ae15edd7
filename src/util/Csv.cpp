#include "util/Csv.h"

std::string CsvField(const std::string& value, char separator) {
    if (value.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
        return value;
    }
    std::string quoted = "\"";
    for (const char c : value) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

std::string CsvLine(const std::vector<std::string>& values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += CsvField(values[i]);
    }
    return line + "\r\n";
}
