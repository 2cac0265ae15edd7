#include "util/Money.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "util/DecimalScan.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

int64_t ParseCents(const std::string& text) {
    // The digits of [blanks][sign]digits[.digits][e[sign]digits], with the point moved by the
    // exponent; then the whole part, two decimals, and the third decimal for the rounding.
    bool negative = false;
    const char* p = SkipBlanksAndSign(text.c_str(), negative);
    std::string digits;
    long point = 0;  // digits before the decimal point
    for (; IsDigit(*p); ++p) {
        digits += *p;
    }
    point = static_cast<long>(digits.size());
    if (*p == '.') {
        for (++p; IsDigit(*p); ++p) {
            digits += *p;
        }
    }
    if (digits.empty()) {
        return 0;
    }
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        const bool exponentNegative = *q == '-';
        if (*q == '-' || *q == '+') {
            ++q;
        }
        long exponent = 0;
        for (; IsDigit(*q); ++q) {
            exponent = std::min(exponent * 10 + (*q - '0'), 100000L);
        }
        point += exponentNegative ? -exponent : exponent;
    }
    // Leading zeros say nothing; dropping them keeps a long "0000...1" within reach.
    const std::size_t zeros = std::min(digits.find_first_not_of('0'), digits.size());
    digits.erase(0, zeros);
    point -= static_cast<long>(zeros);
    if (digits.empty() || point < -3) {
        return 0;
    }
    if (point > 15) {
        return negative ? -kMaxCents : kMaxCents;
    }
    // Cents are the digits up to two places after the point; the next one rounds.
    int64_t cents = 0;
    const long centDigits = point + 2;
    for (long i = 0; i < centDigits; ++i) {
        cents = cents * 10 + (i >= 0 && i < static_cast<long>(digits.size()) ? digits[i] - '0' : 0);
    }
    if (centDigits >= 0 && centDigits < static_cast<long>(digits.size()) &&
        digits[centDigits] >= '5') {
        ++cents;
    }
    cents = std::min(cents, kMaxCents);
    return negative ? -cents : cents;
}

void AppendCents(std::string& text, int64_t cents) {
    const uint64_t magnitude =
        cents < 0 ? 0 - static_cast<uint64_t>(cents) : static_cast<uint64_t>(cents);
    char buffer[24];
    char* end = buffer;
    if (cents < 0) {
        *end++ = '-';
    }
    end = std::to_chars(end, buffer + sizeof buffer, magnitude / 100).ptr;
    *end++ = '.';
    *end++ = static_cast<char>('0' + magnitude % 100 / 10);
    *end++ = static_cast<char>('0' + magnitude % 10);
    text.append(buffer, end);
}

std::string FormatCents(int64_t cents) {
    std::string text;
    AppendCents(text, cents);
    return text;
}

void AppendCents9(std::string& text, int64_t cents) {
    const std::size_t start = text.size();
    AppendCents(text, cents);
    const std::size_t length = text.size() - start;
    if (length < 9) {
        text.insert(start, 9 - length, ' ');
    }
}

int64_t CentsTimes(int64_t cents, int64_t count) {
    constexpr int64_t kLimit = kMaxCentsProduct;
    int64_t product = 0;
    if (__builtin_mul_overflow(cents, count, &product) || product > kLimit || product < -kLimit) {
        return (cents < 0) != (count < 0) ? -kLimit : kLimit;
    }
    return product;
}
