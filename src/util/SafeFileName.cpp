#include "util/SafeFileName.h"

#include <array>
#include <cctype>

namespace {

constexpr std::size_t kMaxStem = 200;

bool IsDeviceName(std::string_view stem) {
    // Windows takes "CON.txt" and "con .pdf" for the device too: the part before the first dot,
    // blanks at its end ignored.
    std::string base(stem.substr(0, stem.find('.')));
    while (!base.empty() && base.back() == ' ') {
        base.pop_back();
    }
    for (char& c : base) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    static constexpr std::array<std::string_view, 6> kNames = {"CON", "PRN",    "AUX",
                                                               "NUL", "CONIN$", "CONOUT$"};
    for (const std::string_view name : kNames) {
        if (base == name) {
            return true;
        }
    }
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
           base[3] >= '0' && base[3] <= '9';
}

}  // namespace

std::string SafeFileName(std::string_view stem, std::string_view extension) {
    std::string safe;
    for (const char c : stem) {
        const auto byte = static_cast<unsigned char>(c);
        const bool refused = byte < 0x20 || byte == 0x7f ||
                             std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos;
        safe += refused ? '_' : c;
    }
    if (safe.size() > kMaxStem) {
        std::size_t cut = kMaxStem;
        // Not inside a letter of more than one byte: back to the start of one.
        while (cut > 0 && (static_cast<unsigned char>(safe[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        safe.resize(cut);
    }
    while (!safe.empty() && (safe.back() == ' ' || safe.back() == '.')) {
        safe.pop_back();
    }
    const std::size_t start = safe.find_first_not_of(' ');
    safe.erase(0, start == std::string::npos ? safe.size() : start);
    std::string name;
    if (safe.empty() || IsDeviceName(safe)) {
        name.push_back('_');
    }
    name += safe;
    name += extension;
    return name;
}
