#pragma once
// The widths of the two faces every PDF reader has built in, Helvetica and Helvetica-Bold, by
// Windows-1252 code, in thousandths of the font size; 0 for the codes the code page leaves out.
#include <cstdint>

extern const uint16_t kHelveticaWidths[2][256];
