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

std::string_view TerritoryOfLocaleName(std::string_view name) {
    const std::size_t underscore = name.find('_');
    if (underscore == std::string_view::npos) {
        return {};
    }
    std::string_view territory = name.substr(underscore + 1);
    territory = territory.substr(0, territory.find_first_of(".@"));
    return territory.size() == 2 ? territory : std::string_view();
}
