#include "util/Text.h"

#include <cctype>
#include <cstdlib>

int SplitFields(const std::string& text, const std::string& separators, CStringList& fields,
                int maxCount, bool keepEmpty) {
    fields.clear();
    std::string::size_type pos = 0;
    int count = 0;
    while (true) {
        const auto hit = text.find_first_of(separators, pos);
        if (hit == std::string::npos) {
            if (pos < text.size()) {
                fields.push_back(text.substr(pos));
                ++count;
            }
            break;
        }
        std::string field = text.substr(pos, hit - pos);
        if (keepEmpty) {
            pos = hit + separators.size();
            fields.push_back(std::move(field));
            ++count;
        } else {
            pos = hit + 1;
            if (!field.empty() || count > 0) {
                fields.push_back(std::move(field));
                ++count;
            }
        }
        if (maxCount > 0 && count >= maxCount) {
            break;
        }
        if (pos > text.size()) {
            break;
        }
    }
    return count;
}

std::string DetectSeparator(const std::string& line) {
    if (line.find('|') != std::string::npos) {
        return "|";
    }
    if (line.find(';') != std::string::npos) {
        return ";";
    }
    return "\t";
}

char FirstChar(const std::string& text) {
    return text.empty() ? '\0' : text[0];
}

std::string ToUpperAscii(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

void ReplaceAll(std::string& text, const std::string& search, const std::string& replacement,
                int caseSensitive) {
    if (text.empty() || search.empty()) {
        return;
    }
    const bool exact = caseSensitive == 1;
    const std::string haystack = exact ? text : ToUpperAscii(text);
    const std::string needle = exact ? search : ToUpperAscii(search);
    std::string result;
    std::string::size_type pos = 0;
    while (true) {
        const auto hit = haystack.find(needle, pos);
        if (hit == std::string::npos) {
            break;
        }
        result.append(text, pos, hit - pos);
        result += replacement;
        pos = hit + needle.size();
    }
    result.append(text, pos, std::string::npos);
    text = std::move(result);
}

std::string MakeFileNamePart(const std::string& name) {
    std::string text = name;
    ReplaceAll(text, " ", "_", 0);
    ReplaceAll(text, "<", "{", 0);
    ReplaceAll(text, ">", "}", 0);
    std::string kept;
    for (char c : text) {
        const bool allowed = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                             (c >= 'a' && c <= 'z') || c == '_' || c == '{' || c == '}';
        if (allowed) {
            kept += c;
        }
    }
    return kept;
}

void JoinLines(const CStringList& lines, std::string& out) {
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
}

std::string TrimRight(const std::string& text) {
    const auto end = text.find_last_not_of(" \t\r\n");
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

long ParseLeadingInt(const std::string& text) {
    return std::strtol(text.c_str(), nullptr, 10);
}

double ParseLeadingDouble(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}
