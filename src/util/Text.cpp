#include "util/Text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "util/DecimalScan.h"

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

namespace {

// Windows-1252 puts most accented capitals 0x20 below their small letters; Š, Œ, Ž and Ÿ sit
// apart, and ×, ÷ and ß have no partner.
char UpperInCodePage(unsigned char byte) {
    if (byte < 0x80) {
        return static_cast<char>(std::toupper(byte));
    }
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) {
        return static_cast<char>(byte - 0x20);
    }
    if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {
        return static_cast<char>(byte - 0x10);
    }
    return static_cast<char>(byte == 0xFF ? 0x9F : byte);
}

}  // namespace

std::string ToUpperCodePage(std::string text) {
    for (char& c : text) {
        c = UpperInCodePage(static_cast<unsigned char>(c));
    }
    return text;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && ToUpperCodePage(a) == ToUpperCodePage(b);
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
    // Sized once: a report of tens of thousands of lines would otherwise be copied over and
    // over as the text grows.
    std::size_t size = out.size();
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    out.reserve(size);
    for (const auto& line : lines) {
        AppendLine(out, line);
    }
}

void AppendLine(std::string& out, std::string_view line) {
    out += line;
    out += "\r\n";
}

std::string FormatText(const std::string& format, const CStringList& values) {
    std::string result;
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        const char kind = i + 1 < format.size() ? format[i + 1] : '\0';
        if (format[i] == '%' && (kind == 's' || kind == 'i' || kind == 'u' || kind == 'c') &&
            next < values.size()) {
            result += values[next++];
            ++i;
        } else {
            result += format[i];
        }
    }
    return result;
}

std::string TrimRight(const std::string& text) {
    const auto end = text.find_last_not_of(" \t\r\n");
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

long ParseLeadingInt(const std::string& text) {
    return std::strtol(text.c_str(), nullptr, 10);
}

namespace {

long SkipDigits(const char*& p) {
    const char* from = p;
    while (*p >= '0' && *p <= '9') {
        ++p;
    }
    return p - from;
}

// For a decimal text that does not fit a double: whether it is too large (rather than too
// small), judged by the position of its first significant digit.
bool IsHugeDecimal(const char* p) {
    long magnitude = 0;
    while (*p == '0') {
        ++p;
    }
    const long integerDigits = SkipDigits(p);
    if (integerDigits > 0) {
        magnitude = integerDigits;
        if (*p == '.') {
            ++p;
            SkipDigits(p);
        }
    } else if (*p == '.') {
        ++p;
        const char* zeros = p;
        while (*p == '0') {
            ++p;
        }
        magnitude = -(p - zeros);
        SkipDigits(p);
    }
    if (*p == 'e' || *p == 'E') {
        ++p;
        const bool negative = *p == '-';
        if (*p == '-' || *p == '+') {
            ++p;
        }
        long exponent = 0;
        while (*p >= '0' && *p <= '9' && exponent < 100000) {
            exponent = exponent * 10 + (*p++ - '0');
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0;
}

}  // namespace

double ParseLeadingDouble(const std::string& text) {
    // The longest prefix of the form [blanks][sign]digits[.digits][e[sign]digits].
    bool negative = false;
    const char* p = SkipBlanksAndSign(text.c_str(), negative);
    const char* start = p;
    long digits = SkipDigits(p);
    if (*p == '.') {
        ++p;
        digits += SkipDigits(p);
    }
    if (digits == 0) {
        return 0;
    }
    if (*p == 'e' || *p == 'E') {
        const char* exponent = p + 1;
        if (*exponent == '-' || *exponent == '+') {
            ++exponent;
        }
        if (SkipDigits(exponent) > 0) {
            p = exponent;
        }
    }
    double value = 0;
    if (std::from_chars(start, p, value).ec == std::errc::result_out_of_range) {
        value = IsHugeDecimal(start) ? HUGE_VAL : 0;
    }
    return negative ? -value : value;
}

float ParseLeadingFloat(const std::string& text) {
    const double value = ParseLeadingDouble(text);
    constexpr double kMax = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -kMax, kMax));
}
