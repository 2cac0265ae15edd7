#include "util/PageDocument.h"

#include "util/StandardFontWidths.h"

double TextWidth(std::string_view text, CFontRole role, double size) {
    const auto& widths = kHelveticaWidths[static_cast<int>(role)];
    long thousandths = 0;
    for (const char c : text) {
        thousandths += widths[static_cast<unsigned char>(c)];
    }
    return static_cast<double>(thousandths) * size / 1000.0;
}
