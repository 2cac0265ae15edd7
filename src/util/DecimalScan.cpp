#include "util/DecimalScan.h"

#include <cctype>

const char* SkipBlanksAndSign(const char* p, bool& negative) {
    while (std::isspace(static_cast<unsigned char>(*p))) {
        ++p;
    }
    negative = *p == '-';
    if (*p == '-' || *p == '+') {
        ++p;
    }
    return p;
}
