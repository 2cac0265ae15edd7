#include "report/PaperSize.h"

#include <algorithm>
#include <array>

CPaper PaperForTerritory(std::string_view territory) {
    // The countries where Letter is the usual paper size.
    static constexpr std::array<std::string_view, 12> kLetterCountries = {
        "BZ", "CA", "CL", "CO", "CR", "GT", "MX", "PA", "PH", "PR", "US", "VE"};
    return std::find(kLetterCountries.begin(), kLetterCountries.end(), territory) !=
                   kLetterCountries.end()
               ? CPaper::Letter
               : CPaper::A4;
}
